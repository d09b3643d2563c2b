// Subtitles through playbin: a file beside the film as its subtitle address,
// the medium's own text and sub-picture streams, and playbin's overlay, which
// draws the text into the picture. With text off the overlay is left out of the
// video path altogether, so a film without subtitles costs what it did.
#include "filtergraph.h"
#include "filtergraph_p.h"
#include "mediamath.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <gst/tag/tag.h>

namespace {

constexpr guint TextFlag = 0x4;
constexpr guint NativeVideoFlag = 0x40;
// Text that is not valid UTF-8 is read in the code page old subtitle files were
// written in, as the player reads its other old text files.
constexpr const char *LegacySubtitleEncoding = "WINDOWS-1251";
// The overlay scales this size with the picture's width (from 640 pixels), so
// the text keeps its place in the picture at any size and in full screen.
constexpr const char *SubtitleFont = "Sans Bold 20";

// The element of playbin that decodes the subtitle address, when the pad comes from it.
bool ComesFromAddress(GstPad *selectorPad, const QString &address)
{
    if (!selectorPad || address.isEmpty())
        return false;
    GstPad *peer = gst_pad_get_peer(selectorPad);
    if (!peer)
        return false;
    bool found = false;
    GstObject *object = gst_pad_get_parent(peer);
    while (object && !found) {
        if (GST_IS_ELEMENT(object)
            && g_object_class_find_property(G_OBJECT_GET_CLASS(object), "uri")) {
            gchar *uri = nullptr;
            g_object_get(object, "uri", &uri, nullptr);
            found = uri && QString::fromUtf8(uri) == address;
            g_free(uri);
        }
        GstObject *parent = gst_object_get_parent(object);
        gst_object_unref(object);
        object = parent;
    }
    if (object)
        gst_object_unref(object);
    gst_object_unref(peer);
    return found;
}

} // namespace

void TFilterGraph::Private::ApplySubtitleFile()
{
    QString address;
    if (!subtitleFile.isEmpty()) {
        gchar *uri = gst_filename_to_uri(
            QFile::encodeName(QFileInfo(subtitleFile).absoluteFilePath()).constData(), nullptr);
        address = QString::fromUtf8(uri);
        g_free(uri);
    }
    subtitleUri = address;
    g_object_set(pipeline, "suburi", address.isEmpty() ? nullptr : address.toUtf8().constData(),
                 "subtitle-encoding", LegacySubtitleEncoding, "subtitle-font-desc", SubtitleFont,
                 nullptr);
    ApplySubtitleSwitch();
}

void TFilterGraph::Private::ApplySubtitleSwitch()
{
    guint flags = 0;
    g_object_get(pipeline, "flags", &flags, nullptr);
    const guint wanted = subtitlesShown ? flags | TextFlag : flags & ~TextFlag;
    if (wanted != flags)
        g_object_set(pipeline, "flags", wanted, nullptr);
}

bool TFilterGraph::Private::OverlayPossible() const
{
    guint flags = 0;
    g_object_get(pipeline, "flags", &flags, nullptr);
    return (flags & NativeVideoFlag) == 0;
}

void TFilterGraph::Private::UseOverlayBeforeBuild()
{
    // The overlay needs playbin's own video conversion in front of the sink;
    // without text to show the picture goes to the sink untouched, as before.
    if (subtitlesShown && !subtitleFile.isEmpty())
        UseOwnVideoConversion(false);
}

bool TFilterGraph::Private::RebuildInPlace(bool withOverlay)
{
    GstState state = GST_STATE_NULL;
    gst_element_get_state(pipeline, &state, nullptr, 5 * GST_SECOND);
    gint64 ns = 0;
    const bool placed = gst_element_query_position(pipeline, GST_FORMAT_TIME, &ns) && ns > 0;
    // From NULL: a graph only taken back to READY kept its old text path.
    gst_element_set_state(pipeline, GST_STATE_NULL);
    ApplySubtitleFile();
    if (withOverlay)
        UseOwnVideoConversion(false);
    gst_element_set_state(pipeline, GST_STATE_PAUSED);
    if (!WaitForState(10 * GST_SECOND))
        return false;
    // The seek prerolls the graph again; set playing before that is done, the
    // clock runs from the old start and the film races to catch up (or starts over).
    if (placed
        && gst_element_seek_simple(
            pipeline, GST_FORMAT_TIME,
            static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE), ns))
        WaitForState(5 * GST_SECOND);
    if (state == GST_STATE_PLAYING)
        gst_element_set_state(pipeline, GST_STATE_PLAYING);
    return true;
}

void TFilterGraph::Private::RebuildForEmbeddedText()
{
    // Text streams inside the medium show only once it is open: the graph is
    // built once more with the overlay in place. Films without them, and every
    // film with subtitles switched off, keep the direct path.
    if (!subtitlesShown || dvd || OverlayPossible() || q->CountSubtitleStreams() == 0)
        return;
    RebuildInPlace(true);
}

void TFilterGraph::SetSubtitleFile(const QString &fileName)
{
    d->subtitleFile = fileName;
}

bool TFilterGraph::LoadSubtitleFile(const QString &fileName)
{
    if (!d->pipeline || d->uri.isEmpty() || d->dvd || d->live || !QFileInfo(fileName).isFile())
        return false;
    // playbin reads a new subtitle address only when it builds its inputs again:
    // back to READY and to where it was, at the same place.
    d->subtitleFile = fileName;
    d->subtitlesShown = true;
    if (!d->RebuildInPlace(true))
        return false;
    const int file = ExternalSubtitleStream();
    return file > 0 && SelectSubtitleStream(file);
}

void TFilterGraph::SetSubtitlesShown(bool shown)
{
    d->subtitlesShown = shown;
    if (d->pipeline)
        d->ApplySubtitleSwitch();
}

bool TFilterGraph::SubtitlesShown() const
{
    return d->subtitlesShown;
}

int TFilterGraph::CountSubtitleStreams() const
{
    if (!d->pipeline || d->uri.isEmpty())
        return 0;
    if (d->dvd)
        return d->CountDvdSubpictures();
    gint streams = 0;
    g_object_get(d->pipeline, "n-text", &streams, nullptr);
    return std::max(streams, 0);
}

QString TFilterGraph::SubtitleLanguage(int n) const
{
    if (n < 1 || n > CountSubtitleStreams())
        return {};
    if (d->dvd) {
        const std::lock_guard<std::mutex> lock(d->dvdMutex);
        return n <= d->dvdSubpictureLanguages.size() ? d->dvdSubpictureLanguages[n - 1] : QString();
    }
    GstTagList *tags = nullptr;
    g_signal_emit_by_name(d->pipeline, "get-text-tags", n - 1, &tags);
    if (!tags)
        return {};
    gchar *code = nullptr;
    QString language;
    if (gst_tag_list_get_string(tags, GST_TAG_LANGUAGE_CODE, &code) && code) {
        // Containers give three letters, people write two: the two where they exist.
        const gchar *shortCode = gst_tag_get_language_code_iso_639_1(code);
        language = QString::fromUtf8(shortCode ? shortCode : code).toLower();
    }
    g_free(code);
    gst_tag_list_unref(tags);
    return language;
}

int TFilterGraph::ExternalSubtitleStream() const
{
    if (d->dvd)
        return 0;
    const int count = CountSubtitleStreams();
    for (int n = 1; n <= count; ++n) {
        GstPad *pad = nullptr;
        g_signal_emit_by_name(d->pipeline, "get-text-pad", n - 1, &pad);
        const bool external = ComesFromAddress(pad, d->subtitleUri);
        if (pad)
            gst_object_unref(pad);
        if (external)
            return n;
    }
    return 0;
}

bool TFilterGraph::SelectSubtitleStream(int n)
{
    if (!d->pipeline || d->uri.isEmpty())
        return false;
    if (d->dvd)
        return d->SelectDvdSubpicture(n);
    // Built with text off, the medium's text streams are not even listed, and
    // without the overlay none could show: built again with both. Text switched
    // off on a graph that has both comes back with the switch alone.
    if (n >= 1 && (n > CountSubtitleStreams() || !d->OverlayPossible())) {
        d->subtitlesShown = true;
        if (!d->RebuildInPlace(true))
            return false;
    }
    const bool valid = n >= 1 && n <= CountSubtitleStreams();
    const int before = CurrentSubtitleStream();
    d->subtitlesShown = valid;
    if (valid)
        g_object_set(d->pipeline, "current-text", n - 1, nullptr);
    d->ApplySubtitleSwitch();
    // A paused picture shows the change at once; with nothing changed it is left
    // alone, since a still picture is decoded anew to be refreshed.
    if (CurrentSubtitleStream() != before)
        d->RefreshPausedFrame();
    return valid || n == 0;
}

int TFilterGraph::CurrentSubtitleStream() const
{
    if (d->dvd) {
        const std::lock_guard<std::mutex> lock(d->dvdMutex);
        return d->dvdSubpictureShown;
    }
    if (!d->pipeline || d->uri.isEmpty() || !d->subtitlesShown)
        return 0;
    const int count = CountSubtitleStreams();
    gint current = -1;
    g_object_get(d->pipeline, "current-text", &current, nullptr);
    return count > 0 && current >= 0 ? std::min(current, count - 1) + 1 : 0;
}

bool TFilterGraph::IsLiveStream() const
{
    return d->pipeline && !d->uri.isEmpty() && d->live;
}
