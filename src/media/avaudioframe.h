#pragma once

extern "C" {
#include <libavutil/frame.h>
}

#include <gst/audio/audio.h>

// libavcodec's decoded sound as the framework's interleaved audio.
namespace AvAudioFrame {

// The layout a decoded frame's samples are put out in: the framework's sample
// format, rate and channels in its own channel order. False for a sample
// format or channel count that cannot be put out.
bool DescribeOutput(const AVFrame *frame, GstAudioInfo &info);

// The frame's samples interleaved, in the channel order DescribeOutput() gave;
// null when the frame does not match `info`.
GstBuffer *Interleave(const AVFrame *frame, const GstAudioInfo &info);

} // namespace AvAudioFrame
