// Power-off at the end of a film or a list, its warning, the busy query, still pictures
// that end by themselves and keeping the desktop awake: a whole player on the real engine,
// with a recorder in place of the power-off.
#include "commands/commandcodes.h"
#include "fakeservices.h"
#include "media/filtergraph.h"
#include "menus/taction.h"
#include "playerfixture.h"
#include "playlist/tplaylistmodel.h"
#include "privatebus.h"
#include "screensaverinhibitor.h"
#include "tnooff.h"
#include "ttavrelplayer.h"
#include "tvpanel.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

TAction action(TActionKind kind)
{
    return TAction::of(kind, 0);
}

class PowerOffTest : public PlayerTest
{
protected:
    bool Running() { return Send(Cmd::QueryState) == 2; }
    void Tick() { player->NoOffTimer()->NoOffTimer(); }
    bool CountdownShown() const
    {
        return player->MainWindow()->LastStatusText().startsWith(player->Lang().GetLine(140))
               && player->MainWindow()->LastStatusKind() == 2;
    }
    // Plays the list from its first entry.
    void PlayList(const QStringList &names)
    {
        for (const QString &name : names)
            player->Playlist().AddEntry(name);
        Send(Cmd::PlayPause);
    }
};

} // namespace

TEST_F(PowerOffTest, WarningComesUpWithSixtySecondsLeft)
{
    Start({Media("long-120s.mp4")});
    ASSERT_TRUE(WaitFor([this] { return Running(); }));
    player->RunAction(action(TActionKind::ShutDownAfterFile));
    ASSERT_TRUE(player->Media().PowerOffAtEndOfFilm);
    Send(Cmd::SeekTo, 58);
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryPosition) == 59 && Running(); }));
    Tick();
    EXPECT_FALSE(CountdownShown()) << "61 s left";
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryPosition) == 60; }, 3000));
    Tick();
    EXPECT_EQ(player->MainWindow()->LastStatusText(),
              player->Lang().GetLine(140) + QStringLiteral(" 60 ") + player->Lang().GetLine(141));
    EXPECT_EQ(player->MainWindow()->LastStatusKind(), 2);
    EXPECT_EQ(player->MainWindow()->LastStatusTenths(), 12);
    EXPECT_TRUE(player->MainWindow()->pnStatus2->isVisible());

    // Flipping the order off hides the warning at once.
    player->RunAction(action(TActionKind::ShutDownAfterFile));
    EXPECT_FALSE(player->MainWindow()->pnStatus2->isVisible());
    EXPECT_EQ(powerOffs, 0);
}

TEST_F(PowerOffTest, OpeningAnotherFileClearsTheEndOfFilmOrder)
{
    Start({Media("long-120s.mp4")});
    ASSERT_TRUE(WaitFor([this] { return Running(); }));
    player->RunAction(action(TActionKind::ShutDownAfterFile));
    player->RunAction(action(TActionKind::ShutDownAfterList));
    player->OpenFile(Media("two-audio.mp4"));
    EXPECT_FALSE(player->Media().PowerOffAtEndOfFilm);
    EXPECT_TRUE(player->Media().PowerOffAtEndOfList) << "only a new list clears that one";
}

TEST_F(PowerOffTest, NewOrLoadedPlaylistClearsTheEndOfListOrder)
{
    Start();
    player->RunAction(action(TActionKind::ShutDownAfterList));
    ASSERT_TRUE(player->Media().PowerOffAtEndOfList);
    player->RunAction(action(TActionKind::NewPlaylist));
    EXPECT_FALSE(player->Media().PowerOffAtEndOfList);

    player->RunAction(action(TActionKind::ShutDownAfterList));
    // Choosing a list to load is the order's end, whichever list is then chosen.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<QFileDialog *>(widget); dialog && dialog->isVisible())
                QMetaObject::invokeMethod(dialog, "reject");
        }
    });
    answer.start(100);
    player->RunAction(action(TActionKind::LoadPlaylist));
    EXPECT_FALSE(player->Media().PowerOffAtEndOfList);
}

TEST_F(PowerOffTest, EndOfListPowersOffOnceAtTheEndOfTheLastEntry)
{
    Start();
    player->RunAction(action(TActionKind::ShutDownAfterList));
    PlayList({Media("short.mp4"), Media("anamorphic.mp4")});
    ASSERT_TRUE(WaitFor([this] { return player->Playlist().CurrentIndex() == 1; }));
    EXPECT_EQ(powerOffs, 0) << "the first entry is not the last";
    ASSERT_TRUE(WaitFor([this] { return powerOffs > 0; }));
    Pump(300);
    EXPECT_EQ(powerOffs, 1);
}

TEST_F(PowerOffTest, NoOrderNoPowerOff)
{
    Start();
    PlayList({Media("short.mp4")});
    ASSERT_TRUE(WaitFor([this] { return Running(); }));
    ASSERT_TRUE(WaitFor([this] { return !player->Media().MediaOpen; }));
    Pump(200);
    EXPECT_EQ(powerOffs, 0);
}

TEST_F(PowerOffTest, EndOfFilmPowersOff)
{
    Start({Media("short.mp4")});
    ASSERT_TRUE(WaitFor([this] { return Running(); }));
    player->RunAction(action(TActionKind::ShutDownAfterFile));
    ASSERT_TRUE(WaitFor([this] { return powerOffs > 0; }));
    EXPECT_EQ(powerOffs, 1);
}

TEST_F(PowerOffTest, SwitchingOffNowAsksFirst)
{
    Start();
    QMessageBox::StandardButton button = QMessageBox::No;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible()) {
                EXPECT_EQ(box->windowTitle(), QStringLiteral("Warning!"));
                EXPECT_EQ(box->text(), player->Lang().GetLine(37));
                box->button(button)->click();
            }
        }
    });
    answer.start(100);
    const auto answerWith = [&](QMessageBox::StandardButton chosen) { button = chosen; };
    answerWith(QMessageBox::No);
    player->RunAction(action(TActionKind::ShutDownNow));
    EXPECT_EQ(powerOffs, 0);
    answerWith(QMessageBox::Yes);
    player->RunAction(action(TActionKind::ShutDownNow));
    EXPECT_EQ(powerOffs, 1);
}

TEST_F(PowerOffTest, StillPictureInAListWalksOnAfterItsInterval)
{
    Preset(QStringLiteral("PictureInterval"), 1);
    Start();
    PlayList({Media("still.png"), Media("two-audio.mp4")});
    ASSERT_TRUE(WaitFor([this] { return player->Media().StillPicture && Running(); }));
    ASSERT_TRUE(WaitFor([this] { return player->Playlist().CurrentIndex() == 1; }, 5000));
    EXPECT_TRUE(WaitFor([this] { return Running(); }));
    EXPECT_TRUE(player->Media().Info.CurrentName.endsWith(QStringLiteral("two-audio.mp4")));
}

TEST_F(PowerOffTest, KeepsTheDesktopAwakeWhileRunning)
{
    TPrivateBus bus;
    if (!bus.Started())
        GTEST_SKIP() << "dbus-daemon could not be started";
    TServiceThread services;
    auto *saver = new TFakeScreenSaver;
    ASSERT_TRUE(services.Offer(saver, bus.Connect(QStringLiteral("service")),
                               QStringLiteral("org.freedesktop.ScreenSaver"),
                               QStringLiteral("/org/freedesktop/ScreenSaver")));
    keepAwake = std::make_unique<TScreenSaverInhibitor>(bus.Connect(QStringLiteral("player")),
                                                        QDBusConnection(QStringLiteral("none")));
    Start({Media("long-120s.mp4")});
    ASSERT_TRUE(WaitFor([this] { return Running(); }));
    ASSERT_TRUE(WaitFor([&] { return saver->Holds() == 1; }, 3000)) << "taken within a tick";
    Send(Cmd::Pause);
    ASSERT_TRUE(WaitFor([&] { return saver->Holds() == 0; }, 3000)) << "given back when paused";
    Send(Cmd::Play);
    ASSERT_TRUE(WaitFor([&] { return saver->Holds() == 1; }, 3000));
    Send(Cmd::Close);
    ASSERT_TRUE(WaitFor([&] { return saver->Holds() == 0; }, 3000)) << "given back when closed";
    EXPECT_EQ(saver->Calls().size(), 4);
    player.reset();
}

TEST_F(PowerOffTest, BusyWhileAFilmRuns)
{
    Start();
    EXPECT_EQ(player->BusyQuery(), 0);
    player->OpenFile(Media("long-120s.mp4"));
    ASSERT_TRUE(WaitFor([this] { return Running(); }));
    EXPECT_EQ(player->BusyQuery(), 1);
    Send(Cmd::Pause);
    EXPECT_EQ(player->BusyQuery(), 0);
}
