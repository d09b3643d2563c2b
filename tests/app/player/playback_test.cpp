// Playback through the command table, on the real engine.
#include "commands/commandcodes.h"
#include "media/filtergraph.h"
#include "playerfixture.h"
#include "playlist/tplaylistmodel.h"
#include "ttavrelplayer.h"

namespace {

TEST_F(PlayerTest, QueriesWithoutAMedium)
{
    Start();
    EXPECT_EQ(Send(Cmd::QueryPosition), -1);
    EXPECT_EQ(Send(Cmd::QueryDuration), 0);
    EXPECT_EQ(Send(Cmd::QueryState), 0);
    EXPECT_EQ(Send(Cmd::QueryAudioStreams), 0);
    EXPECT_EQ(Send(Cmd::QueryDvdMode), 0);
    // Unknown codes and extreme parameters do nothing and answer 0.
    EXPECT_EQ(Send(-2147483647 - 1, 2147483647), 0);
    EXPECT_EQ(Send(2147483647, -1), 0);
    EXPECT_EQ(Send(Cmd::SeekTo, 2147483647), 0);
    EXPECT_EQ(Send(Cmd::SeekForward, -2147483647 - 1), 0);
    Pump(50);
    EXPECT_EQ(Send(Cmd::QueryState), 0);
}

TEST_F(PlayerTest, PauseAndPlayToggleTheState)
{
    Start({Media("sample-720p.mp4")});
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    Send(Cmd::Pause);
    EXPECT_EQ(Send(Cmd::QueryState), 1);
    Send(Cmd::Play);
    EXPECT_EQ(Send(Cmd::QueryState), 2);
    Send(Cmd::PlayPause);
    EXPECT_EQ(Send(Cmd::QueryState), 1);
    Send(Cmd::PlayPause);
    EXPECT_EQ(Send(Cmd::QueryState), 2);
    EXPECT_EQ(Send(Cmd::QueryDuration), 6);
}

TEST_F(PlayerTest, SeeksAreDeferredUntilTheQueueRuns)
{
    Start({Media("long-120s.mp4")});
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    Send(Cmd::Pause);
    EXPECT_EQ(Send(Cmd::SeekForward, 10000), 0);
    EXPECT_LT(Send(Cmd::QueryPosition), 5) << "the seek ran inside the sender's call";
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryPosition) >= 10; }));
    EXPECT_LE(Send(Cmd::QueryPosition), 11);

    Send(Cmd::SeekTo, 60);
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryPosition) == 60; }));
    Send(Cmd::SeekBack, 30000);
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryPosition) == 30; }));

    // Past either end: clamped by the engine, the player keeps going.
    Send(Cmd::SeekBack, 600000);
    Send(Cmd::SeekTo, 100000);
    Pump(300);
    EXPECT_NE(Send(Cmd::QueryState), 0);
}

TEST_F(PlayerTest, FloodOfSeeksLeavesThePlayerUsable)
{
    Start({Media("long-120s.mp4")});
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    for (int i = 0; i < 10000; ++i)
        Send(i % 2 ? Cmd::SeekForward : Cmd::SeekTo, i % 100);
    Pump(500);
    Send(Cmd::Pause);
    EXPECT_EQ(Send(Cmd::QueryState), 1);
    EXPECT_GE(Send(Cmd::QueryPosition), 0);
}

TEST_F(PlayerTest, RestartGoesBackToTheBeginning)
{
    Start({Media("long-120s.mp4"), QStringLiteral("-STIME=90")});
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryPosition) >= 90; }));
    EXPECT_LE(Send(Cmd::QueryPosition), 92);
    Send(Cmd::Restart);
    EXPECT_LE(Send(Cmd::QueryPosition), 1);
    EXPECT_EQ(Send(Cmd::QueryState), 2);
}

struct StreamCase
{
    const char *file;
    const char *option;
    int streams;
    int expected;
};

void PrintTo(const StreamCase &c, std::ostream *os)
{
    *os << c.file << ' ' << c.option;
}

class AudioStreamTest : public PlayerTest, public ::testing::WithParamInterface<StreamCase>
{
};

TEST_P(AudioStreamTest, PlaysTheAskedStreamOrTheFirst)
{
    const StreamCase &c = GetParam();
    Start({Media(c.file), QString::fromLatin1(c.option)});
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    EXPECT_EQ(Send(Cmd::QueryAudioStreams), c.streams);
    EXPECT_EQ(player->Graph()->CurrentAudioStream(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Files, AudioStreamTest,
                         ::testing::Values(StreamCase{"two-audio.mp4", "-AS2", 2, 2},
                                           StreamCase{"three-audio.mp4", "-AS5", 3, 1},
                                           StreamCase{"three-audio.mp4", "-AS3", 3, 3},
                                           StreamCase{"two-audio.mp4", "-AS", 2, 1}));

TEST_F(PlayerTest, KeyFramesSnapRelativeSeeksInAnAvi)
{
    Start({Media("keyframes-250.avi")});
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    TFilterGraph *graph = player->Graph();
    ASSERT_TRUE(graph->IsFrameFormat());
    Send(Cmd::Pause);

    graph->SetPosition(100);
    ASSERT_TRUE(WaitFor([&] { return graph->CurrentPosition() == 100; }));
    Send(Cmd::SeekForward, 10000);
    EXPECT_TRUE(WaitFor([&] { return graph->CurrentPosition() == 500; }))
        << graph->CurrentPosition();

    graph->SetPosition(600);
    ASSERT_TRUE(WaitFor([&] { return graph->CurrentPosition() == 600; }));
    Send(Cmd::SeekBack, 10000);
    EXPECT_TRUE(WaitFor([&] { return graph->CurrentPosition() == 250; }))
        << graph->CurrentPosition();
}

TEST_F(PlayerTest, EndOfTheLastEntryLeavesThePlayerIdle)
{
    Start({Media("short.mp4")});
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 0; }));
    Pump(300);
    EXPECT_EQ(Send(Cmd::QueryState), 0);
    EXPECT_FALSE(player->Media().MediaOpen);
}

TEST_F(PlayerTest, EndOfTheListStartsAgainWhenAsked)
{
    Preset(QStringLiteral("OnEndToPlay"), 1);
    Start();
    TPlayListModel &list = player->Playlist();
    list.AddEntry(Media("short.mp4"));
    list.AddEntry(Media("two-audio.mp4"));
    player->OpenFile(list.First());
    ASSERT_TRUE(WaitFor([&] { return list.CurrentIndex() == 1 && Send(Cmd::QueryState) == 2; }));
    EXPECT_TRUE(WaitFor([&] { return list.CurrentIndex() == 0 && Send(Cmd::QueryState) == 2; }));
}

TEST_F(PlayerTest, ExitAtEndOfTheList)
{
    Start({Media("short.mp4"), QStringLiteral("-EEND")});
    ASSERT_TRUE(player->ExitAtEnd());
    EXPECT_TRUE(WaitFor([this] { return player->Exiting(); }));
}

} // namespace
