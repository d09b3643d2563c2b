#include "keymap.h"

#include "commands/commandcodes.h"
#include "settings/settingsrecord.h"
#include "tinputstate.h"
#include "virtualkey.h"

#include <algorithm>
#include <limits>

namespace {

using ActionTables::cmd;
using ActionTables::named;

namespace VK = VirtualKey;

constexpr int kCaptionTenths = 50;

const TKeyBinding kBindings[] = {
    // No modifier.
    {TKeyTable::Plain, VK::Return, cmd(Cmd::ShowClock, kCaptionTenths),
     TKeyGuard::PlaylistNotTakingKeys},
    {TKeyTable::Plain, VK::Return, cmd(Cmd::ShowTitle, kCaptionTenths),
     TKeyGuard::PlaylistNotTakingKeysUnlessLocked},
    {TKeyTable::Plain, VK::Escape, cmd(Cmd::Exit), TKeyGuard::NothingPlaying},
    {TKeyTable::Plain, VK::Escape, cmd(Cmd::Close), TKeyGuard::SomethingPlaying},
    {TKeyTable::Plain, VK::Space, cmd(Cmd::PlayPause)},
    {TKeyTable::Plain, VK::Prior, cmd(Cmd::Next)},
    {TKeyTable::Plain, VK::Next, cmd(Cmd::Previous)},
    {TKeyTable::Plain, VK::End, named(TActionKind::Minimise)},
    {TKeyTable::Plain, VK::Home, cmd(Cmd::Restart)},
    {TKeyTable::Plain, VK::Left, cmd(Cmd::SeekBack), TKeyGuard::MediaActive,
     TKeyParam::SeekSmallMs},
    {TKeyTable::Plain, VK::Right, cmd(Cmd::SeekForward), TKeyGuard::MediaActive,
     TKeyParam::SeekSmallMs},
    {TKeyTable::Plain, VK::Up, cmd(Cmd::VolumeUp), TKeyGuard::PlaylistNotTakingKeys},
    {TKeyTable::Plain, VK::Down, cmd(Cmd::VolumeDown), TKeyGuard::PlaylistNotTakingKeys},
    {TKeyTable::Plain, VK::Insert, cmd(Cmd::AddFiles)},
    {TKeyTable::Plain, VK::Delete, named(TActionKind::DeleteFile)},
    {TKeyTable::Plain, VK::Key0, named(TActionKind::NextAspect)},
    {TKeyTable::Plain, VK::Key1, named(TActionKind::SetAspect, 1)},
    {TKeyTable::Plain, VK::Key2, named(TActionKind::SetAspect, 2)},
    {TKeyTable::Plain, VK::Key3, named(TActionKind::SetAspect, 3)},
    {TKeyTable::Plain, VK::Key4, named(TActionKind::SetAspect, 4)},
    {TKeyTable::Plain, VK::Key5, named(TActionKind::SetAspect, -1)},
    {TKeyTable::Plain, VK::A, cmd(Cmd::ToggleTopMost)},
    {TKeyTable::Plain, VK::F, cmd(Cmd::ToggleFullScreen)},
    {TKeyTable::Plain, VK::I, cmd(Cmd::MediaInfo)},
    {TKeyTable::Plain, VK::M, named(TActionKind::QuickVolume)},
    {TKeyTable::Plain, VK::O, cmd(Cmd::OpenDialog)},
    {TKeyTable::Plain, VK::P, cmd(Cmd::PlaylistOrDvdMenu)},
    {TKeyTable::Plain, VK::S, cmd(Cmd::AudioTracks)},
    {TKeyTable::Plain, VK::T, named(TActionKind::StepSubtitles), TKeyGuard::MediaActive},
    {TKeyTable::Plain, VK::V, cmd(Cmd::PictureAdjust)},
    {TKeyTable::Plain, VK::Multiply, cmd(Cmd::PictureAsIs)},
    {TKeyTable::Plain, VK::Add, cmd(Cmd::VolumeUp)},
    {TKeyTable::Plain, VK::Subtract, cmd(Cmd::VolumeDown)},
    {TKeyTable::Plain, VK::Divide, cmd(Cmd::FillWindow)},
    {TKeyTable::Plain, VK::F9, cmd(Cmd::FillWindow)},
    {TKeyTable::Plain, VK::F1, named(TActionKind::Help)},
    {TKeyTable::Plain, VK::F10, cmd(Cmd::Settings)},
    {TKeyTable::Plain, VK::F12, named(TActionKind::Snapshot)},
    {TKeyTable::Plain, VK::Grave, named(TActionKind::FlipPlayPanel)},
    // Ctrl held.
    {TKeyTable::Ctrl, VK::Prior, cmd(Cmd::NextTitle), TKeyGuard::DvdMode},
    {TKeyTable::Ctrl, VK::Next, cmd(Cmd::PreviousTitle), TKeyGuard::DvdMode},
    {TKeyTable::Ctrl, VK::Left, cmd(Cmd::SeekBack), TKeyGuard::MediaActive, TKeyParam::SeekLargeMs},
    {TKeyTable::Ctrl, VK::Right, cmd(Cmd::SeekForward), TKeyGuard::MediaActive,
     TKeyParam::SeekLargeMs},
    {TKeyTable::Ctrl, VK::F, named(TActionKind::FullScreenOtherMonitor)},
    {TKeyTable::Ctrl, VK::O, named(TActionKind::LoadPlaylist), TKeyGuard::Always, TKeyParam::Fixed,
     true},
    {TKeyTable::Ctrl, VK::Add, cmd(Cmd::ZoomUp)},
    {TKeyTable::Ctrl, VK::Subtract, cmd(Cmd::ZoomDown)},
    // Alt held.
    {TKeyTable::Alt, VK::Return, cmd(Cmd::ToggleFullScreen)},
    {TKeyTable::Alt, VK::Right, named(TActionKind::FrameStep)},
    {TKeyTable::Alt, VK::O, named(TActionKind::PlayDiscMenu)},
    {TKeyTable::Alt, VK::Add, cmd(Cmd::CropMore)},
    {TKeyTable::Alt, VK::Subtract, cmd(Cmd::CropLess)},
    {TKeyTable::Alt, VK::F4, cmd(Cmd::Exit)},
    // Shift held.
    {TKeyTable::Shift, VK::O, cmd(Cmd::OpenDvd)},
};

// Keys that move through a menu of the disc, or through a docked playlist.
struct TNavigationKey
{
    int virtualKey;
    qint32 direction;
};
const TNavigationKey kDvdMenuKeys[]
    = {{VK::Return, 0}, {VK::Left, 3}, {VK::Up, 1}, {VK::Right, 4}, {VK::Down, 2}};
const TNavigationKey kPlaylistKeys[] = {{VK::Up, 1}, {VK::Down, 2}, {VK::Return, 0}};

const TNavigationKey *findNavigation(std::span<const TNavigationKey> keys, int virtualKey)
{
    for (const TNavigationKey &key : keys) {
        if (key.virtualKey == virtualKey)
            return &key;
    }
    return nullptr;
}

bool tableApplies(TKeyTable table, TInputShift modifiers)
{
    switch (table) {
    case TKeyTable::Plain:
        return modifiers == TInputShift();
    case TKeyTable::Ctrl:
        return modifiers.testFlag(TInputFlag::Ctrl);
    case TKeyTable::Alt:
        return modifiers.testFlag(TInputFlag::Alt);
    case TKeyTable::Shift:
        return modifiers.testFlag(TInputFlag::Shift);
    }
    return false;
}

bool playlistTakesKeys(const TInputState &state)
{
    return state.playlistDocked && state.playlistVisible != 0;
}

bool guardAllows(TKeyGuard guard, const TInputState &state, const TSettingsRecord &settings)
{
    switch (guard) {
    case TKeyGuard::Always:
        return true;
    case TKeyGuard::MediaActive:
        return state.mediaActive;
    case TKeyGuard::DvdMode:
        return state.dvdMode;
    case TKeyGuard::NothingPlaying:
        return state.playbackState < 1;
    case TKeyGuard::SomethingPlaying:
        return state.playbackState >= 1;
    case TKeyGuard::PlaylistNotTakingKeys:
        return !playlistTakesKeys(state);
    case TKeyGuard::PlaylistNotTakingKeysUnlessLocked:
        return !playlistTakesKeys(state) && !settings.LockStatus;
    }
    return false;
}

// Seek steps are stored in seconds without an upper bound; a huge one seeks as far as the
// command can carry instead of wrapping round to a seek the other way.
qint32 secondsToMs(int seconds)
{
    const qint64 ms = qint64(seconds) * 1000;
    return static_cast<qint32>(std::clamp<qint64>(ms, 0, std::numeric_limits<qint32>::max()));
}

TAction withParam(const TKeyBinding &binding, const TSettingsRecord &settings)
{
    TAction action = binding.action;
    if (binding.param == TKeyParam::SeekSmallMs)
        action.param = secondsToMs(settings.SeekSmall);
    else if (binding.param == TKeyParam::SeekLargeMs)
        action.param = secondsToMs(settings.SeekLarge);
    return action;
}

} // namespace

std::span<const TKeyBinding> KeyBindings()
{
    return kBindings;
}

int TranslateKey(int virtualKey, TInputShift shift, const TInputState &state,
                 const TSettingsRecord &settings, TActionList &out, const TKeyHook &pluginHook)
{
    if (virtualKey == VK::None || virtualKey == VK::Shift
        || (virtualKey == VK::KeepAwake && keyModifiers(shift) == TInputShift()))
        return virtualKey;
    if (pluginHook)
        pluginHook(virtualKey, shift);
    const TInputShift modifiers = keyModifiers(shift);

    if (state.dvdMode && state.dvdMenuOnScreen && modifiers == TInputShift()) {
        if (const TNavigationKey *key = findNavigation(kDvdMenuKeys, virtualKey)) {
            out.push_back(cmd(Cmd::Navigate, key->direction));
            return virtualKey;
        }
    }

    for (const TKeyBinding &binding : kBindings) {
        if (binding.virtualKey != virtualKey || !tableApplies(binding.table, modifiers)
            || !guardAllows(binding.guard, state, settings))
            continue;
        out.push_back(withParam(binding, settings));
        if (binding.endsProcessing)
            return virtualKey;
    }

    if (state.playlistExists && state.playlistDocked && modifiers == TInputShift()
        && state.playlistVisible == 1) {
        if (const TNavigationKey *key = findNavigation(kPlaylistKeys, virtualKey))
            out.push_back(cmd(Cmd::Navigate, key->direction));
    }
    return virtualKey;
}

TActionList KeyDown(int virtualKey, TInputShift shift, const TInputState &state,
                    const TSettingsRecord &settings, const TKeyHook &pluginHook)
{
    TActionList actions;
    if ((virtualKey == VK::None || virtualKey == VK::KeepAwake)
        && keyModifiers(shift) == TInputShift())
        return actions;
    actions.push_back(named(TActionKind::CloseVideoMenus));
    if (TranslateKey(virtualKey, shift, state, settings, actions, pluginHook) == VK::F2)
        actions.push_back(named(TActionKind::RaisePanels));
    return actions;
}
