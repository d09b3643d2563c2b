#pragma once

#include <QByteArrayView>

// Decides whether a byte stream is valid UTF-8 without holding it: fed in pieces,
// it accepts exactly what the UTF-8 decoder accepts (no overlong forms, no
// surrogates, nothing above U+10FFFF, no sequence cut off at the end).
class Utf8Validator
{
public:
    void feed(QByteArrayView bytes);
    bool isValid() const { return !m_failed && m_pending == 0; }

private:
    bool m_failed = false;
    int m_pending = 0;          // continuation bytes still expected
    unsigned char m_low = 0x80; // bounds of the next continuation byte
    unsigned char m_high = 0xBF;
};
