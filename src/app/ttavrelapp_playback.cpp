// Moving a medium once it is open, and what happens when it ends.
#include "commands/commandcodes.h"
#include "media/filtergraph.h"
#include "playback/endofmedia.h"
#include "playback/mediatexts.h"
#include "playback/seekmath.h"
#include "playback/tresumepositions.h"
#include "playlist/playlistcommands.h"
#include "playlist/tplaylistmodel.h"
#include "settings/settingsstore.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"
#include "tvpanel.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace {

constexpr quint32 kDamagedDiscReadError = 0x80070001;
constexpr int kTextVolume = 101;
constexpr int kTextDamagedDisc = 130;
// Commands 1 and 2 move the volume bar by its own step.
constexpr int kVolumeStep = 500;
constexpr int kVolumeMax = 10000;

} // namespace

void TTavrelApp::BindPlaybackCommands()
{
    m_dispatcher.Bind(Cmd::Play, [this](qint32) {
        if (IsMediaActive())
            m_graph->Play();
        NotifyPlugins(6);
        return 0;
    });
    m_dispatcher.Bind(Cmd::Pause, [this](qint32) {
        if (IsMediaActive())
            m_graph->Pause();
        NotifyPlugins(4);
        return 0;
    });
    m_dispatcher.Bind(Cmd::PlayPause, [this](qint32) {
        switch (m_graph->State()) {
        case TFilterGraph::Paused:
            return SendCommand(Cmd::Play, 0);
        case TFilterGraph::Running:
            return SendCommand(Cmd::Pause, 0);
        default:
            StartPlaylist();
            return 0;
        }
    });
    m_dispatcher.Bind(Cmd::Close, [this](qint32) {
        CloseCommand();
        return 0;
    });
    m_dispatcher.Bind(Cmd::Restart, [this](qint32) {
        if (IsMediaActive()) {
            m_graph->Stop();
            m_graph->SetPositionSeconds(0.0);
            m_graph->Play();
        }
        return 0;
    });
    m_dispatcher.Bind(Cmd::SeekBack, [this](qint32 ms) { return RelativeSeek(Cmd::SeekBack, ms); });
    m_dispatcher.Bind(Cmd::SeekForward,
                      [this](qint32 ms) { return RelativeSeek(Cmd::SeekForward, ms); });
    m_dispatcher.Bind(Cmd::SeekTo, [this](qint32 seconds) {
        AbsoluteSeek(seconds);
        return 0;
    });
    m_dispatcher.Bind(Cmd::Next, [this](qint32) {
        if (IsDvdMode())
            DvdNextChapter();
        else
            Perform(NextFileCommand(*m_playlist));
        return 0;
    });
    m_dispatcher.Bind(Cmd::Previous, [this](qint32) {
        if (IsDvdMode())
            DvdPreviousChapter();
        else
            Perform(PreviousFileCommand(*m_playlist));
        return 0;
    });
    m_dispatcher.Bind(Cmd::VolumeUp, [this](qint32) {
        SetVolumeBar(qMin(kVolumeMax, m_volumeBar + kVolumeStep));
        return 0;
    });
    m_dispatcher.Bind(Cmd::VolumeDown, [this](qint32) {
        SetVolumeBar(qMax(0, m_volumeBar - kVolumeStep));
        return 0;
    });
}

void TTavrelApp::SetVolumeBar(int position)
{
    m_volumeBar = qBound(0, position, kVolumeMax);
    m_settings.Volume = m_volumeBar;
    m_quickVolume.BarMoved(m_volumeBar);
    if (m_window)
        m_window->SetVolumeBar(m_volumeBar);
    m_graph->SetVolume(m_volumeBar);
    if (IsMediaActive())
        ShowStatusText(MediaTexts::VolumeStatus(m_lang.GetLine(kTextVolume), m_volumeBar), 10, 1);
}

void TTavrelApp::QuickVolumeClick()
{
    SetVolumeBar(m_quickVolume.Click(m_volumeBar, m_settings.QuickVolume));
}

void TTavrelApp::StartPlaylist()
{
    Perform(StartPlaylistCommand(*m_playlist, IsPlaylistShowing()));
}

void TTavrelApp::CloseCommand()
{
    if (m_window)
        m_window->panTimeLine->hide();
    const bool wasOpen = m_media.MediaOpen;
    m_media.MediaOpen = false;
    m_media.PowerOffAtEndOfFilm = false;
    m_media.PowerOffAtEndOfList = false;
    if (m_settings.SavePos_Enabled && IsMediaActive() && !IsDvdMode())
        SaveResumePosition();
    if (m_graph->Active() || wasOpen)
        CloseMedia();
    m_dvdMode = false;
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tavrel"));
    NotifyPlugins(3);
}

qint32 TTavrelApp::RelativeSeek(qint32 code, qint32 milliseconds)
{
    if (!m_graph->Active())
        return 0;
    m_graph->Abort();
    if (IsDvdMode())
        return DvdRelativeSeek(code, milliseconds);
    const qint64 target = SeekMath::RelativeTarget(
        m_graph->CurrentPosition(), static_cast<int>(m_media.FramesPerSecond), milliseconds,
        code == Cmd::SeekBack ? TSeekDirection::Back : TSeekDirection::Forward, m_media.KeyFrames);
    return m_graph->SetPosition(qMax<qint64>(0, target)) ? 0 : 1;
}

void TTavrelApp::AbsoluteSeek(qint32 seconds)
{
    if (!IsMediaActive())
        return;
    if (IsDvdMode()) {
        m_graph->DvdPlayAtSeconds(qMax(0, seconds));
        return;
    }
    const qint64 requested = m_graph->FromMediaTime(qint64(qMax(0, seconds)) * 10'000'000);
    m_graph->SetPosition(SeekMath::AbsoluteTarget(requested, m_media.KeyFrames));
}

void TTavrelApp::OnGraphComplete()
{
    if (m_window)
        m_window->panTimeLine->hide();
    const int duration = SendCommand(Cmd::QueryDuration, 0);
    CloseMedia();
    m_media.StillPicture = false;
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tavrel"));
    NotifyPlugins(2, 1);

    const QString current = m_playlist->CurrentFileName();
    const QString watched = m_media.Info.CurrentName;
    if (!watched.isEmpty() && QFileInfo(watched).isFile())
        TResumePositions(*m_store).Forget(watched);
    if (m_media.PowerOffAtEndOfFilm)
        PowerOff();

    TEndOfMediaInput input;
    input.isLastPlayable = m_playlist->IsLastPlayable();
    input.exitAtEnd = m_exitAtEnd;
    input.onEndToPlay = m_settings.OnEndToPlay;
    input.currentName = current;
    input.durationSeconds = duration;
    const TEndOfMediaDecision decision
        = EndOfMedia::Decide(input, [this] { return m_playlist->Next(); });
    if (decision.listEnded) {
        NotifyPlugins(9);
        if (m_media.PowerOffAtEndOfList)
            PowerOff();
    }
    switch (decision.action) {
    case TEndOfMediaAction::Exit:
        SendCommand(Cmd::Exit, 0);
        return;
    case TEndOfMediaAction::OpenNext:
        OpenFile(decision.next);
        return;
    case TEndOfMediaAction::Idle:
        CloseMedia();
        ShowMainMenuIcons();
        m_media.MediaOpen = false;
        return;
    }
}

void TTavrelApp::OnGraphErrorAbort(quint32 code)
{
    if (code != kDamagedDiscReadError) {
        // The pipeline stops on any other error; leaving it open would leave
        // the player stuck on a dead medium, so it goes back to idle.
        CloseMedia();
        m_media.MediaOpen = false;
        ShowMainMenuIcons();
        return;
    }
    if (!m_settings.PlayFisicCrashCD)
        return;
    m_graph->Stop();
    SendCommand(Cmd::SeekForward, 30000);
    ShowStatusTextIndex(kTextDamagedDisc, 10, 1);
    m_graph->Play();
}
