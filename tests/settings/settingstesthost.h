#pragma once

#include "isettingsdialoghost.h"
#include "lang/tlang.h"
#include "settings/settingsstore.h"
#include "tfileassociations.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// Widgets need an application object, which gtest_main does not create.
class SettingsTestApp : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "settings_dialog_tests";
        static char *argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }
};

inline ::testing::Environment *const settingsTestApp
    = ::testing::AddGlobalTestEnvironment(new SettingsTestApp);

// The player as the settings dialog sees it: a store over a temporary file, a program
// folder of the test's own, the real associations (the test points XDG at temporary
// folders), and records of what the dialog asked.
class TTestSettingsHost : public ISettingsDialogHost
{
public:
    TTestSettingsHost()
        : associations(QStringLiteral("/usr/lib/tavrel/tavrel"))
    {
        QDir(root.path()).mkpath(QStringLiteral("program"));
        store = std::make_unique<TSettingsStore>(
            std::make_unique<QSettings>(SettingsFile(), QSettings::IniFormat));
    }

    QString SettingsFile() const { return root.filePath(QStringLiteral("Tavrel.conf")); }

    QString Text(int index) const override { return lang.GetLine(index); }
    QString CurrentLanguage() const override { return lang.Name(); }
    TSettingsRecord &RunningSettings() override { return running; }
    TSettingsStore &Store() override { return *store; }
    QString ProgramFolder() const override
    {
        return root.filePath(QStringLiteral("program")) + QLatin1Char('/');
    }
    QString OpticalDriveLetters() const override { return optical; }
    QStringList AudioRenderers() const override
    {
        ++rendererListings;
        return renderers;
    }
    QStringList PluginEntries() const override { return plugins; }
    void ConfigurePlugin(int index) override { configured.push_back(index); }
    void AboutPlugin(int) override {}
    void OpenPluginPage() override {}
    void RunOpenDialog() override {}
    QString ChooseFolder(const QString &) override { return chosenFolder; }
    TFileAssociations &Associations() override { return associations; }
    void ReportError(const QString &text) override { errors.append(text); }
    void SettingsStored() override { ++storedCount; }

    QTemporaryDir root;
    TLang lang;
    std::unique_ptr<TSettingsStore> store;
    TSettingsRecord running;
    TFileAssociations associations;
    QString optical = QStringLiteral("DG");
    QStringList renderers;
    QStringList plugins;
    QString chosenFolder;
    QStringList errors;
    std::vector<int> configured;
    mutable int rendererListings = 0;
    int storedCount = 0;
};
