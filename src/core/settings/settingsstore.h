#pragma once

#include "settings/settingstable.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QSettings;
class TIniFile;

// Reads and writes the settings record. Registry-style values go through QSettings (the
// user's store by default, or one handed in); "tavrel.ini" through TIniFile. Every read falls
// back to the table's default when a value is missing, of the wrong type or out of range;
// writes never raise; the first one that cannot reach the file goes to the write-failure
// handler (once per store, also when it failed before the handler was set). A settings file that
// does not parse is copied to "<file>.broken" before anything is written over it.
class TSettingsStore
{
public:
    // The user's store: native format, organisation "Quenfold", application "Tavrel".
    TSettingsStore();
    // A store over the given settings (tests pass one backed by a temporary file).
    explicit TSettingsStore(std::unique_ptr<QSettings> settings);
    ~TSettingsStore();
    TSettingsStore(const TSettingsStore &) = delete;
    TSettingsStore &operator=(const TSettingsStore &) = delete;

    // Reads every registry value of a group into the record (not IniFile: see loadIni).
    void loadGroup(TSettingsRecord &record, TLoadGroup group) const;

    // One value, read fresh from the store (changes by other processes are seen).
    void load(TSettingsRecord &record, const TSettingField &field) const;
    // One value, written and flushed at once.
    void save(const TSettingsRecord &record, const TSettingField &field);

    // Typed shortcuts for code that keeps no record, e.g. the instance hand-off:
    // store.value(&TSettingsRecord::ThisFile_Path).
    template<class T>
    T value(T TSettingsRecord::*field) const
    {
        TSettingsRecord record;
        load(record, field);
        return record.*field;
    }
    template<class T>
    void setValue(T TSettingsRecord::*field, const T &value)
    {
        TSettingsRecord record;
        record.*field = value;
        save(record, field);
    }

    // The four aspect pairs; a pair with a missing, wrongly typed or degenerate member takes
    // its default as a whole.
    void loadAspectPairs(TSettingsRecord &record) const;
    void saveAspectPairs(const TSettingsRecord &record);

    // Exit: the playlist (unless ExitNoSaveOne keeps a longer stored list over a single
    // current entry), then exitSaveOrder(). The caller refreshes RestSize, PlayListRestSize
    // and PlayList in the record first.
    void saveAtExit(const TSettingsRecord &record, int currentPlaylistEntries);

    // Everything the settings dialog edits, read with defaults / written in one pass, the
    // aspect pairs included ("ext" lives in the ini file: see updateIniFile).
    void loadDialogSet(TSettingsRecord &record) const;
    void saveDialogSet(const TSettingsRecord &record);

    // Resume positions, one 32-bit value per film fingerprint (upper-case hexadecimal).
    // Other names are refused: nothing is read or written for them.
    std::optional<quint32> resumeValue(const QString &fingerprint) const;
    void setResumeValue(const QString &fingerprint, quint32 value);
    void removeResumeValue(const QString &fingerprint);

    // "tavrel.ini" values. languageText gives the texts that default the sound captions.
    static void loadIni(TSettingsRecord &record, const TIniFile &ini,
                        const std::function<QString(int)> &languageText);
    // Puts the values the program writes ("ext") into ini.
    static void storeIni(const TSettingsRecord &record, TIniFile &ini);

    // "tavrel.ini" lives in the program folder. Where that folder cannot be written, the file
    // goes to the per-user data folder, and from then on that copy is the one read.
    static QString iniReadPath(const QString &appFolder);
    static bool saveIniFile(const TIniFile &ini, const QString &appFolder);
    // The settings dialog's OK: reads the current file, puts the written values in, saves.
    // A file that exists but cannot be read is left alone rather than replaced by a stub.
    static bool updateIniFile(const TSettingsRecord &record, const QString &appFolder);

    // Called with the settings file's name when a write could not be stored.
    void setWriteFailureHandler(std::function<void(const QString &fileName)> handler);

    // Number of lines of a stored playlist text (0 for an empty text).
    static int countPlaylistLines(const QString &text);

private:
    void keepCopyOfBrokenFile() const;
    void clearAbandonedLock() const;
    void sync() const;
    void readRow(TSettingsRecord &record, const TSettingDef &def) const;
    void writeRow(const TSettingsRecord &record, const TSettingDef &def);
    void readAspectPairs(TSettingsRecord &record) const;
    void writeAspectPairs(const TSettingsRecord &record);

    std::unique_ptr<QSettings> m_settings;
    bool m_unreadableAtStart = false;
    mutable bool m_writeFailed = false;
    std::function<void(const QString &)> m_onWriteFailure;
};
