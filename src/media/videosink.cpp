#include "videosink.h"

#include "mediaerror.h"
#include "mediaexception.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>
#include <initializer_list>

namespace {

// A mapped frame kept alive for as long as a QImage looks at its pixels.
struct MappedFrame
{
    GstVideoFrame frame;
    GstSample *sample;
};

void ReleaseMappedFrame(void *info)
{
    auto *mapped = static_cast<MappedFrame *>(info);
    gst_video_frame_unmap(&mapped->frame);
    gst_sample_unref(mapped->sample);
    delete mapped;
}

constexpr GstVideoFormat PixelFormatId
    = G_BYTE_ORDER == G_LITTLE_ENDIAN ? GST_VIDEO_FORMAT_BGRx : GST_VIDEO_FORMAT_xRGB;

// Wraps the sample's pixels in a QImage that owns the sample: no copy is made.
QImage WrapSample(GstSample *sample)
{
    GstVideoInfo info;
    GstCaps *caps = gst_sample_get_caps(sample);
    GstBuffer *buffer = gst_sample_get_buffer(sample);
    // Anything but the negotiated 32-bit format would be read as the wrong pixels.
    if (!caps || !buffer || !gst_video_info_from_caps(&info, caps)
        || GST_VIDEO_INFO_FORMAT(&info) != PixelFormatId) {
        gst_sample_unref(sample);
        return QImage();
    }
    auto *mapped = new MappedFrame{};
    mapped->sample = sample;
    if (!gst_video_frame_map(&mapped->frame, &info, buffer, GST_MAP_READ)) {
        gst_sample_unref(sample);
        delete mapped;
        return QImage();
    }
    // BGRx in memory is one native 32-bit 0xffRRGGBB word on little-endian machines.
    const auto *pixels = static_cast<const uchar *>(GST_VIDEO_FRAME_PLANE_DATA(&mapped->frame, 0));
    QImage image(pixels, GST_VIDEO_FRAME_WIDTH(&mapped->frame),
                 GST_VIDEO_FRAME_HEIGHT(&mapped->frame),
                 GST_VIDEO_FRAME_PLANE_STRIDE(&mapped->frame, 0), QImage::Format_RGB32,
                 ReleaseMappedFrame, mapped);
    // A QImage that could not be made never calls its clean-up function.
    if (image.isNull())
        ReleaseMappedFrame(mapped);
    return image;
}

constexpr const char *PixelFormat = G_BYTE_ORDER == G_LITTLE_ENDIAN ? "BGRx" : "xRGB";

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

} // namespace

TVideoSink::TVideoSink()
{
    m_bin = gst_bin_new("tavrel-video-sink");
    gst_object_ref_sink(m_bin);
    // The entry converter only acts on formats the crop cannot take; for the
    // decoders' usual formats it passes buffers through untouched.
    GstElement *entry = MakeElement("videoconvert");
    m_crop = MakeElement("videocrop");
    // Scales in the decoder's own format, then converts the smaller picture.
    // GStreamer's fast paths cover each step alone; one element doing both
    // takes the generic per-line path, which costs a third more processor time
    // at 1080p. One thread each: a second made the picture no faster on two
    // cores and cost processor time (benchmark, 1080p and 720p).
    GstElement *scale = MakeElement("videoscale");
    GstElement *convert = MakeElement("videoconvert");
    m_caps = MakeElement("capsfilter");
    GstElement *appsink = m_appsink = MakeElement("appsink");
    // qos lets decoders skip frames that would arrive late; one frame in hand is
    // enough, and no copy of the last one is kept (it would hold a whole frame).
    g_object_set(appsink, "sync", TRUE, "qos", TRUE, "max-lateness", gint64(20 * GST_MSECOND),
                 "max-buffers", 1u, "drop", TRUE, "enable-last-sample", FALSE, nullptr);
    gst_bin_add_many(GST_BIN(m_bin), entry, m_crop, scale, convert, m_caps, appsink, nullptr);
    LinkInOrder({entry, m_crop, scale, convert, m_caps, appsink});
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
    SetTargetSize(QSize());
}

TVideoSink::~TVideoSink()
{
    // The owner has taken the pipeline to NULL first: no callback runs any more.
    gst_object_unref(m_bin);
}

void TVideoSink::SetTargetSize(const QSize &size)
{
    if (m_targetSize && size == *m_targetSize)
        return;
    m_targetSize = size;
    GstCaps *caps
        = size.isEmpty()
              ? gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, PixelFormat, nullptr)
              : gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, PixelFormat, "width",
                                    G_TYPE_INT, size.width(), "height", G_TYPE_INT, size.height(),
                                    "pixel-aspect-ratio", GST_TYPE_FRACTION, 1, 1, nullptr);
    g_object_set(m_caps, "caps", caps, nullptr);
    gst_caps_unref(caps);
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
    QImage frame = WrapSample(sample);
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
    QImage frame;
    {
        QMutexLocker lock(&m_mutex);
        frame = std::move(m_pending);
        m_pending = QImage();
    }
    if (frame.isNull())
        return false;
    emit FrameReady(frame);
    return true;
}
