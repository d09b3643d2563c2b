#pragma once

#include "isettingsdialoghost.h"
#include "tfileassociations.h"

#include <QPointer>

class TTavrelApp;
class TfmProperty;

// The settings dialog as the player offers it: created on first use, alive until exit,
// refilled at every opening. What the dialog asks of the player is answered here.
class TSettingsHost : public ISettingsDialogHost
{
public:
    explicit TSettingsHost(TTavrelApp &app);
    ~TSettingsHost() override;

    // Shows the dialog modally and returns when it is closed.
    void Show();
    // The dialog's native window while it exists, for the plug-ins; else 0.
    quintptr WindowId() const;

    QString Text(int index) const override;
    QString CurrentLanguage() const override;
    TSettingsRecord &RunningSettings() override;
    TSettingsStore &Store() override;
    QString ProgramFolder() const override;
    QString OpticalDriveLetters() const override;
    QStringList AudioRenderers() const override;
    QStringList PluginEntries() const override;
    void ConfigurePlugin(int index) override;
    void AboutPlugin(int index) override;
    void OpenPluginPage() override;
    void RunOpenDialog() override;
    QString ChooseFolder(const QString &title) override;
    TFileAssociations &Associations() override { return m_associations; }
    void ReportError(const QString &text) override;
    void SettingsStored() override;

private:
    TTavrelApp &m_app;
    TFileAssociations m_associations;
    QPointer<TfmProperty> m_window; // a child of the main window
};
