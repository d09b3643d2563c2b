#include "discprobe.h"

#include <QDir>
#include <QFileInfo>
#include <gst/gst.h>

namespace DiscProbe {

Result OpenDvd(const QString &folder, int timeoutMs)
{
    gst_init(nullptr, nullptr);
    GstElement *playbin = gst_element_factory_make("playbin", nullptr);
    if (!playbin)
        return Refused;
    const QString path
        = folder.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QByteArray uri = (QStringLiteral("dvd://") + path).toUtf8();
    g_object_set(playbin, "uri", uri.constData(), "video-sink",
                 gst_element_factory_make("fakesink", nullptr), "audio-sink",
                 gst_element_factory_make("fakesink", nullptr), nullptr);

    Result result = TimedOut;
    if (gst_element_set_state(playbin, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE) {
        result = Refused;
    } else {
        GstBus *bus = gst_element_get_bus(playbin);
        const GstClockTime deadline
            = gst_util_get_timestamp() + GstClockTime(timeoutMs) * GST_MSECOND;
        while (result == TimedOut) {
            const GstClockTime now = gst_util_get_timestamp();
            if (now >= deadline)
                break;
            GstMessage *message = gst_bus_timed_pop_filtered(
                bus, deadline - now, GstMessageType(GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_ERROR));
            if (!message)
                break;
            result = GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR ? Refused : Opened;
            gst_message_unref(message);
        }
        gst_object_unref(bus);
    }
    gst_element_set_state(playbin, GST_STATE_NULL);
    gst_object_unref(playbin);
    return result;
}

} // namespace DiscProbe
