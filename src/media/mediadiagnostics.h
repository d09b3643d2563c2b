#pragma once

// Figures about the media framework itself, for leak checks.
namespace MediaDiagnostics {

// Framework objects alive now, counted by the framework's leak tracer; -1 when
// that tracer is not running (it runs when GST_TRACERS=leaks is set before the
// first graph is created).
int LiveFrameworkObjects();

} // namespace MediaDiagnostics
