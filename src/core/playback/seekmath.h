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
// above 0, else 10,000,000; back snaps backward, forward snaps forward. A step back past the
// start goes to the start.
qint64 RelativeTarget(qint64 p, int framesPerSecond, int milliseconds, TSeekDirection direction,
                      const std::vector<quint32> &keyFrames);

// Relative seek on a DVD, in whole seconds of the title's time code; not before 0.
qint64 DvdRelativeTarget(qint64 seconds, int milliseconds, TSeekDirection direction);

// Absolute seek: p is the requested position already in time-format units; snaps backward.
qint64 AbsoluteTarget(qint64 p, const std::vector<quint32> &keyFrames);

} // namespace SeekMath
