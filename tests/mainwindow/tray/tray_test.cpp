// The tray icon's clicks by mode, its tool tip, its menu and minimising with it, driven through
// the icon's mouse messages on the offscreen platform.
#include "commands/commandcodes.h"
#include "testhost.h"
#include "tlextrayicon.h"
#include "ttavrelplayer.h"

#include <QAction>
#include <QMenu>
#include <QTest>

namespace {

class TrayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.SetHost(&host);
        window.resize(600, 450);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void click()
    {
        window.TrayIcon->Notify(TTrayMouse::LeftDown);
        window.TrayIcon->Notify(TTrayMouse::LeftUp);
    }
    void doubleClick()
    {
        click();
        window.TrayIcon->Notify(TTrayMouse::LeftDouble);
        window.TrayIcon->Notify(TTrayMouse::LeftUp);
    }
    int sentCount(qint32 code) const
    {
        int count = 0;
        for (const auto &command : host.commands())
            count += command.first == code;
        return count;
    }
    // Past the click wait.
    static void waitClick() { QTest::qWait(2 * 280); }

    TestHost host;
    TTavrelPlayer window;
};

} // namespace

TEST(TrayIcon, ToolTipIsCutTo62Characters)
{
    TLexTrayIcon icon;
    icon.SetToolTip(QString(70, u'x'));
    EXPECT_EQ(icon.ToolTip(), QString(62, u'x'));
    icon.SetToolTip(QStringLiteral("Tavrel"));
    EXPECT_EQ(icon.ToolTip(), QStringLiteral("Tavrel"));
}

TEST(TrayIcon, PressAndReleaseMakeOneClickAndADoubleClickNoMore)
{
    TLexTrayIcon icon;
    QStringList events;
    icon.OnMouseDown = [&] { events << QStringLiteral("down"); };
    icon.OnClick = [&] { events << QStringLiteral("click"); };
    icon.OnDblClick = [&] { events << QStringLiteral("double"); };
    icon.Notify(TTrayMouse::LeftUp);
    EXPECT_TRUE(events.isEmpty()) << "a release without its press";
    icon.Notify(TTrayMouse::LeftDown);
    icon.Notify(TTrayMouse::LeftUp);
    icon.Notify(TTrayMouse::LeftDouble);
    icon.Notify(TTrayMouse::LeftUp);
    EXPECT_EQ(events, (QStringList{QStringLiteral("down"), QStringLiteral("click"),
                                   QStringLiteral("double")}));
}

TEST(TrayIcon, StaysOffWithoutANotificationArea)
{
    TLexTrayIcon icon;
    icon.SetActive(true);
    EXPECT_EQ(icon.Active(), TLexTrayIcon::Available());
}

TEST_F(TrayTest, FirstModeClickRestoresAfterTheWaitAndDoubleClickDoesNothing)
{
    host.settings.LeftMouseModeTray = 1;
    window.showMinimized();
    doubleClick();
    waitClick();
    EXPECT_TRUE(window.isMinimized()) << "the double click cancelled the click";
    click();
    EXPECT_TRUE(window.isMinimized()) << "restored only after the wait";
    waitClick();
    EXPECT_FALSE(window.isMinimized());
    EXPECT_EQ(sentCount(Cmd::PlayPause), 0);
}

TEST_F(TrayTest, SecondModeClickPlaysOrPausesAndDoubleClickRestores)
{
    host.settings.LeftMouseModeTray = 2;
    window.showMinimized();
    click();
    waitClick();
    EXPECT_EQ(sentCount(Cmd::PlayPause), 1);
    EXPECT_TRUE(window.isMinimized());
    doubleClick();
    EXPECT_FALSE(window.isMinimized());
    waitClick();
    EXPECT_EQ(sentCount(Cmd::PlayPause), 1) << "the double click's own click was cancelled";
}

TEST_F(TrayTest, MinimisePausesAndRestoreRunsAgain)
{
    host.settings.MinimizePause = true;
    window.showMinimized();
    EXPECT_EQ(sentCount(Cmd::Pause), 1);
    window.RestoreWindow();
    EXPECT_EQ(sentCount(Cmd::Play), 1);
    EXPECT_FALSE(window.isMinimized());

    host.settings.MinimizePause = false;
    window.showMinimized();
    window.RestoreWindow();
    EXPECT_EQ(sentCount(Cmd::Pause), 1);
    EXPECT_EQ(sentCount(Cmd::Play), 1);
}

TEST_F(TrayTest, WithoutATrayHostMinimisingKeepsTheWindow)
{
    if (TLexTrayIcon::Available())
        GTEST_SKIP() << "this desktop has a notification area";
    host.settings.MinimizeToTray = true;
    window.showMinimized();
    QTest::qWait(20);
    EXPECT_FALSE(window.isHidden());
    EXPECT_FALSE(window.MinimisedToTray());
}

TEST_F(TrayTest, PopupFollowsItsRules)
{
    QMenu *menu = window.TrayPopup;
    const auto item
        = [menu](const char *name) { return menu->findChild<QAction *>(QLatin1String(name)); };
    ASSERT_NE(item("N76"), nullptr);
    emit menu->aboutToShow();
    EXPECT_FALSE(item("N76")->isEnabled()) << "nothing to restore";
    EXPECT_FALSE(item("nTrayNextTitle")->isVisible());
    EXPECT_EQ(item("N76")->text(), QStringLiteral("text196"));
    window.showMinimized();
    emit menu->aboutToShow();
    EXPECT_TRUE(item("N76")->isEnabled());
    item("N76")->trigger();
    EXPECT_FALSE(window.isMinimized());
    item("N24")->trigger();
    EXPECT_EQ(sentCount(Cmd::PlayPause), 1);
}
