#include "hosttable.h"

#include "ipluginservices.h"

namespace {

THostTable *s_active = nullptr;

} // namespace

THostTable::THostTable(IPluginServices &services, const TPluginHostData &data)
    : m_services(services)
    , m_pluginFolderText(data.pluginFolder.toUtf8())
    , m_previous(s_active)
{
    setText(m_appFolderText, m_appFolder, data.appFolder, false);
    setText(m_versionText, m_version, data.version, false);
    setText(m_videoMasksText, m_videoMasks, data.videoMasks, false);
    setText(m_playlistMasksText, m_playlistMasks, data.playlistMasks, false);
    m_table.current_file = &m_name;
    m_table.current_title = &m_title;
    m_table.main_window = data.mainWindow;
    m_table.settings_window = &THostTable::settingsWindow;
    m_table.show_status = &THostTable::showStatus;
    m_table.plugin_folder = &THostTable::pluginFolder;
    m_table.media_graph = &THostTable::mediaGraph;
    m_table.video_masks = &m_videoMasks;
    m_table.playlist_masks = &m_playlistMasks;
    m_table.version = &m_version;
    m_table.app_folder = &m_appFolder;
    m_table.send_command = &THostTable::sendCommand;
    s_active = this;
    Refresh();
}

THostTable::~THostTable()
{
    if (s_active == this)
        s_active = m_previous;
}

void THostTable::Refresh()
{
    setText(m_nameText, m_name, m_services.CurrentName(), true);
    setText(m_titleText, m_title, m_services.CurrentTitle(), true);
}

void THostTable::SetSettingsWindowSource(std::function<quintptr()> source)
{
    m_settingsWindow = std::move(source);
}

void THostTable::setText(QByteArray &storage, const char *&variable, const QString &text,
                         bool nullWhenEmpty)
{
    // The bytes are replaced only when the text changed: a plug-in that kept the pointer
    // from its last call still reads the same text.
    const QByteArray utf8 = text.toUtf8();
    if (utf8 != storage)
        storage = utf8;
    variable = (nullWhenEmpty && storage.isEmpty()) ? nullptr : storage.constData();
}

uintptr_t TVL_CALL THostTable::settingsWindow()
{
    if (!s_active || !s_active->m_settingsWindow)
        return 0;
    return s_active->m_settingsWindow();
}

void TVL_CALL THostTable::showStatus(const char *text, uint8_t tenths, int32_t kind)
{
    if (!s_active || !text || (kind != 1 && kind != 2))
        return;
    s_active->m_services.ShowStatusText(QString::fromUtf8(text), tenths, kind);
}

const char *TVL_CALL THostTable::pluginFolder()
{
    return s_active ? s_active->m_pluginFolderText.constData() : "";
}

void *TVL_CALL THostTable::mediaGraph()
{
    return s_active ? s_active->m_services.MediaGraph() : nullptr;
}

int32_t TVL_CALL THostTable::sendCommand(int32_t code, int32_t param)
{
    return s_active ? s_active->m_services.SendCommand(code, param) : 0;
}
