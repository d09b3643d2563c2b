// What keys, menus and icons ask of the player beyond command codes: the
// playlist's files and order, shut-down orders, web pages, drives.
#include "appfolder.h"
#include "commands/commandcodes.h"
#include "discs/drivecaptions.h"
#include "discs/linuxdriveprovider.h"
#include "discs/tdiscdrives.h"
#include "media/filtergraph.h"
#include "menus/menurules.h"
#include "menus/taction.h"
#include "playlist/playlistcommands.h"
#include "playlist/playlistfile.h"
#include "playlist/tplaylistmodel.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace {

constexpr int kTextPlaylistFiles = 47;

} // namespace

void TTavrelApp::AddMenuState(TMenuState &state) const
{
    state.playlistCount = m_playlist->Count();
    state.shutDownAfterFile = m_media.PowerOffAtEndOfFilm;
    state.shutDownAfterList = m_media.PowerOffAtEndOfList;
    state.languageName = m_lang.Name();
    state.sound1Caption = m_settings.sound_sound1;
    state.sound2Caption = m_settings.sound_sound2;
}

QStringList TTavrelApp::DriveCaptions() const
{
    TLinuxDriveProvider provider;
    return ::DriveCaptions(TDiscDrives(provider));
}

qint32 TTavrelApp::RunAction(const TAction &action)
{
    const QString playlistFilter = m_lang.GetLine(kTextPlaylistFiles) + QStringLiteral(" (")
                                   + PlaylistFileMasks() + QLatin1Char(')');
    switch (action.kind) {
    case TActionKind::DeleteFile:
        Perform(DeleteFileCommand(*m_playlist, IsPlaylistShowing(), IsMediaActive()));
        return 0;
    case TActionKind::NewPlaylist:
        m_playlist->Clear();
        m_media.PowerOffAtEndOfList = false;
        return 0;
    case TActionKind::LoadPlaylist: {
        m_media.PowerOffAtEndOfList = false;
        const QString name
            = QFileDialog::getOpenFileName(m_window.get(), QString(), QString(), playlistFilter);
        if (!name.isEmpty())
            LoadPlaylistFile(*m_playlist, true, name);
        return 0;
    }
    case TActionKind::SavePlaylist: {
        const QString name = QFileDialog::getSaveFileName(m_window.get(), QString(), QString(),
                                                          m_lang.GetLine(kTextPlaylistFiles)
                                                              + QStringLiteral(" (*.mls)"));
        if (!name.isEmpty())
            SavePlaylistFile(*m_playlist,
                             name.endsWith(QLatin1StringView(".mls"), Qt::CaseInsensitive)
                                 ? name
                                 : name + QStringLiteral(".mls"));
        return 0;
    }
    case TActionKind::SortPlaylist:
        m_playlist->Sort();
        return 0;
    case TActionKind::ShufflePlaylist:
        m_playlist->Shuffle();
        return 0;
    case TActionKind::ReopenWithAudio:
        if (m_media.MediaOpen && !IsDvdMode())
            OpenFile(m_media.Info.CurrentName, action.param, PositionSeconds());
        return 0;
    case TActionKind::FrameStep:
        if (IsMediaActive())
            m_graph->FrameStep();
        return 0;
    case TActionKind::OpenHomePage:
    case TActionKind::OpenRemotePage:
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebAddress)));
        return 0;
    case TActionKind::Help:
        m_window->showMinimized();
        QDesktopServices::openUrl(
            QUrl::fromLocalFile(AppFolder() + QStringLiteral("DOC/index.htm")));
        return 0;
    case TActionKind::ShutDownAfterFile:
        FlipPowerOffAtEnd(m_media.PowerOffAtEndOfFilm);
        return 0;
    case TActionKind::ShutDownAfterList:
        FlipPowerOffAtEnd(m_media.PowerOffAtEndOfList);
        return 0;
    case TActionKind::ShutDownNow:
        ConfirmPowerOff();
        return 0;
    case TActionKind::Snapshot:
        TakeSnapshot();
        return 0;
    case TActionKind::SubtitleTrack:
    case TActionKind::StepSubtitles:
    case TActionKind::LoadSubtitleFile:
        return RunSubtitleAction(action);
    case TActionKind::PlayDiscMenu: {
        const qint32 started = SendCommand(Cmd::PlayDisc, m_settings.MenuIconPlay_Drive ? 2 : 1);
        if (started != 1)
            ShowStatusText(QStringLiteral("Not found CD/DVD video"), 20, 1);
        return started;
    }
    default:
        // The drive chooser and playing one chosen drive arrive with
        // their own windows.
        return 0;
    }
}
