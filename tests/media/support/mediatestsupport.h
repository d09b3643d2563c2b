#pragma once

#include <QString>
#include <functional>

// Shared by the media test executables: clip paths and waiting on the UI loop.
namespace MediaTest {

// Full path of a generated clip; fails the current test when the folder is unknown.
QString Clip(const char *name);

// Runs the event loop until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()> &condition, int timeoutMs = 5000);

// Runs the event loop for a while.
void Spin(int ms);

} // namespace MediaTest
