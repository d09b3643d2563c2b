#include "mediamath.h"

#include <algorithm>
#include <cmath>

namespace MediaMath {

namespace {

__extension__ typedef unsigned __int128 Wide;

// a * b / c for signed values without overflowing 64 bits on the way.
qint64 scale(qint64 a, qint64 b, qint64 c, bool roundToNearest)
{
    if (c == 0)
        return 0;
    const int signs = (a < 0) + (b < 0) + (c < 0);
    const bool negative = signs % 2 == 1;
    const auto ua = static_cast<Wide>(a < 0 ? -a : a);
    const auto ub = static_cast<Wide>(b < 0 ? -b : b);
    const auto uc = static_cast<Wide>(c < 0 ? -c : c);
    Wide result = ua * ub;
    result = roundToNearest ? (result + uc / 2) / uc : result / uc;
    const auto magnitude = static_cast<qint64>(result);
    return negative ? -magnitude : magnitude;
}

} // namespace

int VolumeEngineValue(int bar)
{
    if (bar >= 10000)
        return 10000;
    if (bar <= 0)
        return 0;
    return static_cast<int>(std::trunc(10000.0 * std::log(bar / 12.0) / std::log(834.0)));
}

int VolumeFrameworkValue(int bar)
{
    return VolumeEngineValue(bar) - 10000;
}

double LinearVolume(int hundredthsDb)
{
    if (hundredthsDb <= SilentVolume)
        return 0.0;
    if (hundredthsDb >= 0)
        return 1.0;
    return std::pow(10.0, hundredthsDb / 2000.0);
}

qint64 FramesToUnits(qint64 frames, int fpsNum, int fpsDen)
{
    return scale(frames, UnitsPerSecond * fpsDen, fpsNum, false);
}

qint64 UnitsToFrames(qint64 units, int fpsNum, int fpsDen)
{
    return scale(units, fpsNum, UnitsPerSecond * fpsDen, false);
}

qint64 NanosecondsToNearestFrame(qint64 ns, int fpsNum, int fpsDen)
{
    return scale(ns, fpsNum, qint64(1'000'000'000) * fpsDen, true);
}

qint64 FramesToNanoseconds(qint64 frames, int fpsNum, int fpsDen)
{
    return scale(frames, qint64(1'000'000'000) * fpsDen, fpsNum, false);
}

QPoint WindowToFrame(const QPoint &point, const QSize &window, const QSize &frame)
{
    if (window.isEmpty() || frame.isEmpty())
        return {-1, -1};
    const auto map = [](int value, int from, int to) {
        const qint64 scaled = qint64(value) * to / from;
        return static_cast<int>(std::clamp<qint64>(scaled, 0, to - 1));
    };
    return {map(point.x(), window.width(), frame.width()),
            map(point.y(), window.height(), frame.height())};
}

int TimeCodeToSeconds(quint32 timeCode)
{
    const int hours = static_cast<int>(timeCode & 0xFF);
    const int minutes = static_cast<int>((timeCode >> 8) & 0xFF);
    const int seconds = static_cast<int>((timeCode >> 16) & 0xFF);
    return hours * 3600 + minutes * 60 + seconds;
}

quint32 SecondsToTimeCode(int seconds)
{
    // Hours get one byte: beyond 255 hours the code saturates instead of wrapping.
    const int clamped = std::clamp(seconds, 0, 255 * 3600 + 59 * 60 + 59);
    const auto hours = static_cast<quint32>(clamped / 3600);
    const auto minutes = static_cast<quint32>(clamped / 60 % 60);
    const auto secs = static_cast<quint32>(clamped % 60);
    return hours | (minutes << 8) | (secs << 16);
}

} // namespace MediaMath
