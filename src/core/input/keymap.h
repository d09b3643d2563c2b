#pragma once

#include "inputshift.h"
#include "menus/taction.h"

#include <functional>
#include <span>

struct TInputState;
struct TSettingsRecord;

// A key table applies when its modifier is among those held, so one key may run
// several tables; the plain table only when none is held.
enum class TKeyTable { Plain, Ctrl, Alt, Shift };

// When a binding runs.
enum class TKeyGuard {
    Always,
    MediaActive,
    DvdMode,
    NothingPlaying,                    // state query answers less than 1
    SomethingPlaying,                  // state query answers 1 or more
    PlaylistNotTakingKeys,             // not (docked and showing)
    PlaylistNotTakingKeysUnlessLocked, // the same, and the status caption is not locked
};

// The parameter of a command that comes from the settings.
enum class TKeyParam { Fixed, SeekSmallMs, SeekLargeMs };

struct TKeyBinding
{
    TKeyTable table;
    int virtualKey;
    TAction action;
    TKeyGuard guard = TKeyGuard::Always;
    TKeyParam param = TKeyParam::Fixed;
    bool endsProcessing = false;
};

// Every binding of the modifier tables, in the order they are tried.
std::span<const TKeyBinding> KeyBindings();

// Plug-ins see every key first and may rewrite both the key and the modifiers.
using TKeyHook = std::function<void(int &virtualKey, TInputShift &shift)>;

// Appends what a key asks for; returns the key as the plug-ins left it.
int TranslateKey(int virtualKey, TInputShift shift, const TInputState &state,
                 const TSettingsRecord &settings, TActionList &out,
                 const TKeyHook &pluginHook = {});

// The whole key-down path of the main window: the keep-awake key is ignored, the on-video
// menus close, the key is translated, and F2 brings the panels to the front.
TActionList KeyDown(int virtualKey, TInputShift shift, const TInputState &state,
                    const TSettingsRecord &settings, const TKeyHook &pluginHook = {});
