// The player on the session bus for media keys and the desktop's media widgets: the service
// is created and wired here; what it offers and announces lives in TMprisService.
#include "commands/commandcodes.h"
#include "media/filtergraph.h"
#include "mprisservice.h"
#include "playback/mediamimetypes.h"
#include "playlist/tplaylistmodel.h"
#include "settings/settingsstore.h"
#include "ttavrelapp.h"

#include <QDBusConnection>
#include <QFileInfo>
#include <QUrl>

namespace {

// The engine's positions are in 100-nanosecond units.
constexpr qint64 kUnitsPerMicrosecond = 10;

QString addressOf(const QString &name)
{
    return QFileInfo(name).isAbsolute() ? QUrl::fromLocalFile(name).toString() : name;
}

} // namespace

void TTavrelApp::WireMpris()
{
    TMprisHooks hooks;
    hooks.send = [this](qint32 code, qint32 param) { return SendCommand(code, param); };
    hooks.state = [this] {
        TMprisState state;
        state.status = SendCommand(Cmd::QueryState, 0);
        state.volumeBar = m_volumeBar;
        state.canGoNext = IsDvdMode() || m_playlist->Count() > 1;
        state.canGoPrevious = state.canGoNext;
        if (!IsMediaActive())
            return state;
        state.url = addressOf(IsDvdMode() ? m_graph->DvdDirectory() : m_media.Info.CurrentName);
        state.title = m_media.Info.CurrentTitle;
        if (IsDvdMode()) {
            state.positionUs = qint64(m_graph->DvdPositionSeconds()) * 1'000'000;
            state.lengthUs = qint64(m_graph->DvdTitleSeconds()) * 1'000'000;
        } else {
            state.positionUs
                = m_graph->ToMediaTime(m_graph->CurrentPosition()) / kUnitsPerMicrosecond;
            state.lengthUs = m_graph->ToMediaTime(m_graph->StopPosition()) / kUnitsPerMicrosecond;
        }
        state.canSeek = !m_media.StillPicture && state.lengthUs > 0;
        return state;
    };
    hooks.setVolumeBar = [this](int bar) { SetVolumeBar(bar); };
    // The same steps a second start of the player takes to hand its file over.
    hooks.openUri = [this](const QString &uri) {
        const QUrl url(uri);
        SendCommand(Cmd::Close, 0);
        m_store->setValue(&TSettingsRecord::ThisFile_Path,
                          url.isLocalFile() ? url.toLocalFile() : uri);
        SendCommand(Cmd::OpenHandedFile, 0);
        SendCommand(Cmd::Activate, 0);
    };
    hooks.mimeTypes = MediaMimeTypes();
    auto *service = new TMprisService(std::move(hooks), this);
    // Without a session bus the player runs as before, only unseen by the desktop.
    if (!service->Register(QDBusConnection::sessionBus()))
        delete service;
}
