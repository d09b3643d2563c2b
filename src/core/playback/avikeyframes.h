#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

class QIODevice;

// The key-frame table of an AVI file: the numbers (from 0) of the "00dc" entries of the
// "idx1" index whose flags are exactly the key-frame flag (16). The numbers ascend strictly.
// Any file that cannot be read this way (missing, not a regular file, truncated, no index)
// gives an empty table; malformed sizes never make the reader run past the end of the file,
// and memory grows only with the number of key frames.
namespace AviKeyFrames {

std::vector<quint32> Read(const QString &path);
// The same walk over an open, seekable device, from its start.
std::vector<quint32> Read(QIODevice &device);

} // namespace AviKeyFrames
