// The on-video menus filled from the menu tables and opened from their icons, and the
// picture's context menu with its rules and drive submenu.
#include "commands/commandcodes.h"
#include "testhost.h"
#include "tmenuitem.h"
#include "torimage.h"
#include "ttavrelplayer.h"
#include "tvideoarea.h"
#include "tvideopopupmenu.h"
#include "tvidmenuwnd.h"
#include "tvpanel.h"

#include <QEnterEvent>
#include <QMenu>
#include <QTest>

namespace {

class MenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.SetHost(&host);
        window.resize(600, 450);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.ShowMainMenuIcons();
        window.panBorderIcons->ShowPanel();
    }

    void hover(QWidget *icon)
    {
        QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), icon->mapToGlobal(QPointF(4, 4)));
        QApplication::sendEvent(icon, &enter);
    }

    TMenuItem *item(TVideoPopupMenu *menu, const char *name)
    {
        for (int i = 0; i < menu->Items()->Count(); ++i) {
            if (menu->Items()->Item(i)->objectName() == QLatin1String(name))
                return menu->Items()->Item(i);
        }
        ADD_FAILURE() << "no item " << name;
        static TMenuItem none;
        return &none;
    }

    TestHost host;
    TTavrelPlayer window;
};

TEST_F(MenuTest, HoverOpensMenuUnderItsIcon)
{
    hover(window.iOpen);
    ASSERT_TRUE(window.pmOpen->IsOpen());
    const QRect icon(window.iOpen->mapTo(window.Glob, QPoint(0, 0)), window.iOpen->size());
    const QPoint menu = window.pmOpen->Window()->mapTo(window.Glob, QPoint(0, 0));
    EXPECT_EQ(menu.y(), icon.bottom() + 1 + 5);
    EXPECT_NEAR(menu.x(), icon.left() + 3, 4);
    EXPECT_EQ(window.pmOpen->IntervalClose, host.settings.TimeShowMenu);

    hover(window.iClose); // another icon closes the first menu
    EXPECT_FALSE(window.pmOpen->IsOpen());
    EXPECT_TRUE(window.pmClose->IsOpen());
}

TEST_F(MenuTest, RightClickModeOpensOnlyOnRightPress)
{
    host.settings.ShowMainMenuMode = 1;
    hover(window.iPlay);
    EXPECT_FALSE(window.pmPlay->IsOpen());
    QTest::mousePress(window.iPlay, Qt::RightButton);
    EXPECT_TRUE(window.pmPlay->IsOpen());
}

TEST_F(MenuTest, CaptionsCarryTheShortCutColumn)
{
    EXPECT_EQ(item(window.pmOpen, "N25")->caption(), QStringLiteral("text0|O"));
    EXPECT_EQ(item(window.pmOpen, "N3")->caption(), QStringLiteral("text181"));
}

TEST_F(MenuTest, RulesApplyWhenMenuOpens)
{
    host.mediaActive = false;
    hover(window.iPlay);
    EXPECT_FALSE(item(window.pmPlay, "esc1")->enabled());
    EXPECT_FALSE(item(window.pmPlay, "DVDNextTitle")->visible());
    EXPECT_EQ(item(window.pmPlay, "nNext")->caption(), QStringLiteral("text7|PgUp"));

    host.mediaActive = true;
    host.dvdMode = true;
    hover(window.iPlay);
    EXPECT_TRUE(item(window.pmPlay, "esc1")->enabled());
    EXPECT_TRUE(item(window.pmPlay, "DVDNextTitle")->visible());
    EXPECT_TRUE(item(window.pmPlay, "nNext")->caption().startsWith(QStringLiteral("text11")));
    hover(window.iPlayList); // the disc's menus in DVD mode
    EXPECT_TRUE(window.pmDVDMenu->IsOpen());
}

TEST_F(MenuTest, ItemRunsItsAction)
{
    hover(window.iPlay);
    window.pmPlay->RowClicked(0); // space1
    EXPECT_EQ(host.commands(), (std::vector<std::pair<qint32, qint32>>{{Cmd::PlayPause, 0}}));
    EXPECT_FALSE(window.pmPlay->IsOpen());
}

TEST_F(MenuTest, ContextMenuRulesAndDrives)
{
    host.mediaActive = false;
    host.drives = {QStringLiteral("E [FILM]"), QStringLiteral("F []")};
    window.PmMain->popup(window.mapToGlobal(QPoint(50, 50)));
    auto action = [this](const char *name) {
        return window.PmMain->findChild<QAction *>(QLatin1String(name));
    };
    ASSERT_NE(action("N35"), nullptr);
    EXPECT_FALSE(action("N35")->isEnabled());
    EXPECT_FALSE(action("DVDmenu1")->isVisible());
    EXPECT_TRUE(action("N47")->isVisible());

    auto *drives = window.PmMain->findChild<QMenu *>(QStringLiteral("N36"));
    ASSERT_NE(drives, nullptr);
    emit drives->aboutToShow();
    emit drives->aboutToShow(); // rebuilt, not appended
    const QList<QAction *> items = drives->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_TRUE(items[0]->isSeparator());
    EXPECT_EQ(items[1]->text(), QStringLiteral("E [FILM]"));
    items[2]->trigger();
    ASSERT_EQ(host.ranActions.size(), 1u);
    EXPECT_EQ(host.ranActions[0].kind, TActionKind::PlayDrive);
    EXPECT_EQ(host.ranActions[0].param, 'F');
    window.PmMain->hide();
}

TEST_F(MenuTest, PlayIconTriesDiscThenPlaylistWhenStopped)
{
    host.answers[Cmd::QueryState] = 0;
    host.answers[Cmd::PlayDisc] = 0;
    window.iPlay->OnClick(window.iPlay);
    EXPECT_EQ(host.commands(),
              (std::vector<std::pair<qint32, qint32>>{{Cmd::PlayDisc, 1}, {Cmd::PlayPause, 0}}));
    EXPECT_EQ(window.LastStatusText(), QStringLiteral("text120"));
}

} // namespace
