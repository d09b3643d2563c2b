#include "input/keymap.h"
#include "input/virtualkey.h"
#include "keytestsupport.h"

#include <gtest/gtest.h>

namespace {

namespace VK = VirtualKey;
using K = TActionKind;

TActionList translate(int key, TInputShift shift, const TInputState &state = playingFile(),
                      const TSettingsRecord &settings = {}, const TKeyHook &hook = {})
{
    TActionList actions;
    TranslateKey(key, shift, state, settings, actions, hook);
    return actions;
}

// What each modifier table does with a key, written out by hand.
struct TKeyExpectation
{
    const char *label;
    int key;
    TActionList plain, ctrl, alt, shift;
};

// clang-format off
const std::vector<TKeyExpectation> kExpected = {
    {"Enter", VK::Return, {C(Cmd::ShowClock, 50), C(Cmd::ShowTitle, 50)}, {}, {C(Cmd::ToggleFullScreen)}, {}},
    {"Esc", VK::Escape, {C(Cmd::Close)}, {}, {}, {}},
    {"Space", VK::Space, {C(Cmd::PlayPause)}, {}, {}, {}},
    {"PageUp", VK::Prior, {C(Cmd::Next)}, {}, {}, {}},
    {"PageDown", VK::Next, {C(Cmd::Previous)}, {}, {}, {}},
    {"End", VK::End, {N(K::Minimise)}, {}, {}, {}},
    {"Home", VK::Home, {C(Cmd::Restart)}, {}, {}, {}},
    {"Left", VK::Left, {C(Cmd::SeekBack, 10000)}, {C(Cmd::SeekBack, 60000)}, {}, {}},
    {"Right", VK::Right, {C(Cmd::SeekForward, 10000)}, {C(Cmd::SeekForward, 60000)}, {N(K::FrameStep)}, {}},
    {"Up", VK::Up, {C(Cmd::VolumeUp)}, {}, {}, {}},
    {"Down", VK::Down, {C(Cmd::VolumeDown)}, {}, {}, {}},
    {"Insert", VK::Insert, {C(Cmd::AddFiles)}, {}, {}, {}},
    {"Delete", VK::Delete, {N(K::DeleteFile)}, {}, {}, {}},
    {"0", VK::Key0, {N(K::NextAspect)}, {}, {}, {}},
    {"1", VK::Key1, {N(K::SetAspect, 1)}, {}, {}, {}},
    {"2", VK::Key2, {N(K::SetAspect, 2)}, {}, {}, {}},
    {"3", VK::Key3, {N(K::SetAspect, 3)}, {}, {}, {}},
    {"4", VK::Key4, {N(K::SetAspect, 4)}, {}, {}, {}},
    {"5", VK::Key5, {N(K::SetAspect, -1)}, {}, {}, {}},
    {"A", VK::A, {C(Cmd::ToggleTopMost)}, {}, {}, {}},
    {"F", VK::F, {C(Cmd::ToggleFullScreen)}, {N(K::FullScreenOtherMonitor)}, {}, {}},
    {"I", VK::I, {C(Cmd::MediaInfo)}, {}, {}, {}},
    {"M", VK::M, {N(K::QuickVolume)}, {}, {}, {}},
    {"O", VK::O, {C(Cmd::OpenDialog)}, {N(K::LoadPlaylist)}, {N(K::PlayDiscMenu)}, {C(Cmd::OpenDvd)}},
    {"P", VK::P, {C(Cmd::PlaylistOrDvdMenu)}, {}, {}, {}},
    {"S", VK::S, {C(Cmd::AudioTracks)}, {}, {}, {}},
    {"T", VK::T, {N(K::StepSubtitles)}, {}, {}, {}},
    {"V", VK::V, {C(Cmd::PictureAdjust)}, {}, {}, {}},
    {"Num*", VK::Multiply, {C(Cmd::PictureAsIs)}, {}, {}, {}},
    {"Num+", VK::Add, {C(Cmd::VolumeUp)}, {C(Cmd::ZoomUp)}, {C(Cmd::CropMore)}, {}},
    {"Num-", VK::Subtract, {C(Cmd::VolumeDown)}, {C(Cmd::ZoomDown)}, {C(Cmd::CropLess)}, {}},
    {"Num/", VK::Divide, {C(Cmd::FillWindow)}, {}, {}, {}},
    {"F9", VK::F9, {C(Cmd::FillWindow)}, {}, {}, {}},
    {"F1", VK::F1, {N(K::Help)}, {}, {}, {}},
    {"F10", VK::F10, {C(Cmd::Settings)}, {}, {}, {}},
    {"F12", VK::F12, {N(K::Snapshot)}, {}, {}, {}},
    {"Grave", VK::Grave, {N(K::FlipPlayPanel)}, {}, {}, {}},
    {"F4", VK::F4, {}, {}, {C(Cmd::Exit)}, {}},
    // Keys nobody bound.
    {"B", 'B', {}, {}, {}, {}},
    {"F2", VK::F2, {}, {}, {}, {}},
    {"Numpad0", VK::Numpad0, {}, {}, {}, {}},
    {"Shift", VK::Shift, {}, {}, {}, {}},
};
// clang-format on

// Several tables may apply to one key, in the order Ctrl, Alt, Shift; Ctrl+O ends there.
TActionList expectedFor(const TKeyExpectation &row, TInputShift modifiers)
{
    if (modifiers == TInputShift())
        return row.plain;
    TActionList expected;
    auto append = [&](const TActionList &part) {
        expected.insert(expected.end(), part.begin(), part.end());
    };
    if (modifiers.testFlag(TInputFlag::Ctrl)) {
        append(row.ctrl);
        if (row.key == VK::O)
            return expected;
    }
    if (modifiers.testFlag(TInputFlag::Alt))
        append(row.alt);
    if (modifiers.testFlag(TInputFlag::Shift))
        append(row.shift);
    return expected;
}

TEST(KeyMap, EveryKeyWithEveryModifierSet)
{
    for (const TKeyExpectation &row : kExpected) {
        for (int bits = 0; bits < 8; ++bits) {
            const TInputShift modifiers = TInputShift::fromInt(bits);
            EXPECT_EQ(translate(row.key, modifiers), expectedFor(row, modifiers))
                << shiftName(modifiers) << row.label;
        }
    }
    // Held mouse buttons are not modifiers.
    EXPECT_EQ(translate(VK::Space, TInputFlag::Left | TInputFlag::Right),
              TActionList{C(Cmd::PlayPause)});
}

TEST(KeyMap, ExpectationsCoverEveryBinding)
{
    for (const TKeyBinding &binding : KeyBindings()) {
        EXPECT_TRUE(std::any_of(kExpected.begin(), kExpected.end(), [&](const auto &row) {
            return row.key == binding.virtualKey;
        })) << binding.virtualKey;
    }
}

TEST(KeyMap, EscExitsWhenNothingPlaysAndStopsOtherwise)
{
    for (int playbackState : {0, 1, 2}) {
        TInputState state = playingFile();
        state.playbackState = playbackState;
        EXPECT_EQ(translate(VK::Escape, {}, state),
                  TActionList{C(playbackState < 1 ? Cmd::Exit : Cmd::Close)})
            << playbackState;
    }
}

TEST(KeyMap, DvdMenuTakesArrowsAndEnterOnly)
{
    TInputState state = playingFile();
    state.dvdMode = state.dvdMenuOnScreen = true;
    state.playlistExists = state.playlistDocked = true;
    state.playlistVisible = 1;
    const std::pair<int, int> keys[]
        = {{VK::Return, 0}, {VK::Left, 3}, {VK::Up, 1}, {VK::Right, 4}, {VK::Down, 2}};
    for (auto [key, direction] : keys)
        EXPECT_EQ(translate(key, {}, state), TActionList{C(Cmd::Navigate, direction)}) << key;
    // With a modifier held the keys do their usual work.
    EXPECT_EQ(translate(VK::Left, TInputFlag::Ctrl, state), TActionList{C(Cmd::SeekBack, 60000)});
    EXPECT_EQ(translate(VK::Prior, TInputFlag::Ctrl, state), TActionList{C(Cmd::NextTitle)});
    EXPECT_TRUE(translate(VK::Prior, TInputFlag::Ctrl).empty()); // title keys need DVD mode
}

TEST(KeyMap, SeeksNeedAMediumAndFollowTheSettings)
{
    TSettingsRecord settings;
    settings.SeekSmall = 7;
    settings.SeekLarge = 3000000; // beyond what a command parameter carries in ms
    EXPECT_EQ(translate(VK::Right, {}, playingFile(), settings),
              TActionList{C(Cmd::SeekForward, 7000)});
    EXPECT_EQ(translate(VK::Left, TInputFlag::Ctrl, playingFile(), settings),
              TActionList{C(Cmd::SeekBack, std::numeric_limits<qint32>::max())});
    EXPECT_TRUE(translate(VK::Right, {}, TInputState()).empty());
    EXPECT_TRUE(translate(VK::Left, TInputFlag::Ctrl, TInputState()).empty());
}

TEST(KeyMap, DockedPlaylistTakesUpDownAndEnter)
{
    struct TCase
    {
        bool docked;
        int visible;
        bool lockStatus;
        int key;
        TActionList expected;
    };
    // clang-format off
    const TCase cases[] = {
        {true, 1, false, VK::Up, {C(Cmd::Navigate, 1)}},
        {true, 1, false, VK::Down, {C(Cmd::Navigate, 2)}},
        {true, 1, false, VK::Return, {C(Cmd::Navigate, 0)}},
        {true, 0, false, VK::Up, {C(Cmd::VolumeUp)}},
        {true, 0, false, VK::Return, {C(Cmd::ShowClock, 50), C(Cmd::ShowTitle, 50)}},
        {false, 1, false, VK::Down, {C(Cmd::VolumeDown)}},
        {false, 0, true, VK::Return, {C(Cmd::ShowClock, 50)}},
        {true, 2, false, VK::Up, {}}, // an odd answer keeps the key from both
    };
    // clang-format on
    for (const TCase &c : cases) {
        TSettingsRecord settings;
        settings.LockStatus = c.lockStatus;
        TInputState state = playingFile();
        state.playlistExists = true;
        state.playlistDocked = c.docked;
        state.playlistVisible = c.visible;
        EXPECT_EQ(translate(c.key, {}, state, settings), c.expected)
            << c.docked << c.visible << c.lockStatus << " key " << c.key;
    }
}

TEST(KeyDown, KeepAwakeKeyDoesNothingAtAllF2RaisesPanels)
{
    const TSettingsRecord settings;
    bool pluginsSaw = false;
    const TKeyHook spy = [&](int &, TInputShift &) { pluginsSaw = true; };
    EXPECT_TRUE(KeyDown(VK::KeepAwake, {}, playingFile(), settings, spy).empty());
    EXPECT_TRUE(KeyDown(VK::None, {}, playingFile(), settings).empty());
    EXPECT_FALSE(pluginsSaw);
    EXPECT_EQ(KeyDown(VK::Space, {}, playingFile(), settings),
              (TActionList{N(K::CloseVideoMenus), C(Cmd::PlayPause)}));
    EXPECT_EQ(KeyDown(VK::F2, TInputFlag::Alt, playingFile(), settings),
              (TActionList{N(K::CloseVideoMenus), N(K::RaisePanels)}));
}

TEST(KeyDown, PluginsRewriteTheKeyFirst)
{
    const TKeyHook spaceToF2 = [](int &key, TInputShift &shift) {
        if (key == VK::Space && shift == TInputFlag::Shift)
            key = VK::F2;
    };
    EXPECT_EQ(KeyDown(VK::Space, TInputFlag::Shift, playingFile(), {}, spaceToF2),
              (TActionList{N(K::CloseVideoMenus), N(K::RaisePanels)}));
    const TKeyHook addCtrl = [](int &, TInputShift &shift) { shift |= TInputFlag::Ctrl; };
    EXPECT_EQ(translate(VK::O, {}, playingFile(), {}, addCtrl), TActionList{N(K::LoadPlaylist)});
}

} // namespace
