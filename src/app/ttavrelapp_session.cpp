// What the player keeps across runs (the playlist, the windows' places, the volume) is written
// at the exit and, in case the program never gets there, soon after every change.
#include "playlist/playlistregistry.h"
#include "playlist/tplaylistmodel.h"
#include "settings/settingsstore.h"
#include "settings/tdeferredsave.h"
#include "terrorreporter.h"
#include "tfmplaylist.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"
#include "tvpanel.h"

void TTavrelApp::RefreshSessionState()
{
    if (m_window) {
        m_settings.RestSize = m_window->WindowedBounds();
        m_settings.StartShowPlayPanel = m_window->pnPlay->isVisibleTo(m_window.get());
    }
    m_settings.Volume = m_volumeBar;
    m_settings.PlayList = PlaylistToStoredText(*m_playlist);
    StorePlayListWindowState();
}

void TTavrelApp::SaveSessionState()
{
    if (m_exiting)
        return;
    RefreshSessionState();
    // The same writes as the exit's, the rule that keeps a longer stored list included.
    m_store->saveAtExit(m_settings, m_playlist->Count());
}

void TTavrelApp::WatchSessionState()
{
    // Told after the write that failed has returned, and not at all when that was the exit's
    // own write: a logout must not wait for a message box.
    m_store->setWriteFailureHandler([this](const QString &fileName) {
        QMetaObject::invokeMethod(
            this,
            [this, fileName] {
                if (!m_exiting)
                    m_errors->Report(this, QStringLiteral("Cannot write the settings file %1: its "
                                                          "folder is read-only or full. The player "
                                                          "goes on; changes made now are not kept.")
                                               .arg(fileName));
            },
            Qt::QueuedConnection);
    });
    m_sessionSave = std::make_unique<TDeferredSave>([this] { SaveSessionState(); });
    TDeferredSave *save = m_sessionSave.get();
    const auto poke = [save] { save->Poke(); };
    TPlayListModel *model = m_playlist.get();
    connect(model, &QAbstractItemModel::rowsInserted, save, poke);
    connect(model, &QAbstractItemModel::rowsRemoved, save, poke);
    connect(model, &QAbstractItemModel::rowsMoved, save, poke);
    connect(model, &QAbstractItemModel::modelReset, save, poke);
    connect(model, &QAbstractItemModel::layoutChanged, save, poke);
    // Selection and the current mark are not kept; a new title is.
    connect(model, &QAbstractItemModel::dataChanged, save,
            [save](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                    save->Poke();
            });
    // A list the command line gave replaced the stored one: that is a change too.
    if (!m_commandLine.isEmpty())
        save->Poke();
    if (m_window)
        save->Watch(m_window.get());
    if (m_playlistWindow)
        save->Watch(m_playlistWindow);
}
