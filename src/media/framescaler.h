#pragma once

#include "planarpicture.h"
#include "ratioscaler.h"

#include <QImage>
#include <QSize>
#include <array>
#include <cstddef>
#include <memory>

struct SwsContext;

class TVideoFrame;

// Scales and converts decoded pictures to 32-bit frames for painting with
// libswscale. A 4:2:0 picture is scaled in its own format first and the smaller
// picture converted after: both steps have vectorised code, while scaling
// straight into 32-bit pixels runs plain C and costs twice as much at 1080p.
// Frames are written into a few buffers that are used again once the UI has let
// go of them, so playback does not allocate a frame per picture.
// Not thread-safe: one streaming thread converts.
class TFrameScaler
{
public:
    TFrameScaler() = default;
    ~TFrameScaler();
    TFrameScaler(const TFrameScaler &) = delete;
    TFrameScaler &operator=(const TFrameScaler &) = delete;

    // The picture at `size` (its own size when empty) as a QImage::Format_RGB32
    // frame; a null image when the picture cannot be converted.
    QImage Convert(const TSourcePicture &source, QSize size);
    // The picture made ready for painting at `size` (its own size when empty):
    // a 4:2:0 picture is only scaled, into one of a few planar buffers, and
    // converted while it is painted, straight into the window's pixels; other
    // formats are converted now. A null frame when the picture cannot be used.
    TVideoFrame Prepare(const TSourcePicture &source, QSize size);
    // Converts a picture at its own size into 0xffRRGGBB words at `bits`,
    // `stride` bytes a row. Where the stride leaves room, rows are written in
    // whole groups of 8 pixels, past the width: callers keep the width a
    // multiple of 16 or the rows padded.
    bool ConvertInto(const TSourcePicture &source, uchar *bits, qsizetype stride);
    // Frees the buffers nobody but the scaler holds; the next frame that
    // needs one allocates it again.
    void ReleaseIdleBuffers();

private:
    struct ContextKey
    {
        int pixelFormat = -1;
        QSize from;
        QSize to;
        TSourcePicture::Matrix matrix = TSourcePicture::Matrix::Bt601;
        bool fullRange = false;
        bool operator==(const ContextKey &) const = default;
    };

    struct Stage
    {
        SwsContext *context = nullptr;
        ContextKey key;
    };
    // The stage set up for `key` into `targetFormat`; false when it cannot be.
    static bool SetUp(Stage &stage, const ContextKey &key, int targetFormat);
    // A 4:2:0 picture scaled into `target`, which has the size `key` names.
    bool ScalePlanar(const TSourcePicture &source, const ContextKey &key, TPlanarFrame &target);
    bool EnsureMiddle(QSize size);
    QImage &FreeBuffer(QSize size);
    std::shared_ptr<TPlanarFrame> FreePlanarBuffer(QSize size);

    TRatioScaler m_ratioScaler; // 4:2:0 at the screens' usual ratios
    Stage m_scale;              // other 4:2:0 pictures to their new size, same format
    Stage m_convert;            // to 32-bit pixels (scaling too for other formats)
    TPlanarFrame m_middle;
    // Three: one on screen, one waiting for the UI thread, one being written.
    std::array<QImage, 3> m_buffers;
    std::size_t m_nextReplaced = 0;
    std::array<std::shared_ptr<TPlanarFrame>, 3> m_planarBuffers;
    std::size_t m_nextPlanarReplaced = 0;
};
