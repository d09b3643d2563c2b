// Hostile and huge inputs: never a crash, time linear in the input, memory bounded
// by the list that results. Inputs are generated here, never stored.
#include "playlist/playlistfile.h"
#include "playlist/playlistregistry.h"
#include "playlisttestsupport.h"

#include <QElapsedTimer>
#include <limits>
#include <random>

namespace {

using namespace Qt::Literals::StringLiterals;

// Generous against the real cost (about a second each in an optimised build): a
// quadratic step on these sizes would take hours. Sanitizers make time and peak
// memory meaningless, so those builds check only the results.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif
constexpr qint64 kLinearBudgetMs = kSanitized ? std::numeric_limits<qint64>::max() : 20000;

#ifdef Q_OS_LINUX
// Peak resident memory since the last reset, in MiB.
class PeakMemory
{
public:
    PeakMemory()
    {
        QFile reset(u"/proc/self/clear_refs"_s);
        m_available = reset.open(QIODevice::WriteOnly) && reset.write("5") == 1;
        reset.close();
        m_start = peakMiB();
    }
    bool available() const { return m_available && m_start > 0; }
    qint64 growthMiB() const { return peakMiB() - m_start; }

private:
    static qint64 peakMiB()
    {
        QFile status(u"/proc/self/status"_s);
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong() / 1024;
        }
        return -1;
    }
    bool m_available = false;
    qint64 m_start = 0;
};
#endif

class BadInputTest : public ::testing::Test
{
protected:
    QString writeLarge(const QString &name, qint64 size, const QByteArray &pattern)
    {
        const QString file = folder.path(name);
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        QByteArray block;
        while (block.size() < (1 << 20))
            block += pattern;
        for (qint64 written = 0; written < size; written += block.size())
            out.write(block.constData(), std::min<qint64>(block.size(), size - written));
        return file;
    }

    PlaylistFolder folder;
    TPlayListModel model{folder.appFolder()};
    QElapsedTimer timer;
};

TEST_F(BadInputTest, BinaryGarbageGivesOnlyUsableEntries)
{
    std::mt19937 random(3);
    QByteArray garbage(8 << 20, Qt::Uninitialized);
    for (char &c : garbage)
        c = static_cast<char>(random() & 0xFF);
    garbage.replace('\x1A', '\x1B'); // keep the end mark out, so all of it is read
    const QString file = folder.write(u"garbage.m3u"_s, garbage);
    ASSERT_EQ(LoadPlaylistFile(model, true, file), PlaylistFileStatus::Done);
    EXPECT_GT(model.Count(), 1000);
    for (int i = 0; i < model.Count(); ++i) {
        const QString path = model.FileNameAt(i);
        ASSERT_FALSE(path.isEmpty());
        ASSERT_FALSE(path.contains(QChar(0)));
        ASSERT_FALSE(path.contains(u'\n') || path.contains(u'\r'));
    }
    EXPECT_EQ(model.First(), QString()); // no such files
}

TEST_F(BadInputTest, HugeFileOfDroppedLinesKeepsMemoryFlat)
{
    const QString file = writeLarge(u"big.m3u"_s, qint64(200) << 20,
                                    "#EXTINF:1," + QByteArray(1000, 'c') + "\r\n");
#ifdef Q_OS_LINUX
    PeakMemory memory;
#endif
    timer.start();
    ASSERT_EQ(LoadPlaylistFile(model, true, file), PlaylistFileStatus::Done);
    EXPECT_LT(timer.elapsed(), kLinearBudgetMs);
    EXPECT_EQ(model.Count(), 0);
#ifdef Q_OS_LINUX
    if (memory.available() && !kSanitized) {
        EXPECT_LT(memory.growthMiB(), 32);
    }
#endif
}

TEST_F(BadInputTest, OneLineOfFiftyMegabytes)
{
    const QString file = writeLarge(u"line.m3u"_s, qint64(50) << 20, "/very/long/path_");
    timer.start();
    ASSERT_EQ(LoadPlaylistFile(model, true, file), PlaylistFileStatus::Done);
    ASSERT_EQ(model.Count(), 1);
    EXPECT_EQ(model.FileNameAt(0).size(), qsizetype(50) << 20);
    EXPECT_EQ(model.Next(), QString());
    EXPECT_LT(timer.elapsed(), kLinearBudgetMs);
}

TEST_F(BadInputTest, FileFullOfNulBytes)
{
    const QString file = writeLarge(u"nul.pls"_s, qint64(16) << 20, QByteArray(64, '\0'));
    ASSERT_EQ(LoadPlaylistFile(model, true, file), PlaylistFileStatus::Done);
    EXPECT_EQ(model.Count(), 0);

    const QString mixed
        = folder.write(u"mixed.m3u"_s, QByteArray("/m/a\0b.avi\n\0\0/m/c.avi\0\n", 24));
    ASSERT_EQ(LoadPlaylistFile(model, true, mixed), PlaylistFileStatus::Done);
    EXPECT_EQ(fileNames(model), QStringList{u"/m/c.avi"_s});
}

TEST_F(BadInputTest, CrOnlyLineEndsOverAMillionEntries)
{
    QByteArray text;
    text.reserve(24 << 20);
    for (int i = 0; i < 1000000; ++i)
        text += "/media/film_" + QByteArray::number(i) + ".avi\r";
    const QString file = folder.write(u"million.m3u"_s, text);
    timer.start();
    ASSERT_EQ(LoadPlaylistFile(model, true, file), PlaylistFileStatus::Done);
    ASSERT_EQ(model.Count(), 1000000);
    EXPECT_EQ(model.TitleAt(999999), u"film 999999"_s);
    EXPECT_LT(timer.elapsed(), kLinearBudgetMs);
}

TEST_F(BadInputTest, PathsOfTenThousandCharacters)
{
    const QByteArray longName = "/m/" + QByteArray(10000, 'n') + ".avi";
    QByteArray text;
    for (int i = 0; i < 100; ++i)
        text += longName + ", \"t\"\r\n";
    const QString file = folder.write(u"long.mls"_s, text);
    ASSERT_EQ(LoadPlaylistFile(model, true, file), PlaylistFileStatus::Done);
    ASSERT_EQ(model.Count(), 100);
    EXPECT_EQ(model.FileNameAt(99).size(), longName.size());
    EXPECT_EQ(model.Next(), QString());
    const QString copy = folder.path(u"copy.mls"_s);
    ASSERT_EQ(SavePlaylistFile(model, copy), PlaylistFileStatus::Done);
    TPlayListModel back(folder.appFolder());
    ASSERT_EQ(LoadPlaylistFile(back, true, copy), PlaylistFileStatus::Done);
    EXPECT_EQ(fileNames(back), fileNames(model));
}

TEST_F(BadInputTest, StoredValueOfHundredMegabytes)
{
    QString stored;
    stored.reserve(50 << 20);
    const QString line = u"/media/films/"_s + QString(60, u'f') + u".avi, \"Title\"\r\n"_s;
    while (stored.size() < (50 << 20)) // 50 M characters: 100 MB as UTF-16
        stored += line;
    timer.start();
    RestorePlaylistFromText(model, stored);
    EXPECT_EQ(model.Count(), stored.size() / line.size());
    EXPECT_EQ(PlaylistToStoredText(model), stored);
    EXPECT_LT(timer.elapsed(), kLinearBudgetMs);
}

} // namespace
