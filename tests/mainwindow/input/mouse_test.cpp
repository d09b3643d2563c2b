// Gestures over the picture of the real window: right click, middle click, clicks by mode,
// the wheel over the time line and presses on it.
#include "commands/commandcodes.h"
#include "testhost.h"
#include "torimage.h"
#include "ttavrelplayer.h"
#include "ttimeline.h"
#include "tvideoarea.h"
#include "tvideopopupmenu.h"
#include "tvidmenuwnd.h"
#include "tvpanel.h"

#include <QEnterEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace {

class MouseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.SetHost(&host);
        window.resize(600, 450);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { window.PmMain->hide(); }

    QPoint pictureCentre() const { return window.Glob->rect().center(); }

    TestHost host;
    TTavrelPlayer window;
};

TEST_F(MouseTest, RightClickOpensContextMenu)
{
    QTest::mouseClick(window.Glob, Qt::RightButton, {}, pictureCentre());
    EXPECT_TRUE(window.PmMain->isVisible());
    EXPECT_FALSE(window.pnPlay->isVisible());
}

TEST_F(MouseTest, RightClickFlipsPlayPanelWhenSoConfigured)
{
    host.settings.RightMouseMode = false;
    QTest::mouseClick(window.Glob, Qt::RightButton, {}, pictureCentre());
    EXPECT_FALSE(window.PmMain->isVisible());
    EXPECT_TRUE(window.pnPlay->isVisible());
    QTest::mouseClick(window.Glob, Qt::RightButton, {}, pictureCentre());
    EXPECT_FALSE(window.pnPlay->isVisible());
}

TEST_F(MouseTest, CtrlRightClickFlipsPlayPanelInsteadOfMenu)
{
    QTest::mouseClick(window.Glob, Qt::RightButton, Qt::ControlModifier, pictureCentre());
    EXPECT_FALSE(window.PmMain->isVisible());
    EXPECT_TRUE(window.pnPlay->isVisible());
}

TEST_F(MouseTest, MiddleClickTogglesFullScreen)
{
    QTest::mouseClick(window.Glob, Qt::MiddleButton, {}, pictureCentre());
    EXPECT_EQ(host.commands(),
              (std::vector<std::pair<qint32, qint32>>{{Cmd::ToggleFullScreen, 0}}));
}

TEST_F(MouseTest, DoubleClickPlaysInFirstMode)
{
    QTest::mouseDClick(window.Glob, Qt::LeftButton, {}, pictureCentre());
    EXPECT_EQ(host.commands(), (std::vector<std::pair<qint32, qint32>>{{Cmd::PlayPause, 0}}));
}

// In the second mode a click plays after the wait, unless it became a double click, which
// goes full screen and nothing else.
TEST_F(MouseTest, SecondModeWaitsForTheSecondClick)
{
    host.settings.LeftMouseMode = 2;
    QTest::mouseClick(window.Glob, Qt::LeftButton, {}, pictureCentre());
    EXPECT_TRUE(window.tClickWait->isActive());
    EXPECT_TRUE(host.commands().empty());
    QTRY_COMPARE_WITH_TIMEOUT(host.commands().size(), size_t(1), 1000);
    EXPECT_EQ(host.commands()[0].first, Cmd::PlayPause);

    // A double click arrives as press, release, double-click press, release.
    host.sent.clear();
    QTest::mouseClick(window.Glob, Qt::LeftButton, {}, pictureCentre());
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(pictureCentre()),
                       window.Glob->mapToGlobal(QPointF(pictureCentre())), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.Glob, &second);
    QTest::mouseRelease(window.Glob, Qt::LeftButton, {}, pictureCentre());
    EXPECT_FALSE(window.tClickWait->isActive());
    QTest::qWait(400);
    EXPECT_EQ(host.commands(),
              (std::vector<std::pair<qint32, qint32>>{{Cmd::ToggleFullScreen, 0}}));
}

// A turn over `over`, as it reaches the window: the controls over the picture leave the wheel
// to it (a synthesised event is not passed up by Qt, so it goes to the window directly).
void turnWheel(QWidget *window, QWidget *over, bool up)
{
    const QPointF global = over->mapToGlobal(QPointF(over->rect().center()));
    QWheelEvent wheel(window->mapFromGlobal(global), global, QPoint(), QPoint(0, up ? 120 : -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window, &wheel);
}

TEST_F(MouseTest, WheelOverTimeLineSeeksTenSeconds)
{
    window.panTimeLine->ShowPanel();
    ASSERT_TRUE(window.pl->isVisible());
    QCursor::setPos(window.pl->mapToGlobal(window.pl->rect().center()));
    turnWheel(&window, window.pl, true);
    turnWheel(&window, window.pl, false);
    EXPECT_EQ(host.commands(), (std::vector<std::pair<qint32, qint32>>{{Cmd::SeekForward, 10000},
                                                                       {Cmd::SeekBack, 10000}}));
}

void sendWheel(QWidget *window, QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF global = window->mapToGlobal(QPointF(window->rect().center()));
    QWheelEvent wheel(window->mapFromGlobal(global), global, QPoint(), angle, Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window, &wheel);
}

// A touchpad reports one notch in small parts; Alt turns the wheel into a horizontal one on X11.
TEST_F(MouseTest, WheelCountsNotchesOfOneHundredTwenty)
{
    window.SetVolumeBar(5000);
    QCursor::setPos(window.Glob->mapToGlobal(pictureCentre()));
    for (int i = 0; i < 10; ++i)
        sendWheel(&window, {0, 12});
    EXPECT_EQ(window.VolumeBar(), 5500);
    sendWheel(&window, {0, -240});
    EXPECT_EQ(window.VolumeBar(), 4500);

    host.sent.clear();
    sendWheel(&window, {120, 0}, Qt::AltModifier);
    sendWheel(&window, {-120, 0}, Qt::AltModifier);
    EXPECT_EQ(host.commands(),
              (std::vector<std::pair<qint32, qint32>>{{Cmd::CropMore, 0}, {Cmd::CropLess, 0}}));
}

TEST_F(MouseTest, WheelOverPictureStepsVolume)
{
    window.SetVolumeBar(5000);
    QCursor::setPos(window.Glob->mapToGlobal(pictureCentre()));
    turnWheel(&window, window.Glob, true);
    EXPECT_EQ(window.VolumeBar(), 5500);
    host.mediaActive = false; // nothing to hear: the wheel does nothing
    turnWheel(&window, window.Glob, false);
    EXPECT_EQ(window.VolumeBar(), 5500);
}

TEST_F(MouseTest, PressOnTimeLineSeeksOnceToTheValue)
{
    window.SetTimeLine(1000, 0);
    window.panTimeLine->ShowPanel();
    QTest::mousePress(window.pl, Qt::LeftButton, {}, QPoint(window.pl->width() / 2, 5));
    const auto commands = host.commands();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].first, Cmd::SeekTo);
    EXPECT_NEAR(commands[0].second, 500, 30);
}

void moveOver(QWidget *widget, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
                     Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Presses and releases of one button alone (QTest remembers buttons other tests left down).
void pressOn(QWidget *widget, Qt::MouseButton button, QPoint pos)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
                      button, button, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

void releaseOn(QWidget *widget, Qt::MouseButton button, QPoint pos)
{
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(pos),
                        widget->mapToGlobal(QPointF(pos)), button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// The bars follow a left-button drag; another button only reports the press.
TEST_F(MouseTest, VolumeAndZoomBarsDragWithTheLeftButton)
{
    window.SetVolumeBar(0);
    window.PanVolume->ShowPanel();
    TTimeLine *volume = window.lVolume;
    const int x = volume->width() / 2;
    pressOn(volume, Qt::RightButton, QPoint(x, 0));
    releaseOn(volume, Qt::RightButton, QPoint(x, 0));
    EXPECT_EQ(window.VolumeBar(), 0);
    pressOn(volume, Qt::LeftButton, QPoint(x, volume->height() - 1));
    moveOver(volume, QPoint(x, volume->height() / 2), Qt::LeftButton);
    EXPECT_NEAR(window.VolumeBar(), 5000, 50);
    moveOver(volume, QPoint(x, 0), Qt::LeftButton);
    EXPECT_EQ(window.VolumeBar(), 10000);
    releaseOn(volume, Qt::LeftButton, QPoint(x, 0));

    window.PanZoom->ShowPanel();
    TTimeLine *zoom = window.lZoom;
    pressOn(zoom, Qt::LeftButton, QPoint(x, zoom->height() / 2));
    moveOver(zoom, QPoint(x, 0), Qt::LeftButton);
    EXPECT_EQ(zoom->progress(), zoom->maxValue());
    releaseOn(zoom, Qt::LeftButton, QPoint(x, 0));
}

// Dragging along the time line seeks at every step, and the readout timer does not pull the
// fill back to the place still playing until the button is let go.
TEST_F(MouseTest, TimeLineDragSeeksAndTheFillFollowsThePointer)
{
    window.SetTimeLine(1000, 100);
    window.panTimeLine->ShowPanel();
    TTimeLine *line = window.pl;
    pressOn(line, Qt::LeftButton, QPoint(line->width() / 4, 5));
    moveOver(line, QPoint(line->width() / 2, 5), Qt::LeftButton);
    moveOver(line, QPoint(line->width() * 3 / 4, 5), Qt::LeftButton);
    std::vector<qint32> seeks;
    for (const auto &command : host.commands()) {
        if (command.first == Cmd::SeekTo)
            seeks.push_back(command.second);
    }
    ASSERT_EQ(seeks.size(), 3u);
    EXPECT_NEAR(seeks[1], 500, 30);
    EXPECT_NEAR(seeks[2], 750, 30);
    window.SetTimeLine(1000, 100);
    EXPECT_NEAR(line->progress(), 750, 30);
    releaseOn(line, Qt::LeftButton, QPoint(line->width() * 3 / 4, 5));
    window.SetTimeLine(1000, 100);
    EXPECT_EQ(line->progress(), 100);
}

// With the picture zoomed a right-button drag pans it and the release opens nothing; without
// zoom the same drag leaves the picture alone and the release opens the menu.
TEST_F(MouseTest, RightDragPansZoomedPicture)
{
    window.SetZoomBar(35);
    const QPoint start = pictureCentre();
    QTest::mousePress(window.Glob, Qt::RightButton, {}, start);
    moveOver(window.Glob, start + QPoint(12, -7), Qt::RightButton);
    QTest::mouseRelease(window.Glob, Qt::RightButton, {}, start + QPoint(12, -7));
    EXPECT_EQ(window.Pan(), QPoint(12, -7));
    EXPECT_FALSE(window.PmMain->isVisible());

    window.SetZoomBar(25);
    QTest::mousePress(window.Glob, Qt::RightButton, {}, start);
    moveOver(window.Glob, start + QPoint(30, 30), Qt::RightButton);
    QTest::mouseRelease(window.Glob, Qt::RightButton, {}, start + QPoint(30, 30));
    EXPECT_TRUE(window.PmMain->isVisible());
}

TEST_F(MouseTest, MovingAwayClosesOpenMenu)
{
    window.ShowMainMenuIcons();
    QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), window.iOpen->mapToGlobal(QPointF(4, 4)));
    QApplication::sendEvent(window.iOpen, &enter);
    ASSERT_TRUE(window.pmOpen->IsOpen());
    const QRect menu(window.pmOpen->Window()->mapTo(window.Glob, QPoint(0, 0)),
                     window.pmOpen->Window()->size());
    moveOver(window.Glob, menu.bottomLeft() + QPoint(10, 40)); // 40 px below: stays
    EXPECT_TRUE(window.pmOpen->IsOpen());
    moveOver(window.Glob, menu.bottomLeft() + QPoint(10, 60));
    EXPECT_FALSE(window.pmOpen->IsOpen());
}

} // namespace
