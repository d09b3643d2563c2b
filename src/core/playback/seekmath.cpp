#include "playback/seekmath.h"

#include <algorithm>

namespace {

constexpr qint64 kUnitsPerSecond = 10000000;

} // namespace

namespace SeekMath {

// The table ascends by construction (entries are numbered as they are read), so both
// searches are binary.
qint64 SnapBackward(const std::vector<quint32> &keyFrames, qint64 p)
{
    const auto after = std::upper_bound(keyFrames.begin(), keyFrames.end(), p,
                                        [](qint64 value, quint32 entry) { return value < entry; });
    if (after == keyFrames.begin())
        return p;
    return *std::prev(after);
}

qint64 SnapForward(const std::vector<quint32> &keyFrames, qint64 p)
{
    const auto found = std::lower_bound(keyFrames.begin(), keyFrames.end(), p,
                                        [](quint32 entry, qint64 value) { return entry < value; });
    if (found == keyFrames.end())
        return p;
    return *found;
}

qint64 RelativeTarget(qint64 p, int framesPerSecond, int milliseconds, TSeekDirection direction,
                      const std::vector<quint32> &keyFrames)
{
    const qint64 unitsPerSecond = framesPerSecond > 0 ? framesPerSecond : kUnitsPerSecond;
    const qint64 step = unitsPerSecond * milliseconds / 1000;
    if (direction == TSeekDirection::Back)
        return SnapBackward(keyFrames, std::max<qint64>(0, p - step));
    return SnapForward(keyFrames, p + step);
}

qint64 DvdRelativeTarget(qint64 seconds, int milliseconds, TSeekDirection direction)
{
    const qint64 step = milliseconds / 1000;
    if (direction == TSeekDirection::Back)
        return std::max<qint64>(0, seconds - step);
    return seconds + step;
}

qint64 AbsoluteTarget(qint64 p, const std::vector<quint32> &keyFrames)
{
    return SnapBackward(keyFrames, p);
}

} // namespace SeekMath
