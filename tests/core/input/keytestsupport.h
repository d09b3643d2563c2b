#pragma once

#include "../menus/actionprint.h"
#include "commands/commandcodes.h"
#include "input/inputshift.h"
#include "input/tinputstate.h"
#include "settings/settingsrecord.h"

#include <string>

inline TAction C(qint32 code, qint32 param = 0)
{
    return TAction::command(code, param);
}
inline TAction N(TActionKind kind, qint32 param = 0)
{
    return TAction::of(kind, param);
}

// A file that plays, the playlist floating.
inline TInputState playingFile()
{
    TInputState state;
    state.mediaActive = true;
    state.playbackState = 2;
    return state;
}

inline std::string shiftName(TInputShift shift)
{
    std::string name;
    if (shift.testFlag(TInputFlag::Shift))
        name += "Shift+";
    if (shift.testFlag(TInputFlag::Ctrl))
        name += "Ctrl+";
    if (shift.testFlag(TInputFlag::Alt))
        name += "Alt+";
    return name;
}
