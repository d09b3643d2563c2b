#include "avframewrap.h"

extern "C" {
#include <libavutil/pixfmt.h>
}

#include <array>

namespace {

struct FormatPair
{
    AVPixelFormat av;
    GstVideoFormat gst;
    bool fullRange; // the old "J" formats, full range whatever the stream says
};
constexpr FormatPair Formats[] = {
    {AV_PIX_FMT_YUV420P, GST_VIDEO_FORMAT_I420, false},
    {AV_PIX_FMT_YUVJ420P, GST_VIDEO_FORMAT_I420, true},
    {AV_PIX_FMT_YUV422P, GST_VIDEO_FORMAT_Y42B, false},
    {AV_PIX_FMT_YUVJ422P, GST_VIDEO_FORMAT_Y42B, true},
    {AV_PIX_FMT_YUV444P, GST_VIDEO_FORMAT_Y444, false},
    {AV_PIX_FMT_YUVJ444P, GST_VIDEO_FORMAT_Y444, true},
    {AV_PIX_FMT_GRAY8, GST_VIDEO_FORMAT_GRAY8, false},
    {AV_PIX_FMT_NV12, GST_VIDEO_FORMAT_NV12, false},
    {AV_PIX_FMT_YUV420P10LE, GST_VIDEO_FORMAT_I420_10LE, false},
    {AV_PIX_FMT_YUV422P10LE, GST_VIDEO_FORMAT_I422_10LE, false},
    {AV_PIX_FMT_YUV444P10LE, GST_VIDEO_FORMAT_Y444_10LE, false},
    {AV_PIX_FMT_YUV420P12LE, GST_VIDEO_FORMAT_I420_12LE, false},
    {AV_PIX_FMT_YUV422P12LE, GST_VIDEO_FORMAT_I422_12LE, false},
    {AV_PIX_FMT_YUV444P12LE, GST_VIDEO_FORMAT_Y444_12LE, false},
    // RGB films (lossless captures): the planes in the same order, G, B, R.
    {AV_PIX_FMT_GBRP, GST_VIDEO_FORMAT_GBR, false},
    {AV_PIX_FMT_GBRP10LE, GST_VIDEO_FORMAT_GBR_10LE, false},
    {AV_PIX_FMT_GBRP12LE, GST_VIDEO_FORMAT_GBR_12LE, false},
};

const FormatPair *Find(int avFormat)
{
    for (const FormatPair &pair : Formats) {
        if (pair.av == avFormat)
            return &pair;
    }
    return nullptr;
}

gboolean TopFieldFirst(const AVFrame *picture)
{
#ifdef AV_FRAME_FLAG_TOP_FIELD_FIRST
    return (picture->flags & AV_FRAME_FLAG_TOP_FIELD_FIRST) != 0;
#else
    return picture->top_field_first != 0;
#endif
}

void UnrefAvBuffer(gpointer data)
{
    auto *ref = static_cast<AVBufferRef *>(data);
    av_buffer_unref(&ref);
}

} // namespace

namespace AvFrameWrap {

GstVideoFormat GstFormat(int avFormat)
{
    const FormatPair *pair = Find(avFormat);
    return pair ? pair->gst : GST_VIDEO_FORMAT_UNKNOWN;
}

GstCaps *RawCaps()
{
    GstCaps *caps = gst_caps_new_empty();
    for (const FormatPair &pair : Formats) {
        GstCaps *one = gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING,
                                           gst_video_format_to_string(pair.gst), nullptr);
        caps = gst_caps_merge(caps, one);
    }
    return gst_caps_simplify(caps);
}

gboolean IsInterlaced(const AVFrame *picture)
{
#ifdef AV_FRAME_FLAG_INTERLACED
    return (picture->flags & AV_FRAME_FLAG_INTERLACED) != 0;
#else
    return picture->interlaced_frame != 0;
#endif
}

void DescribeOutput(const AVFrame *picture, AVRational frameRate, const GstVideoCodecState &input,
                    GstVideoInfo &info)
{
    const GstStructure *caps = gst_caps_get_structure(input.caps, 0);
    const GstVideoInfo &given = input.info;
    const bool colorimetry = gst_structure_has_field(caps, "colorimetry");
    GstVideoColorimetry &shown = info.colorimetry;
    if (!colorimetry || given.colorimetry.primaries == GST_VIDEO_COLOR_PRIMARIES_UNKNOWN)
        shown.primaries = gst_video_color_primaries_from_iso(picture->color_primaries);
    if (!colorimetry || given.colorimetry.transfer == GST_VIDEO_TRANSFER_UNKNOWN)
        shown.transfer = gst_video_transfer_function_from_iso(picture->color_trc);
    if (!colorimetry || given.colorimetry.matrix == GST_VIDEO_COLOR_MATRIX_UNKNOWN)
        shown.matrix = gst_video_color_matrix_from_iso(picture->colorspace);
    const FormatPair *format = Find(picture->format);
    if (format && format->fullRange) {
        shown.range = GST_VIDEO_COLOR_RANGE_0_255;
    } else if (!colorimetry || given.colorimetry.range == GST_VIDEO_COLOR_RANGE_UNKNOWN) {
        shown.range = picture->color_range == AVCOL_RANGE_JPEG   ? GST_VIDEO_COLOR_RANGE_0_255
                      : picture->color_range == AVCOL_RANGE_MPEG ? GST_VIDEO_COLOR_RANGE_16_235
                                                                 : GST_VIDEO_COLOR_RANGE_UNKNOWN;
    }
    if (!gst_structure_has_field(caps, "interlace-mode") && IsInterlaced(picture))
        GST_VIDEO_INFO_INTERLACE_MODE(&info) = GST_VIDEO_INTERLACE_MODE_MIXED;
    // A square aspect in the caps is often only a default: the stream's own wins.
    const bool squareOrNone = !gst_structure_has_field(caps, "pixel-aspect-ratio")
                              || (given.par_n == 1 && given.par_d == 1);
    const AVRational sar = picture->sample_aspect_ratio;
    if (squareOrNone && sar.num > 0 && sar.den > 0) {
        const gint common = gst_util_greatest_common_divisor(sar.num, sar.den);
        info.par_n = sar.num / common;
        info.par_d = sar.den / common;
    }
    if (given.fps_n <= 0 && frameRate.num > 0 && frameRate.den > 0
        && frameRate.num / frameRate.den <= 1000) {
        info.fps_n = frameRate.num;
        info.fps_d = frameRate.den;
    }
}

GstBuffer *Wrap(const AVFrame *picture, const GstVideoInfo &info)
{
    GstBuffer *buffer = gst_buffer_new();
    std::array<gsize, AV_NUM_DATA_POINTERS> starts{};
    gsize total = 0;
    int count = 0;
    for (; count < AV_NUM_DATA_POINTERS && picture->buf[count]; ++count) {
        AVBufferRef *ref = av_buffer_ref(picture->buf[count]);
        if (!ref) {
            gst_buffer_unref(buffer);
            return nullptr;
        }
        // Read-only: the decoder still predicts later pictures from this
        // memory, so an element that draws into the frame gets a copy.
        gst_buffer_append_memory(buffer, gst_memory_new_wrapped(GST_MEMORY_FLAG_READONLY, ref->data,
                                                                ref->size, 0, ref->size, ref,
                                                                UnrefAvBuffer));
        starts[count] = total;
        total += ref->size;
    }
    const guint planes = GST_VIDEO_INFO_N_PLANES(&info);
    gsize offsets[GST_VIDEO_MAX_PLANES] = {};
    gint strides[GST_VIDEO_MAX_PLANES] = {};
    for (guint plane = 0; plane < planes && plane < AV_NUM_DATA_POINTERS; ++plane) {
        const uint8_t *data = picture->data[plane];
        int owner = -1;
        for (int i = 0; i < count; ++i) {
            const AVBufferRef *ref = picture->buf[i];
            if (data && data >= ref->data && data < ref->data + ref->size)
                owner = i;
        }
        if (owner < 0 || picture->linesize[plane] <= 0) {
            gst_buffer_unref(buffer);
            return nullptr;
        }
        offsets[plane] = starts[owner] + static_cast<gsize>(data - picture->buf[owner]->data);
        strides[plane] = picture->linesize[plane];
    }
    gst_buffer_add_video_meta_full(buffer, GST_VIDEO_FRAME_FLAG_NONE, GST_VIDEO_INFO_FORMAT(&info),
                                   GST_VIDEO_INFO_WIDTH(&info), GST_VIDEO_INFO_HEIGHT(&info),
                                   planes, offsets, strides);
    if (IsInterlaced(picture)) {
        GST_BUFFER_FLAG_SET(buffer, GST_VIDEO_BUFFER_FLAG_INTERLACED);
        if (TopFieldFirst(picture))
            GST_BUFFER_FLAG_SET(buffer, GST_VIDEO_BUFFER_FLAG_TFF);
    }
    return buffer;
}

bool CopyFrame(GstBuffer *from, GstBuffer *to, const GstVideoInfo &info)
{
    GstVideoFrame source;
    GstVideoFrame target;
    if (!gst_video_frame_map(&source, &info, from, GST_MAP_READ))
        return false;
    if (!gst_video_frame_map(&target, &info, to, GST_MAP_WRITE)) {
        gst_video_frame_unmap(&source);
        return false;
    }
    const bool copied = gst_video_frame_copy(&target, &source);
    gst_video_frame_unmap(&target);
    gst_video_frame_unmap(&source);
    return copied;
}

} // namespace AvFrameWrap
