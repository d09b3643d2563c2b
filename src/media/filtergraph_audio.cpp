#include "filtergraph.h"
#include "filtergraph_p.h"
#include "mediamath.h"

#include <algorithm>

namespace {

// The outputs the system offers, as GstDevice objects (caller unrefs the list).
GList *ListAudioSinks()
{
    GstDeviceMonitor *monitor = gst_device_monitor_new();
    gst_device_monitor_add_filter(monitor, "Audio/Sink", nullptr);
    GList *devices = gst_device_monitor_get_devices(monitor);
    gst_object_unref(monitor);
    return devices;
}

GstElement *CreateAudioSink(const QString &name)
{
    GList *devices = ListAudioSinks();
    GstElement *sink = nullptr;
    for (GList *item = devices; item && !sink; item = item->next) {
        auto *device = static_cast<GstDevice *>(item->data);
        gchar *displayName = gst_device_get_display_name(device);
        if (QString::fromUtf8(displayName) == name)
            sink = gst_device_create_element(device, nullptr);
        g_free(displayName);
    }
    g_list_free_full(devices, gst_object_unref);
    return sink;
}

} // namespace

int TFilterGraph::CountAudioStreams()
{
    if (!d->pipeline || d->uri.isEmpty())
        return 0;
    gint streams = 0;
    g_object_get(d->pipeline, "n-audio", &streams, nullptr);
    return std::clamp(streams, 0, MaxAudioSlots);
}

bool TFilterGraph::SelectAudioStream(int n)
{
    if (!d->pipeline || d->uri.isEmpty())
        return false;
    const bool valid = n >= 1 && n <= CountAudioStreams();
    // A slot without a stream leaves the medium silent until a valid one is chosen.
    d->audioDeselected = !valid;
    g_object_set(d->pipeline, "mute", d->audioDeselected ? TRUE : FALSE, nullptr);
    if (valid)
        g_object_set(d->pipeline, "current-audio", n - 1, nullptr);
    return valid;
}

int TFilterGraph::CurrentAudioStream() const
{
    if (!d->pipeline || d->uri.isEmpty() || d->audioDeselected)
        return 0;
    gint streams = 0;
    gint current = -1;
    g_object_get(d->pipeline, "n-audio", &streams, "current-audio", &current, nullptr);
    if (streams <= 0)
        return 0;
    return std::clamp(current, 0, streams - 1) + 1;
}

QStringList TFilterGraph::AudioRenderers()
{
    EnsureFrameworkInitialized();
    QStringList names;
    GList *devices = ListAudioSinks();
    for (GList *item = devices; item; item = item->next) {
        gchar *displayName = gst_device_get_display_name(static_cast<GstDevice *>(item->data));
        names.append(QString::fromUtf8(displayName));
        g_free(displayName);
    }
    g_list_free_full(devices, gst_object_unref);
    return names;
}

bool TFilterGraph::AddPreferredAudioRenderer(const QString &rendererName)
{
    if (!d->pipeline)
        return false;
    const QString wanted = rendererName.isEmpty() ? QStringLiteral("Default") : rendererName;
    if (wanted == d->audioRenderer)
        return true;
    gint streams = 0;
    g_object_get(d->pipeline, "n-audio", &streams, nullptr);
    if (d->uri.isEmpty() || streams == 0)
        return false;

    GstElement *sink = wanted == QLatin1String("Default") ? nullptr : CreateAudioSink(wanted);
    const bool found = sink != nullptr || wanted == QLatin1String("Default");
    const QString inUse = found ? wanted : QStringLiteral("Default");
    if (inUse == d->audioRenderer)
        return found;

    // playbin takes a new output only while it is not prerolled.
    GstState state = GST_STATE_NULL;
    gst_element_get_state(d->pipeline, &state, nullptr, 5 * GST_SECOND);
    const GstState target = state >= GST_STATE_PAUSED ? state : GST_STATE_PAUSED;
    const auto useSink = [&](GstElement *element) {
        gst_element_set_state(d->pipeline, GST_STATE_READY);
        gst_element_get_state(d->pipeline, nullptr, nullptr, 5 * GST_SECOND);
        g_object_set(d->pipeline, "audio-sink", element, nullptr);
        return gst_element_set_state(d->pipeline, target) != GST_STATE_CHANGE_FAILURE
               && d->WaitForState(5 * GST_SECOND);
    };
    if (useSink(sink)) {
        d->audioRenderer = inUse;
        return found;
    }
    // The chosen output would not open (busy, unplugged): the automatic one then.
    useSink(nullptr);
    d->audioRenderer = QStringLiteral("Default");
    return false;
}

bool TFilterGraph::SetVolume(int bar)
{
    if (!d->pipeline)
        return false;
    d->volume = MediaMath::VolumeFrameworkValue(bar);
    d->ApplyVolume();
    return true;
}

void TFilterGraph::Private::ApplyVolume()
{
    linearVolume = MediaMath::LinearVolume(volume);
    g_object_set(pipeline, "volume", linearVolume, nullptr);
}

int TFilterGraph::Volume() const
{
    return d->pipeline ? d->volume : 0;
}

double TFilterGraph::LinearVolume() const
{
    if (!d->pipeline)
        return 0.0;
    gdouble linear = 0.0;
    g_object_get(d->pipeline, "volume", &linear, nullptr);
    return linear;
}
