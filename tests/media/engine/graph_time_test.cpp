#include "../support/mediatestsupport.h"
#include "media/filtergraph.h"

#include <gtest/gtest.h>

using MediaTest::Clip;
using MediaTest::WaitUntil;

namespace {

struct RateCase
{
    const char *clip;
    qint64 framesPerSecond;
    qint64 durationFrames;
    qint64 durationSeconds;
};

void PrintTo(const RateCase &c, std::ostream *os)
{
    *os << c.clip;
}

class FrameFormatTest : public ::testing::TestWithParam<RateCase>
{
};

TEST_P(FrameFormatTest, OneSecondConvertsToTheFrameRate)
{
    const RateCase c = GetParam();
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip(c.clip)), 0);
    EXPECT_EQ(graph.SetFrameFormat(), c.framesPerSecond > 0);
    EXPECT_EQ(graph.FramesPerSecond(), c.framesPerSecond);
    if (c.durationFrames > 0) {
        EXPECT_EQ(graph.StopPosition(), c.durationFrames);
    }
    // The player's seconds rule: ToMediaTime(p) div 10,000,000.
    EXPECT_EQ(graph.ToMediaTime(graph.StopPosition()) / 10'000'000, c.durationSeconds);
}

INSTANTIATE_TEST_SUITE_P(Clips, FrameFormatTest,
                         ::testing::Values(RateCase{"keyframes-250.avi", 25, 900, 36},
                                           RateCase{"sample-720p.mp4", 30, 180, 6},
                                           RateCase{"two-audio.mp4", 25, 100, 4},
                                           RateCase{"audio-only.m4a", 0, 0, 3}));

TEST(Seeking, SetPositionInFramesLandsOnThatFrame)
{
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("keyframes-250.avi")), 0);
    ASSERT_TRUE(graph.SetFrameFormat());
    for (qint64 frame : {500LL, 250LL, 613LL, 0LL}) {
        ASSERT_TRUE(graph.SetPosition(frame));
        EXPECT_TRUE(WaitUntil([&] { return graph.CurrentPosition() == frame; }, 3000))
            << "frame " << frame << " shows " << graph.CurrentPosition();
    }
}

TEST(Seeking, SetPositionInMediaTimeWithoutFrameFormat)
{
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("audio-only.m4a")), 0);
    EXPECT_FALSE(graph.SetFrameFormat());
    ASSERT_TRUE(graph.SetPosition(20'000'000));
    EXPECT_TRUE(WaitUntil([&] { return graph.CurrentPosition() / 1'000'000 == 20; }, 3000))
        << graph.CurrentPosition();
    ASSERT_TRUE(graph.SetPositionSeconds(0.0));
    EXPECT_TRUE(WaitUntil([&] { return graph.CurrentPosition() < 1'000'000; }, 3000));
}

TEST(Seeking, RestartFromTheBeginningAfterStop)
{
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("two-audio.mp4")), 0);
    ASSERT_TRUE(graph.SetFrameFormat());
    ASSERT_TRUE(graph.SetPosition(75));
    ASSERT_TRUE(WaitUntil([&] { return graph.CurrentPosition() == 75; }, 3000));
    graph.Stop();
    ASSERT_TRUE(graph.SetPositionSeconds(0.0));
    ASSERT_TRUE(graph.Play());
    EXPECT_TRUE(WaitUntil([&] { return graph.CurrentPosition() > 0; }, 3000));
    EXPECT_LT(graph.CurrentPosition(), 50);
}

TEST(FrameStep, StepsOneFrameAndPausesARunningGraph)
{
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("keyframes-250.avi")), 0);
    ASSERT_TRUE(graph.SetFrameFormat());
    ASSERT_TRUE(graph.SetPosition(100));
    ASSERT_TRUE(WaitUntil([&] { return graph.CurrentPosition() == 100; }, 3000));
    ASSERT_TRUE(graph.FrameStep());
    EXPECT_TRUE(WaitUntil([&] { return graph.CurrentPosition() == 101; }, 3000))
        << graph.CurrentPosition();
    ASSERT_TRUE(graph.FrameStep());
    EXPECT_TRUE(WaitUntil([&] { return graph.CurrentPosition() == 102; }, 3000))
        << graph.CurrentPosition();

    graph.Play();
    ASSERT_TRUE(WaitUntil([&] { return graph.CurrentPosition() > 110; }, 3000));
    ASSERT_TRUE(graph.FrameStep());
    EXPECT_EQ(graph.State(), TFilterGraph::Paused);
    const qint64 stepped = graph.CurrentPosition();
    MediaTest::Spin(300);
    EXPECT_LE(graph.CurrentPosition(), stepped + 1) << "the graph kept running";
}

TEST(FrameStep, NothingToStepWithoutAPicture)
{
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("audio-only.m4a")), 0);
    EXPECT_FALSE(graph.FrameStep());
}

} // namespace
