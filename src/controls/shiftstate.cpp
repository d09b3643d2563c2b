#include "shiftstate.h"

TShiftState shiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState state;
    state.setFlag(TShiftFlag::ssShift, modifiers.testFlag(Qt::ShiftModifier));
    state.setFlag(TShiftFlag::ssAlt, modifiers.testFlag(Qt::AltModifier));
    state.setFlag(TShiftFlag::ssCtrl, modifiers.testFlag(Qt::ControlModifier));
    state.setFlag(TShiftFlag::ssLeft, buttons.testFlag(Qt::LeftButton));
    state.setFlag(TShiftFlag::ssRight, buttons.testFlag(Qt::RightButton));
    state.setFlag(TShiftFlag::ssMiddle, buttons.testFlag(Qt::MiddleButton));
    return state;
}
