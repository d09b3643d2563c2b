// The frame on screen as a picture of its own size, for snapshots.
#include "filtergraph.h"
#include "filtergraph_p.h"
#include "videosink.h"

#include <QImage>
#include <gst/video/video.h>

namespace {

constexpr GstClockTime kPrerollTimeout = 5 * GST_SECOND;

// The sample as 24-bit RGB at its own size (the converter keeps the size when the caps
// name none).
QImage rgbImageOf(GstSample *sample)
{
    GstCaps *rgb = gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "RGB", nullptr);
    GError *error = nullptr;
    GstSample *converted = gst_video_convert_sample(sample, rgb, kPrerollTimeout, &error);
    gst_caps_unref(rgb);
    g_clear_error(&error);
    if (!converted)
        return {};
    QImage image;
    GstVideoInfo info;
    GstBuffer *buffer = gst_sample_get_buffer(converted);
    GstVideoFrame frame;
    if (buffer && gst_video_info_from_caps(&info, gst_sample_get_caps(converted))
        && gst_video_frame_map(&frame, &info, buffer, GST_MAP_READ)) {
        const int width = GST_VIDEO_FRAME_WIDTH(&frame);
        const int height = GST_VIDEO_FRAME_HEIGHT(&frame);
        const int stride = GST_VIDEO_FRAME_PLANE_STRIDE(&frame, 0);
        // Wraps the mapped pixels, then copies them: the buffer goes with the sample.
        image = QImage(static_cast<const uchar *>(GST_VIDEO_FRAME_PLANE_DATA(&frame, 0)), width,
                       height, stride, QImage::Format_RGB888)
                    .copy();
        gst_video_frame_unmap(&frame);
    }
    gst_sample_unref(converted);
    return image;
}

} // namespace

QImage TFilterGraph::CurrentFrame()
{
    if (!d->pipeline || d->uri.isEmpty() || !d->videoSink)
        return {};
    // The sink keeps no frame while it plays; the paused picture is taken again with the
    // sink holding on to it this time.
    if (!d->WaitForState(kPrerollTimeout))
        return {};
    d->videoSink->KeepLastSample(true);
    d->RefreshPausedFrame();
    QImage image;
    if (d->WaitForState(kPrerollTimeout)) {
        if (GstSample *sample = d->videoSink->LastSample()) {
            image = rgbImageOf(sample);
            gst_sample_unref(sample);
        }
    }
    d->videoSink->KeepLastSample(false);
    return image;
}
