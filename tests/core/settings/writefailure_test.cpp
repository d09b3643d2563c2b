// A settings folder that cannot be written: the store goes on with its values and tells
// the first failure once, even one that happened before anybody listened.
#include "settings/settingsstore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

enum class Folder { Writable, BlockedByAFile, ReadOnly };

struct Case
{
    Folder folder;
    const char *name;
};

class WriteFailure : public ::testing::TestWithParam<Case>
{
protected:
    // The settings file's path in a folder of the case's kind. A file in place of the folder
    // fails even for the superuser; permissions only for other users.
    QString settingsPath()
    {
        const QString folder = dir.filePath(QStringLiteral("Quenfold"));
        switch (GetParam().folder) {
        case Folder::Writable:
            QDir().mkpath(folder);
            break;
        case Folder::BlockedByAFile: {
            QFile blocker(folder);
            EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
            break;
        }
        case Folder::ReadOnly:
            if (::geteuid() == 0)
                return {};
            QDir().mkpath(folder);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            break;
        }
        return folder + QStringLiteral("/Tavrel.conf");
    }
    bool failing() const { return GetParam().folder != Folder::Writable; }

    QTemporaryDir dir;
};

TEST_P(WriteFailure, TheFirstFailedWriteIsToldOnceAndValuesStayInMemory)
{
    const QString path = settingsPath();
    if (path.isEmpty())
        GTEST_SKIP() << "permissions do not bind the superuser";
    TSettingsStore store(std::make_unique<QSettings>(path, QSettings::IniFormat));
    store.setValue(&TSettingsRecord::PlayList, QStringLiteral("/films/a.avi"));
    QStringList told;
    store.setWriteFailureHandler([&told](const QString &file) { told.append(file); });
    EXPECT_EQ(told.size(), failing() ? 1 : 0);
    TSettingsRecord record;
    record.PlayList = QStringLiteral("/films/b.avi");
    record.Volume = 7;
    store.saveAtExit(record, 1);
    EXPECT_EQ(told.size(), failing() ? 1 : 0);
    if (!told.isEmpty()) {
        EXPECT_EQ(told.first(), path);
    }
    EXPECT_EQ(store.value(&TSettingsRecord::PlayList), QStringLiteral("/films/b.avi"));
    EXPECT_EQ(store.value(&TSettingsRecord::Volume), 7);
    EXPECT_EQ(QFileInfo::exists(path), !failing());
}

INSTANTIATE_TEST_SUITE_P(Folders, WriteFailure,
                         ::testing::Values(Case{Folder::Writable, "Writable"},
                                           Case{Folder::BlockedByAFile, "BlockedByAFile"},
                                           Case{Folder::ReadOnly, "ReadOnly"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(AbandonedLock, AnEmptyOrDeadOwnersLockDoesNotHoldUpWrites)
{
    // What a player killed while it held the settings lock leaves behind.
    const QByteArray leftovers[]
        = {"", "12", "999999999\ntavrel\n" + QSysInfo::machineHostName().toUtf8() + "\n"};
    for (const QByteArray &bytes : leftovers) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tavrel.conf"));
        QFile lock(path + QStringLiteral(".lock"));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(bytes);
        lock.close();
        QElapsedTimer timer;
        timer.start();
        TSettingsStore store(std::make_unique<QSettings>(path, QSettings::IniFormat));
        store.setValue(&TSettingsRecord::PlayList, QStringLiteral("/films/a.avi"));
        EXPECT_LT(timer.elapsed(), 5000) << bytes.toStdString();
        EXPECT_EQ(QSettings(path, QSettings::IniFormat).value(QStringLiteral("PlayList")),
                  QStringLiteral("/films/a.avi"));
    }
}

} // namespace
