#include "mediainspector.h"

#include "filtergraph.h"
#include "filtergraph_p.h"

#include <QByteArray>
#include <QUrl>
#include <gst/audio/audio.h>
#include <gst/pbutils/pbutils.h>
#include <gst/video/video.h>
#include <iterator>
#include <vector>

namespace {

constexpr GstClockTime kDiscoverTimeout = 5 * GST_SECOND;
constexpr int kNameLimit = 128;

struct CodecFacts
{
    const char *caps;
    const char *subtype;
    quint32 fourcc; // video
    int tag;        // audio
};

constexpr quint32 FourCC(const char (&text)[5])
{
    return quint32(quint8(text[0])) | quint32(quint8(text[1])) << 8 | quint32(quint8(text[2])) << 16
           | quint32(quint8(text[3])) << 24;
}

// Compressed formats by caps name, as the stream reports name them.
const CodecFacts kCodecs[] = {
    {"video/x-h264", "H264", FourCC("H264"), 0},
    {"video/x-h265", "HEVC", FourCC("HEVC"), 0},
    {"video/x-divx", "DIVX", FourCC("DIVX"), 0},
    {"video/x-xvid", "XVID", FourCC("XVID"), 0},
    {"video/x-msmpeg", "MS-MPEG4", FourCC("MP43"), 0},
    {"video/x-vp8", "VP80", FourCC("VP80"), 0},
    {"video/x-vp9", "VP90", FourCC("VP90"), 0},
    {"video/x-av1", "AV01", FourCC("AV01"), 0},
    {"video/x-theora", "THEORA", FourCC("theo"), 0},
    {"video/x-wmv", "WMV3", FourCC("WMV3"), 0},
    {"image/jpeg", "MJPG", FourCC("MJPG"), 0},
    {"image/png", "PNG", FourCC("png "), 0},
    {"audio/x-ac3", "DOLBY_AC3", 0, 0x2000},
    {"audio/x-dts", "DTS", 0, 0x2001},
    {"audio/x-vorbis", "VORBIS", 0, 0x674F},
    {"audio/x-flac", "FLAC", 0, 0xF1AC},
    {"audio/x-alaw", "ALAW", 0, 0x0006},
    {"audio/x-mulaw", "MULAW", 0, 0x0007},
};

QString MajorOf(const char *name)
{
    const QByteArray n(name);
    if (n.startsWith("video/") || n.startsWith("image/"))
        return QStringLiteral("Video");
    if (n.startsWith("audio/"))
        return QStringLiteral("Audio");
    if (n.startsWith("text/") || n.startsWith("subpicture/") || n == "application/x-ssa"
        || n == "application/x-ass" || n == "application/x-subtitle-vtt")
        return QStringLiteral("Text");
    if (n == "video/mpegts" || n == "video/mpeg-sys")
        return QStringLiteral("Stream");
    return QString();
}

void ReadAudio(const GstStructure *s, TReportStream &f)
{
    gst_structure_get_int(s, "rate", &f.sampleRate);
    gst_structure_get_int(s, "channels", &f.channels);
}

// What the first structure of some caps says about its media type.
TMediaTypeFacts FactsOf(const GstCaps *caps)
{
    TMediaTypeFacts facts;
    if (!caps || gst_caps_is_empty(caps) || gst_caps_is_any(caps))
        return facts;
    const GstStructure *s = gst_caps_get_structure(caps, 0);
    const char *name = gst_structure_get_name(s);
    facts.majorType = MajorOf(name);
    TReportStream &f = facts.format;
    f.majorType = facts.majorType;
    const QByteArray n(name);
    if (n == "video/x-raw") {
        GstVideoInfo info;
        if (gst_caps_is_fixed(caps) && gst_video_info_from_caps(&info, caps)) {
            facts.subtype = QLatin1String(gst_video_format_to_string(GST_VIDEO_INFO_FORMAT(&info)));
            f.videoFormat = true;
            f.compression = gst_video_format_to_fourcc(GST_VIDEO_INFO_FORMAT(&info));
            facts.width = GST_VIDEO_INFO_WIDTH(&info);
            facts.height = GST_VIDEO_INFO_HEIGHT(&info);
            facts.imageSize = static_cast<int>(GST_VIDEO_INFO_SIZE(&info));
            const qint64 pixels = qint64(facts.width) * facts.height;
            facts.bitsPerPixel = pixels > 0 ? static_cast<int>(facts.imageSize * 8 / pixels) : 0;
            f.fpsNum = GST_VIDEO_INFO_FPS_N(&info);
            f.fpsDen = GST_VIDEO_INFO_FPS_D(&info);
        } else if (const char *format = gst_structure_get_string(s, "format")) {
            facts.subtype = QLatin1String(format);
        }
        return facts;
    }
    if (n == "audio/x-raw") {
        GstAudioInfo info;
        f.waveFormat = true;
        if (gst_caps_is_fixed(caps) && gst_audio_info_from_caps(&info, caps)) {
            const bool flt = GST_AUDIO_INFO_IS_FLOAT(&info);
            facts.subtype = flt ? QStringLiteral("IEEE_FLOAT") : QStringLiteral("PCM");
            f.formatTag = flt ? 0x0003 : 0x0001;
            f.sampleRate = GST_AUDIO_INFO_RATE(&info);
            f.channels = GST_AUDIO_INFO_CHANNELS(&info);
            f.bitsPerSample = GST_AUDIO_INFO_WIDTH(&info);
            f.bytesPerSecond = GST_AUDIO_INFO_BPF(&info) * f.sampleRate;
        } else {
            facts.subtype = QStringLiteral("PCM");
            f.formatTag = 0x0001;
            ReadAudio(s, f);
        }
        return facts;
    }
    if (n == "audio/mpeg") {
        int version = 1;
        int layer = 3;
        gst_structure_get_int(s, "mpegversion", &version);
        gst_structure_get_int(s, "layer", &layer);
        f.waveFormat = true;
        if (version == 1) {
            facts.subtype
                = layer == 3 ? QStringLiteral("MP3") : QStringLiteral("MPEG1AudioPayload");
            f.formatTag = layer == 3 ? 0x0055 : 0x0050;
        } else {
            facts.subtype = QStringLiteral("AAC");
            f.formatTag = 0x00FF;
        }
        ReadAudio(s, f);
        return facts;
    }
    if (n == "video/mpeg") {
        int version = 1;
        gst_structure_get_int(s, "mpegversion", &version);
        facts.subtype = version == 4   ? QStringLiteral("MP4V")
                        : version == 2 ? QStringLiteral("MPEG2_VIDEO")
                                       : QStringLiteral("MPEG1Video");
        f.videoFormat = version == 4;
        f.compression = FourCC("MP4V");
    } else if (n == "audio/x-wma") {
        int version = 2;
        gst_structure_get_int(s, "wmaversion", &version);
        facts.subtype = QStringLiteral("WMA");
        f.waveFormat = true;
        f.formatTag = 0x0160 + std::clamp(version, 1, 4) - 1;
        ReadAudio(s, f);
        return facts;
    }
    for (const CodecFacts &codec : kCodecs) {
        if (n != codec.caps)
            continue;
        facts.subtype = QLatin1String(codec.subtype);
        if (codec.tag != 0) {
            f.waveFormat = true;
            f.formatTag = codec.tag;
            ReadAudio(s, f);
        } else {
            f.videoFormat = true;
            f.compression = codec.fourcc;
        }
    }
    if (f.videoFormat) {
        gst_structure_get_int(s, "width", &facts.width);
        gst_structure_get_int(s, "height", &facts.height);
        facts.bitsPerPixel = 24;
        gst_structure_get_fraction(s, "framerate", &f.fpsNum, &f.fpsDen);
    }
    return facts;
}

QString Limited(const char *text)
{
    return QString::fromUtf8(text).left(kNameLimit);
}

TReportNode NodeOf(GstElement *element)
{
    TReportNode node{Limited(GST_OBJECT_NAME(element)), {}};
    GstElementFactory *factory = gst_element_get_factory(element);
    node.children.append(
        {QStringLiteral("CLSID=") + (factory ? Limited(GST_OBJECT_NAME(factory)) : QString()), {}});
    if (factory) {
        if (GstPlugin *plugin = gst_plugin_feature_get_plugin(GST_PLUGIN_FEATURE(factory))) {
            if (const char *file = gst_plugin_get_filename(plugin))
                node.children.append({QStringLiteral("Файл :") + QString::fromUtf8(file), {}});
            gst_object_unref(plugin);
        }
    }
    int number = 0;
    GST_OBJECT_LOCK(element);
    std::vector<GstPad *> pads;
    for (GList *item = element->pads; item; item = item->next)
        pads.push_back(GST_PAD(gst_object_ref(item->data)));
    GST_OBJECT_UNLOCK(element);
    for (GstPad *pad : pads) {
        const bool output = GST_PAD_DIRECTION(pad) == GST_PAD_SRC;
        TReportNode pin{QString::number(++number)
                            + (output ? QStringLiteral("- Выход  ") : QStringLiteral("- Вход  "))
                            + Limited(GST_OBJECT_NAME(pad)),
                        {}};
        GstCaps *caps = gst_pad_get_current_caps(pad);
        pin.children.append({MediaReport::MediaTypeLine(FactsOf(caps)), {}});
        if (caps)
            gst_caps_unref(caps);
        node.children.append(pin);
        gst_object_unref(pad);
    }
    return node;
}

QVariant ValueOf(const GValue *value)
{
    switch (G_TYPE_FUNDAMENTAL(G_VALUE_TYPE(value))) {
    case G_TYPE_BOOLEAN:
        return bool(g_value_get_boolean(value));
    case G_TYPE_INT:
        return qint64(g_value_get_int(value));
    case G_TYPE_UINT:
        return qint64(g_value_get_uint(value));
    case G_TYPE_LONG:
        return qint64(g_value_get_long(value));
    case G_TYPE_ULONG:
        return qint64(g_value_get_ulong(value));
    case G_TYPE_INT64:
        return qint64(g_value_get_int64(value));
    case G_TYPE_UINT64:
        return qint64(g_value_get_uint64(value));
    case G_TYPE_FLOAT:
        return double(g_value_get_float(value));
    case G_TYPE_DOUBLE:
        return g_value_get_double(value);
    case G_TYPE_STRING:
        return QString::fromUtf8(g_value_get_string(value));
    case G_TYPE_ENUM: {
        GEnumClass *klass = G_ENUM_CLASS(g_type_class_peek(G_VALUE_TYPE(value)));
        const GEnumValue *entry
            = klass ? g_enum_get_value(klass, g_value_get_enum(value)) : nullptr;
        return entry ? QString::fromUtf8(entry->value_nick) : QString();
    }
    default: {
        gchar *text = gst_value_serialize(value);
        const QString result = QString::fromUtf8(text);
        g_free(text);
        return result;
    }
    }
}

// Kinds of value the dialog can write back.
bool Editable(GType fundamental)
{
    switch (fundamental) {
    case G_TYPE_BOOLEAN:
    case G_TYPE_INT:
    case G_TYPE_UINT:
    case G_TYPE_LONG:
    case G_TYPE_ULONG:
    case G_TYPE_INT64:
    case G_TYPE_UINT64:
    case G_TYPE_FLOAT:
    case G_TYPE_DOUBLE:
    case G_TYPE_STRING:
    case G_TYPE_ENUM:
        return true;
    default:
        return false;
    }
}

} // namespace

struct TMediaInspector::Private
{
    std::vector<GstElement *> elements;
};

TMediaInspector::TMediaInspector()
    : d(std::make_unique<Private>())
{}

TMediaInspector::~TMediaInspector()
{
    Release();
}

void TMediaInspector::Release()
{
    for (GstElement *element : d->elements)
        gst_object_unref(element);
    d->elements.clear();
}

QList<TReportStream> TMediaInspector::Streams(const QString &fileName)
{
    QList<TReportStream> streams;
    if (fileName.isEmpty())
        return streams;
    EnsureFrameworkInitialized();
    GstDiscoverer *discoverer = gst_discoverer_new(kDiscoverTimeout, nullptr);
    if (!discoverer)
        return streams;
    const QByteArray uri = QUrl::fromLocalFile(fileName).toEncoded();
    GstDiscovererInfo *info = gst_discoverer_discover_uri(discoverer, uri.constData(), nullptr);
    if (info) {
        GList *list = gst_discoverer_info_get_stream_list(info);
        for (GList *item = list; item; item = item->next) {
            auto *stream = static_cast<GstDiscovererStreamInfo *>(item->data);
            if (GST_IS_DISCOVERER_CONTAINER_INFO(stream))
                continue;
            GstCaps *caps = gst_discoverer_stream_info_get_caps(stream);
            TReportStream report = FactsOf(caps).format;
            if (caps)
                gst_caps_unref(caps);
            if (GST_IS_DISCOVERER_AUDIO_INFO(stream)) {
                auto *audio = GST_DISCOVERER_AUDIO_INFO(stream);
                report.majorType = QStringLiteral("Audio");
                report.waveFormat = true;
                report.sampleRate = int(gst_discoverer_audio_info_get_sample_rate(audio));
                report.channels = int(gst_discoverer_audio_info_get_channels(audio));
                if (const guint depth = gst_discoverer_audio_info_get_depth(audio))
                    report.bitsPerSample = int(depth);
                guint bitrate = gst_discoverer_audio_info_get_bitrate(audio);
                if (bitrate == 0)
                    bitrate = gst_discoverer_audio_info_get_max_bitrate(audio);
                if (bitrate != 0)
                    report.bytesPerSecond = int(bitrate / 8);
            } else if (GST_IS_DISCOVERER_VIDEO_INFO(stream)) {
                auto *video = GST_DISCOVERER_VIDEO_INFO(stream);
                report.majorType = QStringLiteral("Video");
                report.videoFormat = true;
                report.fpsNum = int(gst_discoverer_video_info_get_framerate_num(video));
                report.fpsDen = int(gst_discoverer_video_info_get_framerate_denom(video));
                // A still picture has no frame rate.
                if (report.fpsNum == 0)
                    report.fpsDen = 0;
            } else if (GST_IS_DISCOVERER_SUBTITLE_INFO(stream)) {
                report.majorType = QStringLiteral("Text");
            }
            streams.append(report);
        }
        gst_discoverer_stream_info_list_free(list);
        g_object_unref(info);
    }
    g_object_unref(discoverer);
    return streams;
}

QList<TReportNode> TMediaInspector::Tree(TFilterGraph *graph)
{
    Release();
    QList<TReportNode> nodes;
    auto *pipeline = graph ? static_cast<GstElement *>(graph->Pipeline()) : nullptr;
    if (!pipeline)
        return nodes;
    d->elements.push_back(GST_ELEMENT(gst_object_ref(pipeline)));
    GstIterator *it = gst_bin_iterate_recurse(GST_BIN(pipeline));
    GValue item = G_VALUE_INIT;
    for (;;) {
        const GstIteratorResult result = gst_iterator_next(it, &item);
        if (result == GST_ITERATOR_RESYNC) {
            // The graph changed under the walk: start again.
            for (std::size_t i = 1; i < d->elements.size(); ++i)
                gst_object_unref(d->elements[i]);
            d->elements.resize(1);
            gst_iterator_resync(it);
            continue;
        }
        if (result != GST_ITERATOR_OK)
            break;
        d->elements.push_back(GST_ELEMENT(gst_object_ref(g_value_get_object(&item))));
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(it);
    for (GstElement *element : d->elements)
        nodes.append(NodeOf(element));
    return nodes;
}

QList<TElementProperty> TMediaInspector::Properties(int element) const
{
    QList<TElementProperty> properties;
    if (element < 0 || element >= static_cast<int>(d->elements.size()))
        return properties;
    GObject *object = G_OBJECT(d->elements[element]);
    guint count = 0;
    GParamSpec **specs = g_object_class_list_properties(G_OBJECT_GET_CLASS(object), &count);
    for (guint i = 0; i < count; ++i) {
        GParamSpec *spec = specs[i];
        if (!(spec->flags & G_PARAM_READABLE))
            continue;
        TElementProperty p;
        p.name = QString::fromUtf8(spec->name);
        p.blurb = QString::fromUtf8(g_param_spec_get_blurb(spec));
        GValue value = G_VALUE_INIT;
        g_value_init(&value, spec->value_type);
        g_object_get_property(object, spec->name, &value);
        p.value = ValueOf(&value);
        g_value_unset(&value);
        const GType fundamental = G_TYPE_FUNDAMENTAL(spec->value_type);
        p.writable = (spec->flags & G_PARAM_WRITABLE) && !(spec->flags & G_PARAM_CONSTRUCT_ONLY)
                     && Editable(fundamental);
        if (fundamental == G_TYPE_ENUM) {
            GEnumClass *klass = G_ENUM_CLASS(g_type_class_ref(spec->value_type));
            for (guint v = 0; v < klass->n_values; ++v)
                p.choices.append(QString::fromUtf8(klass->values[v].value_nick));
            g_type_class_unref(klass);
        }
        properties.append(p);
    }
    g_free(specs);
    return properties;
}

bool TMediaInspector::SetProperty(int element, const QString &name, const QVariant &value)
{
    if (element < 0 || element >= static_cast<int>(d->elements.size()))
        return false;
    GObject *object = G_OBJECT(d->elements[element]);
    const QByteArray key = name.toUtf8();
    GParamSpec *spec = g_object_class_find_property(G_OBJECT_GET_CLASS(object), key.constData());
    if (!spec || !(spec->flags & G_PARAM_WRITABLE)
        || !Editable(G_TYPE_FUNDAMENTAL(spec->value_type)))
        return false;
    GValue v = G_VALUE_INIT;
    g_value_init(&v, spec->value_type);
    const QByteArray text = value.toString().toUtf8();
    bool ok = true;
    switch (G_TYPE_FUNDAMENTAL(spec->value_type)) {
    case G_TYPE_BOOLEAN:
        g_value_set_boolean(&v, value.toBool());
        break;
    case G_TYPE_DOUBLE:
        g_value_set_double(&v, value.toDouble());
        break;
    case G_TYPE_FLOAT:
        g_value_set_float(&v, value.toFloat());
        break;
    case G_TYPE_STRING:
        g_value_set_string(&v, text.constData());
        break;
    default:
        // Numbers and enumeration nicks parse as the framework writes them.
        ok = gst_value_deserialize(&v, text.constData());
        break;
    }
    // A value outside the property's range is refused rather than clamped silently.
    if (ok)
        ok = !g_param_value_validate(spec, &v);
    if (ok)
        g_object_set_property(object, key.constData(), &v);
    g_value_unset(&v);
    return ok;
}
