#include "discs/disctitle.h"
#include "discs/tdiscdrives.h"
#include "disctestsupport.h"

#include <random>

namespace {

class DiscTitleTest : public ::testing::Test
{
protected:
    DiscTitleTest() { provider.add('E', disc.root(), QStringLiteral("MY_DISC")); }

    QString titleOf(const QString &relative) const
    {
        return DiscTitle(drives, disc.sized(relative));
    }
    void autorunNames(const QString &infoFile) const
    {
        disc.text(QStringLiteral("AUTORUN.INF"),
                  QStringLiteral("[configuration]\nINFOFILENAME = ") + infoFile);
    }

    TestDisc disc;
    FolderDrives provider;
    TDiscDrives drives{provider};
};

TEST_F(DiscTitleTest, FlyVcdTakesTheQuotedTitleOfTheLastLine)
{
    disc.write(QStringLiteral("FlyVCD.exe"), {});
    disc.text(QStringLiteral("VIDEOCD.MLS"),
              QStringLiteral("E:\\a.dat, \"First\"\r\n  E:\\b.dat, \"Good_Film\"  \r\n"));
    EXPECT_EQ(titleOf(QStringLiteral("a.dat")), QStringLiteral("Good Film"));
    // A last line that is not an entry with one quoted title is the candidate itself.
    disc.text(QStringLiteral("VIDEOCD.MLS"), QStringLiteral("E:\\a.dat, \"First\"\nplain\n"));
    EXPECT_EQ(titleOf(QStringLiteral("a.dat")), QStringLiteral("plain"));
    disc.text(QStringLiteral("VIDEOCD.MLS"), QStringLiteral("a, \"b\" \"c\"\n"));
    EXPECT_EQ(titleOf(QStringLiteral("a.dat")), QStringLiteral("a, \"b\" \"c\""));
}

TEST_F(DiscTitleTest, DivXPlayerReadsUpToTheFirstNul)
{
    disc.write(QStringLiteral("DivX_Player.exe"), {});
    disc.write(QStringLiteral("DATA/All.dat"), QByteArray("   The_Title\0garbage\xff", 22));
    EXPECT_EQ(titleOf(QStringLiteral("x.avi")), QStringLiteral("The Title"));
}

TEST_F(DiscTitleTest, ReadmeTitleIsTheFourthLineAfterTheWordForTitle)
{
    disc.write(QStringLiteral("movie.avi"), {});
    // "  нАЗВАНИЕ" and "Война" in the Cyrillic code page.
    disc.write(QStringLiteral("README.TXT"),
               "  \xed\xc0\xc7\xc2\xc0\xcd\xc8\xc5\r\n2\r\n3\r\n\xc2\xee\xe9\xed\xe0\r\nmore\r\n");
    EXPECT_EQ(titleOf(QStringLiteral("movie.avi")), QStringLiteral("Война"));

    for (const char *readme : {"Название\n2\n3", "Название", "Title\n2\n3\nNot this"}) {
        disc.write(QStringLiteral("README.TXT"), readme);
        EXPECT_EQ(titleOf(QStringLiteral("clip.avi")), QString()) << readme;
    }
}

TEST_F(DiscTitleTest, AutorunInfoFileGivesItsFirstLine)
{
    autorunNames(QStringLiteral("Info\\Title.txt"));
    disc.text(QStringLiteral("info/title.TXT"), QStringLiteral("  Autorun_Film \nsecond\n"));
    EXPECT_EQ(titleOf(QStringLiteral("x.avi")), QStringLiteral("Autorun Film"));
}

TEST_F(DiscTitleTest, AutorunInfoFileMissingBinaryOrOutsideTheDiscGivesNoTitle)
{
    autorunNames(QStringLiteral("none.txt"));
    EXPECT_EQ(titleOf(QStringLiteral("x.avi")), QString());
    // Without a title of its own, a file named after the disc still gets the label.
    EXPECT_EQ(titleOf(QStringLiteral("movie.mpg")), QStringLiteral("MY DISC"));

    autorunNames(QStringLiteral("bin.dat"));
    disc.write(QStringLiteral("bin.dat"), QByteArray("\x00\x01\x02\n\xff\xfe", 6));
    EXPECT_EQ(titleOf(QStringLiteral("x.avi")), QString());

    TestDisc outside;
    const QString secret = outside.text(QStringLiteral("secret.txt"), QStringLiteral("secret"));
    autorunNames(QStringLiteral("../") + QFileInfo(outside.root()).fileName()
                 + QStringLiteral("/secret.txt"));
    EXPECT_EQ(titleOf(QStringLiteral("x.avi")), QString());
    autorunNames(secret);
    EXPECT_EQ(titleOf(QStringLiteral("x.avi")), QString());
}

TEST_F(DiscTitleTest, MovieMachineFallsBackToTheAppendedTitle)
{
    disc.write(QStringLiteral("Mmach32.exe"), {});
    disc.text(QStringLiteral("mmachine.ini"),
              QStringLiteral("[MovieMachine]\nTitle1=   \nAppendTitle=Second_Choice\n"));
    EXPECT_EQ(titleOf(QStringLiteral("x.avi")), QStringLiteral("Second Choice"));
    disc.text(QStringLiteral("mmachine.ini"), QStringLiteral("[moviemachine]\ntitle1=First\n"));
    EXPECT_EQ(titleOf(QStringLiteral("x.avi")), QStringLiteral("First"));
}

TEST_F(DiscTitleTest, LabelNamesOnlyFilesCalledAfterTheDisc)
{
    EXPECT_EQ(titleOf(QStringLiteral("VIDEO.AVI")), QStringLiteral("MY DISC"));
    EXPECT_EQ(titleOf(QStringLiteral("sub/videoout.mpg")), QStringLiteral("MY DISC"));
    EXPECT_EQ(titleOf(QStringLiteral("film.avi")), QString());
    EXPECT_EQ(titleOf(QStringLiteral("video.part.avi")), QString());
    TestDisc elsewhere;
    EXPECT_EQ(DiscTitle(drives, elsewhere.sized(QStringLiteral("VIDEO.AVI"))), QString());
}

} // namespace

namespace {

// Whatever bytes the marker and title files of each layout hold, reading the title
// neither crashes nor hangs, and the title holds no "_" and no control character.
TEST_F(DiscTitleTest, ArbitraryBytesInEveryTitleSource)
{
    const QStringList layouts[] = {
        {QStringLiteral("FlyVCD.exe"), QStringLiteral("VIDEOCD.MLS")},
        {QStringLiteral("DivX_Player.exe"), QStringLiteral("DATA/All.dat")},
        {QStringLiteral("movie.avi"), QStringLiteral("README.TXT")},
        {QStringLiteral("AUTORUN.INF"), QStringLiteral("info.txt")},
        {QStringLiteral("Mmach32.exe"), QStringLiteral("mmachine.ini")},
    };
    const QByteArray prefixes[]
        = {"", "", "\xcd\xc0\xc7\xc2\xc0\xcd\xc8\xc5\n", "[CONFIGURATION]\nInfoFileName=info.txt\n",
           "[MovieMachine]\nTitle1="};
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        TestDisc disc;
        FolderDrives provider;
        provider.add('D', disc.root(), QStringLiteral("LABEL"));
        const int layout = round % 5;
        QByteArray noise(static_cast<int>(random() % 200), '\0');
        for (char &byte : noise)
            byte = static_cast<char>(random() % 256);
        disc.write(layouts[layout][0], layout == 3 ? prefixes[3] : QByteArray());
        disc.write(layouts[layout][1], prefixes[layout] + noise);
        const QString title = DiscTitle(TDiscDrives(provider), disc.sized(QStringLiteral("v.avi")));
        for (QChar c : title)
            ASSERT_TRUE(c != u'_' && c.unicode() >= 0x20) << round;
    }
}

} // namespace
