#pragma once

#include "ikeepawake.h"
#include "ttavrelapp.h"

#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A whole player in this process: real engine, real window on the offscreen
// platform, settings in a temporary file.
class PlayerTest : public ::testing::Test
{
protected:
    static QString Media(const char *name);

    void SetUp() override;
    void TearDown() override;

    // Settings written before the player starts.
    void Preset(const QString &key, const QVariant &value);
    void Start(const QStringList &arguments = {});
    QSettings &Stored();

    bool WaitFor(const std::function<bool()> &condition, int timeoutMs = 8000);
    void Pump(int ms);
    qint32 Send(qint32 code, qint32 param = 0) { return player->SendCommand(code, param); }

    // What the player's power-off seam was asked: a recorder stands in for it in every test,
    // so no test can switch the machine off.
    int powerOffs = 0;
    // The keep-awake seam for the next Start (a quiet one when none is given).
    std::unique_ptr<IKeepAwake> keepAwake;

    QTemporaryDir dir;
    QString settingsFile;
    std::unique_ptr<QSettings> presets;
    std::unique_ptr<TTavrelApp> player;
};
