#include "../controlstestapp.h"
#include "tvpanel.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>
#include <memory>

namespace {

// A shown host with one hidden panel in it, and counters of the panel's events.
struct PanelFixture : ::testing::Test
{
    QWidget host;
    TVPanel *panel = new TVPanel(&host);
    int shows = 0;
    int hides = 0;
    bool vetoShow = false;
    bool vetoHide = false;

    PanelFixture()
    {
        host.resize(200, 200);
        panel->setGeometry(10, 10, 100, 40);
        panel->hide();
        host.show();
        panel->OnShow = [this](TVPanel *sender, bool &cancel) {
            EXPECT_EQ(sender, panel);
            ++shows;
            cancel = vetoShow;
        };
        panel->OnHide = [this](TVPanel *, bool &cancel) {
            ++hides;
            cancel = vetoHide;
        };
    }
};

using TVPanelTimers = PanelFixture;
using TVPanelRegion = PanelFixture;

} // namespace

TEST_F(TVPanelTimers, TimedShowOnAHiddenPanel)
{
    EXPECT_EQ(panel->timeOut(), 100);
    EXPECT_FALSE(panel->region());
    panel->ShowFor(30);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(shows, 1);
    EXPECT_TRUE(panel->HideTimerRunning());
    EXPECT_EQ(panel->HideInterval(), 3000);
}

TEST_F(TVPanelTimers, HidesItselfAfterTheTimeOut)
{
    QElapsedTimer clock;
    clock.start();
    panel->ShowFor(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->isVisible(); }, 2000));
    EXPECT_GE(clock.elapsed(), 95);
    EXPECT_EQ(hides, 1);
    EXPECT_FALSE(panel->HideTimerRunning());
}

TEST_F(TVPanelTimers, ShowForOnAShowingPanelOnlyRestartsTheCountdown)
{
    panel->ShowFor(30);
    panel->ShowFor(2);
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(panel->HideInterval(), 200);
    EXPECT_TRUE(panel->HideTimerRunning());
}

TEST_F(TVPanelTimers, UntimedShowThenTimed)
{
    panel->ShowFor(0);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(panel->HideTimerRunning());
    QTest::qWait(150);
    EXPECT_TRUE(panel->isVisible());
    panel->ShowFor(1);
    EXPECT_EQ(shows, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->isVisible(); }, 2000));
}

TEST_F(TVPanelTimers, VetoedShowKeepsTheCountdown)
{
    vetoShow = true;
    panel->ShowFor(30);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(panel->HideTimerRunning());
}

TEST_F(TVPanelTimers, VetoedHideIsAskedAgainEachInterval)
{
    vetoHide = true;
    panel->ShowFor(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return hides >= 3; }, 2000));
    EXPECT_TRUE(panel->isVisible());
    vetoHide = false;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->isVisible(); }, 2000));
    const int asked = hides;
    QTest::qWait(250);
    EXPECT_EQ(hides, asked);
}

TEST_F(TVPanelTimers, AutomaticHideLocksOutTimedShowsForTimeOut)
{
    panel->setTimeOut(300);
    panel->ShowFor(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->isVisible(); }, 2000));
    EXPECT_FALSE(panel->CanShow());
    panel->ShowFor(30);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(panel->HideTimerRunning());
    EXPECT_EQ(shows, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->CanShow(); }, 2000));
    panel->ShowFor(30);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(shows, 2);
}

TEST_F(TVPanelTimers, PlainHideDoesNotLockOut)
{
    panel->ShowFor(30);
    panel->hide();
    EXPECT_TRUE(panel->CanShow());
    EXPECT_TRUE(panel->HideTimerRunning());
    panel->ShowFor(30);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(shows, 2);
    EXPECT_EQ(hides, 0);
}

TEST_F(TVPanelTimers, RestartHideTimerWithoutCountdownDoesNothing)
{
    panel->ShowFor(0);
    panel->RestartHideTimer();
    EXPECT_FALSE(panel->HideTimerRunning());
    EXPECT_TRUE(panel->isVisible());
}

TEST_F(TVPanelTimers, RestartHideTimerPostponesTheHide)
{
    panel->ShowFor(3);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 4; ++i) {
        QTest::qWait(100);
        panel->RestartHideTimer();
    }
    EXPECT_TRUE(panel->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->isVisible(); }, 2000));
    // Qt's coarse timers may fire up to 5 % early: the last restart plus 285 ms.
    EXPECT_GE(clock.elapsed(), 400 + 285);
}

TEST_F(TVPanelRegion, UnionOfChildrenHiddenOnesIncluded)
{
    auto *left = new QWidget(panel);
    left->setGeometry(0, 0, 32, 32);
    auto *right = new QWidget(panel);
    right->setGeometry(60, 8, 20, 20);
    right->hide();
    panel->SetRegion(true);
    const QRegion expected = QRegion(0, 0, 32, 32) + QRegion(60, 8, 20, 20);
    EXPECT_EQ(panel->mask(), expected);
    panel->SetRegion(false);
    EXPECT_TRUE(panel->mask().isEmpty());
}

TEST_F(TVPanelRegion, NoChildrenMeansNothingVisible)
{
    panel->setColor(0x00FF00);
    panel->SetRegion(true);
    panel->ShowFor(0);
    EXPECT_FALSE(panel->mask().isEmpty());
    EXPECT_TRUE(panel->mask().intersected(panel->rect()).isEmpty());
    const QImage shot = host.grab().toImage();
    EXPECT_NE(shot.pixel(30, 30), qRgb(0, 255, 0));
}

TEST_F(TVPanelRegion, ShowAndResizeReapplyTheRegion)
{
    panel->SetRegion(true);
    auto *child = new QWidget(panel);
    child->setGeometry(5, 5, 10, 10);
    panel->ShowFor(0);
    EXPECT_EQ(panel->mask(), QRegion(5, 5, 10, 10));
    child->setGeometry(5, 5, 30, 10);
    panel->resize(120, 40);
    EXPECT_EQ(panel->mask(), QRegion(5, 5, 30, 10));
}

TEST_F(TVPanelRegion, OwnerCanTakeOverTheBackground)
{
    panel->setColor(0x0000FF);
    int painted = 0;
    panel->OnPaint = [&](TVPanel *) { ++painted; };
    EXPECT_EQ(panel->grab().toImage().pixel(5, 5), qRgb(255, 0, 0));
    panel->OnWMERASEBKGND = [](TVPanel *, bool &handled) { handled = true; };
    EXPECT_NE(panel->grab().toImage().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(painted, 2);
}

namespace {

// Records the presses that reach it.
class PressCatcher : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

void sendButton(QWidget *widget, QEvent::Type type, QPoint at)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

TEST(TVPanelMouse, ClicksAreReportedAndDoNotReachTheVideoBehind)
{
    PressCatcher video;
    auto *panel = new TVPanel(&video);
    panel->resize(50, 20);
    int clicks = 0;
    int downs = 0;
    panel->OnClick = [&](QWidget *) { ++clicks; };
    panel->OnMouseDown = [&](QWidget *, Qt::MouseButton button, TShiftState, int x, int) {
        EXPECT_EQ(button, Qt::LeftButton);
        EXPECT_EQ(x, 7);
        ++downs;
    };
    sendButton(panel, QEvent::MouseButtonPress, {7, 5});
    sendButton(panel, QEvent::MouseButtonRelease, {9, 5});
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(clicks, 1);
    // Released outside: a press, but no click.
    sendButton(panel, QEvent::MouseButtonPress, {7, 5});
    sendButton(panel, QEvent::MouseButtonRelease, {70, 5});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(video.presses, 0);
}
