#pragma once

#include "planarpicture.h"

#include <QSize>
#include <cstdint>
#include <vector>

// Scales YUV 4:2:0 pictures down by the two ratios films meet most on a
// screen: 3:2 (1080p on a 720p screen) and 2:1 (2160p on a 1080p screen,
// 1080p in a quarter-size window). Each output pixel is a weighted average of
// the source pixels it covers, read row by row: libswscale's general filter
// gathers its taps pixel by pixel and costs three to four times as much here.
// Not thread-safe: it keeps its row buffers between pictures.
class TRatioScaler
{
public:
    // Whether pictures of `from` are scaled to `to` here: every plane must
    // come out at the exact ratio.
    static bool Handles(QSize from, QSize to);
    // Scales a YUV 4:2:0 (three-plane) `source` into `target`, which is
    // already allocated at the target size. False, with nothing written, when
    // the format or the ratio is not one of the above.
    bool Scale(const TSourcePicture &source, TPlanarFrame &target);

private:
    std::vector<uint16_t> m_rows;
};
