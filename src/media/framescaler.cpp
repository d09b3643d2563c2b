#include "framescaler.h"

#include "videoframe.h"

extern "C" {
#include <libavutil/pixfmt.h>
#include <libswscale/swscale.h>
}

#include <cstdlib>

namespace {

// QImage::Format_RGB32 is one native 32-bit 0xffRRGGBB word per pixel (the
// same words are opaque pixels of Format_ARGB32_Premultiplied).
constexpr AVPixelFormat FramePixelFormat
    = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? AV_PIX_FMT_BGRA : AV_PIX_FMT_ARGB;

// Larger than any screen; keeps the buffer arithmetic far from overflow.
constexpr int MaxSide = 16384;

// Whole cache lines per row: the vectorised converters write pixels in
// groups and must not reach into the next row or past the buffer.
constexpr qsizetype RowAlignment = 64;

int SwsColourSpace(TSourcePicture::Matrix matrix)
{
    switch (matrix) {
    case TSourcePicture::Matrix::Bt709:
        return SWS_CS_ITU709;
    case TSourcePicture::Matrix::Smpte240:
        return SWS_CS_SMPTE240M;
    case TSourcePicture::Matrix::Bt2020:
        return SWS_CS_BT2020;
    case TSourcePicture::Matrix::Fcc:
        return SWS_CS_FCC;
    case TSourcePicture::Matrix::Bt601:
        break;
    }
    return SWS_CS_ITU601;
}

qsizetype AlignedRow(qsizetype bytes)
{
    return (bytes + RowAlignment - 1) / RowAlignment * RowAlignment;
}

QImage AllocateFrame(QSize size)
{
    const qsizetype stride = AlignedRow(qsizetype(size.width()) * 4);
    auto *data = static_cast<uchar *>(std::aligned_alloc(RowAlignment, stride * size.height()));
    if (!data)
        return QImage();
    QImage frame(data, size.width(), size.height(), stride, QImage::Format_RGB32, std::free, data);
    // A QImage that could not be made never calls its clean-up function.
    if (frame.isNull())
        std::free(data);
    return frame;
}

bool Fits(QSize size)
{
    return !size.isEmpty() && size.width() <= MaxSide && size.height() <= MaxSide;
}

// A 4:2:0 picture of `size` in freshly allocated memory; false when there is none.
bool AllocatePlanar(TPlanarFrame &frame, QSize size)
{
    const qsizetype lumaStride = AlignedRow(size.width());
    const qsizetype chromaStride = AlignedRow((size.width() + 1) / 2);
    const qsizetype lumaBytes = lumaStride * size.height();
    const qsizetype chromaBytes = chromaStride * ((size.height() + 1) / 2);
    // One spare row: the vectorised scalers may touch a little past the last.
    auto *memory = static_cast<uint8_t *>(
        std::aligned_alloc(RowAlignment, lumaBytes + 2 * chromaBytes + lumaStride));
    frame.memory = {memory, std::free};
    if (!memory) {
        frame.size = QSize();
        return false;
    }
    frame.size = size;
    frame.planes = {memory, memory + lumaBytes, memory + lumaBytes + chromaBytes, nullptr};
    frame.strides = {static_cast<int>(lumaStride), static_cast<int>(chromaStride),
                     static_cast<int>(chromaStride), 0};
    return true;
}

bool IsFourTwoZero(int pixelFormat)
{
    return pixelFormat == AV_PIX_FMT_YUV420P || pixelFormat == AV_PIX_FMT_NV12
           || pixelFormat == AV_PIX_FMT_NV21;
}

} // namespace

TFrameScaler::~TFrameScaler()
{
    sws_freeContext(m_scale.context);
    sws_freeContext(m_convert.context);
}

QImage TFrameScaler::Convert(const TSourcePicture &source, QSize size)
{
    if (size.isEmpty())
        size = source.size;
    if (!Fits(source.size) || !Fits(size))
        return QImage();
    const ContextKey key{source.pixelFormat, source.size, size, source.matrix, source.fullRange};
    const bool twoSteps = size != source.size && IsFourTwoZero(source.pixelFormat);
    const uint8_t *const *planes = source.planes.data();
    const int *strides = source.strides.data();
    int rows = source.size.height();
    if (twoSteps) {
        if (!EnsureMiddle(size) || !ScalePlanar(source, key, m_middle))
            return QImage();
        planes = m_middle.planes.data();
        strides = m_middle.strides.data();
        rows = size.height();
    }
    const ContextKey convertKey
        = twoSteps ? ContextKey{AV_PIX_FMT_YUV420P, size, size, key.matrix, key.fullRange} : key;
    if (!SetUp(m_convert, convertKey, FramePixelFormat))
        return QImage();
    QImage &buffer = FreeBuffer(size);
    if (buffer.isNull())
        return QImage();
    // Written while the slot holds the only reference, so nothing is detached.
    uint8_t *target[4] = {buffer.bits(), nullptr, nullptr, nullptr};
    const int targetStride[4] = {static_cast<int>(buffer.bytesPerLine()), 0, 0, 0};
    if (sws_scale(m_convert.context, planes, strides, 0, rows, target, targetStride)
        != size.height())
        return QImage();
    return buffer;
}

TVideoFrame TFrameScaler::Prepare(const TSourcePicture &source, QSize size)
{
    if (!IsFourTwoZero(source.pixelFormat))
        return TVideoFrame(Convert(source, size));
    if (size.isEmpty())
        size = source.size;
    if (!Fits(source.size) || !Fits(size))
        return TVideoFrame();
    const ContextKey key{source.pixelFormat, source.size, size, source.matrix, source.fullRange};
    std::shared_ptr<TPlanarFrame> frame = FreePlanarBuffer(size);
    if (!frame || !ScalePlanar(source, key, *frame))
        return TVideoFrame();
    frame->matrix = source.matrix;
    frame->fullRange = source.fullRange;
    return TVideoFrame(std::shared_ptr<const TPlanarFrame>(std::move(frame)));
}

bool TFrameScaler::ScalePlanar(const TSourcePicture &source, const ContextKey &key,
                               TPlanarFrame &target)
{
    if (m_ratioScaler.Scale(source, target))
        return true;
    return SetUp(m_scale, key, AV_PIX_FMT_YUV420P)
           && sws_scale(m_scale.context, source.planes.data(), source.strides.data(), 0,
                        source.size.height(), target.planes.data(), target.strides.data())
                  == target.size.height();
}

bool TFrameScaler::ConvertInto(const TSourcePicture &source, uchar *bits, qsizetype stride)
{
    if (!Fits(source.size) || stride < qsizetype(source.size.width()) * 4)
        return false;
    const ContextKey key{source.pixelFormat, source.size, source.size, source.matrix,
                         source.fullRange};
    if (!SetUp(m_convert, key, FramePixelFormat))
        return false;
    uint8_t *target[4] = {bits, nullptr, nullptr, nullptr};
    const int targetStride[4] = {static_cast<int>(stride), 0, 0, 0};
    return sws_scale(m_convert.context, source.planes.data(), source.strides.data(), 0,
                     source.size.height(), target, targetStride)
           == source.size.height();
}

void TFrameScaler::ReleaseIdleBuffers()
{
    for (QImage &buffer : m_buffers) {
        if (!buffer.isNull() && buffer.isDetached())
            buffer = QImage();
    }
    for (std::shared_ptr<TPlanarFrame> &buffer : m_planarBuffers) {
        if (buffer && buffer.use_count() == 1)
            buffer.reset();
    }
    m_middle = TPlanarFrame();
}

bool TFrameScaler::SetUp(Stage &stage, const ContextKey &key, int targetFormat)
{
    if (stage.context && key == stage.key)
        return true;
    sws_freeContext(stage.context);
    stage.context = nullptr;
    const auto format = static_cast<AVPixelFormat>(key.pixelFormat);
    if (key.pixelFormat < 0 || !sws_isSupportedInput(format))
        return false;
    stage.context = sws_getContext(key.from.width(), key.from.height(), format, key.to.width(),
                                   key.to.height(), static_cast<AVPixelFormat>(targetFormat),
                                   SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!stage.context)
        return false;
    // Without this every picture would be read with SD video's matrix and
    // limited range: HD colours would be visibly off. (Scaling within YUV keeps
    // the values as they are whatever is set here.)
    if (targetFormat == FramePixelFormat)
        sws_setColorspaceDetails(stage.context, sws_getCoefficients(SwsColourSpace(key.matrix)),
                                 key.fullRange ? 1 : 0, sws_getCoefficients(SWS_CS_DEFAULT), 1, 0,
                                 1 << 16, 1 << 16);
    stage.key = key;
    return true;
}

bool TFrameScaler::EnsureMiddle(QSize size)
{
    return (m_middle.memory && m_middle.size == size) || AllocatePlanar(m_middle, size);
}

QImage &TFrameScaler::FreeBuffer(QSize size)
{
    // Only the slot looks at a detached buffer: neither the window nor a frame
    // on its way there can see it being overwritten. Idle buffers of another
    // size (the first frame's, made before the window's size was known) would
    // otherwise be held for the rest of the film.
    QImage *idle = nullptr;
    for (QImage &buffer : m_buffers) {
        if (!buffer.isDetached())
            continue;
        if (buffer.size() == size && !idle)
            idle = &buffer;
        else if (buffer.size() != size)
            buffer = QImage();
    }
    if (idle)
        return *idle;
    // Otherwise the slots are replaced in turn; a buffer the UI still shows
    // stays alive through the UI's own reference.
    QImage &slot = m_buffers[m_nextReplaced];
    m_nextReplaced = (m_nextReplaced + 1) % m_buffers.size();
    slot = AllocateFrame(size);
    return slot;
}

std::shared_ptr<TPlanarFrame> TFrameScaler::FreePlanarBuffer(QSize size)
{
    // The same rules as for the 32-bit buffers: only a buffer nobody else
    // holds is written into, and idle ones of another size are let go.
    std::shared_ptr<TPlanarFrame> idle;
    for (std::shared_ptr<TPlanarFrame> &buffer : m_planarBuffers) {
        if (!buffer || buffer.use_count() != 1)
            continue;
        if (buffer->size == size && !idle)
            idle = buffer;
        else if (buffer->size != size)
            buffer.reset();
    }
    if (idle)
        return idle;
    auto fresh = std::make_shared<TPlanarFrame>();
    if (!AllocatePlanar(*fresh, size))
        return nullptr;
    m_planarBuffers[m_nextPlanarReplaced] = fresh;
    m_nextPlanarReplaced = (m_nextPlanarReplaced + 1) % m_planarBuffers.size();
    return fresh;
}

TSourcePicture TPlanarFrame::Picture() const
{
    TSourcePicture picture;
    picture.pixelFormat = AV_PIX_FMT_YUV420P;
    picture.size = size;
    for (std::size_t plane = 0; plane < 3; ++plane) {
        picture.planes[plane] = planes[plane];
        picture.strides[plane] = strides[plane];
    }
    picture.matrix = matrix;
    picture.fullRange = fullRange;
    return picture;
}
