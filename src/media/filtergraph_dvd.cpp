// DVD-Video through GStreamer's DVD navigator (resindvd). The navigator's
// title and chapter formats exist only once its plug-in is loaded, so they are
// looked up by name at each use. Stream languages and the audio track the
// navigator picks travel as custom events from its source element; a probe on
// that element keeps a copy for the UI thread.
#include "filtergraph.h"
#include "filtergraph_p.h"
#include "mediaerror.h"
#include "mediaexception.h"
#include "mediamath.h"
#include "videosink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gst/video/navigation.h>

namespace {

constexpr const char *TitleFormat = "title";
constexpr const char *ChapterFormat = "chapter";
constexpr const char *NavigatorSourceName = "dvdsrc";
// Domains reported with MediaEvent::DvdDomainChange.
constexpr int VideoManagerMenuDomain = 2;
constexpr int TitleDomain = 4;

bool HasDecoderFor(const char *caps)
{
    GstCaps *wanted = gst_caps_from_string(caps);
    GList *decoders = gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_DECODER,
                                                            GST_RANK_MARGINAL);
    GList *usable = gst_element_factory_list_filter(decoders, wanted, GST_PAD_SINK, FALSE);
    const bool found = usable != nullptr;
    gst_plugin_feature_list_free(usable);
    gst_plugin_feature_list_free(decoders);
    gst_caps_unref(wanted);
    return found;
}

const GstStructure *DvdStructure(GstEvent *event)
{
    const GstStructure *s = gst_event_get_structure(event);
    return s && gst_structure_has_name(s, "application/x-gst-dvd") ? s : nullptr;
}

} // namespace

int TFilterGraph::MissingDvdDecoders()
{
    EnsureFrameworkInitialized();
    int missing = 0;
    if (!HasDecoderFor("video/mpeg, mpegversion=(int)2, systemstream=(boolean)false"))
        missing |= DvdVideoDecoderMissing;
    if (!HasDecoderFor("audio/x-ac3"))
        missing |= DvdAudioDecoderMissing;
    return missing;
}

int TFilterGraph::RenderDvd(const QString &folder)
{
    if (!d->pipeline)
        return 1;
    ClearGraph();
    d->abortRequested = false;
    if (const int missing = MissingDvdDecoders())
        return missing;
    QString path;
    if (!folder.isEmpty()) {
        const QFileInfo info(folder);
        if (!info.isDir())
            throw EMediaException(QStringLiteral("\"%1\" is not a DVD folder.").arg(folder),
                                  MediaError::NotFound);
        path = QDir::cleanPath(info.absoluteFilePath());
    }
    // "dvd://" alone reads the default drive.
    d->uri = QStringLiteral("dvd://") + path;
    d->UseOwnVideoConversion(false);
    g_object_set(d->pipeline, "uri", d->uri.toUtf8().constData(), nullptr);
    d->PrerollOrThrow();
    d->dvd = true;
    d->dvdDirectory = path;
    d->CheckDvdTitle();
    return 0;
}

void TFilterGraph::Private::ResetDvd()
{
    dvd = false;
    dvdDirectory.clear();
    dvdLastTitle = -1;
    dvdTitleDurations.clear();
    const std::lock_guard<std::mutex> lock(dvdMutex);
    if (dvdSource)
        gst_object_unref(dvdSource);
    dvdSource = nullptr;
    dvdAudioLanguages.clear();
    dvdAudioPhysical.clear();
    dvdAudioCurrent = 0;
    dvdSubpictureLanguages.clear();
    dvdSubpicturePhysical.clear();
    dvdSubpictureShown = 0;
}

void TFilterGraph::Private::OnElementAdded(GstBin *, GstBin *, GstElement *element, gpointer self)
{
    if (g_strcmp0(GST_OBJECT_NAME(element), NavigatorSourceName) != 0)
        return;
    auto *that = static_cast<Private *>(self);
    GstPad *pad = gst_element_get_static_pad(element, "src");
    if (!pad)
        return;
    gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM, &Private::OnDvdSourceEvent, that,
                      nullptr);
    gst_object_unref(pad);
    const std::lock_guard<std::mutex> lock(that->dvdMutex);
    if (that->dvdSource)
        gst_object_unref(that->dvdSource);
    that->dvdSource = GST_ELEMENT(gst_object_ref(element));
}

GstPadProbeReturn TFilterGraph::Private::OnDvdSourceEvent(GstPad *, GstPadProbeInfo *info,
                                                          gpointer self)
{
    GstEvent *event = GST_PAD_PROBE_INFO_EVENT(info);
    if (GST_EVENT_TYPE(event) != GST_EVENT_CUSTOM_DOWNSTREAM)
        return GST_PAD_PROBE_OK;
    const GstStructure *s = DvdStructure(event);
    if (!s)
        return GST_PAD_PROBE_OK;
    auto *that = static_cast<Private *>(self);
    const gchar *kind = gst_structure_get_string(s, "event");
    if (g_strcmp0(kind, "dvd-lang-codes") == 0) {
        QStringList languages;
        QList<int> physical;
        for (int i = 0;; ++i) {
            const QByteArray prefix = "audio-" + QByteArray::number(i);
            gint stream = 0;
            if (!gst_structure_get_int(s, QByteArray(prefix + "-stream").constData(), &stream))
                break;
            physical.append(stream);
            languages.append(QString::fromUtf8(
                gst_structure_get_string(s, QByteArray(prefix + "-language").constData())));
        }
        const std::lock_guard<std::mutex> lock(that->dvdMutex);
        that->dvdAudioLanguages = languages;
        that->dvdAudioPhysical = physical;
        that->ReadDvdSubpictures(s);
    } else if (g_strcmp0(kind, "dvd-set-subpicture-track") == 0) {
        const std::lock_guard<std::mutex> lock(that->dvdMutex);
        that->ReadDvdSubpictureChoice(s);
    } else if (g_strcmp0(kind, "dvd-set-audio-track") == 0) {
        gint logical = 0;
        if (gst_structure_get_int(s, "logical-id", &logical)) {
            const std::lock_guard<std::mutex> lock(that->dvdMutex);
            that->dvdAudioCurrent = logical;
        }
    }
    return GST_PAD_PROBE_OK;
}

void TFilterGraph::Private::ReadDvdTitleInfo(GstMessage *message)
{
    const GstStructure *s = gst_message_get_structure(message);
    if (!s || !gst_structure_has_name(s, "application/x-gst-dvd")
        || g_strcmp0(gst_structure_get_string(s, "event"), "dvd-title-info") != 0)
        return;
    const GValue *durations = gst_structure_get_value(s, "title-durations");
    if (!durations || !GST_VALUE_HOLDS_ARRAY(durations))
        return;
    dvdTitleDurations.clear();
    for (guint i = 0; i < gst_value_array_get_size(durations); ++i) {
        const GValue *value = gst_value_array_get_value(durations, i);
        const guint64 ns
            = G_VALUE_HOLDS_UINT64(value) ? g_value_get_uint64(value) : GST_CLOCK_TIME_NONE;
        dvdTitleDurations.push_back(GST_CLOCK_TIME_IS_VALID(ns) ? static_cast<qint64>(ns) : -1);
    }
}

void TFilterGraph::Private::DispatchDvd(GstMessage *message)
{
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ELEMENT:
        ReadDvdTitleInfo(message);
        CheckDvdTitle();
        return;
    case GST_MESSAGE_TAG:
        // The navigator names each title and menu in a tag as it starts.
        CheckDvdTitle();
        return;
    default:
        return;
    }
}

void TFilterGraph::Private::CheckDvdTitle()
{
    const qint64 title = QueryDvd(TitleFormat, false);
    if (!dvd || title < 0 || title == dvdLastTitle)
        return;
    const bool domainChanged = dvdLastTitle < 0 || (title == 0) != (dvdLastTitle == 0);
    dvdLastTitle = static_cast<int>(title);
    // A handler may close the medium: stop as soon as DVD mode ends.
    if (domainChanged) {
        emit q->OnDSEvent(MediaEvent::DvdDomainChange,
                          title == 0 ? VideoManagerMenuDomain : TitleDomain, 0);
        if (!dvd)
            return;
    }
    if (title > 0) {
        emit q->OnDSEvent(MediaEvent::DvdTitleChange, title, 0);
        if (dvd)
            emit q->OnDVDTitleChange(static_cast<int>(title));
    }
}

qint64 TFilterGraph::Private::QueryDvd(const char *formatNick, bool duration) const
{
    if (!pipeline || !dvd)
        return -1;
    const GstFormat format = gst_format_get_by_nick(formatNick);
    if (format == GST_FORMAT_UNDEFINED)
        return -1;
    gint64 value = -1;
    const bool ok = duration ? gst_element_query_duration(pipeline, format, &value)
                             : gst_element_query_position(pipeline, format, &value);
    return ok ? value : -1;
}

bool TFilterGraph::Private::SeekDvd(const char *formatNick, qint64 value)
{
    if (!pipeline || !dvd)
        return false;
    const GstFormat format = gst_format_get_by_nick(formatNick);
    return format != GST_FORMAT_UNDEFINED
           && gst_element_seek_simple(pipeline, format, GST_SEEK_FLAG_FLUSH, value);
}

bool TFilterGraph::IsDvdMode() const
{
    return d->pipeline && d->dvd;
}

QString TFilterGraph::DvdDirectory() const
{
    return IsDvdMode() ? d->dvdDirectory : QString();
}

int TFilterGraph::DvdTitleCount() const
{
    return static_cast<int>(std::max<qint64>(0, d->QueryDvd(TitleFormat, true)));
}

int TFilterGraph::DvdCurrentTitle() const
{
    return static_cast<int>(std::max<qint64>(0, d->QueryDvd(TitleFormat, false)));
}

int TFilterGraph::DvdCurrentChapter() const
{
    if (DvdCurrentTitle() == 0)
        return 0;
    return static_cast<int>(std::max<qint64>(0, d->QueryDvd(ChapterFormat, false)));
}

int TFilterGraph::DvdChapterCount() const
{
    if (DvdCurrentTitle() == 0)
        return 0;
    return static_cast<int>(std::max<qint64>(0, d->QueryDvd(ChapterFormat, true)));
}

int TFilterGraph::DvdTitleSeconds() const
{
    if (DvdCurrentTitle() == 0)
        return 0;
    gint64 ns = 0;
    if (!gst_element_query_duration(d->pipeline, GST_FORMAT_TIME, &ns) || ns < 0)
        return 0;
    return static_cast<int>(ns / GST_SECOND);
}

int TFilterGraph::DvdTitleSecondsOf(int title) const
{
    if (!IsDvdMode() || title < 1 || title > static_cast<int>(d->dvdTitleDurations.size()))
        return -1;
    const qint64 ns = d->dvdTitleDurations[static_cast<size_t>(title - 1)];
    return ns < 0 ? -1 : static_cast<int>(ns / static_cast<qint64>(GST_SECOND));
}

int TFilterGraph::DvdPositionSeconds() const
{
    if (!IsDvdMode())
        return 0;
    gint64 ns = 0;
    if (!gst_element_query_position(d->pipeline, GST_FORMAT_TIME, &ns) || ns < 0)
        return 0;
    // Whole seconds of the time code, as the position readouts show them.
    return MediaMath::TimeCodeToSeconds(
        MediaMath::SecondsToTimeCode(static_cast<int>(ns / GST_SECOND)));
}

bool TFilterGraph::DvdPlayTitle(int title)
{
    return title >= 1 && d->SeekDvd(TitleFormat, title);
}

bool TFilterGraph::DvdPlayChapter(int chapter)
{
    return chapter >= 1 && d->SeekDvd(ChapterFormat, chapter);
}

bool TFilterGraph::DvdPlayAtSeconds(int seconds)
{
    if (!IsDvdMode())
        return false;
    const qint64 ns = static_cast<qint64>(std::max(0, seconds)) * GST_SECOND;
    return gst_element_seek_simple(d->pipeline, GST_FORMAT_TIME, GST_SEEK_FLAG_FLUSH, ns);
}

bool TFilterGraph::DvdShowMenu(int menuId)
{
    static constexpr GstNavigationCommand Menus[] = {
        GST_NAVIGATION_COMMAND_DVD_TITLE_MENU,      GST_NAVIGATION_COMMAND_DVD_ROOT_MENU,
        GST_NAVIGATION_COMMAND_DVD_SUBPICTURE_MENU, GST_NAVIGATION_COMMAND_DVD_AUDIO_MENU,
        GST_NAVIGATION_COMMAND_DVD_ANGLE_MENU,      GST_NAVIGATION_COMMAND_DVD_CHAPTER_MENU,
    };
    if (!IsDvdMode() || menuId < 2 || menuId > 7)
        return false;
    gst_navigation_send_command(GST_NAVIGATION(d->pipeline), Menus[menuId - 2]);
    return true;
}

bool TFilterGraph::DvdResume()
{
    if (!IsDvdMode())
        return false;
    // The navigator's escape from a menu goes back to where the menu was called.
    gst_navigation_send_command(GST_NAVIGATION(d->pipeline), GST_NAVIGATION_COMMAND_DVD_MENU);
    return true;
}

bool TFilterGraph::DvdHasButtons() const
{
    if (!IsDvdMode())
        return false;
    GstQuery *query = gst_navigation_query_new_commands();
    bool activate = false;
    if (gst_element_query(d->pipeline, query)) {
        guint count = 0;
        gst_navigation_query_parse_commands_length(query, &count);
        for (guint i = 0; i < count && !activate; ++i) {
            GstNavigationCommand command = GST_NAVIGATION_COMMAND_INVALID;
            gst_navigation_query_parse_commands_nth(query, i, &command);
            activate = command == GST_NAVIGATION_COMMAND_ACTIVATE;
        }
    }
    gst_query_unref(query);
    return activate;
}

bool TFilterGraph::DvdNavigate(int direction)
{
    static constexpr GstNavigationCommand Moves[] = {
        GST_NAVIGATION_COMMAND_ACTIVATE, GST_NAVIGATION_COMMAND_UP,    GST_NAVIGATION_COMMAND_DOWN,
        GST_NAVIGATION_COMMAND_LEFT,     GST_NAVIGATION_COMMAND_RIGHT,
    };
    if (!IsDvdMode() || direction < 0 || direction > 4)
        return false;
    gst_navigation_send_command(GST_NAVIGATION(d->pipeline), Moves[direction]);
    return true;
}

bool TFilterGraph::Private::SendDvdMouse(const QPoint &windowPoint, bool activate)
{
    if (!pipeline || !dvd || !videoWindow)
        return false;
    // Frames reach the sink at their native size less the crop, and the crop
    // shifts pointer positions back to the navigator's picture on their way
    // upstream: positions are sent in the coordinates of the received frames.
    QSize frameSize = videoSink ? videoSink->NegotiatedSize() : QSize();
    if (frameSize.isEmpty())
        frameSize = videoWindow->CurrentFrame().size();
    const QPoint at = MediaMath::WindowToFrame(windowPoint, videoWindow->size(), frameSize);
    if (at.x() < 0)
        return false;
    auto *navigation = GST_NAVIGATION(pipeline);
    gst_navigation_send_mouse_event(navigation, "mouse-move", 0, at.x(), at.y());
    if (activate) {
        gst_navigation_send_mouse_event(navigation, "mouse-button-press", 1, at.x(), at.y());
        gst_navigation_send_mouse_event(navigation, "mouse-button-release", 1, at.x(), at.y());
    }
    return true;
}

bool TFilterGraph::DvdSelectAt(const QPoint &windowPoint)
{
    return d->SendDvdMouse(windowPoint, false);
}

bool TFilterGraph::DvdActivateAt(const QPoint &windowPoint)
{
    return d->SendDvdMouse(windowPoint, true);
}

int TFilterGraph::DvdAudioStreamCount() const
{
    if (!IsDvdMode())
        return 0;
    const std::lock_guard<std::mutex> lock(d->dvdMutex);
    return static_cast<int>(d->dvdAudioPhysical.size());
}

int TFilterGraph::DvdCurrentAudioStream() const
{
    if (!IsDvdMode())
        return 0;
    const std::lock_guard<std::mutex> lock(d->dvdMutex);
    return d->dvdAudioCurrent;
}

QStringList TFilterGraph::DvdAudioLanguages() const
{
    if (!IsDvdMode())
        return {};
    const std::lock_guard<std::mutex> lock(d->dvdMutex);
    return d->dvdAudioLanguages;
}

QString TFilterGraph::DvdAudioLanguage(int stream) const
{
    return DvdAudioLanguages().value(stream);
}

bool TFilterGraph::DvdSelectAudioStream(int stream)
{
    if (!IsDvdMode())
        return false;
    int physical = -1;
    {
        const std::lock_guard<std::mutex> lock(d->dvdMutex);
        if (stream < 0 || stream >= d->dvdAudioPhysical.size())
            return false;
        physical = d->dvdAudioPhysical[stream];
    }
    const bool sent = d->SendToDvdDemuxer(gst_structure_new(
        "application/x-gst-dvd", "event", G_TYPE_STRING, "dvd-set-audio-track", "logical-id",
        G_TYPE_INT, stream, "physical-id", G_TYPE_INT, physical, nullptr));
    if (sent) {
        const std::lock_guard<std::mutex> lock(d->dvdMutex);
        d->dvdAudioCurrent = stream;
    }
    return sent;
}

bool TFilterGraph::Private::SendToDvdDemuxer(GstStructure *choice)
{
    GstPad *peer = nullptr;
    {
        const std::lock_guard<std::mutex> lock(dvdMutex);
        if (dvdSource) {
            if (GstPad *pad = gst_element_get_static_pad(dvdSource, "src")) {
                peer = gst_pad_get_peer(pad);
                gst_object_unref(pad);
            }
        }
    }
    if (!peer) {
        gst_structure_free(choice);
        return false;
    }
    // The same event the navigator sends when the disc switches tracks; the
    // demuxer behind it changes what it passes on.
    const bool sent
        = gst_pad_send_event(peer, gst_event_new_custom(GST_EVENT_CUSTOM_DOWNSTREAM, choice));
    gst_object_unref(peer);
    return sent;
}
