// The playlist window and the player: showing and hiding it, its buttons and menu, files
// dropped on it or on the picture, and its state across runs.
#include "appfolder.h"
#include "commands/commandcodes.h"
#include "input/tinputstate.h"
#include "media/filtergraph.h"
#include "playback/mediatexts.h"
#include "playlist/droppedfiles.h"
#include "playlist/playlistcommands.h"
#include "playlist/tplaylistmodel.h"
#include "tfilechooser.h"
#include "tfmplaylist.h"
#include "themeloader.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"

#include <QCursor>

void TTavrelApp::CreatePlayListWindow()
{
    m_playlistWindow = new TfmPlayList(
        *m_playlist, m_window.get(), ThemeLoader::ThemeFolder(AppFolder(), m_settings.Theme_Name));
    connect(m_playlistWindow, &TfmPlayList::ActionRequested, this,
            [this](const TAction &action) { m_window->PerformActions({action}); });
    connect(m_playlistWindow, &TfmPlayList::PlaySelectedRequested, this, [this] {
        Perform(ListNavigationCommand(*m_playlist, 0, IsPlaylistShowing(), IsMediaActive()));
    });
    connect(m_playlistWindow, &TfmPlayList::FilesDropped, this, &TTavrelApp::DropFiles);
}

bool TTavrelApp::IsPlaylistShowing() const
{
    return m_playlistWindow && m_playlistWindow->IsShowing();
}

void TTavrelApp::AddInputState(TInputState &state) const
{
    state.playlistExists = m_playlistWindow != nullptr;
    state.playlistDocked = m_playlistWindow && m_playlistWindow->IsDocked();
    state.cursorOverShowingPlaylist
        = m_playlistWindow && m_playlistWindow->ContainsGlobal(QCursor::pos());
}

void TTavrelApp::BindPlaylistCommands()
{
    m_dispatcher.Bind(Cmd::PlaylistOrDvdMenu, [this](qint32) {
        if (IsDvdMode()) {
            if (IsDvdMenuNow())
                m_graph->DvdResume();
            else
                m_graph->DvdShowMenu(3);
        } else if (m_playlistWindow) {
            m_playlistWindow->Toggle();
        }
        return 0;
    });
    m_dispatcher.Bind(Cmd::AddFiles, [this](qint32) {
        const QString filter = MediaTexts::OpenDialogFilter(m_lang.GetLine(44), m_lang.GetLine(46),
                                                            m_lang.GetLine(45));
        const QStringList chosen = FileChooser().OpenMany(MediaTexts::ToQtFilters(filter));
        if (!chosen.isEmpty())
            Perform(AddFilesCommand(*m_playlist, chosen));
        return 0;
    });
}

void TTavrelApp::DropFiles(const QStringList &names, QPoint globalPoint)
{
    if (DropSubtitleFile(names))
        return;
    const bool inside = m_playlistWindow && m_playlistWindow->ContainsGlobal(globalPoint);
    Perform(::DropFiles(*m_playlist, names, IsPlaylistShowing(), inside));
}

void TTavrelApp::ShowPlaylistWindow()
{
    if (m_playlistWindow && !m_playlistWindow->IsShowing())
        m_playlistWindow->Toggle();
}

void TTavrelApp::RestorePlayListWindow()
{
    if (!m_playlistWindow || m_playlist->Count() == 0)
        return;
    if (!m_settings.PlayListParentYes) {
        if (m_settings.PlayListRestSize.width() != 0)
            m_playlistWindow->SetFloatingBounds(m_settings.PlayListRestSize);
        m_playlistWindow->Undock(false);
    }
    if (m_settings.StatrShPL)
        ShowPlaylistWindow();
}

void TTavrelApp::StorePlayListWindowState()
{
    if (!m_playlistWindow)
        return;
    m_settings.StatrShPL = m_playlistWindow->IsShowing();
    m_settings.PlayListParentYes = m_playlistWindow->IsDocked();
    m_settings.PlayListRestSize = m_playlistWindow->FloatingBounds();
}

void TTavrelApp::HidePlaylistOnOpen()
{
    if (m_playlistWindow && m_playlistWindow->IsDocked()
        && (m_playlist->Count() == 1 || m_settings.StartPlayHidePlayList))
        m_playlistWindow->hide();
}
