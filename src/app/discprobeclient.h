#pragma once

#include <QString>

// Asks the disc probe, in a process of its own, whether a DVD folder can be opened without
// harm. Without the probe program (an install that lacks it) the answer is yes, as before.
namespace DiscProbeClient {

constexpr const char *kProgramName = "tavrel-disc-probe";
constexpr int kTimeoutMs = 10000;

bool SurvivesOpening(const QString &probeProgram, const QString &folder,
                     int timeoutMs = kTimeoutMs);

} // namespace DiscProbeClient
