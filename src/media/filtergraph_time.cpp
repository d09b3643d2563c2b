#include "filtergraph.h"
#include "filtergraph_p.h"
#include "mediamath.h"

namespace {

// A still picture has no end of its own; it reports more than the 100 hours
// by which the player recognises one.
constexpr qint64 StillPictureSeconds = 1'000'000;

} // namespace

bool TFilterGraph::SetFrameFormat()
{
    if (!d->pipeline || d->uri.isEmpty())
        return false;
    const Private::VideoFacts facts = d->ReadVideoFacts();
    d->frameFormat = facts.fpsNum > 0 && facts.fpsDen > 0;
    d->fpsNum = d->frameFormat ? facts.fpsNum : 0;
    d->fpsDen = d->frameFormat ? facts.fpsDen : 1;
    return d->frameFormat;
}

bool TFilterGraph::IsFrameFormat() const
{
    return d->pipeline && d->frameFormat;
}

qint64 TFilterGraph::FramesPerSecond() const
{
    if (!IsFrameFormat())
        return 0;
    return FromMediaTime(MediaMath::UnitsPerSecond);
}

qint64 TFilterGraph::ToMediaTime(qint64 value) const
{
    if (!IsFrameFormat())
        return value;
    return MediaMath::FramesToUnits(value, d->fpsNum, d->fpsDen);
}

qint64 TFilterGraph::FromMediaTime(qint64 value) const
{
    if (!IsFrameFormat())
        return value;
    return MediaMath::UnitsToFrames(value, d->fpsNum, d->fpsDen);
}

qint64 TFilterGraph::CurrentPosition() const
{
    if (!d->pipeline || d->uri.isEmpty())
        return 0;
    gint64 ns = 0;
    if (!gst_element_query_position(d->pipeline, GST_FORMAT_TIME, &ns) || ns < 0)
        return 0;
    if (IsFrameFormat())
        return MediaMath::NanosecondsToNearestFrame(ns, d->fpsNum, d->fpsDen);
    return ns / 100;
}

qint64 TFilterGraph::StopPosition() const
{
    if (!d->pipeline || d->uri.isEmpty())
        return 0;
    // A live stream has no end either: the time line stays away as for a picture.
    if (IsStillPicture() || d->live)
        return FromMediaTime(StillPictureSeconds * MediaMath::UnitsPerSecond);
    gint64 ns = 0;
    if (!gst_element_query_duration(d->pipeline, GST_FORMAT_TIME, &ns) || ns < 0)
        return 0;
    if (IsFrameFormat())
        return MediaMath::NanosecondsToNearestFrame(ns, d->fpsNum, d->fpsDen);
    return ns / 100;
}

bool TFilterGraph::SetPosition(qint64 value)
{
    if (!d->pipeline || d->uri.isEmpty() || d->live)
        return false;
    const qint64 ns = IsFrameFormat() ? MediaMath::FramesToNanoseconds(value, d->fpsNum, d->fpsDen)
                                      : value * 100;
    return gst_element_seek_simple(
        d->pipeline, GST_FORMAT_TIME,
        static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
        std::max<qint64>(ns, 0));
}

bool TFilterGraph::SetPositionSeconds(double seconds)
{
    if (!d->pipeline || d->uri.isEmpty() || d->live)
        return false;
    const auto ns = static_cast<gint64>(std::max(seconds, 0.0) * GST_SECOND);
    return gst_element_seek_simple(
        d->pipeline, GST_FORMAT_TIME,
        static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE), ns);
}

bool TFilterGraph::FrameStep()
{
    if (!d->pipeline || d->uri.isEmpty() || !HasPicture())
        return false;
    GstState state = GST_STATE_NULL;
    gst_element_get_state(d->pipeline, &state, nullptr, 0);
    if (state != GST_STATE_PAUSED || d->stopped) {
        d->stopped = false;
        gst_element_set_state(d->pipeline, GST_STATE_PAUSED);
        if (!d->WaitForState(2 * GST_SECOND))
            return false;
    }
    // playbin hands a step event to its video sink.
    return gst_element_send_event(d->pipeline,
                                  gst_event_new_step(GST_FORMAT_BUFFERS, 1, 1.0, TRUE, FALSE));
}
