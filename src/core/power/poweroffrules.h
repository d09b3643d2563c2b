#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// What the one-second timer decides about power-off and still pictures.
namespace PowerOffRules {

// The warning comes up for the last minute before a power-off.
constexpr int kWarningSeconds = 60;
// The large caption is refreshed every second and lives a little longer than that.
constexpr int kWarningTenths = 12;

struct TCountdownInput
{
    bool running = false;
    bool afterFile = false; // shut down at the end of the film
    bool afterList = false; // shut down at the end of the list
    bool lastPlayable = false;
    int durationSeconds = 0;
    int positionSeconds = 0;
};

// The seconds left to show in the warning, or nothing when no warning is due.
std::optional<int> Countdown(const TCountdownInput &input);

// "<switching off in> <n> <s.>", from texts 140 and 141.
QString CountdownText(const QString &switchingOffIn, const QString &secondsWord, int remaining);

// A still picture that has been shown for its time ends as if it had completed.
bool StillPictureDone(bool stillPicture, bool running, bool dvdMode, qint64 shownMs,
                      int intervalSeconds);

// The answer to the busy query: a medium being opened or opened and not paused, or a
// loaded medium running.
qint32 BusyAnswer(bool mediaOpened, bool paused, bool mediaLoaded, bool running);

} // namespace PowerOffRules
