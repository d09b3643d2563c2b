#include "../controlstestapp.h"
#include "tvideopopupmenu.h"
#include "tvmenuitem.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>

namespace {

struct PopupFixture : ::testing::Test
{
    QWidget screen;
    TVideoPopupMenu menu;
    int opened = 0;
    QStringList clicked;

    PopupFixture()
    {
        screen.resize(455, 353);
        screen.show();
        menu.setParentControl(&screen);
        menu.OnPopup = [this](TVideoPopupMenu *) { ++opened; };
        auto record = [this](TMenuItem *item) { clicked << item->caption(); };
        menu.Items()->Add(QStringLiteral("Открыть файл|Ctrl+O"), record);
        menu.Items()->Add(QStringLiteral("-"));
        menu.Items()->Add(QStringLiteral("Закрыть"), record)->setEnabled(false);
        menu.Items()->Add(QStringLiteral("Выход|Alt+F4"), record);
    }

    TVMenuItem *row(int index) const { return menu.Window()->Rows().at(index); }
};

void moveOver(QWidget *widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), widget->mapToGlobal(QPointF(4, 4)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void click(QWidget *widget)
{
    const QPointF at(4, 4);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

using TVideoPopupMenuTest = PopupFixture;

} // namespace

TEST_F(TVideoPopupMenuTest, PublishesItsDefaults)
{
    EXPECT_EQ(menu.property("Grad_Color1").toUInt(), 255u);
    EXPECT_EQ(menu.property("Grad_Color2").toUInt(), 166u);
    EXPECT_EQ(menu.property("ColorBorder").toUInt(), 16776960u);
    EXPECT_EQ(menu.property("Font_ColorChecked").toUInt(), 16777215u);
    EXPECT_EQ(menu.property("Font_ColorSelect").toUInt(), 16777215u);
    EXPECT_EQ(menu.property("IntervalClose").toInt(), 30);
    EXPECT_FALSE(menu.property("Wide").toBool());
    EXPECT_EQ(menu.property("FontSize").toInt(), 8);
}

TEST_F(TVideoPopupMenuTest, ShowAtOpensAChildWindowAtTheAnchor)
{
    EXPECT_FALSE(menu.IsOpen());
    menu.ShowAt(3, 37);
    ASSERT_TRUE(menu.IsOpen());
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(menu.Window()->parentWidget(), &screen);
    EXPECT_EQ(menu.Window()->pos(), QPoint(3, 37));
    EXPECT_EQ(menu.MenuOrigin(), screen.mapToGlobal(QPoint(3, 37)));
    EXPECT_EQ(menu.Window()->Rows().size(), 4);
    EXPECT_EQ(row(3)->Tag(), 3);
    EXPECT_EQ(row(3)->Text().shortCut, QStringLiteral("Alt+F4"));
    menu.Close();
    EXPECT_FALSE(menu.IsOpen());
    EXPECT_NE(menu.Window(), nullptr);
}

TEST_F(TVideoPopupMenuTest, ReusesTheWindowUntilSomethingForcesARebuild)
{
    menu.ShowAt(3, 37);
    menu.Close();
    menu.setFontSize(menu.fontSize());
    menu.ShowAt(10, 40);
    EXPECT_EQ(menu.BuildCount(), 1);
    EXPECT_EQ(menu.Window()->pos(), QPoint(10, 40));
    menu.Items()->Item(2)->setChecked(true); // read at paint time, no rebuild
    menu.ShowAt(10, 40);
    EXPECT_EQ(menu.BuildCount(), 1);
    const int height = menu.MenuHeight();
    menu.setFontSize(14);
    menu.ShowAt(10, 40);
    EXPECT_EQ(menu.BuildCount(), 2);
    EXPECT_GT(menu.MenuHeight(), height);
}

TEST_F(TVideoPopupMenuTest, ItemChangesMadeInOnPopupShowAtOnce)
{
    menu.ShowAt(3, 37);
    menu.OnPopup = [](TVideoPopupMenu *sender) { sender->Items()->Item(1)->setVisible(false); };
    menu.ShowAt(3, 37);
    EXPECT_EQ(menu.BuildCount(), 2);
    ASSERT_EQ(menu.Window()->Rows().size(), 3);
    EXPECT_EQ(row(1)->Tag(), 2);
}

TEST_F(TVideoPopupMenuTest, RightHandMenuGrowsToTheLeftWhenReused)
{
    menu.setClearBorder(2);
    menu.ShowAt(400, 37);
    const int width = menu.MenuWidth();
    EXPECT_EQ(menu.Window()->x(), 430 - width);
    menu.Close();
    menu.ShowAt(300, 37);
    EXPECT_EQ(menu.BuildCount(), 1);
    EXPECT_EQ(menu.Window()->x(), 330 - width);
}

TEST_F(TVideoPopupMenuTest, AllItemsHiddenBuildsTwentyByTwenty)
{
    for (int i = 0; i < menu.Items()->Count(); ++i)
        menu.Items()->Item(i)->setVisible(false);
    menu.ShowAt(0, 0);
    EXPECT_EQ(menu.MenuWidth(), 20);
    EXPECT_EQ(menu.MenuHeight(), 20);
}

TEST_F(TVideoPopupMenuTest, ClosesIntervalCloseAfterTheLastMove)
{
    // Ticks come every 100 ms, so a countdown of 6 ends 500..600 ms after it was restored.
    menu.IntervalClose = 6;
    QElapsedTimer clock;
    menu.ShowAt(3, 37);
    clock.start();
    QTest::qWait(400);
    moveOver(row(0));
    const qint64 lastMove = clock.elapsed();
    QTest::qWait(400); // without the move it would have closed by now
    EXPECT_TRUE(menu.IsOpen());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !menu.IsOpen(); }, 2000));
    EXPECT_GE(clock.elapsed() - lastMove, 480);
    EXPECT_LE(clock.elapsed() - lastMove, 900);
}

TEST_F(TVideoPopupMenuTest, ClickClosesThenRunsTheItem)
{
    menu.Items()->Item(3)->OnClick = [this](TMenuItem *item) {
        EXPECT_FALSE(menu.IsOpen());
        clicked << item->caption();
    };
    menu.ShowAt(3, 37);
    click(row(3));
    EXPECT_FALSE(menu.IsOpen());
    EXPECT_EQ(clicked, QStringList{QStringLiteral("Выход|Alt+F4")});
}

TEST_F(TVideoPopupMenuTest, ClickOnDisabledItemOnlyCloses)
{
    menu.ShowAt(3, 37);
    click(row(2));
    EXPECT_FALSE(menu.IsOpen());
    EXPECT_TRUE(clicked.isEmpty());
}

TEST_F(TVideoPopupMenuTest, HotRowsAreClearedWhenReopened)
{
    menu.ShowAt(3, 37);
    QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), row(0)->mapToGlobal(QPointF(4, 4)));
    QApplication::sendEvent(row(0), &enter);
    EXPECT_TRUE(row(0)->Hot());
    QEnterEvent enterSeparator(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(row(1), &enterSeparator);
    EXPECT_FALSE(row(1)->Hot());
    menu.Close();
    menu.ShowAt(3, 37);
    EXPECT_FALSE(row(0)->Hot());
}

TEST_F(TVideoPopupMenuTest, KeepsCountingWhileItsParentIsHidden)
{
    menu.IntervalClose = 3;
    menu.ShowAt(3, 37);
    screen.hide();
    QTest::qWait(150);
    screen.show();
    // Closed within its time-out after coming back, not left open for good.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !menu.IsOpen(); }, 1000));
    EXPECT_TRUE(menu.Window()->isHidden());
}

TEST_F(TVideoPopupMenuTest, ItemThatReopensItsMenuDoesNotDeleteTheRowUnderTheClick)
{
    // The item changes the menu and opens it again, which builds a new window.
    menu.Items()->Item(0)->OnClick = [this](TMenuItem *) {
        menu.Items()->Item(3)->setVisible(false);
        menu.ShowAt(3, 37);
    };
    menu.ShowAt(3, 37);
    const QPointer<TVidMenuWnd> first = menu.Window();
    const QPointer<TVMenuItem> clickedRow = row(0);
    click(row(0));
    EXPECT_TRUE(clickedRow) << "the row was deleted inside its own event handler";
    EXPECT_NE(menu.Window(), first.data());
    EXPECT_TRUE(menu.IsOpen());
    EXPECT_TRUE(first && first->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first);
}
