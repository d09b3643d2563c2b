#pragma once

#include "settings/settingsstore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A settings store over a file in a fresh temporary folder; raw() reaches the same file
// without the store's rules, to plant or inspect stored values.
class StoreTest : public ::testing::Test
{
protected:
    QString confPath() const { return m_dir.filePath(QStringLiteral("Tavrel.conf")); }

    std::unique_ptr<QSettings> openRaw() const
    {
        return std::make_unique<QSettings>(confPath(), QSettings::IniFormat);
    }

    TSettingsStore &store()
    {
        if (!m_store)
            m_store = std::make_unique<TSettingsStore>(openRaw());
        return *m_store;
    }

    // Writes a value straight into the file, as another program or an older release might.
    void plant(const QString &key, const QVariant &value)
    {
        auto raw = openRaw();
        raw->setValue(key, value);
        raw->sync();
    }

    QVariant stored(const QString &key) const { return openRaw()->value(key); }

    void writeFile(const QByteArray &bytes)
    {
        QFile file(confPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<TSettingsStore> m_store;
};
