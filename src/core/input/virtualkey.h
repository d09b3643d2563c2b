#pragma once

#include <Qt>

// The key codes the key map, plug-ins and the command channel speak: the virtual key
// codes of the platform the player was first written for. Letters and top-row digits are
// their upper-case character codes.
namespace VirtualKey {
enum : int {
    None = 0,
    KeepAwake = 5, // synthesised to keep the display awake; never a user key
    Back = 8,
    Tab = 9,
    Return = 13,
    Shift = 16,
    Control = 17,
    Menu = 18, // Alt
    Pause = 19,
    Capital = 20,
    Escape = 27,
    Space = 32,
    Prior = 33, // Page Up
    Next = 34,  // Page Down
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Insert = 45,
    Delete = 46,
    Key0 = 48,
    Key1 = 49,
    Key2 = 50,
    Key3 = 51,
    Key4 = 52,
    Key5 = 53,
    A = 65,
    F = 70,
    I = 73,
    M = 77,
    O = 79,
    P = 80,
    S = 83,
    T = 84,
    V = 86,
    Z = 90,
    Numpad0 = 96,
    Multiply = 106,
    Add = 107,
    Subtract = 109,
    Decimal = 110,
    Divide = 111,
    F1 = 112,
    F2 = 113,
    F4 = 115,
    F9 = 120,
    F10 = 121,
    F12 = 123,
    Grave = 192, // the key left of 1
};
} // namespace VirtualKey

// The virtual key of a Qt key event; `modifiers` tell the numeric pad apart. Keys the player
// does not know give VirtualKey::None. The letters of the Russian layout count as the Latin
// letters on the same keys, so the letter keys work whichever layout is active.
int virtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);
