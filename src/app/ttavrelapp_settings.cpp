// The settings dialog: command 324 and what the dialog asks of the player.
#include "appfolder.h"
#include "commands/commandcodes.h"
#include "discs/linuxdriveprovider.h"
#include "discs/tdiscdrives.h"
#include "media/filtergraph.h"
#include "processpriority.h"
#include "settings/settingsstore.h"
#include "terrorreporter.h"
#include "tfmproperty.h"
#include "tpluginhost.h"
#include "tsettingshost.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

void TTavrelApp::BindSettingsCommands()
{
    m_dispatcher.Bind(Cmd::Settings, [this](qint32) {
        if (!m_window)
            return 0;
        if (!m_settingsHost) {
            m_settingsHost = std::make_unique<TSettingsHost>(*this);
            if (TPluginHost *plugins = Plugins())
                plugins->HostTable().SetSettingsWindowSource(
                    [this] { return m_settingsHost ? m_settingsHost->WindowId() : 0; });
        }
        m_settingsHost->Show();
        return 0;
    });
}

TSettingsHost::TSettingsHost(TTavrelApp &app)
    : m_app(app)
    , m_associations(QCoreApplication::applicationFilePath())
{}

TSettingsHost::~TSettingsHost() = default;

void TSettingsHost::Show()
{
    if (!m_window)
        m_window = new TfmProperty(*this, m_app.m_window.get());
    m_window->Execute();
}

quintptr TSettingsHost::WindowId() const
{
    return m_window ? static_cast<quintptr>(m_window->winId()) : 0;
}

QString TSettingsHost::Text(int index) const
{
    return m_app.Text(index);
}

QString TSettingsHost::CurrentLanguage() const
{
    return m_app.Lang().Name();
}

TSettingsRecord &TSettingsHost::RunningSettings()
{
    return m_app.m_settings;
}

TSettingsStore &TSettingsHost::Store()
{
    return *m_app.m_store;
}

QString TSettingsHost::ProgramFolder() const
{
    return AppFolder();
}

QString TSettingsHost::OpticalDriveLetters() const
{
    const TLinuxDriveProvider provider;
    return TDiscDrives(provider).ListOpticalDrives();
}

QStringList TSettingsHost::AudioRenderers() const
{
    return TFilterGraph::AudioRenderers();
}

QStringList TSettingsHost::PluginEntries() const
{
    QStringList entries;
    if (const TPluginHost *plugins = m_app.Plugins()) {
        for (int i = 0; i < plugins->Count(); ++i)
            entries.append(plugins->ListEntry(i));
    }
    return entries;
}

void TSettingsHost::ConfigurePlugin(int index)
{
    if (TPluginHost *plugins = m_app.Plugins())
        plugins->Configure(index);
}

void TSettingsHost::AboutPlugin(int index)
{
    if (TPluginHost *plugins = m_app.Plugins())
        plugins->About(index);
}

void TSettingsHost::OpenPluginPage()
{
    QDesktopServices::openUrl(
        QUrl(QString::fromLatin1(TTavrelApp::kWebAddress) + QStringLiteral("plugins/")));
}

void TSettingsHost::RunOpenDialog()
{
    m_app.RunOpenDialog(m_window);
}

QString TSettingsHost::ChooseFolder(const QString &title)
{
    return QFileDialog::getExistingDirectory(m_window, title, QString(), QFileDialog::ShowDirsOnly);
}

void TSettingsHost::ReportError(const QString &text)
{
    m_app.ErrorReporter().Report(m_window, text);
}

void TSettingsHost::SettingsStored()
{
    if (m_app.m_settings.HighPriopitet)
        ProcessPriority::setHigh();
    else
        ProcessPriority::setNormal();
    if (m_app.m_window)
        m_app.m_window->update();
}
