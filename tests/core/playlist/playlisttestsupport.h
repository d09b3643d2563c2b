#pragma once

#include "playlist/tplaylistmodel.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A temporary folder for media and playlist files, and a model whose program
// folder is a sub-folder of it.
class PlaylistFolder
{
public:
    PlaylistFolder()
    {
        EXPECT_TRUE(m_dir.isValid());
        QDir(m_dir.path()).mkpath(QStringLiteral("app"));
    }

    QString path(const QString &relative) const { return m_dir.filePath(relative); }
    QString appFolder() const { return path(QStringLiteral("app")) + u'/'; }

    // Creates the file (and its folders) with the given bytes; returns its path.
    QString write(const QString &relative, const QByteArray &bytes = QByteArray("x")) const
    {
        const QString file = path(relative);
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return file;
    }

private:
    QTemporaryDir m_dir;
};

inline QStringList fileNames(const TPlayListModel &model)
{
    QStringList names;
    for (int i = 0; i < model.Count(); ++i)
        names.append(model.FileNameAt(i));
    return names;
}

inline QStringList titles(const TPlayListModel &model)
{
    QStringList names;
    for (int i = 0; i < model.Count(); ++i)
        names.append(model.TitleAt(i));
    return names;
}

// gtest prints Qt strings readably.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '[' << list.join(QStringLiteral("|")).toStdString() << ']';
}
QT_END_NAMESPACE
