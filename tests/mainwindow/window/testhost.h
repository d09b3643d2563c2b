#pragma once

#include "iplayerhost.h"
#include "settings/settingsrecord.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <map>

// A player as the window sees it: the answers are plain fields the tests set.
class TestHost : public IPlayerHost
{
public:
    bool mediaActive = true;
    bool opening = false;
    bool dvdMode = false;
    bool dvdMenu = false;
    QSize dvdAspect;
    int audioStreams = 1;
    bool still = false;
    TFilterGraph *graph = nullptr;
    TSettingsRecord settings;
    std::map<qint32, qint32> answers;
    std::vector<std::pair<qint32, qint32>> sent;
    int quickVolumeClicks = 0;
    std::vector<TAction> ranActions;
    QStringList drives;

    bool IsMediaActive() const override { return mediaActive; }
    bool IsMediaOpening() const override { return opening; }
    bool IsDvdMode() const override { return dvdMode; }
    bool IsDvdMenuShowing() const override { return dvdMenu; }
    QSize DvdAspect() const override { return dvdAspect; }
    int AudioStreamCount() const override { return audioStreams; }
    bool IsStillPicture() const override { return still; }
    qint32 SendCommand(qint32 code, qint32 param) override
    {
        sent.emplace_back(code, param);
        const auto found = answers.find(code);
        return found == answers.end() ? 0 : found->second;
    }
    TFilterGraph *Graph() const override { return graph; }
    const TSettingsRecord &Settings() const override { return settings; }
    TSettingsRecord &MutableSettings() override { return settings; }
    QString Text(int index) const override { return QStringLiteral("text%1").arg(index); }
    void QuickVolumeClick() override { ++quickVolumeClicks; }
    qint32 RunAction(const TAction &action) override
    {
        ranActions.push_back(action);
        return 0;
    }
    QStringList DriveCaptions() const override { return drives; }

    // The commands sent, without the state queries the input rules ask on the way.
    std::vector<std::pair<qint32, qint32>> commands() const
    {
        std::vector<std::pair<qint32, qint32>> result;
        for (const auto &command : sent) {
            if (command.first != 309 && command.first != 310)
                result.push_back(command);
        }
        return result;
    }
};

class WidgetsApp : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "mainwindow_tests";
        static char *argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }
};

inline ::testing::Environment *const widgetsApp
    = ::testing::AddGlobalTestEnvironment(new WidgetsApp);
