#pragma once

// The player's own decoder for the common film codecs (H.264, H.265), over
// libavcodec. Its frames go downstream in the decoder's own memory: no copy
// into a second pool as the framework's libav decoders make when the sink
// cannot take their strides, and one set of frame buffers instead of two.
// It ranks above those decoders, so playbin builds everything else (parsers,
// other codecs, discs) as before.
namespace AvVideoDecoder {

inline constexpr const char *FactoryName = "tavrelavviddec";

// Makes the element known to the framework; once, later calls do nothing.
// The framework must be initialised first. False when it could not be.
bool Register();

} // namespace AvVideoDecoder
