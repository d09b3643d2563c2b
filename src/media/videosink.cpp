#include "videosink.h"

#include "mediaerror.h"
#include "mediaexception.h"

extern "C" {
#include <libavutil/pixfmt.h>
}

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>
#include <initializer_list>
#include <iterator>
#include <utility>

namespace {

// The decoders' formats handed to the scaler as they are; anything else is
// converted to one of them by the entry converter first.
struct FormatPair
{
    GstVideoFormat gst;
    AVPixelFormat av;
};
constexpr FormatPair ScalerFormats[] = {
    {GST_VIDEO_FORMAT_I420, AV_PIX_FMT_YUV420P}, {GST_VIDEO_FORMAT_YV12, AV_PIX_FMT_YUV420P},
    {GST_VIDEO_FORMAT_NV12, AV_PIX_FMT_NV12},    {GST_VIDEO_FORMAT_NV21, AV_PIX_FMT_NV21},
    {GST_VIDEO_FORMAT_Y42B, AV_PIX_FMT_YUV422P}, {GST_VIDEO_FORMAT_Y444, AV_PIX_FMT_YUV444P},
    {GST_VIDEO_FORMAT_Y41B, AV_PIX_FMT_YUV411P}, {GST_VIDEO_FORMAT_YUY2, AV_PIX_FMT_YUYV422},
    {GST_VIDEO_FORMAT_UYVY, AV_PIX_FMT_UYVY422}, {GST_VIDEO_FORMAT_GRAY8, AV_PIX_FMT_GRAY8},
    {GST_VIDEO_FORMAT_BGRx, AV_PIX_FMT_BGR0},    {GST_VIDEO_FORMAT_BGRA, AV_PIX_FMT_BGRA},
    {GST_VIDEO_FORMAT_RGBx, AV_PIX_FMT_RGB0},    {GST_VIDEO_FORMAT_RGBA, AV_PIX_FMT_RGBA},
    {GST_VIDEO_FORMAT_xRGB, AV_PIX_FMT_0RGB},    {GST_VIDEO_FORMAT_ARGB, AV_PIX_FMT_ARGB},
    {GST_VIDEO_FORMAT_RGB, AV_PIX_FMT_RGB24},    {GST_VIDEO_FORMAT_BGR, AV_PIX_FMT_BGR24},
    {GST_VIDEO_FORMAT_GBR, AV_PIX_FMT_GBRP},
};

GstCaps *ScalerCaps()
{
    GValue formats = G_VALUE_INIT;
    gst_value_list_init(&formats, std::size(ScalerFormats));
    for (const FormatPair &pair : ScalerFormats) {
        GValue name = G_VALUE_INIT;
        g_value_init(&name, G_TYPE_STRING);
        g_value_set_static_string(&name, gst_video_format_to_string(pair.gst));
        gst_value_list_append_and_take_value(&formats, &name);
    }
    GstCaps *caps = gst_caps_new_empty_simple("video/x-raw");
    gst_caps_set_value(caps, "format", &formats);
    g_value_unset(&formats);
    return caps;
}

TSourcePicture::Matrix MatrixOf(const GstVideoInfo &info)
{
    switch (GST_VIDEO_INFO_COLORIMETRY(&info).matrix) {
    case GST_VIDEO_COLOR_MATRIX_BT709:
        return TSourcePicture::Matrix::Bt709;
    case GST_VIDEO_COLOR_MATRIX_SMPTE240M:
        return TSourcePicture::Matrix::Smpte240;
    case GST_VIDEO_COLOR_MATRIX_BT2020:
        return TSourcePicture::Matrix::Bt2020;
    case GST_VIDEO_COLOR_MATRIX_FCC:
        return TSourcePicture::Matrix::Fcc;
    default:
        return TSourcePicture::Matrix::Bt601;
    }
}

// The mapped frame's planes as the scaler reads them; pixelFormat stays -1
// for a format the scaler was not offered.
TSourcePicture DescribeFrame(const GstVideoFrame &frame)
{
    TSourcePicture picture;
    const GstVideoFormat format = GST_VIDEO_FRAME_FORMAT(&frame);
    for (const FormatPair &pair : ScalerFormats) {
        if (pair.gst == format)
            picture.pixelFormat = pair.av;
    }
    picture.size = QSize(GST_VIDEO_FRAME_WIDTH(&frame), GST_VIDEO_FRAME_HEIGHT(&frame));
    for (guint plane = 0; plane < GST_VIDEO_FRAME_N_PLANES(&frame) && plane < 4; ++plane) {
        picture.planes[plane]
            = static_cast<const uint8_t *>(GST_VIDEO_FRAME_PLANE_DATA(&frame, plane));
        picture.strides[plane] = GST_VIDEO_FRAME_PLANE_STRIDE(&frame, plane);
    }
    // YV12 stores V before U.
    if (format == GST_VIDEO_FORMAT_YV12) {
        std::swap(picture.planes[1], picture.planes[2]);
        std::swap(picture.strides[1], picture.strides[2]);
    }
    picture.matrix = MatrixOf(frame.info);
    picture.fullRange
        = GST_VIDEO_INFO_COLORIMETRY(&frame.info).range == GST_VIDEO_COLOR_RANGE_0_255;
    return picture;
}

GstElement *MakeElement(const char *factory)
{
    GstElement *element = gst_element_factory_make(factory, nullptr);
    if (!element)
        throw EMediaException(
            QStringLiteral("The %1 element is missing.").arg(QLatin1String(factory)),
            MediaError::Failed);
    return element;
}

// Links a chain of elements known to fit. Without the checks: a checked link
// intersects the converters' long format lists and cost a noticeable part of
// the time to the first frame.
void LinkInOrder(std::initializer_list<GstElement *> chain)
{
    GstElement *previous = nullptr;
    for (GstElement *element : chain) {
        if (previous) {
            GstPad *src = gst_element_get_static_pad(previous, "src");
            GstPad *sink = gst_element_get_static_pad(element, "sink");
            gst_pad_link_full(src, sink, GST_PAD_LINK_CHECK_NOTHING);
            gst_object_unref(src);
            gst_object_unref(sink);
        }
        previous = element;
    }
}

GstPadProbeReturn OfferVideoMeta(GstPad *, GstPadProbeInfo *info, gpointer)
{
    GstQuery *query = GST_PAD_PROBE_INFO_QUERY(info);
    if (GST_QUERY_TYPE(query) != GST_QUERY_ALLOCATION)
        return GST_PAD_PROBE_OK;
    gst_query_add_allocation_meta(query, GST_VIDEO_META_API_TYPE, nullptr);
    return GST_PAD_PROBE_HANDLED;
}

} // namespace

TVideoSink::TVideoSink()
{
    m_bin = gst_bin_new("tavrel-video-sink");
    gst_object_ref_sink(m_bin);
    // The entry converter only acts on formats the scaler was not offered; for
    // the decoders' usual formats it passes buffers through untouched.
    GstElement *entry = MakeElement("videoconvert");
    m_crop = MakeElement("videocrop");
    GstElement *appsink = m_appsink = MakeElement("appsink");
    // Frames arrive at their native size and are scaled on their way to the UI
    // (TFrameScaler). qos lets decoders skip frames that would arrive late;
    // one frame in hand is enough, and no copy of the last one is kept.
    GstCaps *caps = ScalerCaps();
    g_object_set(appsink, "caps", caps, "sync", TRUE, "qos", TRUE, "max-lateness",
                 gint64(20 * GST_MSECOND), "max-buffers", 1u, "drop", TRUE, "enable-last-sample",
                 FALSE, nullptr);
    gst_caps_unref(caps);
    gst_bin_add_many(GST_BIN(m_bin), entry, m_crop, appsink, nullptr);
    LinkInOrder({entry, m_crop, appsink});
    GstPad *sink = gst_element_get_static_pad(entry, "sink");
    gst_element_add_pad(m_bin, gst_ghost_pad_new("sink", sink));
    gst_object_unref(sink);

    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = [](GstAppSink *sink, gpointer self) {
        return static_cast<GstFlowReturn>(OnNewSample(sink, self));
    };
    callbacks.new_preroll = [](GstAppSink *sink, gpointer self) {
        return static_cast<GstFlowReturn>(OnNewPreroll(sink, self));
    };
    gst_app_sink_set_callbacks(GST_APP_SINK(appsink), &callbacks, this, nullptr);

    // The scaler reads every plane where the video meta says it is, so a
    // decoder may hand over frames in its own memory, strides and all,
    // instead of copying each into a buffer of the default layout.
    GstPad *appsinkPad = gst_element_get_static_pad(appsink, "sink");
    gst_pad_add_probe(appsinkPad, GST_PAD_PROBE_TYPE_QUERY_DOWNSTREAM, OfferVideoMeta, nullptr,
                      nullptr);
    gst_object_unref(appsinkPad);
}

TVideoSink::~TVideoSink()
{
    // The owner has taken the pipeline to NULL first: no callback runs any more.
    gst_object_unref(m_bin);
}

void TVideoSink::SetTargetSize(const QSize &size)
{
    QMutexLocker lock(&m_mutex);
    m_targetSize = size;
}

void TVideoSink::SetCrop(int left, int top, int right, int bottom)
{
    g_object_set(m_crop, "left", left, "top", top, "right", right, "bottom", bottom, nullptr);
}

int TVideoSink::OnNewSample(GstAppSink *sink, void *self)
{
    if (GstSample *sample = gst_app_sink_pull_sample(sink))
        static_cast<TVideoSink *>(self)->Accept(sample);
    return GST_FLOW_OK;
}

int TVideoSink::OnNewPreroll(GstAppSink *sink, void *self)
{
    if (GstSample *sample = gst_app_sink_pull_preroll(sink))
        static_cast<TVideoSink *>(self)->Accept(sample);
    return GST_FLOW_OK;
}

void TVideoSink::Accept(GstSample *sample)
{
    TVideoFrame frame = Convert(sample);
    gst_sample_unref(sample);
    if (frame.isNull())
        return;
    {
        QMutexLocker lock(&m_mutex);
        // A frame the UI thread has not picked up yet is simply replaced.
        m_pending = std::move(frame);
    }
    if (!m_deliveryQueued.exchange(true))
        QMetaObject::invokeMethod(this, &TVideoSink::DeliverPending, Qt::QueuedConnection);
}

TVideoFrame TVideoSink::Convert(GstSample *sample)
{
    GstVideoInfo info;
    GstCaps *caps = gst_sample_get_caps(sample);
    GstBuffer *buffer = gst_sample_get_buffer(sample);
    if (!caps || !buffer || !gst_video_info_from_caps(&info, caps))
        return TVideoFrame();
    GstVideoFrame mapped;
    if (!gst_video_frame_map(&mapped, &info, buffer, GST_MAP_READ))
        return TVideoFrame();
    QSize size;
    {
        QMutexLocker lock(&m_mutex);
        size = m_targetSize;
    }
    TVideoFrame frame = m_scaler.Prepare(DescribeFrame(mapped), size);
    gst_video_frame_unmap(&mapped);
    return frame;
}

QSize TVideoSink::NegotiatedSize() const
{
    GstPad *pad = gst_element_get_static_pad(m_appsink, "sink");
    GstCaps *caps = gst_pad_get_current_caps(pad);
    gst_object_unref(pad);
    QSize size;
    if (caps) {
        GstVideoInfo info;
        if (gst_video_info_from_caps(&info, caps))
            size = QSize(GST_VIDEO_INFO_WIDTH(&info), GST_VIDEO_INFO_HEIGHT(&info));
        gst_caps_unref(caps);
    }
    return size;
}

bool TVideoSink::DeliverPending()
{
    m_deliveryQueued = false;
    TVideoFrame frame;
    {
        QMutexLocker lock(&m_mutex);
        frame = std::move(m_pending);
        m_pending = TVideoFrame();
    }
    if (frame.isNull())
        return false;
    emit FrameReady(frame);
    return true;
}

void TVideoSink::KeepLastSample(bool keep)
{
    g_object_set(m_appsink, "enable-last-sample", gboolean(keep), nullptr);
}

GstSample *TVideoSink::LastSample() const
{
    GstSample *sample = nullptr;
    g_object_get(m_appsink, "last-sample", &sample, nullptr);
    return sample;
}
