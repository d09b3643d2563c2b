#include "mprisstate.h"

#include <cmath>

namespace MprisRules {

namespace {

// Listeners lose less than this to timer jitter between two readings.
constexpr qint64 kJumpToleranceUs = 1'000'000;

} // namespace

QString PlaybackStatus(int status)
{
    switch (status) {
    case TMprisState::Playing:
        return QStringLiteral("Playing");
    case TMprisState::Paused:
        return QStringLiteral("Paused");
    default:
        return QStringLiteral("Stopped");
    }
}

double VolumeOf(int volumeBar)
{
    return qBound(0, volumeBar, kVolumeBarMax) / double(kVolumeBarMax);
}

std::optional<int> VolumeBarOf(double volume)
{
    if (std::isnan(volume))
        return std::nullopt;
    return static_cast<int>(std::lround(qBound(0.0, volume, 1.0) * kVolumeBarMax));
}

QStringList ChangedProperties(const TMprisState &before, const TMprisState &after)
{
    QStringList changed;
    if (before.status != after.status)
        changed << QStringLiteral("PlaybackStatus");
    if (before.url != after.url || before.title != after.title || before.lengthUs != after.lengthUs)
        changed << QStringLiteral("Metadata");
    if (before.volumeBar != after.volumeBar)
        changed << QStringLiteral("Volume");
    if (before.canGoNext != after.canGoNext)
        changed << QStringLiteral("CanGoNext");
    if (before.canGoPrevious != after.canGoPrevious)
        changed << QStringLiteral("CanGoPrevious");
    if (before.canSeek != after.canSeek)
        changed << QStringLiteral("CanSeek");
    if (before.HasMedium() != after.HasMedium())
        changed << QStringLiteral("CanPlay") << QStringLiteral("CanPause");
    return changed;
}

bool PositionJumped(const TMprisState &before, const TMprisState &after, qint64 elapsedMs)
{
    if (!after.HasMedium() || before.url != after.url)
        return false;
    const qint64 played = before.status == TMprisState::Playing ? elapsedMs * 1000 : 0;
    const qint64 expected = before.positionUs + played;
    // Playing may also have paused in between, so anything from standing still to having
    // played the whole time is no jump.
    return after.positionUs < before.positionUs - kJumpToleranceUs
           || after.positionUs > expected + kJumpToleranceUs;
}

} // namespace MprisRules
