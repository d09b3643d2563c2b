// Opening and closing media: files, the hand-off from a second start, the
// open dialog and the resume positions of unfinished films.
#include "cmdline/caseinsensitivepath.h"
#include "commands/commandcodes.h"
#include "media/filtergraph.h"
#include "media/mediaexception.h"
#include "media/videowindow.h"
#include "playback/avikeyframes.h"
#include "playback/tresumepositions.h"
#include "playlist/playlistfile.h"
#include "playlist/streamurl.h"
#include "playlist/tplaylistmodel.h"
#include "settings/settingsstore.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"
#include "tvideoarea.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>

namespace {

constexpr qint64 kUnitsPerSecond = 10'000'000;
constexpr int kStillPictureSeconds = 360000;

constexpr int kTextOpening = 104;
constexpr int kStreamOpeningTenths = 150;
constexpr int kTextUnsupported = 105;
constexpr int kTextTryingAgain = 106;
constexpr int kTextCannotPlay = 107;
constexpr int kTextResumed = 108;

TResumeThresholds thresholdsOf(const TSettingsRecord &s)
{
    return {s.SavePos_LenFilm, s.SavePos_LenStart, s.SavePos_LenEnd};
}

} // namespace

void TTavrelApp::OpenFile(const QString &name, int audioStream, int startSeconds)
{
    m_media.KeyFrames.clear();
    m_media.FrameFormat = false;
    m_media.StillPicture = false;

    // A DVD folder given by its folder or by one of its IFO files opens as a DVD.
    if (!name.isEmpty()) {
        const QString dvdEntry
            = findPathIgnoringCase(name, QStringLiteral("VIDEO_TS/VIDEO_TS.IFO"));
        if (!dvdEntry.isEmpty()) {
            m_media.PendingDvdPath = dvdEntry;
            OpenDvd();
            return;
        }
        const QFileInfo info(name);
        if (info.suffix().toUpper() == QLatin1StringView("IFO")) {
            const QString sibling
                = findPathIgnoringCase(info.path(), QStringLiteral("VIDEO_TS.IFO"));
            if (!sibling.isEmpty()) {
                m_media.PendingDvdPath = sibling;
                OpenDvd();
                return;
            }
        }
    }
    if (name.isEmpty() || (!IsStreamUrl(name) && !QFileInfo(name).isFile())) {
        m_playlist->SetCurrent(-1);
        return;
    }

    m_media.MediaOpen = true;
    CloseMedia();
    // The old picture goes, but the idle logo must not flash up while the new one opens.
    m_window->Glob->SetShowLogo(false);
    m_media.MediaOpen = true;
    // A stream may take its time to answer: the caption stays up meanwhile.
    ShowStatusTextIndex(kTextOpening, IsStreamUrl(name) ? kStreamOpeningTenths : 20, 1);
    if (m_settings.KeyFramesSupport
        && QFileInfo(name).suffix().toUpper() == QLatin1StringView("AVI"))
        m_media.KeyFrames = AviKeyFrames::Read(name);

    if (!RenderWithRetry(name))
        return;

    const int streams = m_graph->CountAudioStreams();
    m_media.Info.AudioStreams = streams;
    m_graph->AddPreferredAudioRenderer(m_settings.AudioRender_Name);
    m_graph->SelectAudioStream(audioStream >= 1 && audioStream <= streams ? audioStream : 1);
    StartSubtitles();
    m_media.FrameFormat = m_graph->SetFrameFormat();
    m_media.FramesPerSecond = m_graph->FramesPerSecond();

    bool resumed = false;
    if (m_settings.SavePos_Enabled) {
        TResumePositions positions(*m_store);
        if (const auto stored = positions.Take(name)) {
            startSeconds = *stored;
            resumed = true;
        }
    }

    // The name and title come from the playlist; a file opened past the
    // playlist keeps its own.
    m_media.Info.CurrentName = m_playlist->CurrentFileName();
    m_media.Info.CurrentTitle = m_playlist->CurrentTitle();
    if (m_media.Info.CurrentName != name) {
        m_media.Info.CurrentName = name;
        m_media.Info.CurrentTitle = QFileInfo(name).completeBaseName();
    }
    QGuiApplication::setApplicationDisplayName(m_media.Info.CurrentTitle);

    if (startSeconds != 0)
        SendCommand(Cmd::SeekTo, startSeconds);

    const QSize source = m_graph->SourceSize();
    m_media.Info.VideoWidth = source.width();
    m_media.Info.VideoHeight = source.height();
    m_media.PowerOffAtEndOfFilm = false;

    m_media.StartTick = QDateTime::currentMSecsSinceEpoch();
    m_graph->Play();
    m_graph->Pause();
    if (DurationSeconds() > kStillPictureSeconds || m_graph->IsStillPicture())
        m_media.StillPicture = true;
    m_graph->Play();

    m_window->HideStatus();
    m_window->ShowPicture(source);
    ApplyPictureAsIs();
    ApplyStoredPicture();
    m_window->RaisePanels();
    if (m_settings.StartPlaySetFullScreen)
        SendCommand(Cmd::SetFullScreen, 1);
    m_graph->SetVolume(m_volumeBar);
    HidePlaylistOnOpen();
    if (!m_settings.LockStatus && (m_window->IsFullScreen() || !IsPlaylistShowing()))
        SendCommand(Cmd::ShowTitle, 30);
    if (resumed)
        ShowStatusTextIndex(kTextResumed, 50, 1);
    NotifyPlugins(1, 1);
}

bool TTavrelApp::RenderWithRetry(const QString &name)
{
    const auto fail = [this](int textIndex) {
        m_graph->SetActive(false);
        m_window->ShowPicture({});
        m_playlist->SetCurrent(-1);
        if (textIndex >= 0)
            ShowStatusTextIndex(textIndex, 50, 1);
        m_media.MediaOpen = false;
        return false;
    };

    m_graph->SetActive(true);
    NotifyPlugins(14);
    PrepareSubtitles(name);
    try {
        m_graph->RenderFile(name);
    } catch (const EMediaException &) {
        return fail(kTextUnsupported);
    }
    if (m_graph->HasPicture())
        return true;
    // A file without any video stream is not a film: it ends quietly.
    if (!m_graph->HasVideoStream()) {
        m_playlist->SetCurrent(-1);
        CloseMedia();
        m_media.MediaOpen = false;
        return false;
    }

    // A video stream no decoder showed: once more, preferring the software decoders.
    ShowStatusTextIndex(kTextTryingAgain, 20, 1);
    try {
        m_graph->RenderFile(name, TFilterGraph::PreferSoftwareDecoders);
    } catch (const EMediaException &) {
        return fail(kTextUnsupported);
    }
    if (m_graph->HasPicture())
        return true;
    ShowStatusTextIndex(kTextCannotPlay, 50, 1);
    m_playlist->SetCurrent(-1);
    CloseMedia();
    m_media.MediaOpen = false;
    return false;
}

void TTavrelApp::CloseMedia()
{
    if (m_graph->Active()) {
        m_graph->Abort();
        m_graph->Stop();
        m_graph->ClearGraph();
        m_graph->SetActive(false);
    }
    if (m_window) {
        m_window->VideoWin->ShowCursor();
        m_window->ShowPicture({});
    }
}

void TTavrelApp::SaveResumePosition()
{
    if (!m_settings.SavePos_Enabled)
        return;
    TResumeCandidate candidate;
    candidate.mediumActive = IsMediaActive();
    candidate.dvdMode = IsDvdMode();
    candidate.positionSeconds = SendCommand(Cmd::QueryPosition, 0);
    candidate.durationSeconds = SendCommand(Cmd::QueryDuration, 0);
    TResumePositions positions(*m_store);
    positions.Store(m_media.Info.CurrentName, candidate, thresholdsOf(m_settings));
}

int TTavrelApp::PositionSeconds() const
{
    if (IsDvdMode())
        return m_graph->DvdPositionSeconds();
    return static_cast<int>(m_graph->ToMediaTime(m_graph->CurrentPosition()) / kUnitsPerSecond);
}

int TTavrelApp::DurationSeconds() const
{
    if (IsDvdMode())
        return m_graph->DvdTitleSeconds();
    return static_cast<int>(m_graph->ToMediaTime(m_graph->StopPosition()) / kUnitsPerSecond);
}

void TTavrelApp::HandOffOpen()
{
    QString path = m_store->value(&TSettingsRecord::ThisFile_Path);
    const QFileInfo info(path);
    if (info.exists())
        path = info.absoluteFilePath();
    m_playlist->Clear();
    if (!IsStreamUrl(path) && IsPlaylistFile(path))
        LoadPlaylistFile(*m_playlist, false, path);
    else
        m_playlist->AddEntry(path);
    SendCommand(Cmd::Close, 0);
    const QString dvdEntry = findPathIgnoringCase(path, QStringLiteral("VIDEO_TS/VIDEO_TS.IFO"));
    if (!dvdEntry.isEmpty()) {
        m_media.PendingDvdPath = dvdEntry;
        OpenDvd();
    } else {
        OpenFile(m_playlist->First());
    }
}
