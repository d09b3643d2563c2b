#pragma once

#include <QtGlobal>

// Minute thresholds of the resume positions (SavePos_LenFilm, SavePos_LenStart, SavePos_LenEnd).
struct TResumeThresholds
{
    int LenFilm = 30;
    int LenStart = 10;
    int LenEnd = 2;
};

// What is known of the medium being closed.
struct TResumeCandidate
{
    bool mediumActive = false;
    bool dvdMode = false;
    qint64 positionSeconds = 0;
    qint64 durationSeconds = 0;
};

// The pure rules of the stored resume value: bits 0..15 the position in whole seconds,
// bits 16..31 a random number 0..65534 written with it.
namespace ResumeRule {

// Whether a position is worth keeping: a medium that is active and not a DVD, a position
// that is not 0, and whole minutes: duration >= LenFilm, position >= LenStart and
// (duration - position) >= LenEnd. A position beyond 0xFFFF seconds cannot be represented
// in the stored value and is not kept (it would come back as a wrong place in the film).
bool WorthKeeping(const TResumeCandidate &candidate, const TResumeThresholds &thresholds);

// The value stored for a position; salt is reduced to 0..65534.
quint32 Pack(qint64 positionSeconds, quint32 salt);

// The position in whole seconds held by a stored value.
int Unpack(quint32 value);

} // namespace ResumeRule
