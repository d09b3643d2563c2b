#include "input/keymap.h"
#include "input/virtualkey.h"

#include <gtest/gtest.h>

namespace {

namespace VK = VirtualKey;

struct TQtKeyCase
{
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    int virtualKey;
};

TEST(VirtualKey, QtKeysMapOntoTheDocumentedCodes)
{
    const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
    const TQtKeyCase cases[] = {
        {Qt::Key_Return, {}, VK::Return},
        {Qt::Key_Enter, pad, VK::Return},
        {Qt::Key_Escape, {}, VK::Escape},
        {Qt::Key_PageUp, {}, VK::Prior},
        {Qt::Key_PageDown, {}, VK::Next},
        {Qt::Key_Left, {}, VK::Left},
        {Qt::Key_Left, pad, VK::Left}, // the pad's arrows without Num Lock
        {Qt::Key_0, {}, VK::Key0},
        {Qt::Key_5, {}, VK::Key5},
        {Qt::Key_0, pad, VK::Numpad0},
        {Qt::Key_5, pad, VK::Numpad0 + 5},
        {Qt::Key_Asterisk, pad, VK::Multiply},
        {Qt::Key_Plus, pad, VK::Add},
        {Qt::Key_Minus, pad, VK::Subtract},
        {Qt::Key_Slash, pad, VK::Divide},
        {Qt::Key_Plus, {}, 187}, // the main keyboard's plus is another key
        {Qt::Key_Minus, {}, 189},
        {Qt::Key_QuoteLeft, {}, VK::Grave},
        {Qt::Key_AsciiTilde, Qt::ShiftModifier, VK::Grave},
        {Qt::Key_O, Qt::ControlModifier, VK::O},
        {Qt::Key_F1, {}, VK::F1},
        {Qt::Key_F4, Qt::AltModifier, VK::F4},
        {Qt::Key_F12, {}, VK::F12},
        {Qt::Key_Shift, Qt::ShiftModifier, VK::Shift},
        {0x0429, {}, VK::O},     // Щ: the O key in the Russian layout
        {0x0401, {}, VK::Grave}, // Ё
        {0x0410, {}, VK::F},     // А
        {Qt::Key_Meta, {}, VK::None},
        {Qt::Key_unknown, {}, VK::None},
        {0x0416 + 100, {}, VK::None},
    };
    for (const TQtKeyCase &c : cases)
        EXPECT_EQ(virtualKeyFromQt(c.qtKey, c.modifiers), c.virtualKey) << std::hex << c.qtKey;
}

// A binding no Qt key reaches would be dead.
TEST(VirtualKey, EveryBoundKeyCanBePressed)
{
    for (const TKeyBinding &binding : KeyBindings()) {
        bool reachable = false;
        for (int qtKey = 0; qtKey < 0x500 && !reachable; ++qtKey) {
            reachable = virtualKeyFromQt(qtKey, {}) == binding.virtualKey
                        || virtualKeyFromQt(qtKey, Qt::KeypadModifier) == binding.virtualKey;
        }
        for (int qtKey = Qt::Key_Escape; qtKey <= Qt::Key_F35 && !reachable; ++qtKey)
            reachable = virtualKeyFromQt(qtKey, {}) == binding.virtualKey;
        EXPECT_TRUE(reachable) << binding.virtualKey;
    }
}

} // namespace
