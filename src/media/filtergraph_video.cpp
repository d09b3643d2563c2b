#include "filtergraph.h"
#include "filtergraph_p.h"
#include "videosink.h"

#include <algorithm>

TFilterGraph::Private::VideoFacts TFilterGraph::Private::ReadVideoFacts() const
{
    VideoFacts facts;
    if (!pipeline || uri.isEmpty())
        return facts;
    gint current = 0;
    g_object_get(pipeline, "current-video", &current, nullptr);
    GstPad *pad = nullptr;
    g_signal_emit_by_name(pipeline, "get-video-pad", std::max(current, 0), &pad);
    if (!pad)
        return facts;
    if (GstCaps *caps = gst_pad_get_current_caps(pad)) {
        const GstStructure *s = gst_caps_get_structure(caps, 0);
        gst_structure_get_int(s, "width", &facts.width);
        gst_structure_get_int(s, "height", &facts.height);
        if (!gst_structure_get_fraction(s, "pixel-aspect-ratio", &facts.parNum, &facts.parDen)
            || facts.parNum <= 0 || facts.parDen <= 0) {
            facts.parNum = 1;
            facts.parDen = 1;
        }
        if (!gst_structure_get_fraction(s, "framerate", &facts.fpsNum, &facts.fpsDen)) {
            facts.fpsNum = 0;
            facts.fpsDen = 1;
        }
        gst_caps_unref(caps);
    }
    gst_object_unref(pad);
    return facts;
}

QSize TFilterGraph::SourceSize() const
{
    const Private::VideoFacts facts = d->ReadVideoFacts();
    if (facts.width <= 0 || facts.height <= 0)
        return QSize();
    const auto width = static_cast<int>(
        (static_cast<qint64>(facts.width) * facts.parNum + facts.parDen / 2) / facts.parDen);
    return QSize(width, facts.height);
}

bool TFilterGraph::HasPicture() const
{
    return SourceSize().height() > 0;
}

bool TFilterGraph::IsStillPicture() const
{
    // A single image decodes to one frame with no frame rate.
    const Private::VideoFacts facts = d->ReadVideoFacts();
    return facts.height > 0 && facts.fpsNum == 0;
}

bool TFilterGraph::SetSourceRect(const QRect &rect)
{
    if (!d->pipeline)
        return false;
    d->sourceRect = rect;
    d->ApplyCrop();
    return true;
}

QRect TFilterGraph::SourceRect() const
{
    if (!d->pipeline)
        return QRect();
    return d->sourceRect.isNull() ? QRect(QPoint(0, 0), SourceSize()) : d->sourceRect;
}

void TFilterGraph::Private::ApplyCrop()
{
    if (!videoSink)
        return;
    const VideoFacts facts = ReadVideoFacts();
    if (sourceRect.isNull() || facts.width <= 0 || facts.height <= 0) {
        videoSink->SetCrop(0, 0, 0, 0);
        RefreshPausedFrame();
        return;
    }
    // Display coordinates back to stored pixels (only the width carries the aspect).
    const auto toNative = [&](int x) {
        return static_cast<int>((static_cast<qint64>(x) * facts.parDen + facts.parNum / 2)
                                / facts.parNum);
    };
    const int left = std::clamp(toNative(sourceRect.left()), 0, facts.width - 1);
    const int right = std::clamp(facts.width - toNative(sourceRect.left() + sourceRect.width()), 0,
                                 facts.width - left - 1);
    const int top = std::clamp(sourceRect.top(), 0, facts.height - 1);
    const int bottom = std::clamp(facts.height - (sourceRect.top() + sourceRect.height()), 0,
                                  facts.height - top - 1);
    videoSink->SetCrop(left, top, right, bottom);
    RefreshPausedFrame();
}

bool TFilterGraph::HasVideoStream() const
{
    if (!d->pipeline || d->uri.isEmpty())
        return false;
    gint streams = 0;
    g_object_get(d->pipeline, "n-video", &streams, nullptr);
    return streams > 0 || d->undecodedVideo;
}
