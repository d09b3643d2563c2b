#include "fifoprobe.h"
#include "playback/avikeyframes.h"
#include "riffbuilder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

using Table = std::vector<quint32>;

const QByteArray kHeaderList = QByteArray("hdrl") + QByteArray(56, 'h');
const QByteArray kMovieList = QByteArray("movi") + QByteArray(40, 'm');

Table readBytes(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return AviKeyFrames::Read(buffer);
}

struct IndexCase
{
    const char *name;
    QByteArray file;
    Table expected;
};

class AviIndexTest : public ::testing::TestWithParam<IndexCase>
{
};

TEST_P(AviIndexTest, ReadsKeyFrames)
{
    EXPECT_EQ(readBytes(GetParam().file), GetParam().expected);
}

QByteArray film(const QByteArray &index)
{
    return RiffBuilder()
        .chunk("LIST", kHeaderList)
        .chunk("LIST", kMovieList)
        .chunk("idx1", index)
        .bytes();
}

INSTANTIATE_TEST_SUITE_P(
    Files, AviIndexTest,
    ::testing::Values(
        IndexCase{"EveryTwoHundredFifty", film(RiffBuilder::index(1000, 250)), {0, 250, 500, 750}},
        // Only the key-frame flag alone marks a key frame; other streams and uncompressed
        // frames are neither counted nor numbered.
        IndexCase{"FlagsMustBeExactlyKey",
                  film(RiffBuilder::entry("00dc", 17) + RiffBuilder::entry("00dc", 16)
                       + RiffBuilder::entry("00db", 16) + RiffBuilder::entry("01dc", 16)
                       + RiffBuilder::entry("00dc", 0) + RiffBuilder::entry("00dc", 16)),
                  {1, 3}},
        IndexCase{"NoIndex",
                  RiffBuilder().chunk("LIST", kHeaderList).chunk("LIST", kMovieList).bytes(),
                  {}},
        IndexCase{"EmptyIndex", film(QByteArray()), {}},
        // Chunks are walked without pad bytes: an odd size leads straight to the next header.
        IndexCase{
            "OddChunkWithoutPad",
            RiffBuilder().chunk("JUNK", "abc").chunk("idx1", RiffBuilder::index(3, 2)).bytes(),
            {0, 2}},
        IndexCase{"ZeroSizeChunksThenIndex",
                  RiffBuilder()
                      .chunk("JUNK", {})
                      .chunk("JUNK", {})
                      .chunk("idx1", RiffBuilder::index(2, 1))
                      .bytes(),
                  {0, 1}},
        IndexCase{"ZeroSizeChunksToTheEnd",
                  RiffBuilder().chunk("JUNK", {}).chunk("JUNK", {}).chunk("JUNK", {}).bytes(),
                  {}},
        IndexCase{"SizePastTheEnd",
                  RiffBuilder()
                      .chunkWithSize("LIST", 5000, kMovieList)
                      .chunk("idx1", RiffBuilder::index(4, 1))
                      .bytes(),
                  {}},
        IndexCase{"LargestSize",
                  RiffBuilder()
                      .chunkWithSize("LIST", 0xFFFFFFFF, kMovieList)
                      .chunk("idx1", RiffBuilder::index(4, 1))
                      .bytes(),
                  {}},
        IndexCase{"PartialLastEntry",
                  film(RiffBuilder::entry("00dc", 16) + RiffBuilder::entry("00dc", 16).left(10)),
                  {0}},
        // The index is read to the end of the file whatever its own size says.
        IndexCase{"IndexRunsToTheEnd",
                  RiffBuilder().chunkWithSize("idx1", 16, RiffBuilder::index(3, 1)).bytes(),
                  {0, 1, 2}},
        IndexCase{"HeaderCutShort", RiffBuilder().bytes() + "idx", {}},
        IndexCase{"ShorterThanRiffHeader", QByteArray("RIFF\x10"), {}},
        IndexCase{"NothingAtAll", QByteArray(), {}}),
    [](const auto &info) { return std::string(info.param.name); });

// Damaged copies of a film: whatever the damage, the table stays strictly ascending and no
// longer than the entries the file could hold.
TEST(AviIndexDamage, RandomBytesNeverBreakTheTable)
{
    const QByteArray good = film(RiffBuilder::index(300, 25));
    std::mt19937 random(20261208);
    for (int round = 0; round < 3000; ++round) {
        QByteArray damaged = good;
        const int hits = 1 + static_cast<int>(random() % 8);
        for (int hit = 0; hit < hits; ++hit)
            damaged[random() % damaged.size()] = static_cast<char>(random());
        if (random() % 4 == 0)
            damaged.truncate(random() % damaged.size());
        const Table table = readBytes(damaged);
        ASSERT_LE(table.size(), static_cast<size_t>(damaged.size() / 16)) << round;
        ASSERT_TRUE(std::adjacent_find(table.begin(), table.end(), std::greater_equal<quint32>())
                    == table.end())
            << round;
    }
}

class AviFileTest : public ::testing::Test
{
protected:
    QString write(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("film.avi"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir m_dir;
};

// Far more entries than one read block holds, with a count that does not fill the last one.
TEST_F(AviFileTest, LongIndexAcrossReadBlocks)
{
    const int frames = 100003;
    const Table table = AviKeyFrames::Read(write(film(RiffBuilder::index(frames, 250))));
    ASSERT_EQ(table.size(), 401u);
    for (size_t i = 0; i < table.size(); ++i)
        ASSERT_EQ(table[i], i * 250) << i;
}

TEST_F(AviFileTest, NothingButRegularFiles)
{
    EXPECT_TRUE(AviKeyFrames::Read(m_dir.filePath(QStringLiteral("missing.avi"))).empty());
    EXPECT_TRUE(AviKeyFrames::Read(m_dir.path()).empty());
    EXPECT_TRUE(AviKeyFrames::Read(QString()).empty());
    const QString pipe = m_dir.filePath(QStringLiteral("pipe.avi"));
    EXPECT_TRUE(ReturnsOnIdlePipe(pipe, [&] { EXPECT_TRUE(AviKeyFrames::Read(pipe).empty()); }));
}

} // namespace
