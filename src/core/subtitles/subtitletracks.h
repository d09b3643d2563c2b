#pragma once

#include <QStringList>
#include <QStringView>

// Which subtitle track shows when a film opens and where the key steps to.
// Tracks are numbered from 1; 0 shows none.
namespace SubtitleTracks {

// languages: one entry a track (empty when unknown); fileTrack: the track read
// from the subtitle file beside the film, 0 when none. The first track in the
// wanted language; without a wanted language, or none in it, the file's track,
// else the first.
int Choose(const QStringList &languages, int fileTrack, QStringView wanted);

// The key's cycle: off, then each track in turn, then off again.
int Next(int current, int count);

} // namespace SubtitleTracks
