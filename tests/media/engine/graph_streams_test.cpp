#include "../support/mediatestsupport.h"
#include "media/filtergraph.h"

#include <gtest/gtest.h>

using MediaTest::Clip;

namespace {

struct StreamsCase
{
    const char *clip;
    int audioStreams;
    QSize sourceSize; // display size; empty = no picture
};

void PrintTo(const StreamsCase &c, std::ostream *os)
{
    *os << c.clip;
}

class GraphStreamsTest : public ::testing::TestWithParam<StreamsCase>
{
};

TEST_P(GraphStreamsTest, CountsAudioStreamsAndReadsThePicture)
{
    const StreamsCase c = GetParam();
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip(c.clip)), 0);
    EXPECT_EQ(graph.CountAudioStreams(), c.audioStreams);
    EXPECT_EQ(graph.SourceSize(), c.sourceSize);
    EXPECT_EQ(graph.HasPicture(), !c.sourceSize.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Clips, GraphStreamsTest,
                         ::testing::Values(StreamsCase{"sample-720p.mp4", 1, QSize(1280, 720)},
                                           StreamsCase{"two-audio.mp4", 2, QSize(320, 240)},
                                           StreamsCase{"three-audio.mp4", 3, QSize(320, 240)},
                                           StreamsCase{"audio-only.m4a", 1, QSize()},
                                           // 160x120 stored with 2:1 pixels is shown 320 wide.
                                           StreamsCase{"anamorphic.mp4", 0, QSize(320, 120)},
                                           StreamsCase{"keyframes-250.avi", 1, QSize(160, 120)},
                                           StreamsCase{"still.png", 0, QSize(320, 240)}));

TEST(AudioStreams, SelectingAStreamSwitchesToItAndABadSlotSilences)
{
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("two-audio.mp4")), 0);
    EXPECT_EQ(graph.CurrentAudioStream(), 1);
    EXPECT_TRUE(graph.SelectAudioStream(2));
    EXPECT_EQ(graph.CurrentAudioStream(), 2);
    EXPECT_FALSE(graph.SelectAudioStream(3));
    EXPECT_EQ(graph.CurrentAudioStream(), 0);
    EXPECT_FALSE(graph.SelectAudioStream(0));
    EXPECT_EQ(graph.CurrentAudioStream(), 0);
    EXPECT_TRUE(graph.SelectAudioStream(1));
    EXPECT_EQ(graph.CurrentAudioStream(), 1);
    ASSERT_TRUE(graph.Play());
    EXPECT_TRUE(MediaTest::WaitUntil([&] { return graph.CurrentPosition() > 1'000'000; }));
}

TEST(AudioStreams, PreferredRendererFallsBackToTheAutomaticOutput)
{
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("two-audio.mp4")), 0);
    EXPECT_TRUE(graph.AddPreferredAudioRenderer(QStringLiteral("Default")));
    EXPECT_FALSE(graph.AddPreferredAudioRenderer(QStringLiteral("No such output 42")));
    // Still a working graph with both streams.
    EXPECT_EQ(graph.CountAudioStreams(), 2);
    EXPECT_TRUE(graph.SelectAudioStream(2));
    ASSERT_TRUE(graph.Play());
    EXPECT_TRUE(MediaTest::WaitUntil([&] { return graph.CurrentPosition() > 1'000'000; }));
}

// Choosing a named output must not ask the system for its outputs at every opening.
TEST(AudioStreams, OutputListIsReadOnceForAllOpenings)
{
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("two-audio.mp4")), 0);
    graph.AddPreferredAudioRenderer(QStringLiteral("No such output 42"));
    const int readings = TFilterGraph::AudioOutputReadings();
    EXPECT_GE(readings, 1);
    for (int i = 0; i < 3; ++i) {
        graph.ClearGraph();
        ASSERT_EQ(graph.RenderFile(Clip("two-audio.mp4")), 0);
        graph.AddPreferredAudioRenderer(QStringLiteral("No such output 42"));
    }
    EXPECT_EQ(TFilterGraph::AudioOutputReadings(), readings);
    // The list offered to the user is read afresh.
    TFilterGraph::AudioRenderers();
    EXPECT_EQ(TFilterGraph::AudioOutputReadings(), readings + 1);
}

struct VolumeCase
{
    int bar;
    int frameworkValue;
    double linear;
};

class GraphVolumeTest : public ::testing::TestWithParam<VolumeCase>
{
};

TEST_P(GraphVolumeTest, ReachesThePlayerAsLinearVolume)
{
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("audio-only.m4a")), 0);
    ASSERT_TRUE(graph.SetVolume(GetParam().bar));
    EXPECT_EQ(graph.Volume(), GetParam().frameworkValue);
    EXPECT_NEAR(graph.LinearVolume(), GetParam().linear, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Bars, GraphVolumeTest,
                         ::testing::Values(VolumeCase{10000, 0, 1.0}, VolumeCase{12, -10000, 0.0},
                                           VolumeCase{0, -10000, 0.0}, VolumeCase{5, -11301, 0.0},
                                           VolumeCase{5000, -1032, 0.30479}));

} // namespace
