#include "shiftstate.h"

TShiftState shiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState state;
    state.setFlag(TInputFlag::Shift, modifiers.testFlag(Qt::ShiftModifier));
    state.setFlag(TInputFlag::Alt, modifiers.testFlag(Qt::AltModifier));
    state.setFlag(TInputFlag::Ctrl, modifiers.testFlag(Qt::ControlModifier));
    state.setFlag(TInputFlag::Left, buttons.testFlag(Qt::LeftButton));
    state.setFlag(TInputFlag::Right, buttons.testFlag(Qt::RightButton));
    state.setFlag(TInputFlag::Middle, buttons.testFlag(Qt::MiddleButton));
    return state;
}
