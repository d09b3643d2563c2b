#include "filtergraph.h"

#include "avaudiodecoder.h"
#include "avvideodecoder.h"
#include "filtergraph_p.h"
#include "mediaerror.h"
#include "mediaexception.h"
#include "mediawarmup.h"
#include "playlist/streamurl.h"
#include "videosink.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <gst/pbutils/missing-plugins.h>

namespace {

// How long a render may take before it counts as failed (a damaged file must not hang).
constexpr GstClockTime RenderTimeout = 10 * GST_SECOND;
// How long a render may go without any news. The decoder bin can swallow the
// error of a demuxer that gives up at once (a file cut short before its index),
// and then nothing more ever arrives.
constexpr GstClockTime RenderSilenceTimeout = 3 * GST_SECOND;
constexpr GstClockTime PollSlice = 50 * GST_MSECOND;
// A stream may take a while to connect and says nothing meanwhile; one that has
// not answered within this time counts as failed.
constexpr GstClockTime StreamTimeout = 15 * GST_SECOND;
// While a stream connects the window keeps repainting: the bus is read in
// short slices between turns of the event loop.
constexpr GstClockTime StreamPollSlice = 10 * GST_MSECOND;

} // namespace

void EnsureFrameworkInitialized()
{
    gst_init(nullptr, nullptr); // waits for an initialisation under way on another thread
    static bool ranked = false;
    if (ranked)
        return;
    ranked = true;
    AvVideoDecoder::Register();
    AvAudioDecoder::Register();
    // OpenAL plays through the same sound servers that autoaudiosink tries
    // first, so it adds nothing when they fail, only "AL lib" errors for
    // every graph on machines without sound. Leave it out of the automatic choice.
    if (GstPluginFeature *openal = gst_registry_lookup_feature(gst_registry_get(), "openalsink")) {
        gst_plugin_feature_set_rank(openal, GST_RANK_NONE);
        gst_object_unref(openal);
    }
}

void TFilterGraph::Private::UseOwnVideoConversion(bool own)
{
    // With a film, the video sink crops, scales and converts by itself:
    // playbin's converter in front of it would only be two more elements for
    // every frame to pass through. A disc graph (built just before the disc is
    // opened) keeps it: without it the disc's menus lost their picture links
    // under load. Changed on a graph that has played, it stalled the next film.
    constexpr guint NativeVideo = 0x40;
    guint flags = 0;
    g_object_get(pipeline, "flags", &flags, nullptr);
    g_object_set(pipeline, "flags", own ? flags | NativeVideo : flags & ~NativeVideo, nullptr);
}

TFilterGraph::TFilterGraph(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->q = this;
    EnsureFrameworkInitialized();
}

TFilterGraph::~TFilterGraph()
{
    d->ReleasePipeline();
    if (d->videoWindow && d->videoWindow->FilterGraph() == this)
        d->videoWindow->SetFilterGraph(nullptr);
}

bool TFilterGraph::Active() const
{
    return d->pipeline != nullptr;
}

void TFilterGraph::SetActive(bool active)
{
    d->ReleasePipeline();
    if (active)
        d->CreatePipeline();
}

void TFilterGraph::Private::CreatePipeline()
{
    // A plug-in the warm-up is loading at this moment can look missing to a
    // second thread that loads it too (its features are being registered):
    // the graph is built once the warm-up is through.
    MediaWarmUp::WaitUntilLoaded();
    pipeline = gst_element_factory_make("playbin", "tavrel-graph");
    if (!pipeline)
        throw EMediaException(QStringLiteral("The playbin element is missing."),
                              MediaError::Failed);
    gst_object_ref_sink(pipeline);
    // playbin's own colour balance stage upsets cropping (the crop is applied
    // twice), so it is left out; picture adjustments belong in the video sink.
    constexpr guint SoftColourBalance = 0x400;
    guint flags = 0;
    g_object_get(pipeline, "flags", &flags, nullptr);
    g_object_set(pipeline, "flags", flags & ~SoftColourBalance, nullptr);
    UseOwnVideoConversion(true);
    if (videoWindow) {
        videoSink = std::make_unique<TVideoSink>();
        g_object_set(pipeline, "video-sink", videoSink->Element(), nullptr);
        ConnectVideoWindow();
    } else {
        // Nobody looks at the picture: decode in real time but show nothing.
        GstElement *sink = gst_element_factory_make("fakesink", nullptr);
        g_object_set(sink, "sync", TRUE, "qos", TRUE, nullptr);
        g_object_set(pipeline, "video-sink", sink, nullptr);
    }
    g_signal_connect(pipeline, "deep-element-added", G_CALLBACK(&Private::OnElementAdded), this);
    GstBus *bus = gst_element_get_bus(pipeline);
    announced = 0;
    gst_bus_set_sync_handler(bus, &Private::OnBusMessage, this, nullptr);
    gst_object_unref(bus);
    stopped = true;
    uri.clear();
    frameFormat = false;
    fpsNum = 0;
    fpsDen = 1;
    volume = 0;
    linearVolume = 1.0;
    audioDeselected = false;
    audioRenderer = QStringLiteral("Default");
    sourceRect = QRect();
    abortRequested = false;
}

void TFilterGraph::Private::ReleasePipeline()
{
    if (!pipeline)
        return;
    // NULL joins every streaming thread, so no callback or bus message follows.
    gst_element_set_state(pipeline, GST_STATE_NULL);
    GstBus *bus = gst_element_get_bus(pipeline);
    gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
    gst_bus_set_flushing(bus, TRUE);
    gst_object_unref(bus);
    gst_object_unref(pipeline);
    pipeline = nullptr;
    videoSink.reset();
    uri.clear();
    ResetDvd();
    if (videoWindow)
        videoWindow->ClearFrame();
}

void TFilterGraph::SetVideoWindow(TVideoWindow *window)
{
    if (d->videoWindow == window)
        return;
    TVideoWindow *previous = d->videoWindow;
    d->videoWindow = window;
    if (previous) {
        previous->ClearFrame();
        if (previous->FilterGraph() == this)
            previous->SetFilterGraph(nullptr);
    }
    if (window && window->FilterGraph() != this)
        window->SetFilterGraph(this);
    // A graph made without a window keeps its fake sink until it is rebuilt.
    if (d->videoSink)
        d->ConnectVideoWindow();
}

TVideoWindow *TFilterGraph::VideoWindow() const
{
    return d->videoWindow;
}

void TFilterGraph::Private::ConnectVideoWindow()
{
    QObject::disconnect(videoSink.get(), nullptr, nullptr, nullptr);
    if (!videoWindow) {
        videoSink->SetTargetSize(QSize());
        return;
    }
    TVideoWindow *window = videoWindow;
    QObject::connect(videoSink.get(), &TVideoSink::FrameReady, window, &TVideoWindow::ShowFrame);
    QObject::connect(window, &TVideoWindow::PictureSizeChanged, videoSink.get(),
                     [this](const QSize &size) {
                         videoSink->SetTargetSize(size);
                         RefreshPausedFrame();
                     });
    videoSink->SetTargetSize(window->PictureSize());
}

int TFilterGraph::RenderFile(const QString &fileName)
{
    if (!d->pipeline)
        return 1;
    ClearGraph();
    d->abortRequested = false;
    if (fileName.isEmpty())
        throw EMediaException(QStringLiteral("No file name."), MediaError::NotFound);
    if (IsStreamUrl(fileName))
        return d->RenderStream(fileName);
    const QFileInfo info(fileName);
    if (!info.exists())
        throw EMediaException(QStringLiteral("The file \"%1\" does not exist.").arg(fileName),
                              MediaError::NotFound);
    // Folders, pipes and devices are refused: opening a pipe with no writer
    // would block the UI thread for good, and a device never ends.
    if (!info.isFile())
        throw EMediaException(QStringLiteral("\"%1\" is not a file.").arg(fileName),
                              MediaError::AccessDenied);
    GError *error = nullptr;
    gchar *uri
        = gst_filename_to_uri(QFile::encodeName(info.absoluteFilePath()).constData(), &error);
    if (!uri) {
        const QString text = MediaError::TextOf(error);
        g_clear_error(&error);
        throw EMediaException(text, MediaError::NotFound);
    }
    d->uri = QString::fromUtf8(uri);
    g_object_set(d->pipeline, "uri", uri, nullptr);
    g_free(uri);
    d->ApplySubtitleFile();
    d->UseOverlayBeforeBuild();

    d->PrerollOrThrow();
    d->RebuildForEmbeddedText();
    return 0;
}

int TFilterGraph::Private::RenderStream(const QString &url)
{
    const QByteArray address = url.toUtf8();
    if (!gst_uri_is_valid(address.constData()))
        throw EMediaException(QStringLiteral("\"%1\" is not a valid address.").arg(url),
                              MediaError::NotFound);
    uri = url;
    stream = true;
    g_object_set(pipeline, "uri", address.constData(), nullptr);
    ApplySubtitleFile();
    UseOverlayBeforeBuild();
    PrerollOrThrow();
    RebuildForEmbeddedText();
    return 0;
}

void TFilterGraph::Private::PrerollOrThrow()
{
    GstBus *bus = gst_element_get_bus(pipeline);
    GstStateChangeReturn change = gst_element_set_state(pipeline, GST_STATE_PAUSED);
    if (change == GST_STATE_CHANGE_NO_PREROLL) {
        // A live source delivers nothing while paused: it is built once it plays.
        live = true;
        change = gst_element_set_state(pipeline, GST_STATE_PLAYING);
    }
    bool done = change == GST_STATE_CHANGE_SUCCESS || change == GST_STATE_CHANGE_NO_PREROLL;
    GstMessage *failure = nullptr;
    const GstClockTime start = gst_util_get_timestamp();
    GstClockTime lastNews = start;
    GstClockTime waited = 0;
    GstClockTime silent = 0;
    const GstClockTime timeout = stream ? StreamTimeout : RenderTimeout;
    const GstClockTime silenceTimeout = stream ? StreamTimeout : RenderSilenceTimeout;
    const GstClockTime slice = stream ? StreamPollSlice : PollSlice;
    // The bus is read here directly: the build is synchronous, as callers expect.
    // A stream keeps the event loop turning meanwhile (without input and sockets,
    // so nothing can start another medium under the one being built); the bus
    // wake-ups it queues are left to this loop.
    preparing = stream;
    while (!done && !failure && waited < timeout && silent < silenceTimeout && !abortRequested
           && pipeline) {
        GstMessage *message = gst_bus_timed_pop(bus, slice);
        if (message)
            announced.fetch_sub(1);
        // Measured on the clock: the event loop's turns take their own time.
        const GstClockTime now = gst_util_get_timestamp();
        waited = now - start;
        if (!message) {
            silent = now - lastNews;
            if (stream)
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents
                                                | QEventLoop::ExcludeSocketNotifiers);
            continue;
        }
        lastNews = now;
        silent = 0;
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
            failure = message;
            continue;
        }
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ASYNC_DONE
            && GST_MESSAGE_SRC(message) == GST_OBJECT(pipeline))
            done = true;
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ELEMENT) {
            ReadDvdTitleInfo(message);
            NoteMissingDecoder(message);
        }
        gst_message_unref(message);
    }
    gst_object_unref(bus);
    preparing = false;
    if (announced.load() > 0)
        QCoreApplication::postEvent(q, new QEvent(static_cast<QEvent::Type>(BusWakeEventType())));
    if (!pipeline)
        throw EMediaException(QStringLiteral("The operation was aborted."), MediaError::Aborted);
    if (done && !failure) {
        stopped = true;
        return;
    }

    QString text;
    std::uint32_t code = MediaError::TimedOut;
    if (failure) {
        GError *gerror = nullptr;
        gst_message_parse_error(failure, &gerror, nullptr);
        text = MediaError::TextOf(gerror);
        code = MediaError::CodeOf(gerror);
        g_clear_error(&gerror);
        gst_message_unref(failure);
    } else if (abortRequested) {
        text = QStringLiteral("The operation was aborted.");
        code = MediaError::Aborted;
    } else {
        text = stream ? QStringLiteral("The stream did not answer in time.")
                      : QStringLiteral("The file could not be opened in time.");
    }
    q->ClearGraph();
    throw EMediaException(text, code);
}

int TFilterGraph::RenderFile(const QString &fileName, RenderOption option)
{
    if (!d->pipeline || option != PreferSoftwareDecoders)
        return RenderFile(fileName);
    // playbin ranks its decoders once, when it is made: rebuild it with the
    // hardware decoders ranked last, then give them their ranks back.
    std::vector<std::pair<GstPluginFeature *, guint>> lowered;
    GList *decoders
        = gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_DECODER, GST_RANK_NONE);
    for (GList *item = decoders; item; item = item->next) {
        auto *factory = static_cast<GstElementFactory *>(item->data);
        const gchar *klass = gst_element_factory_get_metadata(factory, GST_ELEMENT_METADATA_KLASS);
        if (!klass || !g_strrstr(klass, "Hardware"))
            continue;
        auto *feature = GST_PLUGIN_FEATURE(gst_object_ref(factory));
        lowered.emplace_back(feature, gst_plugin_feature_get_rank(feature));
        gst_plugin_feature_set_rank(feature, GST_RANK_MARGINAL);
    }
    gst_plugin_feature_list_free(decoders);
    const auto restore = [&lowered] {
        for (auto &[feature, rank] : lowered) {
            gst_plugin_feature_set_rank(feature, rank);
            gst_object_unref(feature);
        }
        lowered.clear();
    };
    d->ReleasePipeline();
    try {
        d->CreatePipeline();
        const int result = RenderFile(fileName);
        restore();
        return result;
    } catch (...) {
        restore();
        throw;
    }
}

void TFilterGraph::Private::NoteMissingDecoder(GstMessage *message)
{
    if (!gst_is_missing_plugin_message(message))
        return;
    const GstStructure *s = gst_message_get_structure(message);
    const GValue *detail = gst_structure_get_value(s, "detail");
    if (g_strcmp0(gst_structure_get_string(s, "type"), "decoder") != 0 || !detail
        || !GST_VALUE_HOLDS_CAPS(detail))
        return;
    const GstCaps *caps = gst_value_get_caps(detail);
    if (gst_caps_get_size(caps) > 0) {
        const gchar *name = gst_structure_get_name(gst_caps_get_structure(caps, 0));
        undecodedVideo = undecodedVideo || g_str_has_prefix(name, "video/")
                         || g_str_has_prefix(name, "image/");
    }
}

bool TFilterGraph::Private::WaitForState(GstClockTime timeout) const
{
    return gst_element_get_state(pipeline, nullptr, nullptr, timeout) != GST_STATE_CHANGE_FAILURE;
}

void TFilterGraph::Private::ThrowBusError(const char *fallback)
{
    GstBus *bus = gst_element_get_bus(pipeline);
    GstMessage *message = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR);
    gst_object_unref(bus);
    if (!message)
        throw EMediaException(QString::fromUtf8(fallback), MediaError::Failed);
    GError *error = nullptr;
    gst_message_parse_error(message, &error, nullptr);
    const QString text = MediaError::TextOf(error);
    const std::uint32_t code = MediaError::CodeOf(error);
    g_clear_error(&error);
    gst_message_unref(message);
    throw EMediaException(text, code);
}

void TFilterGraph::Private::RefreshPausedFrame()
{
    if (!pipeline || uri.isEmpty())
        return;
    GstState state = GST_STATE_NULL;
    GstState pending = GST_STATE_VOID_PENDING;
    gst_element_get_state(pipeline, &state, &pending, 0);
    if (pending != GST_STATE_VOID_PENDING || state < GST_STATE_PAUSED)
        return;
    if (q->IsStillPicture()) {
        // An image decoder cannot seek and has finished with its one frame:
        // decode the picture again, which is cheap.
        gst_element_set_state(pipeline, GST_STATE_READY);
        gst_element_set_state(pipeline, state);
        return;
    }
    gint64 ns = 0;
    if (state == GST_STATE_PAUSED && gst_element_query_position(pipeline, GST_FORMAT_TIME, &ns)
        && ns >= 0)
        gst_element_seek_simple(
            pipeline, GST_FORMAT_TIME,
            static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE), ns);
}

bool TFilterGraph::Play()
{
    if (!d->pipeline || d->uri.isEmpty())
        return false;
    d->stopped = false;
    return gst_element_set_state(d->pipeline, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
}

bool TFilterGraph::Pause()
{
    if (!d->pipeline || d->uri.isEmpty())
        return false;
    if (gst_element_set_state(d->pipeline, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE)
        d->ThrowBusError("The graph could not be paused.");
    d->stopped = false;
    return true;
}

bool TFilterGraph::Stop()
{
    if (!d->pipeline)
        return false;
    d->stopped = true;
    if (d->uri.isEmpty())
        return true;
    if (gst_element_set_state(d->pipeline, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE)
        d->ThrowBusError("The graph could not be stopped.");
    return true;
}

int TFilterGraph::State() const
{
    if (!d->pipeline)
        return NoGraph;
    if (d->stopped || d->uri.isEmpty())
        return Stopped;
    GstState current = GST_STATE_NULL;
    GstState pending = GST_STATE_VOID_PENDING;
    gst_element_get_state(d->pipeline, &current, &pending, 0);
    // Like the graph it replaces, report where a transition is heading.
    const GstState state = pending != GST_STATE_VOID_PENDING ? pending : current;
    switch (state) {
    case GST_STATE_PLAYING:
        return Running;
    case GST_STATE_PAUSED:
        return Paused;
    default:
        return Stopped;
    }
}

void TFilterGraph::ClearGraph()
{
    if (!d->pipeline)
        return;
    gst_element_set_state(d->pipeline, GST_STATE_NULL);
    GstBus *bus = gst_element_get_bus(d->pipeline);
    gst_bus_set_flushing(bus, TRUE); // drops what the old medium left on the bus
    gst_bus_set_flushing(bus, FALSE);
    gst_object_unref(bus);
    d->uri.clear();
    d->stream = false;
    d->live = false;
    d->ResetDvd();
    d->undecodedVideo = false;
    d->stopped = true;
    d->frameFormat = false;
    d->audioDeselected = false;
    g_object_set(d->pipeline, "mute", FALSE, nullptr);
    d->sourceRect = QRect();
    d->ApplyCrop();
    if (d->videoWindow)
        d->videoWindow->ClearFrame();
}

void TFilterGraph::Abort()
{
    d->abortRequested = true;
}

void *TFilterGraph::Pipeline() const
{
    return d->pipeline;
}
