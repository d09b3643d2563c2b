#pragma once

#include <QString>
#include <QStringList>

class TFileAssociations;
class TSettingsStore;
struct TSettingsRecord;

// What the settings dialog needs of the player. The dialog reads and writes the settings
// through the store and the running record it is given; everything else it asks here.
class ISettingsDialogHost
{
public:
    virtual ~ISettingsDialogHost() = default;

    virtual QString Text(int index) const = 0;
    // The language the player runs in ("Russian" for the built-in texts).
    virtual QString CurrentLanguage() const = 0;
    virtual TSettingsRecord &RunningSettings() = 0;
    virtual TSettingsStore &Store() = 0;
    // The folder that holds theme/, lang/ and "tavrel.ini".
    virtual QString ProgramFolder() const = 0;
    // Letters of the optical drives present now, upper case.
    virtual QString OpticalDriveLetters() const = 0;
    // The audio outputs the system offers, by name ("Default" not included).
    virtual QStringList AudioRenderers() const = 0;

    // The loaded plug-ins as the list shows them, and their own windows.
    virtual QStringList PluginEntries() const = 0;
    virtual void ConfigurePlugin(int index) = 0;
    virtual void AboutPlugin(int index) = 0;
    virtual void OpenPluginPage() = 0;

    // The player's open dialog, with the sidebar places as they are stored now.
    virtual void RunOpenDialog() = 0;
    // A folder chosen by the user; empty when nothing was chosen.
    virtual QString ChooseFolder(const QString &title) = 0;

    virtual TFileAssociations &Associations() = 0;
    // A change that acted at once but failed.
    virtual void ReportError(const QString &text) = 0;
    // After OK: what acts on the running player at once (priority, panels).
    virtual void SettingsStored() = 0;
};
