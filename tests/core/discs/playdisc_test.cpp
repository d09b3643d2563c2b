#include "discs/folderdriveprovider.h"
#include "discs/playdisc.h"
#include "discs/tdiscdrives.h"
#include "disctestsupport.h"
#include "playlist/tplaylistmodel.h"

namespace {

const QByteArray kVideoManager = QByteArray("DVDVIDEO-VMG") + QByteArray(2036, '\0');

class PlayDiscTest : public ::testing::Test
{
protected:
    TDiscPlay play(TDiscSource source, const QString &selectDrive = {}, QChar chosen = {})
    {
        return PlayDisc(drives, TDiscPlayRequest{source, selectDrive, chosen});
    }

    QStringList names(const QStringList &paths) const
    {
        QStringList result;
        for (const QString &path : paths)
            result.append(QFileInfo(path).fileName());
        return result;
    }

    TestDisc first;
    TestDisc second;
    TFolderDriveProvider provider;
    TDiscDrives drives{provider};
    TPlayListModel playlist{QStringLiteral("/app/")};
};

TEST_F(PlayDiscTest, DvdInTheSecondDriveWinsOverFilesInTheFirst)
{
    first.sized(QStringLiteral("film.avi"));
    second.write(QStringLiteral("video_ts/VIDEO_TS.ifo"), kVideoManager);
    second.sized(QStringLiteral("video_ts/VTS_01_1.VOB"));
    provider.AddDrive(QLatin1Char('E'), second.root());
    provider.AddDrive(QLatin1Char('D'), first.root());

    const TDiscPlay result = play(TDiscSource::AllDrives);
    ASSERT_EQ(result.What, TDiscPlay::Action::OpenDvd);
    EXPECT_EQ(result.Drive, QLatin1Char('E'));
    EXPECT_EQ(result.DvdPath, second.path(QStringLiteral("video_ts/VIDEO_TS.ifo")));
    EXPECT_TRUE(result.StatusText.isEmpty());
    EXPECT_TRUE(ApplyDiscPlay(result, playlist).isEmpty());
}

TEST_F(PlayDiscTest, EntryFileWithoutTheVideoManagerSignatureIsNoDvd)
{
    first.write(QStringLiteral("VIDEO_TS/VIDEO_TS.IFO"), QByteArray("DVDVIDEO-VTS", 12));
    first.sized(QStringLiteral("VIDEO_TS/VTS_01_1.VOB"));
    second.write(QStringLiteral("VIDEO_TS/VIDEO_TS.IFO"), QByteArray("DVDVID"));
    QDir().mkpath(second.path(QStringLiteral("empty/VIDEO_TS")));
    provider.AddDrive(QLatin1Char('D'), first.root());
    provider.AddDrive(QLatin1Char('E'), second.root());

    const TDiscPlay result = play(TDiscSource::AllDrives);
    ASSERT_EQ(result.What, TDiscPlay::Action::OpenFiles);
    EXPECT_EQ(names(result.Files), QStringList{QStringLiteral("VTS_01_1.VOB")});
}

TEST_F(PlayDiscTest, ReadmeTitleNamesTheOnlyFilm)
{
    first.sized(QStringLiteral("movie.avi"));
    first.text(QStringLiteral("README.TXT"),
               QStringLiteral("НАЗВАНИЕ\r\n\r\nАвтор\r\n Брат_2 \r\n"));
    provider.AddDrive(QLatin1Char('D'), first.root());

    const TDiscPlay result = play(TDiscSource::AllDrives);
    ASSERT_EQ(result.What, TDiscPlay::Action::OpenFiles);
    EXPECT_EQ(result.Title, QStringLiteral("Брат 2"));
    EXPECT_EQ(ApplyDiscPlay(result, playlist), first.path(QStringLiteral("movie.avi")));
    ASSERT_EQ(playlist.Count(), 1);
    EXPECT_EQ(playlist.TitleAt(0), QStringLiteral("Брат 2"));
    EXPECT_EQ(playlist.CurrentIndex(), 0);
}

TEST_F(PlayDiscTest, FilesUnderThreeHundredThousandBytesAreNotOffered)
{
    first.sized(QStringLiteral("small.avi"), 299999);
    first.sized(QStringLiteral("CDI/cdi_bum.dat"), 10'000'000);
    provider.AddDrive(QLatin1Char('D'), first.root());
    const TDiscPlay result = play(TDiscSource::AllDrives);
    EXPECT_FALSE(result.Started());
    EXPECT_EQ(result.StatusText, QStringLiteral("Not found CD/DVD video"));
    EXPECT_EQ(result.StatusTenths, 20);

    first.sized(QStringLiteral("small.avi"), 300000);
    EXPECT_EQ(names(play(TDiscSource::AllDrives).Files), QStringList{QStringLiteral("small.avi")});
}

TEST_F(PlayDiscTest, SeveralFilesMakeADescendingPlaylist)
{
    first.sized(QStringLiteral("A.avi"));
    first.sized(QStringLiteral("b.avi"));
    provider.AddDrive(QLatin1Char('D'), first.root(), QStringLiteral("LABEL"));

    const TDiscPlay result = play(TDiscSource::AllDrives);
    EXPECT_EQ(names(result.Files), (QStringList{QStringLiteral("b.avi"), QStringLiteral("A.avi")}));
    EXPECT_TRUE(result.Title.isEmpty());
    EXPECT_EQ(ApplyDiscPlay(result, playlist), first.path(QStringLiteral("b.avi")));
    ASSERT_EQ(playlist.Count(), 2);
    EXPECT_EQ(playlist.TitleAt(0), QStringLiteral("b"));
    EXPECT_EQ(playlist.TitleAt(1), QStringLiteral("A"));
}

TEST_F(PlayDiscTest, SortIgnoresCaseAcrossFoldersAndMasks)
{
    first.sized(QStringLiteral("Z/c.mkv"));
    first.sized(QStringLiteral("a.avi"));
    first.sized(QStringLiteral("B.mpg"));
    provider.AddDrive(QLatin1Char('D'), first.root());
    EXPECT_EQ(
        names(play(TDiscSource::AllDrives).Files),
        (QStringList{QStringLiteral("c.mkv"), QStringLiteral("B.mpg"), QStringLiteral("a.avi")}));
}

TEST_F(PlayDiscTest, LoneVideoFileIsTitledByTheVolumeLabel)
{
    first.sized(QStringLiteral("VIDEO.AVI"));
    provider.AddDrive(QLatin1Char('D'), first.root(), QStringLiteral("SUMMER_2004_TRIP"));
    const TDiscPlay result = play(TDiscSource::AllDrives);
    EXPECT_EQ(result.Title, QStringLiteral("SUMMER 2004 TRIP"));
    ApplyDiscPlay(result, playlist);
    EXPECT_EQ(playlist.CurrentTitle(), QStringLiteral("SUMMER 2004 TRIP"));
}

TEST_F(PlayDiscTest, SourcesChooseTheDrivesTried)
{
    first.sized(QStringLiteral("first.avi"));
    second.sized(QStringLiteral("second.avi"));
    provider.AddDrive(QLatin1Char('D'), first.root());
    provider.AddDrive(QLatin1Char('E'), second.root());

    // Restricting to selected drives with nothing selected finds nothing.
    EXPECT_FALSE(play(TDiscSource::SelectedDrives, QString()).Started());
    EXPECT_EQ(play(TDiscSource::SelectedDrives, QStringLiteral("ed")).Drive, QLatin1Char('E'));
    EXPECT_EQ(play(TDiscSource::SelectedDrives, QStringLiteral("XD")).Drive, QLatin1Char('D'));
    EXPECT_EQ(play(TDiscSource::ChosenDrive, {}, QLatin1Char('e')).Drive, QLatin1Char('E'));
    EXPECT_FALSE(play(TDiscSource::ChosenDrive).Started());
}

TEST_F(PlayDiscTest, DrivesWithoutDiscAreSkipped)
{
    second.sized(QStringLiteral("second.avi"));
    provider.AddDrive(QLatin1Char('D'), QString());
    provider.AddDrive(QLatin1Char('E'), QStringLiteral("/nonexistent/tavrel/disc"));
    provider.AddDrive(QLatin1Char('F'), second.root());
    EXPECT_EQ(play(TDiscSource::AllDrives).Drive, QLatin1Char('F'));
}

TEST_F(PlayDiscTest, YieldStopsTheScanWithoutAStatusText)
{
    first.sized(QStringLiteral("film.avi"));
    provider.AddDrive(QLatin1Char('D'), first.root());
    const TDiscPlay result
        = PlayDisc(drives, TDiscPlayRequest{TDiscSource::AllDrives, {}, {}}, [] { return false; });
    EXPECT_FALSE(result.Started());
    EXPECT_TRUE(result.Aborted);
    EXPECT_TRUE(result.StatusText.isEmpty());
}

TEST_F(PlayDiscTest, FilesVanishingDuringTheScanAreNotOffered)
{
    first.sized(QStringLiteral("a/one.avi"));
    first.sized(QStringLiteral("b/two.avi"));
    provider.AddDrive(QLatin1Char('D'), first.root());
    bool removed = false;
    const TDiscPlay result
        = PlayDisc(drives, TDiscPlayRequest{TDiscSource::AllDrives, {}, {}}, [&] {
              if (!removed)
                  removed = QDir(first.path(QStringLiteral("a"))).removeRecursively();
              return true;
          });
    EXPECT_EQ(names(result.Files), QStringList{QStringLiteral("two.avi")});
}

} // namespace
