// Commands and actions of the whole player that reach the volume, the discs, the playlist and
// the panels.
#include "../../core/discs/disctestsupport.h"
#include "commands/commandcodes.h"
#include "menus/taction.h"
#include "playerfixture.h"
#include "playlist/tplaylistmodel.h"
#include "terrorreporter.h"
#include "tfilechooser.h"
#include "tfmselectdrive.h"
#include "ttavrelplayer.h"
#include "tvideoarea.h"
#include "tvpanel.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

TEST_F(PlayerTest, VolumeCommandsStepByTheVolumeBarsStep)
{
    Start();
    player->SetVolumeBar(5000);
    Send(Cmd::VolumeUp);
    EXPECT_EQ(player->VolumeBar(), 5500);
    Send(Cmd::VolumeDown);
    Send(Cmd::VolumeDown);
    EXPECT_EQ(player->VolumeBar(), 4500);
    player->SetVolumeBar(9800);
    Send(Cmd::VolumeUp);
    EXPECT_EQ(player->VolumeBar(), 10000);
    player->SetVolumeBar(200);
    Send(Cmd::VolumeDown);
    EXPECT_EQ(player->VolumeBar(), 0);
}

TEST_F(PlayerTest, PlayDiscWithZeroPlaysAsThePlayCommand)
{
    Start();
    player->SetDriveProvider(std::make_unique<FolderDrives>());
    player->Playlist().AddEntry(Media("long-120s.mp4"));
    Send(Cmd::PlayDisc, 0);
    EXPECT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
}

// A disc drive is a folder; its film is a copy of a test clip.
class DiscPlayerTest : public PlayerTest
{
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        film = QDir(disc.root()).filePath(QStringLiteral("FILM.MP4"));
        ASSERT_TRUE(QFile::copy(Media("long-120s.mp4"), film));
        ASSERT_GE(QFileInfo(film).size(), 300000);
    }
    void StartWithDiscIn(char letter)
    {
        Start();
        auto drives = std::make_unique<FolderDrives>();
        drives->add(letter, disc.root(), QStringLiteral("FILM"));
        player->SetDriveProvider(std::move(drives));
    }

    TestDisc disc;
    QString film;
};

TEST_F(DiscPlayerTest, DriveQueryAnswersTheDriveOfTheCurrentMedium)
{
    StartWithDiscIn('E');
    EXPECT_EQ(Send(Cmd::QueryDrive), 0);
    player->OpenFile(film);
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    EXPECT_EQ(Send(Cmd::QueryDrive), 5);
    player->OpenFile(Media("long-120s.mp4"));
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    EXPECT_EQ(Send(Cmd::QueryDrive), 0) << "a file on no optical drive";
}

TEST_F(DiscPlayerTest, DriveSubmenuItemPlaysItsDrive)
{
    StartWithDiscIn('D');
    player->MainWindow()->PerformActions({TAction::of(TActionKind::PlayDrive, 'D')});
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    EXPECT_EQ(player->Media().Info.CurrentName, film);
    Send(Cmd::Close);
    // A drive without a disc plays nothing.
    player->MainWindow()->PerformActions({TAction::of(TActionKind::PlayDrive, 'F')});
    EXPECT_EQ(Send(Cmd::QueryState), 0);
}

TEST_F(DiscPlayerTest, DriveChooserOpensAndPlaysTheChosenDrive)
{
    StartWithDiscIn('D');
    QStringList listed;
    QTimer::singleShot(50, [&listed] {
        auto *chooser = qobject_cast<TfmSelectDrive *>(QApplication::activeModalWidget());
        if (!chooser)
            return;
        for (int i = 0; i < chooser->lbSD->count(); ++i)
            listed.append(chooser->lbSD->item(i)->text());
        chooser->btOk->click();
    });
    player->MainWindow()->PerformActions({TAction::of(TActionKind::DriveDialog)});
    EXPECT_EQ(listed, QStringList{QStringLiteral("D [FILM]")});
    EXPECT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    EXPECT_EQ(player->Media().Info.CurrentName, film);
}

// The search lets the window answer while it walks a disc; a second search asked for meanwhile
// does not start inside the first.
TEST_F(DiscPlayerTest, DiscSearchLetsTheWindowAnswerWhileItWalks)
{
    for (int i = 0; i < 20; ++i)
        disc.write(QStringLiteral("extras/clip%1.avi").arg(i), "too small to be offered");
    StartWithDiscIn('D');
    QFile::remove(film);
    bool searching = true;
    bool ranDuringSearch = false;
    qint32 nestedAnswer = -1;
    QTimer::singleShot(0, [&] {
        ranDuringSearch = searching;
        nestedAnswer = Send(Cmd::PlayDisc, 1);
    });
    const qint32 answer = Send(Cmd::PlayDisc, 1);
    searching = false;
    EXPECT_EQ(answer, 0);
    EXPECT_TRUE(ranDuringSearch);
    EXPECT_EQ(nestedAnswer, 0);
}

TEST_F(PlayerTest, AFailedOpenLeavesNoEntryCurrent)
{
    Start();
    TPlayListModel &list = player->Playlist();
    const QString missing = dir.filePath(QStringLiteral("gone.mp4"));
    for (const QString &name : {Media("audio-only.m4a"), Media("not-a-film.mp4"), missing}) {
        list.Clear();
        list.AddEntry(Media("long-120s.mp4"));
        list.AddEntry(name);
        list.SetCurrent(1);
        player->OpenFile(name);
        Pump(50);
        EXPECT_EQ(list.CurrentIndex(), -1) << name.toStdString();
    }
}

TEST_F(PlayerTest, CloseHidesTheTimeLine)
{
    Start({Media("long-120s.mp4")});
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    player->MainWindow()->panTimeLine->ShowPanel();
    ASSERT_TRUE(player->MainWindow()->panTimeLine->isVisible());
    Send(Cmd::Close);
    EXPECT_FALSE(player->MainWindow()->panTimeLine->isVisible());
}

TEST_F(PlayerTest, ExitStoresWhetherTheTransportBarWasShowing)
{
    for (const bool showing : {true, false}) {
        Start();
        if (showing)
            player->MainWindow()->pnPlay->ShowPanel();
        else
            player->MainWindow()->pnPlay->hide();
        player->Exit1Click();
        EXPECT_EQ(Stored().value(QStringLiteral("StartShowPlayPanel")).toInt(), showing ? 1 : 0);
        player.reset();
    }
}

// Counts the paints of the video area that showed the idle logo.
class LogoPaints : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && static_cast<TVideoArea *>(watched)->ShowLogo())
            ++count;
        return false;
    }
};

TEST_F(PlayerTest, TheLogoStaysAwayWhileTheNextFileOpens)
{
    Start({Media("long-120s.mp4")});
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    LogoPaints logo;
    player->MainWindow()->Glob->installEventFilter(&logo);
    player->OpenFile(Media("two-audio.mp4"));
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    Pump(100);
    EXPECT_EQ(logo.count, 0);
    EXPECT_FALSE(player->MainWindow()->Glob->ShowLogo());
    // A file that does not open brings it back.
    player->OpenFile(Media("not-a-film.mp4"));
    EXPECT_TRUE(player->MainWindow()->Glob->ShowLogo());
}

class PlaylistDialogTest : public PlayerTest
{
protected:
    // Runs the action with the next file dialog answered by `name`; the dialog's filters.
    QStringList RunWithDialog(TActionKind kind, const QString &name)
    {
        QStringList filters;
        player->FileChooser().SetAnswer([&filters, name](const TFileRequest &request) {
            filters = request.filters;
            return QStringList{name};
        });
        player->MainWindow()->PerformActions({TAction::of(kind)});
        player->FileChooser().SetAnswer({});
        return filters;
    }

    QStringList reported;
};

TEST_F(PlaylistDialogTest, LoadDialogShowsPlaylistsAndLoadsTheChosenOne)
{
    Start();
    const QString list = dir.filePath(QStringLiteral("films.M3U"));
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Media("short.mp4").toUtf8() + "\r\n" + Media("two-audio.mp4").toUtf8() + "\r\n");
    file.close();
    const QStringList filters = RunWithDialog(TActionKind::LoadPlaylist, list);
    ASSERT_EQ(filters.size(), 1);
    EXPECT_TRUE(filters.first().contains(QLatin1String("(*.MLS *.BSL *.LAP *.M3U")))
        << filters.first().toStdString();
    EXPECT_FALSE(filters.first().contains(QLatin1Char(';')));
    EXPECT_EQ(player->Playlist().Count(), 2);
}

struct SaveCase
{
    const char *typed;
    const char *written;
};

class SaveDialogTest : public PlaylistDialogTest, public ::testing::WithParamInterface<SaveCase>
{
};

TEST_P(SaveDialogTest, AddsTheExtensionOnlyWhenNoneWasTypedAndReplaces)
{
    Start();
    player->Playlist().AddEntry(Media("short.mp4"));
    const QString written = dir.filePath(QString::fromLatin1(GetParam().written));
    QFile old(written);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents\r\n");
    old.close();
    RunWithDialog(TActionKind::SavePlaylist, dir.filePath(QString::fromLatin1(GetParam().typed)));
    QFile saved(written);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith(Media("short.mp4").toUtf8()));
    EXPECT_FALSE(QFileInfo::exists(written + QStringLiteral(".mls")));
}

INSTANTIATE_TEST_SUITE_P(Names, SaveDialogTest,
                         ::testing::Values(SaveCase{"list", "list.mls"},
                                           SaveCase{"list.mls", "list.mls"},
                                           SaveCase{"list.m3u", "list.m3u"}));

TEST_F(PlaylistDialogTest, FailedSaveAndLoadReachTheErrorHandler)
{
    Start();
    player->ErrorReporter().SetAsk([this](const QString &, const QString &body) {
        reported.append(body);
        return false;
    });
    player->Playlist().AddEntry(Media("short.mp4"));
    // A folder of that name stands where the file would go.
    const QString blocked = dir.filePath(QStringLiteral("taken.mls"));
    ASSERT_TRUE(QDir().mkpath(blocked + QStringLiteral("/inside")));
    RunWithDialog(TActionKind::SavePlaylist, blocked);
    EXPECT_EQ(reported.size(), 1);

    const QString unreadable = dir.filePath(QStringLiteral("locked.mls"));
    QFile file(unreadable);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x\r\n");
    file.close();
    ASSERT_TRUE(file.setPermissions(QFileDevice::Permissions()));
    // A user who reads every file (root) cannot be refused: then only the save is tried.
    if (!QFile(unreadable).open(QIODevice::ReadOnly)) {
        RunWithDialog(TActionKind::LoadPlaylist, unreadable);
        EXPECT_EQ(reported.size(), 2);
    }
}

} // namespace
