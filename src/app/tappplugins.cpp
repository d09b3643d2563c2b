#include "tappplugins.h"

#include "appfolder.h"
#include "discs/mediamasks.h"
#include "media/filtergraph.h"
#include "playlist/playlistfile.h"
#include "ttavrelapp.h"

namespace {

TPluginHostData hostData(quintptr mainWindow)
{
    TPluginHostData data;
    data.appFolder = AppFolder();
    data.pluginFolder = AppFolder() + QStringLiteral("Plugins/");
    data.version = QString::fromLatin1(TTavrelApp::kVersionText);
    data.videoMasks = MediaMasks::kVideo.toString();
    data.playlistMasks = PlaylistFileMasks();
    data.mainWindow = mainWindow;
    return data;
}

} // namespace

TAppPlugins::TAppPlugins(TTavrelApp &app, quintptr mainWindow)
    : m_app(app)
    , m_host(*this, hostData(mainWindow))
{}

QString TAppPlugins::CurrentName() const
{
    return m_app.Media().Info.CurrentName;
}

QString TAppPlugins::CurrentTitle() const
{
    return m_app.Media().Info.CurrentTitle;
}

void TAppPlugins::ShowStatusText(const QString &text, int tenths, int kind)
{
    m_app.ShowStatusText(text, tenths, kind);
}

void *TAppPlugins::MediaGraph() const
{
    return m_app.Graph() ? m_app.Graph()->Pipeline() : nullptr;
}

qint32 TAppPlugins::SendCommand(qint32 code, qint32 param)
{
    return m_app.SendCommand(code, param);
}
