#include "filtergraph.h"
#include "filtergraph_p.h"
#include "mediamath.h"

#include <algorithm>
#include <vector>

namespace {

// The outputs the system offers. Asking the system takes up to seconds on some machines, so the
// list is read once and kept; only the list for the user to choose from reads it again.
struct AudioSinkList
{
    std::vector<GstDevice *> devices;
    bool listed = false;
    int readings = 0;

    void Read()
    {
        for (GstDevice *device : devices)
            gst_object_unref(device);
        devices.clear();
        GstDeviceMonitor *monitor = gst_device_monitor_new();
        gst_device_monitor_add_filter(monitor, "Audio/Sink", nullptr);
        GList *found = gst_device_monitor_get_devices(monitor);
        gst_object_unref(monitor);
        for (GList *item = found; item; item = item->next)
            devices.push_back(static_cast<GstDevice *>(item->data));
        g_list_free(found); // the references now belong to the list
        listed = true;
        ++readings;
    }
};

AudioSinkList &AudioSinks()
{
    static AudioSinkList list;
    return list;
}

const std::vector<GstDevice *> &KnownAudioSinks()
{
    AudioSinkList &list = AudioSinks();
    if (!list.listed)
        list.Read();
    return list.devices;
}

QString DisplayName(GstDevice *device)
{
    gchar *name = gst_device_get_display_name(device);
    const QString result = QString::fromUtf8(name);
    g_free(name);
    return result;
}

GstElement *CreateAudioSink(const QString &name)
{
    for (GstDevice *device : KnownAudioSinks()) {
        if (DisplayName(device) == name)
            return gst_device_create_element(device, nullptr);
    }
    return nullptr;
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
    AudioSinkList &list = AudioSinks();
    // Whoever shows the choice wants the outputs present now.
    list.Read();
    QStringList names;
    for (GstDevice *device : list.devices)
        names.append(DisplayName(device));
    return names;
}

int TFilterGraph::AudioOutputReadings()
{
    return AudioSinks().readings;
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
