// Keys sent to the real window reach the player as the key map says, and only so.
#include "commands/commandcodes.h"
#include "commands/tcommanddispatcher.h"
#include "input/virtualkey.h"
#include "testhost.h"
#include "ttavrelplayer.h"
#include "tvpanel.h"
#include "windowcommands.h"

#include <QKeyEvent>
#include <QTest>

namespace {

using Sent = std::vector<std::pair<qint32, qint32>>;

struct KeyCase
{
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int playbackState; // the answer of the state query
    bool mediaActive;
    Sent commands;
    std::vector<TActionKind> hostActions;
};

class KeyTest : public ::testing::TestWithParam<KeyCase>
{
protected:
    TestHost host;
    TTavrelPlayer window;
};

TEST_P(KeyTest, SendsWhatTheKeyMapAsks)
{
    const KeyCase &c = GetParam();
    host.mediaActive = c.mediaActive;
    host.answers[Cmd::QueryState] = c.playbackState;
    window.SetHost(&host);
    QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
    QApplication::sendEvent(&window, &press);
    EXPECT_EQ(host.commands(), c.commands);
    std::vector<TActionKind> kinds;
    for (const TAction &action : host.ranActions)
        kinds.push_back(action.kind);
    EXPECT_EQ(kinds, c.hostActions);
}

const Qt::KeyboardModifiers kNone = Qt::NoModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTest,
    ::testing::Values(
        KeyCase{"SpacePlays", Qt::Key_Space, kNone, 2, true, {{Cmd::PlayPause, 0}}, {}},
        KeyCase{"EscWithNothingLoadedExits", Qt::Key_Escape, kNone, 0, false, {{Cmd::Exit, 0}}, {}},
        KeyCase{"EscWhilePlayingStops", Qt::Key_Escape, kNone, 2, true, {{Cmd::Close, 0}}, {}},
        KeyCase{"CtrlOLoadsPlaylistOnly",
                Qt::Key_O,
                Qt::ControlModifier,
                0,
                true,
                {},
                {TActionKind::LoadPlaylist}},
        KeyCase{"ShiftCtrlOLoadsPlaylistOnly",
                Qt::Key_O,
                Qt::ControlModifier | Qt::ShiftModifier,
                0,
                true,
                {},
                {TActionKind::LoadPlaylist}},
        KeyCase{
            "RightSeeksSmallStep", Qt::Key_Right, kNone, 2, true, {{Cmd::SeekForward, 10000}}, {}},
        KeyCase{"RightWithNothingLoadedDoesNothing", Qt::Key_Right, kNone, 0, false, {}, {}},
        KeyCase{"CtrlLeftSeeksLargeStep",
                Qt::Key_Left,
                Qt::ControlModifier,
                2,
                true,
                {{Cmd::SeekBack, 60000}},
                {}},
        KeyCase{"RussianLetterActsAsItsKey",
                static_cast<Qt::Key>(0x0429),
                kNone,
                0,
                true,
                {{Cmd::OpenDialog, 0}},
                {}}, // "Щ" lies on O
        KeyCase{"DeleteIsTheApplicationsJob",
                Qt::Key_Delete,
                kNone,
                0,
                true,
                {},
                {TActionKind::DeleteFile}}),
    [](const auto &info) { return std::string(info.param.name); });

class WindowKeyTest : public ::testing::Test
{
protected:
    void SetUp() override { window.SetHost(&host); }
    TestHost host;
    TTavrelPlayer window;
};

TEST_F(WindowKeyTest, WindowOperationsHappenOnTheWindow)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_QuoteLeft);
    EXPECT_TRUE(window.pnPlay->isVisible());
    QTest::keyClick(&window, Qt::Key_QuoteLeft);
    EXPECT_FALSE(window.pnPlay->isVisible());

    QTest::keyClick(&window, Qt::Key_2);
    EXPECT_EQ(window.AspectMode(), 2);
    QTest::keyClick(&window, Qt::Key_0); // the next in the cycle
    EXPECT_EQ(window.AspectMode(), 3);
    QTest::keyClick(&window, Qt::Key_5);
    EXPECT_EQ(window.AspectMode(), -1);
    EXPECT_TRUE(host.commands().empty());
}

// Command 328 runs the key map alone, the modifiers packed above the key.
TEST_F(WindowKeyTest, KeyCommandUnpacksKeyAndModifiers)
{
    TCommandDispatcher dispatcher;
    BindWindowCommands(dispatcher, window);
    dispatcher.Dispatch(Cmd::Key, VirtualKey::O | (0x04 << 16));
    ASSERT_EQ(host.ranActions.size(), 1u);
    EXPECT_EQ(host.ranActions[0].kind, TActionKind::LoadPlaylist);
    EXPECT_TRUE(host.commands().empty());

    host.ranActions.clear();
    window.TranslateKeyCommand(VirtualKey::KeepAwake);
    window.TranslateKeyCommand(VirtualKey::Right | (0x02 << 16)); // Alt+Right: one frame
    EXPECT_TRUE(host.commands().empty());
    EXPECT_TRUE(host.ranActions.empty()); // the frame step is the window's own, no graph here

    dispatcher.Dispatch(Cmd::Key, VirtualKey::Space);
    EXPECT_EQ(host.commands(), (Sent{{Cmd::PlayPause, 0}}));
}

} // namespace
