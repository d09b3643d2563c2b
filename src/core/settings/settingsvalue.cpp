#include "settings/settingsvalue.h"

#include <QtEndian>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int kRectBytes = 16;
constexpr int kTimeBytes = 8;
constexpr qint64 kMsecsPerDay = 86400000;
// The span a day count can name: 1 January 0001 to 31 December 9999.
constexpr double kFirstDay = -693593.0;
constexpr double kDayAfterLast = 2958466.0;

const QDate &epoch()
{
    static const QDate day(1899, 12, 30);
    return day;
}

bool isIntegral(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

// A whole number of at most 32 bits, as a number or as decimal text; no other type.
std::optional<qint64> toNumber32(const QVariant &stored)
{
    qint64 number = 0;
    if (isIntegral(stored)) {
        if (stored.metaType().id() == QMetaType::ULongLong) {
            const qulonglong u = stored.toULongLong();
            if (u > std::numeric_limits<quint32>::max())
                return std::nullopt;
            number = static_cast<qint64>(u);
        } else {
            number = stored.toLongLong();
        }
    } else if (stored.metaType().id() == QMetaType::QString) {
        bool ok = false;
        number = stored.toString().trimmed().toLongLong(&ok, 10);
        if (!ok)
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    if (number < std::numeric_limits<qint32>::min()
        || number > static_cast<qint64>(std::numeric_limits<quint32>::max()))
        return std::nullopt;
    return number;
}

std::optional<QByteArray> bytesOfSize(const QVariant &stored, int size)
{
    if (stored.metaType().id() != QMetaType::QByteArray)
        return std::nullopt;
    QByteArray bytes = stored.toByteArray();
    if (bytes.size() != size)
        return std::nullopt;
    return bytes;
}

} // namespace

namespace SettingsValue {

std::optional<bool> toBool(const QVariant &stored)
{
    if (stored.metaType().id() == QMetaType::Bool)
        return stored.toBool();
    if (stored.metaType().id() == QMetaType::QString) {
        const QString text = stored.toString().trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    if (const auto number = toNumber32(stored))
        return *number != 0;
    return std::nullopt;
}

std::optional<qint32> toInt(const QVariant &stored)
{
    if (const auto bits = toDword(stored))
        return static_cast<qint32>(*bits);
    return std::nullopt;
}

std::optional<quint32> toDword(const QVariant &stored)
{
    if (const auto number = toNumber32(stored))
        return static_cast<quint32>(*number);
    return std::nullopt;
}

std::optional<QString> toText(const QVariant &stored)
{
    if (stored.metaType().id() != QMetaType::QString)
        return std::nullopt;
    return stored.toString();
}

QByteArray packRect(const QRect &rect)
{
    QByteArray bytes(kRectBytes, '\0');
    const qint32 values[] = {rect.left(), rect.top(), rect.width(), rect.height()};
    for (int i = 0; i < 4; ++i)
        qToLittleEndian<qint32>(values[i], bytes.data() + 4 * i);
    return bytes;
}

std::optional<QRect> unpackRect(const QVariant &stored)
{
    const auto bytes = bytesOfSize(stored, kRectBytes);
    if (!bytes)
        return std::nullopt;
    qint64 values[4];
    for (int i = 0; i < 4; ++i)
        values[i] = qFromLittleEndian<qint32>(bytes->constData() + 4 * i);
    // QRect keeps right and bottom edges; a rectangle whose edges leave the 32-bit range
    // cannot be held and is not a window position anyway.
    const qint64 right = values[0] + values[2] - 1;
    const qint64 bottom = values[1] + values[3] - 1;
    constexpr qint64 lo = std::numeric_limits<qint32>::min();
    constexpr qint64 hi = std::numeric_limits<qint32>::max();
    if (right < lo || right > hi || bottom < lo || bottom > hi)
        return std::nullopt;
    return QRect(static_cast<int>(values[0]), static_cast<int>(values[1]),
                 static_cast<int>(values[2]), static_cast<int>(values[3]));
}

double toDays(const QDateTime &time)
{
    const QDateTime local = time.toLocalTime();
    const auto days = static_cast<double>(epoch().daysTo(local.date()));
    const double fraction = static_cast<double>(local.time().msecsSinceStartOfDay())
                            / static_cast<double>(kMsecsPerDay);
    // Before the epoch the day count is negative and the fraction still counts forward
    // from midnight: -1.25 is 29 December 1899, 06:00.
    return days < 0 ? days - fraction : days + fraction;
}

std::optional<QDateTime> fromDays(double days)
{
    if (!std::isfinite(days) || days <= kFirstDay - 1.0 || days >= kDayAfterLast)
        return std::nullopt;
    const double whole = std::trunc(days);
    qint64 msecs = std::llround(std::fabs(days - whole) * static_cast<double>(kMsecsPerDay));
    QDate date = epoch().addDays(static_cast<qint64>(whole));
    if (msecs >= kMsecsPerDay) {
        msecs -= kMsecsPerDay;
        date = date.addDays(1);
    }
    if (!date.isValid())
        return std::nullopt;
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs)));
}

QByteArray packTime(const QDateTime &time)
{
    const double days = toDays(time);
    quint64 bits = 0;
    static_assert(sizeof(bits) == sizeof(days));
    std::memcpy(&bits, &days, sizeof(bits));
    QByteArray bytes(kTimeBytes, '\0');
    qToLittleEndian<quint64>(bits, bytes.data());
    return bytes;
}

std::optional<QDateTime> unpackTime(const QVariant &stored)
{
    const auto bytes = bytesOfSize(stored, kTimeBytes);
    if (!bytes)
        return std::nullopt;
    const quint64 bits = qFromLittleEndian<quint64>(bytes->constData());
    double days = 0;
    std::memcpy(&days, &bits, sizeof(days));
    return fromDays(days);
}

} // namespace SettingsValue
