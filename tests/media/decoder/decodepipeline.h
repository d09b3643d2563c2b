#pragma once

#include <functional>
#include <gst/gst.h>
#include <string>

namespace DecodeTest {

// Plays the pipeline `launch` (whose appsink is named "out") as fast as it
// decodes, handing every sample to `onSample`; `prepare` sees the sink first.
// The error the pipeline posted, empty when none.
std::string RunToEnd(const std::string &launch, const std::function<void(GstSample *)> &onSample,
                     const std::function<void(GstElement *)> &prepare = {});

} // namespace DecodeTest
