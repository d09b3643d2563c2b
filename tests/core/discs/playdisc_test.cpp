#include "discs/playdisc.h"
#include "discs/tdiscdrives.h"
#include "disctestsupport.h"
#include "playlist/tplaylistmodel.h"

namespace {

class PlayDiscTest : public ::testing::Test
{
protected:
    TDiscPlay play(TDiscSource source = TDiscSource::AllDrives, const QString &selectDrive = {},
                   QChar chosen = {}, const TScanYield &yield = {})
    {
        return PlayDisc(drives, TDiscPlayRequest{source, selectDrive, chosen}, yield);
    }
    static QStringList names(const QStringList &paths)
    {
        QStringList result;
        for (const QString &path : paths)
            result.append(QFileInfo(path).fileName());
        return result;
    }

    TestDisc first;
    TestDisc second;
    FolderDrives provider;
    TDiscDrives drives{provider};
    TPlayListModel playlist{QStringLiteral("/app/")};
};

TEST_F(PlayDiscTest, DvdInTheSecondDriveWinsOverFilesInTheFirst)
{
    first.sized(QStringLiteral("film.avi"));
    second.write(QStringLiteral("video_ts/VIDEO_TS.ifo"), QByteArray("DVDVIDEO-VMG\0\0", 14));
    second.sized(QStringLiteral("video_ts/VTS_01_1.VOB"));
    provider.add('D', first.root());
    provider.add('E', second.root());

    const TDiscPlay result = play();
    ASSERT_EQ(result.What, TDiscPlay::Action::OpenDvd);
    EXPECT_EQ(result.Drive, QLatin1Char('E'));
    EXPECT_EQ(result.DvdPath, second.path(QStringLiteral("video_ts/VIDEO_TS.ifo")));
    EXPECT_TRUE(ApplyDiscPlay(result, playlist).isEmpty());
    EXPECT_EQ(playlist.Count(), 0);
}

TEST_F(PlayDiscTest, GarbledOrEmptyVideoTsIsPlayedAsFiles)
{
    first.write(QStringLiteral("VIDEO_TS/VIDEO_TS.IFO"), QByteArray("DVDVIDEO-VTS"));
    first.sized(QStringLiteral("VIDEO_TS/VTS_01_1.VOB"));
    second.write(QStringLiteral("VIDEO_TS/VIDEO_TS.IFO"), QByteArray("DVDVID"));
    QDir().mkpath(second.path(QStringLiteral("empty/VIDEO_TS")));
    provider.add('D', first.root());
    provider.add('E', second.root());
    EXPECT_EQ(names(play().Files), QStringList{QStringLiteral("VTS_01_1.VOB")});
}

TEST_F(PlayDiscTest, ReadmeTitleNamesTheOnlyFilm)
{
    first.sized(QStringLiteral("movie.avi"));
    first.text(QStringLiteral("README.TXT"),
               QStringLiteral("НАЗВАНИЕ\r\n\r\nАвтор\r\n Брат_2 \r\n"));
    provider.add('D', first.root());

    const TDiscPlay result = play();
    EXPECT_EQ(result.Title, QStringLiteral("Брат 2"));
    EXPECT_EQ(ApplyDiscPlay(result, playlist), first.path(QStringLiteral("movie.avi")));
    ASSERT_EQ(playlist.Count(), 1);
    EXPECT_EQ(playlist.CurrentTitle(), QStringLiteral("Брат 2"));
}

TEST_F(PlayDiscTest, FilesUnderThreeHundredThousandBytesAreNotOffered)
{
    first.sized(QStringLiteral("small.avi"), 299999);
    first.sized(QStringLiteral("CDI/cdi_bum.dat"), 10'000'000);
    provider.add('D', first.root());
    const TDiscPlay result = play();
    EXPECT_FALSE(result.Started());
    EXPECT_EQ(result.StatusText, QStringLiteral("Not found CD/DVD video"));
    EXPECT_EQ(result.StatusTenths, 20);

    first.sized(QStringLiteral("small.avi"), 300000);
    EXPECT_EQ(names(play().Files), QStringList{QStringLiteral("small.avi")});
}

TEST_F(PlayDiscTest, SeveralFilesMakeADescendingPlaylist)
{
    first.sized(QStringLiteral("A.avi"));
    first.sized(QStringLiteral("b.avi"));
    first.sized(QStringLiteral("C/c.mkv"));
    provider.add('D', first.root(), QStringLiteral("LABEL"));

    const TDiscPlay result = play();
    EXPECT_EQ(names(result.Files), (QStringList{QStringLiteral("c.mkv"), QStringLiteral("b.avi"),
                                                QStringLiteral("A.avi")}));
    EXPECT_TRUE(result.Title.isEmpty());
    EXPECT_EQ(ApplyDiscPlay(result, playlist), first.path(QStringLiteral("C/c.mkv")));
    ASSERT_EQ(playlist.Count(), 3);
    EXPECT_EQ(playlist.TitleAt(1), QStringLiteral("b"));
}

TEST_F(PlayDiscTest, LoneVideoFileIsTitledByTheVolumeLabel)
{
    first.sized(QStringLiteral("VIDEO.AVI"));
    provider.add('D', first.root(), QStringLiteral("SUMMER_2004_TRIP"));
    ApplyDiscPlay(play(), playlist);
    EXPECT_EQ(playlist.CurrentTitle(), QStringLiteral("SUMMER 2004 TRIP"));
}

TEST_F(PlayDiscTest, SourcesChooseTheDrivesTried)
{
    second.sized(QStringLiteral("second.avi"));
    first.sized(QStringLiteral("first.avi"));
    provider.add('C', QString());
    provider.add('D', QStringLiteral("/nonexistent/tavrel/disc"));
    provider.add('E', second.root());
    provider.add('F', first.root());

    EXPECT_EQ(play().Drive, QLatin1Char('E'));
    // Restricting play to selected drives with none selected finds nothing.
    EXPECT_FALSE(play(TDiscSource::SelectedDrives, QString()).Started());
    EXPECT_EQ(play(TDiscSource::SelectedDrives, QStringLiteral("xfe")).Drive, QLatin1Char('F'));
    EXPECT_EQ(play(TDiscSource::ChosenDrive, {}, QLatin1Char('f')).Drive, QLatin1Char('F'));
    EXPECT_FALSE(play(TDiscSource::ChosenDrive, {}, QLatin1Char('D')).Started());
}

TEST_F(PlayDiscTest, ScanStoppedOrOvertakenByEvents)
{
    first.sized(QStringLiteral("a/one.avi"));
    first.sized(QStringLiteral("b/two.avi"));
    provider.add('D', first.root());
    const TDiscPlay stopped = play(TDiscSource::AllDrives, {}, {}, [] { return false; });
    EXPECT_TRUE(stopped.Aborted);
    EXPECT_TRUE(stopped.StatusText.isEmpty());

    // Files that vanish while the scan lets events run are not offered.
    const TDiscPlay result = play(TDiscSource::AllDrives, {}, {}, [&] {
        QDir(first.path(QStringLiteral("a"))).removeRecursively();
        return true;
    });
    EXPECT_EQ(names(result.Files), QStringList{QStringLiteral("two.avi")});
}

} // namespace
