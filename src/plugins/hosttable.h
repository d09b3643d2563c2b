#pragma once

#include "tavrel/plugin.h"

#include <QByteArray>
#include <QString>
#include <functional>

class IPluginServices;

// The fixed values of the host table, known before any plug-in loads.
struct TPluginHostData
{
    QString pluginFolder; // ends in a separator
    QString appFolder;    // ends in a separator
    QString version;
    QString videoMasks;
    QString playlistMasks;
    quintptr mainWindow = 0; // native window id
};

// The table handed to every plug-in, with the strings it points at. Its services are
// plain C functions without a context argument, so they serve the one table that is
// active: the most recently created one still alive (the player has exactly one).
class THostTable
{
public:
    THostTable(IPluginServices &services, const TPluginHostData &data);
    ~THostTable();
    THostTable(const THostTable &) = delete;
    THostTable &operator=(const THostTable &) = delete;

    const TVL_HostTable *Table() const { return &m_table; }
    // Brings the current medium's name and title up to date; plug-ins read those variables
    // whenever they are called, so this runs before every call into them.
    void Refresh();
    // The settings dialog's native window id while it exists, else 0. Until the dialog
    // registers a source the service answers 0.
    void SetSettingsWindowSource(std::function<quintptr()> source);

private:
    static uintptr_t TVL_CALL settingsWindow();
    static void TVL_CALL showStatus(const char *text, uint8_t tenths, int32_t kind);
    static const char *TVL_CALL pluginFolder();
    static void *TVL_CALL mediaGraph();
    static int32_t TVL_CALL sendCommand(int32_t code, int32_t param);

    static void setText(QByteArray &storage, const char *&variable, const QString &text,
                        bool nullWhenEmpty);

    IPluginServices &m_services;
    std::function<quintptr()> m_settingsWindow;
    QByteArray m_nameText, m_titleText, m_pluginFolderText, m_appFolderText, m_versionText,
        m_videoMasksText, m_playlistMasksText;
    const char *m_name = nullptr;
    const char *m_title = nullptr;
    const char *m_appFolder = nullptr;
    const char *m_version = nullptr;
    const char *m_videoMasks = nullptr;
    const char *m_playlistMasks = nullptr;
    TVL_HostTable m_table{};
    THostTable *m_previous = nullptr;
};
