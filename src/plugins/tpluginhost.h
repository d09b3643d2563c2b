#pragma once

#include "hosttable.h"
#include "tpluginrecord.h"

#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <memory>
#include <vector>

class IPluginServices;

// The plug-in libraries of the player's "Plugins" folder: loading, the event dispatch and
// the exit. Each library is called only on the thread that owns the host.
class TPluginHost
{
public:
    // The answer of a dispatch that no plug-in answered.
    static constexpr qint32 kNoAnswer = -2;

    TPluginHost(IPluginServices &services, const TPluginHostData &data);
    // Stops and unloads every plug-in.
    ~TPluginHost();
    TPluginHost(const TPluginHost &) = delete;
    TPluginHost &operator=(const TPluginHost &) = delete;

    // Loads every library directly in the plug-in folder, in name order, keeps those that
    // answer the interface version, then hands each the table. Anything that cannot be
    // loaded is skipped silently.
    void Load();
    // The start entries, in load order.
    void Start();
    // The stop entries, each followed by unloading its library; the records stay listed.
    void Unload();

    // Calls the callbacks in load order until one consumes the event (answers 1); the
    // answer of the last one called, or kNoAnswer.
    qint32 Dispatch(qint32 code, std::intptr_t argument = 0);
    // Event 11 and event 10 with their records; the plug-ins' changes are written back.
    // The cursor comes back as TVL_CURSOR_* (0 the default).
    qint32 Key(int &virtualKey, int &shift);
    qint32 MouseMove(int &x, int &y, int &shift, int &cursor);

    int Count() const { return static_cast<int>(m_records.size()); }
    const TPluginRecord &Record(int index) const { return *m_records.at(index); }
    // How the settings dialog lists a plug-in: its name, " (", its file name, ")"; the
    // file name alone when it has no name.
    QString ListEntry(int index) const;
    // The configure and about entries; nothing when absent or out of range.
    void Configure(int index);
    void About(int index);

    const TVL_HostTable *Table() const { return m_table.Table(); }
    THostTable &HostTable() { return m_table; }
    QString Folder() const { return m_folder; }

private:
    void loadOne(const QString &path);
    void callEntry(int index, TVL_VoidFunction TPluginRecord::*entry);

    THostTable m_table;
    QString m_folder;
    // Records never move: each plug-in holds the address of its callback field.
    std::vector<std::unique_ptr<TPluginRecord>> m_records;
    bool m_loaded = false;
};
