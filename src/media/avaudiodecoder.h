#pragma once

// The player's own AAC decoder, over the same libavcodec as its video
// decoder: a film in H.264 and AAC then plays without loading the
// framework's libav plug-in at all, whose libraries (container and filter
// code and everything they link) cost some 18 MB of memory and part of the
// start-up. It ranks above that plug-in's decoder.
namespace AvAudioDecoder {

inline constexpr const char *FactoryName = "tavrelavauddec";

// Makes the element known to the framework; once, later calls do nothing.
// The framework must be initialised first. False when it could not be.
bool Register();

} // namespace AvAudioDecoder
