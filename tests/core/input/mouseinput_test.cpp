#include "input/tmouseinput.h"
#include "keytestsupport.h"

#include <gtest/gtest.h>

namespace {

TMouseEvent at(QPoint screen, TInputShift shift = {}, qint64 nowMs = 0)
{
    TMouseEvent event;
    event.screenPos = screen;
    event.pos = screen - QPoint(100, 100);
    event.globPos = screen - QPoint(90, 80);
    event.shift = shift;
    event.nowMs = nowMs;
    return event;
}

bool has(const TActionList &actions, TActionKind kind)
{
    return std::any_of(actions.begin(), actions.end(),
                       [kind](const TAction &a) { return a.kind == kind; });
}

TActionList concat(std::initializer_list<TActionList> parts)
{
    TActionList all;
    for (const TActionList &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(MouseMove, WithoutMotionShowsNothingAndIsNoActivity)
{
    TMouseInput mouse;
    const TInputState state = playingFile();
    const TActionList first = mouse.MouseMove(at({400, 300}, {}, 1000), {}, state);
    EXPECT_TRUE(has(first, TActionKind::ShowPanelsAt));
    EXPECT_EQ(mouse.lastActivityMs(), 1000);
    EXPECT_TRUE(mouse.MouseMove(at({400, 300}, {}, 5000), {}, state).empty());
    EXPECT_EQ(mouse.lastActivityMs(), 1000);
    EXPECT_FALSE(mouse.MouseMove(at({401, 300}, {}, 6000), {}, state).empty());
    EXPECT_EQ(mouse.lastActivityMs(), 6000);
}

TEST(MouseMove, ThePluginsRewriteTheMoveAndPickTheCursor)
{
    TMouseInput mouse;
    int calls = 0;
    mouse.setPluginMoveHook([&](int &x, int &y, TInputShift &shift, int &cursor) {
        ++calls;
        EXPECT_EQ(QPoint(x, y), QPoint(310, 220)); // Glob's coordinates
        EXPECT_EQ(cursor, 0);
        // Onto the left button: the rest of the move is a window drag.
        x = 5;
        y = 6;
        shift |= TInputFlag::Left;
        cursor = 10;
    });
    const TActionList actions = mouse.MouseMove(at({400, 300}), {}, playingFile());
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(actions, (TActionList{TAction::of(TActionKind::RestoreCursor, 10),
                                    TAction::of(TActionKind::WindowDragMove)}));
    // A move without motion never reaches the plug-ins.
    mouse.MouseMove(at({400, 300}), {}, playingFile());
    EXPECT_EQ(calls, 1);

    mouse.setPluginMoveHook([](int &x, int &y, TInputShift &, int &) {
        x = 7;
        y = 8;
    });
    EXPECT_EQ(mouse.MouseMove(at({401, 300}), {}, playingFile()),
              (TActionList{TAction::of(TActionKind::RestoreCursor, 0),
                           TAction::located(TActionKind::ShowPanelsAt, QPoint(7, 8))}));
}

TEST(MouseMove, ClosesOnlyMenusMoreThan50PixelsAway)
{
    TMouseInput mouse;
    const TOpenVideoMenu open[] = {{TVideoMenu::pmOpen, QRect(0, 0, 100, 100)},
                                   {TVideoMenu::pmClose, QRect(200, 0, 100, 100)}};
    auto closed = [&](QPoint cursor) {
        std::vector<int> menus;
        for (const TAction &a : mouse.MouseMove(at(cursor), open, playingFile())) {
            if (a.kind == TActionKind::CloseVideoMenu)
                menus.push_back(a.param);
        }
        return menus;
    };
    const int openMenu = int(TVideoMenu::pmOpen);
    const int closeMenu = int(TVideoMenu::pmClose);
    EXPECT_EQ(closed({150, 50}), (std::vector<int>{}));
    EXPECT_EQ(closed({151, 50}), (std::vector<int>{openMenu}));
    EXPECT_EQ(closed({149, 50}), (std::vector<int>{closeMenu}));
    // Only the gap to the right counts for pmOpen here, not the larger one below.
    EXPECT_EQ(closed({150, 151}), (std::vector<int>{closeMenu}));
    EXPECT_EQ(closed({50, 50}), (std::vector<int>{closeMenu}));
}

TEST(RightDrag, WithZoom0PansNothingAndStillOpensTheContextMenu)
{
    TMouseInput mouse;
    const TSettingsRecord settings;
    const TInputState state = playingFile(); // zoom 0
    mouse.MouseDown(Qt::RightButton, at({400, 300}, TInputFlag::Right));
    const TActionList move = mouse.MouseMove(at({450, 330}, TInputFlag::Right), {}, state);
    EXPECT_FALSE(has(move, TActionKind::Pan));
    const TActionList up = mouse.MouseUp(Qt::RightButton, at({450, 330}), state, settings);
    EXPECT_EQ(up, (TActionList{TAction::located(TActionKind::ContextMenu, QPoint(450, 330))}));
}

TEST(RightDrag, WithZoomPansAndOpensNothing)
{
    TMouseInput mouse;
    const TSettingsRecord settings;
    TInputState state = playingFile();
    state.zoom = 3;
    mouse.MouseDown(Qt::RightButton, at({400, 300}, TInputFlag::Right));
    const TActionList first = mouse.MouseMove(at({450, 330}, TInputFlag::Right), {}, state);
    EXPECT_EQ(first.back(), TAction::located(TActionKind::Pan, QPoint(50, 30)));
    EXPECT_FALSE(has(first, TActionKind::ShowPanelsAt));
    // Each step pans by the motion since the last one.
    const TActionList second = mouse.MouseMove(at({440, 335}, TInputFlag::Right), {}, state);
    EXPECT_EQ(second.back(), TAction::located(TActionKind::Pan, QPoint(-10, 5)));
    EXPECT_TRUE(mouse.MouseUp(Qt::RightButton, at({440, 335}), state, settings).empty());

    // The next plain right click opens the menu again.
    mouse.MouseDown(Qt::RightButton, at({440, 335}, TInputFlag::Right));
    EXPECT_TRUE(has(mouse.MouseUp(Qt::RightButton, at({440, 335}), state, settings),
                    TActionKind::ContextMenu));
}

TEST(Wheel, WithTheRightButtonHeldZoomsAndSuppressesTheMenu)
{
    TMouseInput mouse;
    const TSettingsRecord settings;
    const TInputState state = playingFile();
    mouse.MouseDown(Qt::RightButton, at({400, 300}, TInputFlag::Right));
    EXPECT_EQ(mouse.Wheel(true, TInputFlag::Right, state),
              (TActionList{N(TActionKind::ZoomStep, 1)}));
    EXPECT_TRUE(mouse.MouseUp(Qt::RightButton, at({400, 300}), state, settings).empty());
}

TEST(Wheel, RulesInTheirOrder)
{
    using K = TActionKind;
    struct TCase
    {
        bool mediaActive, onZoom, onTimeLine, overPlaylist;
        TInputShift shift;
        TActionList up, down;
    };
    const TInputShift none, ctrl = TInputFlag::Ctrl, alt = TInputFlag::Alt,
                            shift = TInputFlag::Shift, right = TInputFlag::Right;
    // clang-format off
    const TCase cases[] = {
        {false, true, false, false, ctrl, {}, {}},
        {true, false, false, false, none, {N(K::VolumeStep, 500)}, {N(K::VolumeStep, -500)}},
        {true, false, false, false, ctrl, {N(K::ZoomStep, 1)}, {N(K::ZoomStep, -1)}},
        {true, false, true, false, right, {N(K::ZoomStep, 1)}, {N(K::ZoomStep, -1)}},
        {true, true, true, false, shift, {N(K::ZoomStep, 1)}, {N(K::ZoomStep, -1)}},
        {true, false, true, false, alt, {C(Cmd::SeekForward, 10000)}, {C(Cmd::SeekBack, 10000)}},
        {true, false, false, false, alt, {C(Cmd::CropMore)}, {C(Cmd::CropLess)}},
        {true, false, false, false, ctrl | right, {}, {}},
        {true, false, false, false, shift, {}, {}},
        {true, false, false, false, TInputFlag::Left, {}, {}},
        {true, false, false, true, none, {}, {}},
    };
    // clang-format on
    for (const TCase &c : cases) {
        TInputState state = playingFile();
        state.mediaActive = c.mediaActive;
        state.cursorOnZoomSlider = c.onZoom;
        state.cursorOnTimeLine = c.onTimeLine;
        state.cursorOverShowingPlaylist = c.overPlaylist;
        TMouseInput mouse;
        EXPECT_EQ(mouse.Wheel(true, c.shift, state), c.up) << &c - cases;
        EXPECT_EQ(mouse.Wheel(false, c.shift, state), c.down) << &c - cases;
    }
}

TEST(MouseButtons, MiddleButtonAloneTogglesFullScreen)
{
    TMouseInput mouse;
    EXPECT_EQ(mouse.MouseDown(Qt::MiddleButton, at({1, 1}, TInputFlag::Middle)),
              (TActionList{N(TActionKind::CloseVideoMenus), C(Cmd::ToggleFullScreen)}));
    EXPECT_EQ(mouse.MouseDown(Qt::MiddleButton, at({1, 1}, TInputFlag::Middle | TInputFlag::Ctrl)),
              (TActionList{N(TActionKind::CloseVideoMenus)}));
    EXPECT_EQ(mouse.MouseDown(Qt::MiddleButton, at({1, 1}, TInputFlag::Middle | TInputFlag::Left)),
              (TActionList{N(TActionKind::CloseVideoMenus)}));
    EXPECT_EQ(mouse.MouseDown(Qt::LeftButton, at({1, 1}, TInputFlag::Left)),
              (TActionList{N(TActionKind::CloseVideoMenus)}));
}

TEST(MouseButtons, RightClickTogglesThePlayPanelWithCtrlOrWithoutTheContextMenu)
{
    struct TCase
    {
        const char *label;
        bool rightMouseMode;
        bool autoShowHide;
        bool showing;
        TInputShift shift;
        TActionList expected;
    };
    const QPoint where(50, 60);
    const TCase cases[] = {
        {"menu", true, false, false, {}, {TAction::located(TActionKind::ContextMenu, where)}},
        {"ctrl", true, false, false, TInputFlag::Ctrl, {N(TActionKind::ShowPlayPanel, 0)}},
        {"panelMode", false, false, false, {}, {N(TActionKind::ShowPlayPanel, 0)}},
        {"panelModeAuto", false, true, false, {}, {N(TActionKind::ShowPlayPanel, 30)}},
        {"panelShowing", false, true, true, {}, {N(TActionKind::HidePlayPanel)}},
        {"shiftInMenuMode", true, false, false, TInputFlag::Shift, {}},
    };
    for (const TCase &c : cases) {
        TMouseInput mouse;
        TSettingsRecord settings;
        settings.RightMouseMode = c.rightMouseMode;
        settings.PnPlayAutoShowHide = c.autoShowHide;
        TInputState state = playingFile();
        state.playPanelShowing = c.showing;
        mouse.MouseDown(Qt::RightButton, at(where, TInputFlag::Right | c.shift));
        EXPECT_EQ(mouse.MouseUp(Qt::RightButton, at(where, c.shift), state, settings), c.expected)
            << c.label;
    }
}

// Drives a click (press, click, release) and optionally a second press and double click,
// then lets the click timer fire at `tickAt`. Returns every action sent.
TActionList clickSequence(int leftMouseMode, bool doubleClick, qint64 tickAt,
                          const TInputState &state = playingFile())
{
    TMouseInput mouse;
    TSettingsRecord settings;
    settings.LeftMouseMode = leftMouseMode;
    const TActionList first
        = concat({mouse.MouseDown(Qt::LeftButton, at({5, 5}, TInputFlag::Left, 0)),
                  mouse.Click(0, state, settings),
                  mouse.MouseUp(Qt::LeftButton, at({5, 5}, {}, 10), state, settings)});
    TActionList second;
    if (doubleClick) {
        second = concat({mouse.MouseDown(Qt::LeftButton,
                                         at({5, 5}, TInputFlag::Left | TInputFlag::Double, 150)),
                         mouse.DoubleClick(settings),
                         mouse.MouseUp(Qt::LeftButton, at({5, 5}, {}, 160), state, settings)});
    }
    return concat({first, second, mouse.ClickWaitTick(tickAt, state, settings)});
}

using Sent = std::vector<std::pair<qint32, qint32>>;

TEST(Clicks, LeftMouseModes)
{
    struct TCase
    {
        int mode;
        Sent single;
        Sent dbl;
    };
    const TCase cases[] = {
        {1, {}, {{Cmd::PlayPause, 0}}},
        {2, {{Cmd::PlayPause, 0}}, {{Cmd::ToggleFullScreen, 0}}},
        {3, {}, {{Cmd::ToggleFullScreen, 0}}},
        {0, {}, {}},
        {7, {}, {}},
    };
    for (const TCase &c : cases) {
        EXPECT_EQ(SentCommands(clickSequence(c.mode, false, 1000)), c.single) << c.mode;
        EXPECT_EQ(SentCommands(clickSequence(c.mode, true, 1000)), c.dbl) << c.mode;
    }
}

TEST(Clicks, SingleClickInMode2WaitsItsFull280Ms)
{
    EXPECT_TRUE(SentCommands(clickSequence(2, false, 279)).empty());
    EXPECT_EQ(SentCommands(clickSequence(2, false, 280)), (Sent{{Cmd::PlayPause, 0}}));
    EXPECT_TRUE(has(clickSequence(2, false, 0), TActionKind::StartClickWait));
}

TEST(Clicks, NoSingleClickWhileADvdMenuIsOnScreen)
{
    TInputState state = playingFile();
    state.dvdMode = state.dvdMenuOnScreen = true;
    const TActionList actions = clickSequence(2, false, 1000, state);
    EXPECT_FALSE(has(actions, TActionKind::StartClickWait));
    EXPECT_TRUE(SentCommands(actions).empty());
}

TEST(Clicks, TrayClickSharesTheTimer)
{
    const TActionList expected[] = {{N(TActionKind::RestoreWindow)}, {C(Cmd::PlayPause)}, {}};
    for (int trayMode : {1, 2, 3}) {
        TMouseInput mouse;
        TSettingsRecord settings;
        settings.LeftMouseModeTray = trayMode;
        mouse.TrayClick(0);
        EXPECT_TRUE(mouse.ClickWaitTick(100, playingFile(), settings).empty());
        EXPECT_EQ(mouse.ClickWaitTick(300, playingFile(), settings), expected[trayMode - 1]);
        EXPECT_TRUE(mouse.ClickWaitTick(900, playingFile(), settings).empty()) << "fired twice";
    }
}

} // namespace
