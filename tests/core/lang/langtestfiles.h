#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A lang folder in a temporary directory, holding the files a test writes into it.
class LangFolderFixture : public ::testing::Test
{
protected:
    QString folder() const { return m_dir.path(); }
    QString path(const QString &fileName) const { return QDir(m_dir.path()).filePath(fileName); }

    void write(const QString &fileName, const QByteArray &bytes) const
    {
        QFile file(path(fileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

private:
    QTemporaryDir m_dir;
};
