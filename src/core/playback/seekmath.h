#pragma once

#include <QtGlobal>
#include <vector>

enum class TSeekDirection { Back, Forward };

// Seek arithmetic in the time-format units of the graph (frames in the frame format, else
// 100-ns units). A key-frame table (ascending frame numbers) enables snapping when it is
// not empty.
namespace SeekMath {

// Largest entry <= p; p itself when there is none.
qint64 SnapBackward(const std::vector<quint32> &keyFrames, qint64 p);
// Smallest entry >= p; p itself when there is none.
qint64 SnapForward(const std::vector<quint32> &keyFrames, qint64 p);

// Relative seek by milliseconds from p: step = u * ms div 1000 with u = framesPerSecond when
// above 0, else 10,000,000; back snaps backward, forward snaps forward.
qint64 RelativeTarget(qint64 p, int framesPerSecond, qint64 milliseconds, TSeekDirection direction,
                      const std::vector<quint32> &keyFrames);

// Absolute seek: p is the requested position already in time-format units; snaps backward.
qint64 AbsoluteTarget(qint64 p, const std::vector<quint32> &keyFrames);

} // namespace SeekMath
