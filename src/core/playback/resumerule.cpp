#include "playback/resumerule.h"

namespace {

constexpr qint64 kLargestPosition = 0xFFFF;
constexpr quint32 kSaltValues = 65535; // 0..65534

} // namespace

namespace ResumeRule {

bool WorthKeeping(const TResumeCandidate &candidate, const TResumeThresholds &thresholds)
{
    const qint64 p = candidate.positionSeconds;
    const qint64 d = candidate.durationSeconds;
    if (!candidate.mediumActive || candidate.dvdMode || p == 0)
        return false;
    if (p < 0 || p > kLargestPosition)
        return false;
    return d / 60 >= thresholds.LenFilm && p / 60 >= thresholds.LenStart
           && (d - p) / 60 >= thresholds.LenEnd;
}

quint32 Pack(qint64 positionSeconds, quint32 salt)
{
    const auto position = static_cast<quint32>(positionSeconds) & 0xFFFFu;
    return position | ((salt % kSaltValues) << 16);
}

int Unpack(quint32 value)
{
    return static_cast<int>(value & 0xFFFFu);
}

} // namespace ResumeRule
