#include "decodepipeline.h"

#include <gst/app/gstappsink.h>

namespace DecodeTest {

std::string RunToEnd(const std::string &launch, const std::function<void(GstSample *)> &onSample,
                     const std::function<void(GstElement *)> &prepare)
{
    GError *error = nullptr;
    GstElement *pipeline = gst_parse_launch(launch.c_str(), &error);
    if (!pipeline) {
        std::string message = error ? error->message : "no pipeline";
        g_clear_error(&error);
        return message;
    }
    GstElement *sink = gst_bin_get_by_name(GST_BIN(pipeline), "out");
    if (prepare)
        prepare(sink);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    while (GstSample *sample = gst_app_sink_try_pull_sample(GST_APP_SINK(sink), 10 * GST_SECOND)) {
        onSample(sample);
        gst_sample_unref(sample);
    }
    std::string message;
    GstBus *bus = gst_element_get_bus(pipeline);
    if (GstMessage *posted = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR)) {
        gst_message_parse_error(posted, &error, nullptr);
        message = error->message;
        g_clear_error(&error);
        gst_message_unref(posted);
    }
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(sink);
    gst_object_unref(pipeline);
    return message;
}

} // namespace DecodeTest
