#pragma once

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/rational.h>
}

#include <gst/video/video.h>

// libavcodec's pictures as the framework's video buffers, without copying
// their pixels.
namespace AvFrameWrap {

// The framework's format for a libavcodec pixel format; unknown for one the
// player's decoder does not put out.
GstVideoFormat GstFormat(int avFormat);
// Every raw format GstFormat() can answer.
GstCaps *RawCaps();

gboolean IsInterlaced(const AVFrame *picture);

// Completes `info` (made from the input's caps) with what the decoded picture
// says: colorimetry, range, interlacing, pixel aspect and frame rate where the
// input's caps said nothing. What the caps did say holds: the container knows
// better than a stream that was never tagged.
void DescribeOutput(const AVFrame *picture, AVRational frameRate, const GstVideoCodecState &input,
                    GstVideoInfo &info);

// A read-only buffer over the picture's memory (which it keeps alive), its
// planes described by a video meta; null when the planes cannot be described.
GstBuffer *Wrap(const AVFrame *picture, const GstVideoInfo &info);

// Copies the frame `from` into `to`, both laid out as `info` or their metas say.
bool CopyFrame(GstBuffer *from, GstBuffer *to, const GstVideoInfo &info);

} // namespace AvFrameWrap
