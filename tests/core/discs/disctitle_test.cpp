#include "discs/disctitle.h"
#include "discs/folderdriveprovider.h"
#include "discs/tdiscdrives.h"
#include "disctestsupport.h"
#include "text/legacytext.h"

namespace {

class DiscTitleTest : public ::testing::Test
{
protected:
    DiscTitleTest() { provider.AddDrive(QLatin1Char('E'), disc.root(), QStringLiteral("MY_DISC")); }

    QString titleOf(const QString &relative) const
    {
        return DiscTitle(drives, disc.sized(relative));
    }

    TestDisc disc;
    TFolderDriveProvider provider;
    TDiscDrives drives{provider};
};

QByteArray cp1251(const QString &text)
{
    QByteArray bytes;
    for (QChar c : text) {
        const ushort u = c.unicode();
        bytes.append(u >= 0x410 && u <= 0x44F ? static_cast<char>(u - 0x410 + 0xC0)
                                              : static_cast<char>(u));
    }
    return bytes;
}

TEST_F(DiscTitleTest, FlyVcdTakesTheQuotedTitleOfTheLastLine)
{
    disc.write(QStringLiteral("FlyVCD.exe"), {});
    disc.text(QStringLiteral("VIDEOCD.MLS"),
              QStringLiteral("E:\\a.dat, \"First\"\r\n  E:\\b.dat, \"Good_Film\"  \r\n"));
    EXPECT_EQ(titleOf(QStringLiteral("a.dat")), QStringLiteral("Good Film"));

    // A last line that is not an entry with a title is the candidate itself.
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
    disc.write(QStringLiteral("README.TXT"),
               cp1251(QStringLiteral("  нАЗВАНИЕ\r\nline 2\r\nline 3\r\nВойна и мир\r\nmore\r\n")));
    EXPECT_EQ(titleOf(QStringLiteral("movie.avi")), QStringLiteral("Война и мир"));

    disc.text(QStringLiteral("README.TXT"), QStringLiteral("Название\nonly two"));
    EXPECT_EQ(titleOf(QStringLiteral("clip.avi")), QString());
    disc.text(QStringLiteral("README.TXT"), QStringLiteral("Название"));
    EXPECT_EQ(titleOf(QStringLiteral("clip.avi")), QString());
    disc.text(QStringLiteral("README.TXT"), QStringLiteral("Title\n2\n3\nNot this"));
    EXPECT_EQ(titleOf(QStringLiteral("clip.avi")), QString());
}

TEST_F(DiscTitleTest, AutorunInfoFileGivesItsFirstLine)
{
    disc.text(QStringLiteral("AUTORUN.INF"),
              QStringLiteral("[configuration]\nINFOFILENAME = Info\\Title.txt\n"));
    disc.text(QStringLiteral("info/title.TXT"), QStringLiteral("  Autorun_Film \nsecond\n"));
    EXPECT_EQ(titleOf(QStringLiteral("x.avi")), QStringLiteral("Autorun Film"));
}

TEST_F(DiscTitleTest, AutorunInfoFileMissingBinaryOrOutsideTheDiscGivesNoTitle)
{
    disc.text(QStringLiteral("AUTORUN.INF"),
              QStringLiteral("[CONFIGURATION]\nInfoFileName=none.txt\n"));
    EXPECT_EQ(titleOf(QStringLiteral("x.avi")), QString());
    // Without a title of its own, a file named after the disc still gets the label.
    EXPECT_EQ(titleOf(QStringLiteral("movie.mpg")), QStringLiteral("MY DISC"));

    disc.text(QStringLiteral("AUTORUN.INF"),
              QStringLiteral("[CONFIGURATION]\nInfoFileName=bin.dat\n"));
    disc.write(QStringLiteral("bin.dat"), QByteArray("\x00\x01\x02\n\xff\xfe", 6));
    EXPECT_EQ(titleOf(QStringLiteral("x.avi")), QString());

    TestDisc outside;
    outside.text(QStringLiteral("secret.txt"), QStringLiteral("secret"));
    const QString climb = QStringLiteral("../") + QFileInfo(outside.root()).fileName()
                          + QStringLiteral("/secret.txt");
    disc.text(QStringLiteral("AUTORUN.INF"),
              QStringLiteral("[CONFIGURATION]\nInfoFileName=") + climb);
    EXPECT_EQ(titleOf(QStringLiteral("x.avi")), QString());
    disc.text(QStringLiteral("AUTORUN.INF"), QStringLiteral("[CONFIGURATION]\nInfoFileName=")
                                                 + outside.path(QStringLiteral("secret.txt")));
    EXPECT_EQ(titleOf(QStringLiteral("x.avi")), QString());
}

TEST_F(DiscTitleTest, MovieMachineFallsBackToTheAppendedTitle)
{
    disc.write(QStringLiteral("Mmach32.exe"), {});
    disc.text(QStringLiteral("mmachine.ini"),
              QStringLiteral("[MovieMachine]\nTitle1=   \nAppendTitle=Second_Choice\n"));
    EXPECT_EQ(titleOf(QStringLiteral("x.avi")), QStringLiteral("Second Choice"));
    disc.text(QStringLiteral("mmachine.ini"),
              QStringLiteral("[moviemachine]\ntitle1=First\nAppendTitle=Second\n"));
    EXPECT_EQ(titleOf(QStringLiteral("x.avi")), QStringLiteral("First"));
}

TEST_F(DiscTitleTest, LabelNamesOnlyFilesCalledAfterTheDisc)
{
    EXPECT_EQ(titleOf(QStringLiteral("VIDEO.AVI")), QStringLiteral("MY DISC"));
    EXPECT_EQ(titleOf(QStringLiteral("sub/videoout.mpg")), QStringLiteral("MY DISC"));
    EXPECT_EQ(titleOf(QStringLiteral("Movie.avi")), QStringLiteral("MY DISC"));
    EXPECT_EQ(titleOf(QStringLiteral("film.avi")), QString());
    EXPECT_EQ(titleOf(QStringLiteral("video.part.avi")), QString());
}

TEST_F(DiscTitleTest, PathOnNoDriveHasNoTitle)
{
    TestDisc elsewhere;
    EXPECT_EQ(DiscTitle(drives, elsewhere.sized(QStringLiteral("VIDEO.AVI"))), QString());
}

} // namespace
