#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <gst/gst.h>

// What the player's own decoders share when feeding libavcodec.
namespace AvCodecSupport {

// Hands the caps' codec_data (the container's decoder set-up) to the codec
// context before it is opened; nothing when the caps carry none.
void AttachCodecData(const GstStructure *caps, AVCodecContext *context);

// The buffer's bytes as a packet of libavcodec's own, padded as its readers
// need (they read a little past the end). False when memory ran out.
bool FillPacket(AVPacket *packet, GstBuffer *buffer);

// Makes one of the player's decoders known under `factory`, ranked above the
// framework's libav decoders so that automatic graphs choose it.
bool RegisterDecoder(const char *factory, GType type);

} // namespace AvCodecSupport
