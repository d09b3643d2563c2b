#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A "disc" is a temporary folder; files are made with the size or contents a case needs.
class TestDisc
{
public:
    static constexpr qint64 kLargeVideo = 300000;

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

    // A file of the given size; sparse, so large videos cost no disc space.
    QString sized(const QString &relative, qint64 size = kLargeVideo) const
    {
        const QString file = write(relative, {});
        QFile out(file);
        EXPECT_TRUE(out.resize(size));
        return file;
    }

    QString text(const QString &relative, const QString &contents) const
    {
        return write(relative, contents.toUtf8());
    }

private:
    QTemporaryDir m_dir;
};
