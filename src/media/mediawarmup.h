#pragma once

// Loading the media framework's plug-ins (the decoders above all) takes a good
// part of the time to the first picture. A player that is about to open a film
// starts loading them on a worker thread while it builds its window.
namespace MediaWarmUp {

// Starts the loading once; later calls do nothing. The worker is joined at exit.
void Start();

// Returns once a started loading is complete (at once if none was started).
void WaitUntilLoaded();

} // namespace MediaWarmUp
