#include "videobalance.h"

#include "filtergraph.h"
#include "mediadialogs/picturebalance.h"

#include <QByteArray>
#include <QString>
#include <gst/gst.h>
#include <gst/video/colorbalance.h>

namespace {

constexpr const char *kStageName = "tavrel-balance";
constexpr const char *kSinkName = "tavrel-video-sink";
constexpr const char *kChannelWords[] = {"BRIGHTNESS", "CONTRAST", "SATURATION"};
constexpr const char *kStageProperties[] = {"brightness", "contrast", "saturation"};

GstElement *PipelineOf(TFilterGraph *graph)
{
    return graph ? static_cast<GstElement *>(graph->Pipeline()) : nullptr;
}

GstColorBalanceChannel *FindChannel(GstColorBalance *balance, int which)
{
    if (which < 1 || which > 3)
        return nullptr;
    for (const GList *item = gst_color_balance_list_channels(balance); item; item = item->next) {
        auto *channel = static_cast<GstColorBalanceChannel *>(item->data);
        if (QByteArray(channel->label).toUpper().contains(kChannelWords[which - 1]))
            return channel;
    }
    return nullptr;
}

bool HasAllChannels(GstColorBalance *balance)
{
    for (int which = 1; which <= 3; ++which) {
        if (!FindChannel(balance, which))
            return false;
    }
    return true;
}

// The first element of the pipeline whose colour balance has all three
// channels. Bins do not count: playbin and its sink bin always list the
// channels, whether or not anything behind them acts on them; nor does our
// own stage. The caller unrefs.
GstColorBalance *FindHardware(GstElement *pipeline)
{
    if (!pipeline)
        return nullptr;
    GstIterator *it = gst_bin_iterate_recurse(GST_BIN(pipeline));
    GValue item = G_VALUE_INIT;
    GstColorBalance *found = nullptr;
    while (!found && gst_iterator_next(it, &item) == GST_ITERATOR_OK) {
        auto *element = GST_ELEMENT(g_value_get_object(&item));
        if (GST_IS_COLOR_BALANCE(element) && !GST_IS_BIN(element)
            && g_strcmp0(GST_OBJECT_NAME(element), kStageName) != 0
            && HasAllChannels(GST_COLOR_BALANCE(element)))
            found = GST_COLOR_BALANCE(gst_object_ref(element));
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(it);
    return found;
}

GstElement *FindVideoSinkBin(GstElement *pipeline)
{
    return pipeline ? gst_bin_get_by_name(GST_BIN(pipeline), kSinkName) : nullptr;
}

// The crop stage inside our video sink: the balance goes in front of it.
GstElement *FindCrop(GstElement *sinkBin)
{
    GstIterator *it = gst_bin_iterate_elements(GST_BIN(sinkBin));
    GValue item = G_VALUE_INIT;
    GstElement *crop = nullptr;
    while (!crop && gst_iterator_next(it, &item) == GST_ITERATOR_OK) {
        auto *element = GST_ELEMENT(g_value_get_object(&item));
        GstElementFactory *factory = gst_element_get_factory(element);
        if (factory && g_strcmp0(GST_OBJECT_NAME(factory), "videocrop") == 0)
            crop = GST_ELEMENT(gst_object_ref(element));
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(it);
    return crop;
}

struct Insertion
{
    GstElement *bin;
    GstElement *stage;
    GstElement *crop;
};

// Runs with the converter's output idle: no buffer is between the two stages.
GstPadProbeReturn InsertStage(GstPad *converterSrc, GstPadProbeInfo *, gpointer data)
{
    auto *insertion = static_cast<Insertion *>(data);
    GstPad *cropSink = gst_element_get_static_pad(insertion->crop, "sink");
    gst_pad_unlink(converterSrc, cropSink);
    GstPad *stageSink = gst_element_get_static_pad(insertion->stage, "sink");
    GstPad *stageSrc = gst_element_get_static_pad(insertion->stage, "src");
    gst_pad_link(converterSrc, stageSink);
    gst_pad_link(stageSrc, cropSink);
    gst_element_sync_state_with_parent(insertion->stage);
    // The stage may take fewer formats than passed before: ask for new caps.
    gst_pad_send_event(stageSink, gst_event_new_reconfigure());
    gst_object_unref(stageSink);
    gst_object_unref(stageSrc);
    gst_object_unref(cropSink);
    return GST_PAD_PROBE_REMOVE;
}

void FreeInsertion(gpointer data)
{
    auto *insertion = static_cast<Insertion *>(data);
    gst_object_unref(insertion->bin);
    gst_object_unref(insertion->stage);
    gst_object_unref(insertion->crop);
    delete insertion;
}

// The stage inside the video sink (a reference), inserting it when asked.
GstElement *FindStage(GstElement *pipeline, bool insert)
{
    GstElement *bin = FindVideoSinkBin(pipeline);
    if (!bin)
        return nullptr;
    GstElement *stage = gst_bin_get_by_name(GST_BIN(bin), kStageName);
    if (stage || !insert) {
        gst_object_unref(bin);
        return stage;
    }
    GstElement *crop = FindCrop(bin);
    stage = crop ? gst_element_factory_make("videobalance", kStageName) : nullptr;
    GstPad *cropSink = crop ? gst_element_get_static_pad(crop, "sink") : nullptr;
    GstPad *converterSrc = cropSink ? gst_pad_get_peer(cropSink) : nullptr;
    if (!converterSrc) {
        if (stage)
            gst_object_unref(stage);
        if (crop)
            gst_object_unref(crop);
        if (cropSink)
            gst_object_unref(cropSink);
        gst_object_unref(bin);
        return nullptr;
    }
    // In the bin at once, so that the next change finds it; linked once the
    // converter is idle.
    gst_bin_add(GST_BIN(bin), stage);
    gst_object_ref(stage);
    auto *insertion = new Insertion{bin, GST_ELEMENT(gst_object_ref(stage)), crop};
    // An idle pad runs the probe at once, here; a busy one between two buffers.
    gst_pad_add_probe(converterSrc, GST_PAD_PROBE_TYPE_IDLE, &InsertStage, insertion,
                      &FreeInsertion);
    gst_object_unref(converterSrc);
    gst_object_unref(cropSink);
    return stage;
}

// A paused graph shows no new frame by itself: preroll again where it stands.
void RefreshIfPaused(GstElement *pipeline)
{
    GstState state = GST_STATE_NULL;
    gst_element_get_state(pipeline, &state, nullptr, 0);
    if (state != GST_STATE_PAUSED)
        return;
    gint64 position = 0;
    if (gst_element_query_position(pipeline, GST_FORMAT_TIME, &position))
        gst_element_seek_simple(pipeline, GST_FORMAT_TIME,
                                GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                position);
}

} // namespace

TVideoBalance::TVideoBalance(TFilterGraph *graph)
    : m_graph(graph)
{}

bool TVideoBalance::HasHardware() const
{
    GstColorBalance *balance = FindHardware(PipelineOf(m_graph));
    if (balance)
        gst_object_unref(balance);
    return balance != nullptr;
}

bool TVideoBalance::SetHardware(int which, int position, int maximum, int defaultPosition)
{
    GstColorBalance *balance = FindHardware(PipelineOf(m_graph));
    if (!balance)
        return false;
    GstColorBalanceChannel *channel = FindChannel(balance, which);
    const bool set = channel != nullptr;
    if (set)
        gst_color_balance_set_value(balance, channel,
                                    PictureBalance::ChannelValue(position, maximum, defaultPosition,
                                                                 channel->min_value,
                                                                 channel->max_value));
    gst_object_unref(balance);
    return set;
}

int TVideoBalance::Hardware(int which, int maximum, int defaultPosition) const
{
    GstColorBalance *balance = FindHardware(PipelineOf(m_graph));
    if (!balance)
        return 0;
    GstColorBalanceChannel *channel = FindChannel(balance, which);
    const int position = channel ? PictureBalance::ChannelPosition(
                             gst_color_balance_get_value(balance, channel), maximum,
                             defaultPosition, channel->min_value, channel->max_value)
                                 : 0;
    gst_object_unref(balance);
    return position;
}

bool TVideoBalance::HasStage() const
{
    GstElement *bin = FindVideoSinkBin(PipelineOf(m_graph));
    if (bin)
        gst_object_unref(bin);
    return bin != nullptr && m_graph->HasPicture();
}

bool TVideoBalance::SetStage(int which, int value)
{
    if (which < 1 || which > 3 || !HasStage())
        return false;
    GstElement *pipeline = PipelineOf(m_graph);
    // Nothing to change in a picture left as it is: no stage for it.
    GstElement *stage = FindStage(pipeline, value != 0);
    if (!stage)
        return value == 0;
    const double property = PictureBalance::StageProperty(which, value);
    // At its defaults the stage passes buffers through untouched.
    g_object_set(stage, kStageProperties[which - 1], property, nullptr);
    gst_object_unref(stage);
    RefreshIfPaused(pipeline);
    return true;
}

int TVideoBalance::Stage(int which) const
{
    if (which < 1 || which > 3)
        return 0;
    GstElement *stage = FindStage(PipelineOf(m_graph), false);
    if (!stage)
        return 0;
    gdouble property = 0.0;
    g_object_get(stage, kStageProperties[which - 1], &property, nullptr);
    gst_object_unref(stage);
    return PictureBalance::StageValue(which, property);
}

bool TVideoBalance::StageInserted() const
{
    GstElement *stage = FindStage(PipelineOf(m_graph), false);
    if (stage)
        gst_object_unref(stage);
    return stage != nullptr;
}
