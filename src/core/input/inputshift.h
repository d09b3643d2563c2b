#pragma once

#include <QFlags>

// Keys and mouse buttons held during an input event; the plug-ins get the same bits.
enum class TInputFlag {
    Shift = 0x01,
    Alt = 0x02,
    Ctrl = 0x04,
    Left = 0x08,
    Right = 0x10,
    Middle = 0x20,
    Double = 0x40,
};
Q_DECLARE_FLAGS(TInputShift, TInputFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TInputShift)

// Shift, Alt and Ctrl only.
inline TInputShift keyModifiers(TInputShift shift)
{
    return shift & (TInputFlag::Shift | TInputFlag::Alt | TInputFlag::Ctrl);
}
