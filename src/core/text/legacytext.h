#pragma once

#include <QByteArray>
#include <QString>

// Text files written by older releases and by other players use the Cyrillic
// Windows code page; newer ones are UTF-8. Everything the player writes is UTF-8
// without a byte-order mark.
namespace LegacyText {

// True when the bytes form valid UTF-8 (an empty array is valid).
bool isValidUtf8(const QByteArray &bytes);

// Windows-1251 to Unicode; every byte maps to exactly one character.
QString fromCp1251(const QByteArray &bytes);

// UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is dropped),
// otherwise Windows-1251.
QString decode(const QByteArray &bytes);

} // namespace LegacyText
