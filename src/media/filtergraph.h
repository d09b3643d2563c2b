#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class TVideoWindow;

// Event codes passed to OnDSEvent. The numbers are the ones the player's
// rules were written against, so handlers keep comparing with them.
namespace MediaEvent {
constexpr int Complete = 0x01;
constexpr int ErrorAbort = 0x03;
constexpr int DvdDomainChange = 0x101;
constexpr int DvdTitleChange = 0x102;
} // namespace MediaEvent

// The player's one door to the media framework: owns one pipeline at a time
// and turns its bus messages into the events below, always on the UI thread.
//
// Positions are in the current time format: frames once SetFrameFormat()
// succeeded, otherwise media time in 100-ns units. Every operation checks that
// a graph exists; without one it does nothing and reports false or 0.
// Operations documented to raise throw EMediaException.
class TFilterGraph : public QObject
{
    Q_OBJECT

public:
    // State() values.
    enum GraphState { NoGraph = 0, Stopped = 1, Paused = 2, Running = 3 };

    explicit TFilterGraph(QObject *parent = nullptr);
    ~TFilterGraph() override;

    // --- lifecycle ---
    bool Active() const;
    // true: a new, empty graph (state Stopped); false: releases the whole graph.
    void SetActive(bool active);
    // Builds and prerolls the graph for a local file. Returns 0 on success and
    // 1 when there is no graph; raises EMediaException when the file cannot be
    // played. Never hangs: a build that does not finish in time fails.
    int RenderFile(const QString &fileName);
    enum RenderOption { PreferSoftwareDecoders = 1 };
    // The same, with PreferSoftwareDecoders: hardware decoders are ranked
    // below every software one for this render (the graph is rebuilt first).
    int RenderFile(const QString &fileName, RenderOption option);
    bool Play();  // never raises
    bool Pause(); // raises on a framework failure
    bool Stop();  // raises on a framework failure; keeps the position
    int State() const;
    // Stops and empties the graph; the graph itself stays.
    void ClearGraph();
    // Gives up a build operation in progress (safe from any thread).
    void Abort();

    // The video window bound to this graph (may be null: frames are dropped).
    void SetVideoWindow(TVideoWindow *window);
    TVideoWindow *VideoWindow() const;

    // --- audio streams (slot n = stream n - 1, at most five slots) ---
    static constexpr int MaxAudioSlots = 5;
    int CountAudioStreams();
    // 1..count plays that stream; any other n leaves the medium silent.
    bool SelectAudioStream(int n);
    // The slot playing now, 0 when none.
    int CurrentAudioStream() const;
    // rendererName is a device name from AudioRenderers(); "Default" (or a
    // device that cannot be opened) uses the automatic output. Call after
    // RenderFile; re-prerolls the graph when the output changes.
    bool AddPreferredAudioRenderer(const QString &rendererName);
    // Display names of the audio outputs the system offers, read afresh; opening a medium
    // uses the list read last (or reads it once).
    static QStringList AudioRenderers();
    // How many times the system was asked for its outputs in this process.
    static int AudioOutputReadings();

    // --- time and position ---
    bool SetFrameFormat();
    bool IsFrameFormat() const;
    // Frames in one second (0 when not in the frame format).
    qint64 FramesPerSecond() const;
    // Frames <-> 100-ns units; values pass unchanged when not in frame format.
    qint64 ToMediaTime(qint64 value) const;
    qint64 FromMediaTime(qint64 value) const;
    bool SetPosition(qint64 value);
    qint64 CurrentPosition() const;
    qint64 StopPosition() const;
    bool SetPositionSeconds(double seconds);
    // Steps one frame forward, pausing a running graph first.
    bool FrameStep();

    // --- volume ---
    // bar is the volume bar position 0..10000.
    bool SetVolume(int bar);
    // The value handed to the framework in hundredths of a decibel (0 = full,
    // -10000 or below = silent).
    int Volume() const;
    // playbin's linear volume now in force (0.0 when silent).
    double LinearVolume() const;

    // --- video ---
    // Display size of the picture (pixel aspect ratio applied to the width);
    // an empty size means no picture.
    QSize SourceSize() const;
    bool HasPicture() const;
    // The rendered file carries at least one video stream, whether or not a
    // decoder took it.
    bool HasVideoStream() const;
    // The part of the picture to show, in SourceSize() coordinates (crop).
    bool SetSourceRect(const QRect &rect);
    QRect SourceRect() const;
    // True for a single still image; its StopPosition() is very large.
    bool IsStillPicture() const;

    // --- DVD-Video through the DVD navigator ---
    // Missing-decoder bits of RenderDvd() and MissingDvdDecoders().
    enum DvdDecoder { DvdVideoDecoderMissing = 1, DvdAudioDecoderMissing = 2 };
    // The decoders a DVD needs (MPEG-2 video, AC-3 audio) that the system lacks.
    static int MissingDvdDecoders();
    // Opens a DVD folder (the one holding VIDEO_TS, or VIDEO_TS itself) or, for
    // an empty name, the disc in the default drive, and prerolls it in its first
    // menu. Returns 0 on success, 1 when there is no graph, or the
    // DvdDecoder bits when decoders are missing (the graph is then left
    // empty). Raises EMediaException when the navigator refuses the source.
    int RenderDvd(const QString &folder);
    bool IsDvdMode() const;
    // The folder or device the navigator reads; empty outside DVD mode.
    QString DvdDirectory() const;
    int DvdTitleCount() const;
    // Current title (1-based; 0 while a menu shows) and chapter (1-based).
    int DvdCurrentTitle() const;
    int DvdCurrentChapter() const;
    int DvdChapterCount() const; // of the current title
    // Length of the current title in seconds; 0 while a menu shows.
    int DvdTitleSeconds() const;
    // Playing time of title n from the disc's title table (-1 when unknown).
    int DvdTitleSecondsOf(int title) const;
    // Seconds into the current title (whole seconds of its time code).
    int DvdPositionSeconds() const;
    bool DvdPlayTitle(int title);
    bool DvdPlayChapter(int chapter);
    bool DvdPlayAtSeconds(int seconds);
    // Menu ids as the player numbers them: 2 title, 3 root, 4 sub-picture,
    // 5 audio, 6 angle, 7 chapter.
    bool DvdShowMenu(int menuId);
    // Leaves the menu on screen and resumes the title it was called from.
    bool DvdResume();
    // A menu with buttons shows and takes navigation commands.
    bool DvdHasButtons() const;
    // 0 activates the highlighted button; 1..4 move up, down, left, right.
    bool DvdNavigate(int direction);
    // Select or activate the button under a point of the video window.
    bool DvdSelectAt(const QPoint &windowPoint);
    bool DvdActivateAt(const QPoint &windowPoint);
    // Audio streams of the current title (0-based), as the disc lists them.
    int DvdAudioStreamCount() const;
    int DvdCurrentAudioStream() const;
    QString DvdAudioLanguage(int stream) const;
    QStringList DvdAudioLanguages() const;
    bool DvdSelectAudioStream(int stream);

    // --- subtitles (streams numbered from 1, the subtitle file among them; a
    // disc's sub-picture streams in DVD mode) ---
    // The subtitle file for the next RenderFile (empty: none). Its text is read
    // as UTF-8 or, when it is not valid UTF-8, as Windows-1251.
    void SetSubtitleFile(const QString &fileName);
    // Adds a subtitle file to the medium playing now, keeping its place, and shows it.
    bool LoadSubtitleFile(const QString &fileName);
    // Off leaves the text overlay out of the picture's path (set before
    // RenderFile to cost nothing; may change while playing).
    void SetSubtitlesShown(bool shown);
    bool SubtitlesShown() const;
    int CountSubtitleStreams() const;
    // Language of stream n as two letters where ISO 639-1 has them; empty when unknown.
    QString SubtitleLanguage(int n) const;
    // The stream read from the subtitle file, 0 when none.
    int ExternalSubtitleStream() const;
    // 1..count shows that stream; 0 shows none.
    bool SelectSubtitleStream(int n);
    // The stream shown now, 0 when none.
    int CurrentSubtitleStream() const;

    // --- network streams ---
    // RenderFile takes stream addresses too; a live one has no duration and cannot seek.
    bool IsLiveStream() const;

    // The frame on screen as 24-bit RGB at the picture's own size (before scaling to the
    // window); null without a picture. Takes the paused graph's frame again, so pause first.
    QImage CurrentFrame();

    // The pipeline as an opaque pointer (for plug-ins); null without a graph.
    void *Pipeline() const;

signals:
    // End of the medium (result 0).
    void OnGraphComplete(int result);
    // A framework error stopped playback.
    void OnGraphErrorAbort(std::uint32_t code, const QString &text);
    void OnDVDTitleChange(int title);
    // Every event, before its own signal.
    void OnDSEvent(int code, qint64 param1, qint64 param2);

protected:
    bool event(QEvent *event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
