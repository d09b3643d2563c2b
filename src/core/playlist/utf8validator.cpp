#include "utf8validator.h"

void Utf8Validator::feed(QByteArrayView bytes)
{
    if (m_failed)
        return;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (m_pending > 0) {
            if (b < m_low || b > m_high) {
                m_failed = true;
                return;
            }
            m_low = 0x80;
            m_high = 0xBF;
            --m_pending;
            continue;
        }
        if (b < 0x80)
            continue;
        if (b >= 0xC2 && b <= 0xDF) {
            m_pending = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            m_pending = 2;
            if (b == 0xE0)
                m_low = 0xA0; // overlong
            else if (b == 0xED)
                m_high = 0x9F; // surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            m_pending = 3;
            if (b == 0xF0)
                m_low = 0x90; // overlong
            else if (b == 0xF4)
                m_high = 0x8F; // above U+10FFFF
        } else {
            m_failed = true;
            return;
        }
    }
}
