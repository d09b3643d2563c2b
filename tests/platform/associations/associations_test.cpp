#include "tfileassociations.h"
#include "xdgfolders.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

const QString kPlayer = QStringLiteral("/opt/my films/tavrel");

QString QueryDefault(const TXdgFolders &folders, const QString &type)
{
    QProcess query;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folders.DataHome());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folders.ConfigHome());
    environment.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
    query.setProcessEnvironment(environment);
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), type});
    query.waitForFinished(10000);
    return QString::fromUtf8(query.readAllStandardOutput()).trimmed();
}

} // namespace

TEST(FileAssociations, TickingAnExtensionMakesThePlayerTheDesktopsDefault)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty())
        GTEST_SKIP() << "xdg-mime is not installed (scripts/install-deps installs it)";
    TXdgFolders folders;
    // The desktop's tools accept an entry only when its program exists.
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    TFileAssociations associations(self);
    EXPECT_FALSE(associations.IsAssociated(QStringLiteral("MKV")));
    ASSERT_TRUE(associations.Associate(QStringLiteral("MKV"), false));
    EXPECT_TRUE(associations.IsAssociated(QStringLiteral("mkv")));
    EXPECT_EQ(QueryDefault(folders, QStringLiteral("video/x-matroska")),
              QStringLiteral("tavrel.desktop"));
    // The entry starts this very program with the chosen files.
    EXPECT_TRUE(associations.DesktopEntryText().contains(QStringLiteral("Exec=") + self
                                                         + QStringLiteral(" %F\n")));
    EXPECT_TRUE(
        QFileInfo::exists(folders.DataHome() + QStringLiteral("/applications/tavrel.desktop")));
}

TEST(FileAssociations, TheProgramIsQuotedOnlyWhenItHasTo)
{
    const struct
    {
        const char *path;
        const char *exec;
    } cases[] = {
        {"/usr/bin/tavrel", "/usr/bin/tavrel"},
        {"/opt/my films/tavrel", "\"/opt/my films/tavrel\""},
        {"/opt/100%/tavrel", "/opt/100%%/tavrel"},
        {"/opt/$HOME/\"q\"", "\"/opt/\\\\$HOME/\\\\\"q\\\\\"\""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TFileAssociations::ExecProgram(QString::fromUtf8(c.path)),
                  QString::fromUtf8(c.exec))
            << c.path;
}

TEST(FileAssociations, UntickingLeavesAnotherProgramsDefaultAlone)
{
    TXdgFolders folders;
    const QByteArray other = "[Default Applications]\nvideo/x-msvideo=other.desktop;\n";
    folders.WriteMimeApps(other);
    TFileAssociations associations(kPlayer);
    EXPECT_FALSE(associations.IsAssociated(QStringLiteral("AVI")));
    EXPECT_TRUE(associations.Associate(QStringLiteral("AVI"), true));
    EXPECT_EQ(folders.ReadMimeApps(), other);
}

TEST(FileAssociations, UntickingDropsOnlyThePlayersOwnDefault)
{
    TXdgFolders folders;
    folders.WriteMimeApps("[Default Applications]\nvideo/x-matroska=other.desktop;\n"
                          "video/mp4=mine.desktop;\n");
    TFileAssociations associations(kPlayer);
    ASSERT_TRUE(associations.Associate(QStringLiteral("mkv"), false));
    EXPECT_TRUE(associations.IsAssociated(QStringLiteral("mkv")));
    ASSERT_TRUE(associations.Associate(QStringLiteral("mkv"), true));
    EXPECT_FALSE(associations.IsAssociated(QStringLiteral("mkv")));
    const QString text = QString::fromUtf8(folders.ReadMimeApps());
    // The program that was the default before is the default again; other types are kept.
    EXPECT_TRUE(text.contains(QStringLiteral("video/x-matroska=other.desktop;")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("video/mp4=mine.desktop;")));
    EXPECT_FALSE(text.contains(QStringLiteral("tavrel.desktop")));
}

TEST(FileAssociations, TheDvdDefaultIsClearedButTheEntryStays)
{
    TXdgFolders folders;
    TFileAssociations associations(kPlayer);
    ASSERT_TRUE(associations.SetDvdDefault(true));
    EXPECT_TRUE(associations.IsDvdDefault());
    ASSERT_TRUE(associations.SetDvdDefault(false));
    EXPECT_FALSE(associations.IsDvdDefault());
    EXPECT_TRUE(QFileInfo::exists(associations.DesktopFilePath()));
    EXPECT_FALSE(folders.ReadMimeApps().contains("x-content/video-dvd=tavrel"));
}

TEST(FileAssociations, AnExtensionWithoutAKnownTypeIsRefused)
{
    TXdgFolders folders;
    TFileAssociations associations(kPlayer);
    EXPECT_TRUE(TFileAssociations::MimeTypesOf(QStringLiteral("qqzzy")).isEmpty());
    EXPECT_FALSE(associations.Associate(QStringLiteral("qqzzy"), false));
    EXPECT_FALSE(associations.IsAssociated(QString()));
}
