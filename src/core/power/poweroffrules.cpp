#include "poweroffrules.h"

namespace PowerOffRules {

std::optional<int> Countdown(const TCountdownInput &input)
{
    if (!input.running)
        return std::nullopt;
    const bool due = input.afterFile || (input.afterList && input.lastPlayable);
    const int remaining = input.durationSeconds - input.positionSeconds;
    if (!due || remaining > kWarningSeconds)
        return std::nullopt;
    return remaining;
}

QString CountdownText(const QString &switchingOffIn, const QString &secondsWord, int remaining)
{
    return switchingOffIn + QLatin1Char(' ') + QString::number(remaining) + QLatin1Char(' ')
           + secondsWord;
}

bool StillPictureDone(bool stillPicture, bool running, bool dvdMode, qint64 shownMs,
                      int intervalSeconds)
{
    return stillPicture && running && !dvdMode && shownMs >= qint64(intervalSeconds) * 1000;
}

qint32 BusyAnswer(bool mediaOpened, bool paused, bool mediaLoaded, bool running)
{
    return (mediaOpened && !paused) || (mediaLoaded && running) ? 1 : 0;
}

} // namespace PowerOffRules
