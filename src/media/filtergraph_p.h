#pragma once

#include "filtergraph.h"
#include "videowindow.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <atomic>
#include <gst/gst.h>
#include <memory>
#include <mutex>
#include <vector>

class TVideoSink;

// What TFilterGraph keeps about its pipeline; shared by its source files.
struct TFilterGraph::Private
{
    TFilterGraph *q = nullptr;
    GstElement *pipeline = nullptr; // playbin; null while no graph
    std::unique_ptr<TVideoSink> videoSink;
    QPointer<TVideoWindow> videoWindow;
    QString uri;         // the rendered medium; empty while the graph is empty
    bool stopped = true; // a stopped graph is held paused so it keeps its position
    // Messages the sync handler let through to the bus and nobody has taken yet.
    // The handler runs before GStreamer queues its message, so a drain may find
    // an announced message not there yet: it then waits for it briefly.
    std::atomic<int> announced{0};
    std::atomic<bool> abortRequested{false};

    bool frameFormat = false;
    int fpsNum = 0;
    int fpsDen = 1;

    int volume = 0; // hundredths of a decibel
    double linearVolume = 1.0;
    bool audioDeselected = false;
    QString audioRenderer = QStringLiteral("Default");

    // DVD mode: set by RenderDvd, cleared with the medium.
    bool dvd = false;
    QString dvdDirectory;
    int dvdLastTitle = -1;
    std::vector<qint64> dvdTitleDurations; // ns, -1 unknown
    // Filled from the navigator's streaming thread.
    mutable std::mutex dvdMutex;
    GstElement *dvdSource = nullptr; // the navigator element (a reference)
    QStringList dvdAudioLanguages;
    QList<int> dvdAudioPhysical;
    int dvdAudioCurrent = 0;
    // Sub-picture streams of the title; shown is 1..count, 0 when only what the
    // disc forces (menus, forced captions) shows.
    QStringList dvdSubpictureLanguages;
    QList<int> dvdSubpicturePhysical;
    int dvdSubpictureShown = 0;

    bool undecodedVideo = false; // a video stream found no decoder

    // A network address rather than a file; a live one (a camera, a broadcast)
    // has no duration and cannot seek.
    bool stream = false;
    bool live = false;
    // Set while a stream is built: bus wake-ups are then the build loop's business.
    bool preparing = false;

    // The subtitle file given for the next medium (empty: none) and whether text
    // is drawn at all.
    QString subtitleFile;
    QString subtitleUri; // the file as playbin was given it
    bool subtitlesShown = true;

    QRect sourceRect; // crop, in display coordinates; null = whole picture

    // Video stream facts read from the decoded caps.
    struct VideoFacts
    {
        int width = 0;
        int height = 0;
        int parNum = 1;
        int parDen = 1;
        int fpsNum = 0;
        int fpsDen = 1;
    };
    VideoFacts ReadVideoFacts() const;

    void CreatePipeline();
    int RenderStream(const QString &url);
    // Hands the subtitle file and the text switch to playbin before a build.
    void ApplySubtitleFile();
    void ApplySubtitleSwitch();
    // playbin's overlay works only with its own video conversion in the path.
    bool OverlayPossible() const;
    void UseOverlayBeforeBuild();
    void RebuildForEmbeddedText();
    // Built again from nothing and prerolled at the same place (playing if it was).
    bool RebuildInPlace(bool withOverlay);
    // Waits for the render in progress; throws (and empties the graph) on failure.
    void PrerollOrThrow();
    void ResetDvd();
    void NoteMissingDecoder(GstMessage *message);
    void DispatchDvd(GstMessage *message);
    void CheckDvdTitle();
    void ReadDvdTitleInfo(GstMessage *message);
    // The navigator's list of sub-picture streams and its choice among them
    // (filtergraph_dvdspu.cpp); called with dvdMutex held.
    void ReadDvdSubpictures(const GstStructure *langCodes);
    void ReadDvdSubpictureChoice(const GstStructure *choice);
    // Sends a track choice to the demuxer behind the navigator, as the disc itself does.
    bool SendToDvdDemuxer(GstStructure *choice);
    int CountDvdSubpictures() const;
    bool SelectDvdSubpicture(int n);
    qint64 QueryDvd(const char *formatNick, bool duration) const;
    bool SeekDvd(const char *formatNick, qint64 value);
    bool SendDvdMouse(const QPoint &windowPoint, bool activate);
    static void OnElementAdded(GstBin *, GstBin *, GstElement *element, gpointer self);
    static GstPadProbeReturn OnDvdSourceEvent(GstPad *, GstPadProbeInfo *info, gpointer self);
    void ReleasePipeline();
    void ConnectVideoWindow();
    // Waits for the state change in progress; false on failure or time-out.
    bool WaitForState(GstClockTime timeout) const;
    // Throws EMediaException built from the first error on the bus (or a generic one).
    [[noreturn]] void ThrowBusError(const char *fallback);
    void ApplyVolume();
    // A paused graph shows no new frame by itself: preroll again at the same place.
    void RefreshPausedFrame();
    void ApplyCrop();
    void DrainBus();
    void Dispatch(GstMessage *message);
    static GstBusSyncReply OnBusMessage(GstBus *bus, GstMessage *message, gpointer self);
    void UseOwnVideoConversion(bool own);
};

// The custom event that tells the UI thread to drain the bus.
int BusWakeEventType();

// Initialises GStreamer once (waiting for an initialisation under way on
// another thread) and ranks out the audio sinks that only add noise.
void EnsureFrameworkInitialized();
