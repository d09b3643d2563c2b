#include "virtualkey.h"

namespace {

// One row maps a run of Qt keys onto a run of virtual keys.
struct TKeyRow
{
    int firstQtKey;
    int lastQtKey;
    int firstVirtualKey;
};

// Keys of the numeric pad that have a virtual key of their own.
const TKeyRow kKeypadKeys[] = {
    {Qt::Key_0, Qt::Key_9, VirtualKey::Numpad0},
    {Qt::Key_Asterisk, Qt::Key_Asterisk, VirtualKey::Multiply},
    {Qt::Key_Plus, Qt::Key_Plus, VirtualKey::Add},
    {Qt::Key_Minus, Qt::Key_Minus, VirtualKey::Subtract},
    {Qt::Key_Slash, Qt::Key_Slash, VirtualKey::Divide},
    {Qt::Key_Period, Qt::Key_Period, VirtualKey::Decimal},
    {Qt::Key_Comma, Qt::Key_Comma, VirtualKey::Decimal},
    {Qt::Key_Enter, Qt::Key_Enter, VirtualKey::Return},
};

const TKeyRow kKeys[] = {
    {Qt::Key_Backspace, Qt::Key_Backspace, VirtualKey::Back},
    {Qt::Key_Tab, Qt::Key_Tab, VirtualKey::Tab},
    {Qt::Key_Backtab, Qt::Key_Backtab, VirtualKey::Tab},
    {Qt::Key_Return, Qt::Key_Return, VirtualKey::Return},
    {Qt::Key_Enter, Qt::Key_Enter, VirtualKey::Return},
    {Qt::Key_Shift, Qt::Key_Shift, VirtualKey::Shift},
    {Qt::Key_Control, Qt::Key_Control, VirtualKey::Control},
    {Qt::Key_Alt, Qt::Key_Alt, VirtualKey::Menu},
    {Qt::Key_Pause, Qt::Key_Pause, VirtualKey::Pause},
    {Qt::Key_CapsLock, Qt::Key_CapsLock, VirtualKey::Capital},
    {Qt::Key_Escape, Qt::Key_Escape, VirtualKey::Escape},
    {Qt::Key_Space, Qt::Key_Space, VirtualKey::Space},
    {Qt::Key_PageUp, Qt::Key_PageUp, VirtualKey::Prior},
    {Qt::Key_PageDown, Qt::Key_PageDown, VirtualKey::Next},
    {Qt::Key_End, Qt::Key_End, VirtualKey::End},
    {Qt::Key_Home, Qt::Key_Home, VirtualKey::Home},
    {Qt::Key_Left, Qt::Key_Left, VirtualKey::Left},
    {Qt::Key_Up, Qt::Key_Up, VirtualKey::Up},
    {Qt::Key_Right, Qt::Key_Right, VirtualKey::Right},
    {Qt::Key_Down, Qt::Key_Down, VirtualKey::Down},
    {Qt::Key_Insert, Qt::Key_Insert, VirtualKey::Insert},
    {Qt::Key_Delete, Qt::Key_Delete, VirtualKey::Delete},
    {Qt::Key_0, Qt::Key_9, VirtualKey::Key0},
    {Qt::Key_A, Qt::Key_Z, VirtualKey::A},
    {Qt::Key_F1, Qt::Key_F24, VirtualKey::F1},
    // Punctuation keys by their place on the US layout.
    {Qt::Key_Semicolon, Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, Qt::Key_Colon, 186},
    {Qt::Key_Equal, Qt::Key_Equal, 187},
    {Qt::Key_Plus, Qt::Key_Plus, 187},
    {Qt::Key_Comma, Qt::Key_Comma, 188},
    {Qt::Key_Less, Qt::Key_Less, 188},
    {Qt::Key_Minus, Qt::Key_Minus, 189},
    {Qt::Key_Underscore, Qt::Key_Underscore, 189},
    {Qt::Key_Period, Qt::Key_Period, 190},
    {Qt::Key_Greater, Qt::Key_Greater, 190},
    {Qt::Key_Slash, Qt::Key_Slash, 191},
    {Qt::Key_Question, Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, Qt::Key_QuoteLeft, VirtualKey::Grave},
    {Qt::Key_AsciiTilde, Qt::Key_AsciiTilde, VirtualKey::Grave},
    {Qt::Key_BracketLeft, Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, Qt::Key_Backslash, 220},
    {Qt::Key_Bar, Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, Qt::Key_QuoteDbl, 222},
};

// The Russian layout: Qt reports the upper-case Cyrillic letter, the key is the Latin one.
const TKeyRow kRussianLayout[] = {
    {u'Й', u'Й', 'Q'}, {u'Ц', u'Ц', 'W'}, {u'У', u'У', 'E'},
    {u'К', u'К', 'R'}, {u'Е', u'Е', 'T'}, {u'Н', u'Н', 'Y'},
    {u'Г', u'Г', 'U'}, {u'Ш', u'Ш', 'I'}, {u'Щ', u'Щ', 'O'},
    {u'З', u'З', 'P'}, {u'Х', u'Х', 219}, {u'Ъ', u'Ъ', 221},
    {u'Ф', u'Ф', 'A'}, {u'Ы', u'Ы', 'S'}, {u'В', u'В', 'D'},
    {u'А', u'А', 'F'}, {u'П', u'П', 'G'}, {u'Р', u'Р', 'H'},
    {u'О', u'О', 'J'}, {u'Л', u'Л', 'K'}, {u'Д', u'Д', 'L'},
    {u'Ж', u'Ж', 186}, {u'Э', u'Э', 222}, {u'Я', u'Я', 'Z'},
    {u'Ч', u'Ч', 'X'}, {u'С', u'С', 'C'}, {u'М', u'М', 'V'},
    {u'И', u'И', 'B'}, {u'Т', u'Т', 'N'}, {u'Ь', u'Ь', 'M'},
    {u'Б', u'Б', 188}, {u'Ю', u'Ю', 190}, {u'Ё', u'Ё', VirtualKey::Grave},
};

template<typename Rows>
int lookUp(const Rows &rows, int qtKey)
{
    for (const TKeyRow &row : rows) {
        if (qtKey >= row.firstQtKey && qtKey <= row.lastQtKey)
            return row.firstVirtualKey + (qtKey - row.firstQtKey);
    }
    return VirtualKey::None;
}

} // namespace

int virtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (const int key = lookUp(kKeypadKeys, qtKey))
            return key;
    }
    if (const int key = lookUp(kKeys, qtKey))
        return key;
    return lookUp(kRussianLayout, qtKey);
}
