// The playlist window in the whole player: the command that shows it, files dropped on it or on
// the picture, hiding it when a film opens, and its state across an exit and a start.
#include "commands/commandcodes.h"
#include "playerfixture.h"
#include "playlist/tplaylistmodel.h"
#include "settings/settingsstore.h"
#include "tfmplaylist.h"
#include "tplaylistbox.h"
#include "ttavrelplayer.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace {

class PlayListWindowTest : public PlayerTest
{
protected:
    TfmPlayList *window() const { return player->PlayListWindow(); }

    // Drops the files at a point of the main window, as a drag from a file manager would.
    void dropAt(const QStringList &files, QPoint mainPoint)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &file : files)
            urls << QUrl::fromLocalFile(file);
        data.setUrls(urls);
        QWidget *main = player->MainWindow();
        QWidget *target = main->childAt(mainPoint);
        if (!target)
            target = main;
        while (!target->acceptDrops())
            target = target->parentWidget();
        // A drop reaches only the widget that accepted the drag's entry.
        const QPoint at = target->mapFrom(main, mainPoint);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }

    QPoint listCentre() const
    {
        return window()->mapTo(player->MainWindow(), window()->ListBox1->geometry().center());
    }
};

TEST_F(PlayListWindowTest, Command34ShowsAndHidesItAnd310Answers)
{
    Start();
    EXPECT_EQ(Send(Cmd::QueryPlaylistVisible), 0);
    Send(Cmd::PlaylistOrDvdMenu);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(Send(Cmd::QueryPlaylistVisible), 1);
    Send(Cmd::PlaylistOrDvdMenu);
    EXPECT_EQ(Send(Cmd::QueryPlaylistVisible), 0);
}

TEST_F(PlayListWindowTest, FilesDroppedOverTheShowingListAreAppendedAndNothingPlays)
{
    Start();
    player->Playlist().AddEntry(Media("short.mp4"));
    Send(Cmd::PlaylistOrDvdMenu);
    dropAt({Media("two-audio.mp4"), Media("three-audio.mp4")}, listCentre());
    EXPECT_EQ(player->Playlist().Count(), 3);
    EXPECT_EQ(player->Playlist().FileNameAt(2), Media("three-audio.mp4"));
    Pump(50);
    EXPECT_EQ(Send(Cmd::QueryState), 0);
}

TEST_F(PlayListWindowTest, FilesDroppedOnThePictureReplaceTheListAndTheFirstPlays)
{
    Start();
    player->Playlist().AddEntry(Media("short.mp4"));
    player->Playlist().AddEntry(Media("long-120s.mp4"));
    Send(Cmd::PlaylistOrDvdMenu); // showing, but the drop lands beside it
    dropAt({Media("two-audio.mp4")}, QPoint(12, 12));
    EXPECT_EQ(player->Playlist().Count(), 1);
    EXPECT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    EXPECT_EQ(player->Media().Info.CurrentName, Media("two-audio.mp4"));
    // A film opened from a one-entry list hides the docked window.
    EXPECT_FALSE(window()->isVisible());
}

TEST_F(PlayListWindowTest, OpeningKeepsALongerDockedListUnlessAskedToHideIt)
{
    Preset(QStringLiteral("StartPlayHidePlayList"), 0);
    Start();
    player->Playlist().AddEntry(Media("short.mp4"));
    player->Playlist().AddEntry(Media("two-audio.mp4"));
    Send(Cmd::PlaylistOrDvdMenu);
    player->OpenFile(player->Playlist().First());
    EXPECT_TRUE(window()->isVisible());
    player->MutableSettings().StartPlayHidePlayList = true;
    player->OpenFile(player->Playlist().Next());
    EXPECT_FALSE(window()->isVisible());
}

TEST_F(PlayListWindowTest, ItsStateComesBackAfterAnExitAndAStartWithoutArguments)
{
    Start();
    player->Playlist().AddEntry(Media("short.mp4"));
    player->Playlist().AddEntry(Media("two-audio.mp4"));
    window()->Undock();
    const QRect bounds(60, 70, 320, 210);
    window()->setGeometry(bounds);
    Pump(20);
    player->Exit1Click();

    TSettingsStore stored(std::make_unique<QSettings>(settingsFile, QSettings::IniFormat));
    EXPECT_TRUE(stored.value(&TSettingsRecord::StatrShPL));
    EXPECT_FALSE(stored.value(&TSettingsRecord::PlayListParentYes));
    EXPECT_EQ(stored.value(&TSettingsRecord::PlayListRestSize), bounds);

    player.reset();
    Start();
    ASSERT_EQ(player->Playlist().Count(), 2);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_FALSE(window()->IsDocked());
    EXPECT_EQ(window()->geometry(), bounds);
    EXPECT_EQ(Send(Cmd::QueryState), 0); // nothing plays at a start without arguments
}

TEST_F(PlayListWindowTest, TheShowSwitchShowsTheListOfTheFilmBeingOpened)
{
    const QString list = dir.filePath(QStringLiteral("two.m3u"));
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((Media("short.mp4") + QStringLiteral("\n") + Media("two-audio.mp4")).toUtf8());
    file.close();

    Start({list});
    EXPECT_FALSE(window()->isVisible());
    player.reset();
    Start({list, QStringLiteral("-SP")});
    EXPECT_EQ(player->Playlist().Count(), 2);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_TRUE(window()->IsDocked());
    EXPECT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
}

} // namespace
