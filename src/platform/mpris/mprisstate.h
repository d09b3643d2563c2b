#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

// What the desktop's media widgets see of the player, read in one go from its queries.
struct TMprisState
{
    enum Status { Stopped = 0, Paused = 1, Playing = 2 }; // the state query's answers
    int status = Stopped;
    QString url; // the medium's address; empty when nothing is open
    QString title;
    qint64 lengthUs = 0;
    qint64 positionUs = 0;
    int volumeBar = 0; // 0..10000
    bool canGoNext = false;
    bool canGoPrevious = false;
    bool canSeek = false;

    bool HasMedium() const { return !url.isEmpty(); }
};

namespace MprisRules {

constexpr int kVolumeBarMax = 10000;

QString PlaybackStatus(int status);
double VolumeOf(int volumeBar);
// The volume bar for a volume asked over the bus; values outside 0..1 are held to the ends,
// a value that is no number leaves nothing to set.
std::optional<int> VolumeBarOf(double volume);
// The properties of the player interface that differ between two readings (Position is
// never announced: listeners extrapolate it and are told of jumps by Seeked).
QStringList ChangedProperties(const TMprisState &before, const TMprisState &after);
// True when the position moved other than by playing for `elapsedMs` since `before`.
bool PositionJumped(const TMprisState &before, const TMprisState &after, qint64 elapsedMs);

} // namespace MprisRules
