#pragma once

#include "taction.h"

#include <string_view>

struct TSettingsRecord;

// What a left click on an icon or a transport button does. `playbackState` is the answer
// of the state query (0 stopped or nothing loaded, 1 paused, 2 running); only `iPlay`
// looks at it. An unknown control does nothing.
TActionList IconClickActions(std::string_view control, int playbackState,
                             const TSettingsRecord &settings);

// The disc search of the play-disc items, telling the user when nothing was started.
TActionList PlayDiscActions(const TSettingsRecord &settings);

// The language entry of a window button's hint, or -1.
int IconHintIndex(std::string_view control);
