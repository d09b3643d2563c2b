#include "discs/findfiles.h"
#include "disctestsupport.h"

#include <QElapsedTimer>
#include <unistd.h>

namespace {

QStringList relativeTo(const TestDisc &disc, const QStringList &paths)
{
    QStringList relative;
    for (const QString &path : paths)
        relative.append(QDir(disc.root()).relativeFilePath(path));
    return relative;
}

TEST(FindFiles, ResultsComeGroupedByMaskInListOrder)
{
    TestDisc disc;
    disc.sized(QStringLiteral("b.mkv"), 1);
    disc.sized(QStringLiteral("a.avi"), 1);
    disc.sized(QStringLiteral("sub/c.AVI"), 1);
    disc.sized(QStringLiteral("sub/deeper/d.mkv"), 1);
    disc.sized(QStringLiteral("z.avi"), 1);
    disc.sized(QStringLiteral("notes.txt"), 1);
    QStringList found;
    EXPECT_TRUE(FindFilesByMasks(disc.root(), QStringLiteral("*.MKV;*.AVI;z.*"), found));
    EXPECT_EQ(relativeTo(disc, found),
              (QStringList{QStringLiteral("b.mkv"), QStringLiteral("sub/deeper/d.mkv"),
                           QStringLiteral("a.avi"), QStringLiteral("sub/c.AVI"),
                           QStringLiteral("z.avi"), QStringLiteral("z.avi")}));
}

TEST(FindFiles, OnlyRegularFilesAndNoLinkedFolders)
{
    TestDisc disc;
    disc.sized(QStringLiteral(".hidden.avi"), 1);
    disc.sized(QStringLiteral("a/film.avi"), 1);
    QDir().mkpath(disc.path(QStringLiteral("folder.avi")));
    // A pipe would block whoever opens it; links back up the tree would never end.
    ASSERT_EQ(mkfifo(disc.path(QStringLiteral("pipe.avi")).toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(disc.root(), disc.path(QStringLiteral("a/loop"))));
    QStringList found{QStringLiteral("already")};
    EXPECT_TRUE(FindFiles(disc.root(), QStringLiteral("*.avi"), true, found));
    EXPECT_EQ(relativeTo(disc, found.mid(1)),
              (QStringList{QStringLiteral(".hidden.avi"), QStringLiteral("a/film.avi")}));
    EXPECT_EQ(found.first(), QStringLiteral("already"));

    QStringList top;
    FindFiles(disc.root(), QString(), false, top);
    EXPECT_EQ(relativeTo(disc, top), QStringList{QStringLiteral(".hidden.avi")});
}

TEST(FindFiles, YieldRunsAfterEveryEntryAndCanStopTheSearch)
{
    TestDisc disc;
    for (int i = 0; i < 5; ++i)
        disc.sized(QStringLiteral("sub/%1.avi").arg(i), 1);
    int calls = 0;
    QStringList found;
    EXPECT_TRUE(FindFilesByMasks(disc.root(), QStringLiteral("*.AVI;*.MKV"), found, [&] {
        ++calls;
        return true;
    }));
    EXPECT_EQ(calls, 6); // the folder and its five files, whatever the number of masks

    calls = 0;
    found.clear();
    EXPECT_FALSE(
        FindFilesByMasks(disc.root(), QStringLiteral("*.AVI"), found, [&] { return ++calls < 3; }));
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(found.size(), 2);
}

// Builds and removes the chain by changing into each level, as its full path is far
// longer than any path the system accepts.
class DeepTree
{
public:
    DeepTree(const QString &base, int depth)
        : m_base(base)
        , m_depth(depth)
    {
        m_previous = QDir::currentPath();
        QDir::setCurrent(base);
        for (int i = 0; i < depth; ++i) {
            ::mkdir("d", 0700);
            EXPECT_EQ(::chdir("d"), 0);
            if (i == 2 || i == 1500)
                QFile(QStringLiteral("film.avi")).open(QIODevice::WriteOnly);
        }
        QDir::setCurrent(m_previous);
    }
    ~DeepTree()
    {
        QDir::setCurrent(m_base);
        int level = 0;
        while (level < m_depth && ::chdir("d") == 0)
            ++level;
        for (; level > 0; --level) {
            ::unlink("film.avi");
            EXPECT_EQ(::chdir(".."), 0);
            ::rmdir("d");
        }
        QDir::setCurrent(m_previous);
    }

private:
    QString m_base;
    QString m_previous;
    int m_depth;
};

TEST(FindFiles, TenThousandFoldersDeepNeitherCrashesNorHangs)
{
    // Twenty thousand directory operations take seconds on a journalled disk; memory
    // keeps the test quick where the machine offers it.
    const QString memory = QStringLiteral("/dev/shm");
    const QFileInfo memoryInfo(memory);
    const QString base = memoryInfo.isDir() && memoryInfo.isWritable() ? memory : QDir::tempPath();
    QTemporaryDir disc(base + QStringLiteral("/tavrel-deep-XXXXXX"));
    ASSERT_TRUE(disc.isValid());
    DeepTree tree(disc.path(), 10000);
    QElapsedTimer timer;
    timer.start();
    QStringList found;
    EXPECT_TRUE(FindFilesByMasks(disc.path(), QStringLiteral("*.AVI"), found));
    EXPECT_LT(timer.elapsed(), 60000);
    // Levels whose path the system still accepts are searched.
    ASSERT_EQ(found.size(), 2);
    EXPECT_TRUE(found.contains(disc.filePath(QStringLiteral("d/d/d/film.avi"))));
}

} // namespace
