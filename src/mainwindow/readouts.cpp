#include "readouts.h"

#include <QLocale>
#include <QTime>

namespace Readouts {

QString Hms(qint64 seconds)
{
    const qint64 s = qMax<qint64>(0, seconds);
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString Position(qint64 positionSeconds, qint64 durationSeconds, bool showElapsed)
{
    return Hms(showElapsed ? positionSeconds : durationSeconds - positionSeconds);
}

QString Hover(const QString &prefix, qint64 seconds)
{
    return prefix + Hms(seconds);
}

QString LargeClock(const QTime &time)
{
    return time.toString(QStringLiteral("hh:mm"));
}

QString SmallClock(const QTime &time)
{
    // The long format with seconds, without the time zone some locales add to it.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale::system().toString(time, format.trimmed()) + QLatin1Char(' ');
}

} // namespace Readouts
