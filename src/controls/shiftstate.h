#pragma once

#include "input/inputshift.h"

#include <Qt>

// The keys and mouse buttons held during a control's mouse event: the same bits the key
// map and the plug-ins read.
using TShiftState = TInputShift;

TShiftState shiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
