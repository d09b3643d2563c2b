#pragma once

#include "discs/idriveprovider.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A "disc" is a temporary folder; files are made with the size or contents a case needs.
class TestDisc
{
public:
    QString root() const { return m_dir.path(); }
    QString path(const QString &relative) const { return m_dir.filePath(relative); }

    QString write(const QString &relative, const QByteArray &contents) const
    {
        const QString file = path(relative);
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly)) << qPrintable(file);
        out.write(contents);
        return file;
    }
    QString text(const QString &relative, const QString &contents) const
    {
        return write(relative, contents.toUtf8());
    }
    // Sparse, so large videos cost no disc space.
    QString sized(const QString &relative, qint64 size = 300000) const
    {
        const QString file = write(relative, {});
        EXPECT_TRUE(QFile(file).resize(size));
        return file;
    }

private:
    QTemporaryDir m_dir;
};

// Drives that are plain folders, each with a label.
class FolderDrives : public IDriveProvider
{
public:
    void add(char letter, const QString &folder, const QString &label = {})
    {
        m_drives.insert(QLatin1Char(letter), {folder, label});
    }
    QString OpticalDriveLetters() const override
    {
        QString letters;
        for (auto it = m_drives.cbegin(); it != m_drives.cend(); ++it)
            letters.append(it.key());
        return letters;
    }
    QString RootFolder(QChar letter) const override { return m_drives.value(letter).first; }
    QString VolumeLabel(QChar letter) const override { return m_drives.value(letter).second; }

private:
    QMap<QChar, std::pair<QString, QString>> m_drives;
};
