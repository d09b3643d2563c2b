// What keys, menus and icons ask of the player beyond command codes: the
// playlist's files and order, shut-down orders, web pages, drives.
#include "appfolder.h"
#include "commands/commandcodes.h"
#include "discs/playdisc.h"
#include "media/filtergraph.h"
#include "menus/menurules.h"
#include "menus/taction.h"
#include "playback/mediatexts.h"
#include "playlist/playlistcommands.h"
#include "playlist/playlistfile.h"
#include "playlist/tplaylistmodel.h"
#include "terrorreporter.h"
#include "tfilechooser.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"

#include <QDesktopServices>
#include <QFileInfo>
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

qint32 TTavrelApp::RunAction(const TAction &action)
{
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
        const QString name = FileChooser().OpenOne(MediaTexts::ToQtFilters(
            m_lang.GetLine(kTextPlaylistFiles) + QLatin1Char('|') + PlaylistFileMasks()));
        if (!name.isEmpty()
            && LoadPlaylistFile(*m_playlist, true, name) == PlaylistFileStatus::ReadError)
            m_errors->Report(this, QStringLiteral("Cannot read the playlist file %1").arg(name));
        return 0;
    }
    case TActionKind::SavePlaylist: {
        QString name
            = FileChooser().Save({m_lang.GetLine(kTextPlaylistFiles) + QStringLiteral(" (*.mls)")});
        if (name.isEmpty())
            return 0;
        if (QFileInfo(name).suffix().isEmpty())
            name += QStringLiteral(".mls");
        if (SavePlaylistFile(*m_playlist, name) != PlaylistFileStatus::Done)
            m_errors->Report(this, QStringLiteral("Cannot write the playlist file %1").arg(name));
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
    case TActionKind::DriveDialog:
        return RunDriveChooser();
    case TActionKind::PlayDrive:
        return PlayDiscFrom(TDiscSource::ChosenDrive, QChar(char16_t(action.param)));
    case TActionKind::OpenHomePage:
    case TActionKind::OpenRemotePage:
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebAddress)));
        return 0;
    case TActionKind::Help: {
        const QString page = AppFolder() + QStringLiteral("DOC/ReadMe.htm");
        if (!QFileInfo(page).isFile()) {
            ShowStatusText(QStringLiteral("Not found: ") + page, 30, 1);
            return 0;
        }
        m_window->showMinimized();
        QDesktopServices::openUrl(QUrl::fromLocalFile(page));
        return 0;
    }
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
        // A menu item, icon or key that reaches here does nothing: say so, so that the
        // wiring tests find it.
        qWarning("Tavrel: no handler for action %d", static_cast<int>(action.kind));
        return 0;
    }
}
