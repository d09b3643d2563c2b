#pragma once

#include <QString>
#include <QTime>
#include <QtGlobal>

// The texts of the readouts over the video.
namespace Readouts {

// Whole seconds as "h:mm:ss"; a negative value reads 0:00:00.
QString Hms(qint64 seconds);
// The position label: the position, or the time remaining when not showing the elapsed time.
QString Position(qint64 positionSeconds, qint64 durationSeconds, bool showElapsed);
// The hover label over the slider: the theme's prefix and the time under the cursor.
QString Hover(const QString &prefix, qint64 seconds);
// The large clock: hours and minutes.
QString LargeClock(const QTime &time);
// The small clock in the locale's long time format, followed by one blank.
QString SmallClock(const QTime &time);

} // namespace Readouts
