#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QRect>
#include <QVariant>
#include <optional>

// The stored forms of setting values and the rules for reading them back. A reader answers
// nothing when the stored value has another type than expected or cannot be represented;
// the caller then uses the default.
namespace SettingsValue {

// Numbers (any non-zero is true), numeric text, and "true"/"false".
std::optional<bool> toBool(const QVariant &stored);
// Signed 32-bit numbers, as numbers or decimal text; unsigned 32-bit numbers keep their bits.
std::optional<qint32> toInt(const QVariant &stored);
// Any 32-bit number, as the bits of an unsigned value.
std::optional<quint32> toDword(const QVariant &stored);
// Text only.
std::optional<QString> toText(const QVariant &stored);

// 16 bytes: little-endian signed 32-bit Left, Top, Width, Height.
QByteArray packRect(const QRect &rect);
std::optional<QRect> unpackRect(const QVariant &stored);

// 8 bytes: little-endian IEEE 754 double, days since 30 December 1899 in local time, the
// fraction being the time of day.
QByteArray packTime(const QDateTime &time);
std::optional<QDateTime> unpackTime(const QVariant &stored);

double toDays(const QDateTime &time);
std::optional<QDateTime> fromDays(double days);

} // namespace SettingsValue
