#include "../support/mediatestsupport.h"
#include "media/filtergraph.h"
#include "media/mediawarmup.h"

#include <QCoreApplication>
#include <QThread>
#include <gst/gst.h>
#include <gtest/gtest.h>
#include <vector>

using MediaTest::Clip;
using MediaTest::WaitUntil;

namespace {

TEST(GraphLifecycle, WithoutAGraphEverythingReportsNothing)
{
    TFilterGraph graph;
    EXPECT_FALSE(graph.Active());
    EXPECT_EQ(graph.State(), TFilterGraph::NoGraph);
    EXPECT_EQ(graph.RenderFile(Clip("short.mp4")), 1);
    EXPECT_FALSE(graph.Play());
    EXPECT_FALSE(graph.Pause());
    EXPECT_FALSE(graph.Stop());
    EXPECT_EQ(graph.CountAudioStreams(), 0);
    EXPECT_FALSE(graph.SetVolume(10000));
    EXPECT_EQ(graph.CurrentPosition(), 0);
    EXPECT_EQ(graph.StopPosition(), 0);
    EXPECT_FALSE(graph.HasPicture());
    EXPECT_EQ(graph.Pipeline(), nullptr);
}

TEST(GraphLifecycle, AGraphIsBuiltOnlyOnceTheWarmUpHasLoadedItsPlugIns)
{
    // Built at once after the warm-up starts: a plug-in loaded by two threads at
    // the same moment can look missing to one of them.
    MediaWarmUp::Start();
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_NE(graph.Pipeline(), nullptr);
    GstPlugin *demuxers = gst_registry_find_plugin(gst_registry_get(), "isomp4");
    ASSERT_NE(demuxers, nullptr);
    EXPECT_TRUE(gst_plugin_is_loaded(demuxers));
    gst_object_unref(demuxers);
    EXPECT_EQ(graph.RenderFile(Clip("short.mp4")), 0);
    // H.264 and AAC are the player's own to decode: the framework's libav
    // plug-in (and its libraries' memory) stays out of the process.
    ASSERT_TRUE(graph.Play());
    EXPECT_TRUE(WaitUntil([&] { return graph.CurrentPosition() > 2'000'000; }));
    GstPlugin *libav = gst_registry_find_plugin(gst_registry_get(), "libav");
    if (libav) {
        EXPECT_FALSE(gst_plugin_is_loaded(libav));
        gst_object_unref(libav);
    }
}

TEST(GraphLifecycle, StatesFollowPlayPauseStopAndRelease)
{
    TFilterGraph graph;
    graph.SetActive(true);
    EXPECT_TRUE(graph.Active());
    EXPECT_NE(graph.Pipeline(), nullptr);
    EXPECT_EQ(graph.State(), TFilterGraph::Stopped);
    ASSERT_EQ(graph.RenderFile(Clip("two-audio.mp4")), 0);
    EXPECT_EQ(graph.State(), TFilterGraph::Stopped);

    EXPECT_TRUE(graph.Play());
    EXPECT_EQ(graph.State(), TFilterGraph::Running);
    EXPECT_TRUE(WaitUntil([&] { return graph.CurrentPosition() > 2'000'000; }))
        << "playback does not advance";
    EXPECT_TRUE(graph.Pause());
    EXPECT_EQ(graph.State(), TFilterGraph::Paused);
    EXPECT_TRUE(graph.Stop());
    EXPECT_EQ(graph.State(), TFilterGraph::Stopped);
    // A stopped graph keeps its place, as the player's seeks expect.
    EXPECT_GT(graph.CurrentPosition(), 0);

    graph.SetActive(false);
    EXPECT_FALSE(graph.Active());
    EXPECT_EQ(graph.State(), TFilterGraph::NoGraph);
}

TEST(GraphLifecycle, SwitchingOnAgainGivesANewEmptyGraph)
{
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("two-audio.mp4")), 0);
    ASSERT_EQ(graph.CountAudioStreams(), 2);
    graph.SetActive(true);
    EXPECT_EQ(graph.CountAudioStreams(), 0);
    EXPECT_FALSE(graph.HasPicture());
    EXPECT_FALSE(graph.Play()) << "an empty graph has nothing to run";
}

TEST(GraphLifecycle, ClearGraphEmptiesButKeepsTheGraph)
{
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("short.mp4")), 0);
    graph.Play();
    graph.ClearGraph();
    EXPECT_TRUE(graph.Active());
    EXPECT_EQ(graph.State(), TFilterGraph::Stopped);
    EXPECT_FALSE(graph.HasPicture());
    ASSERT_EQ(graph.RenderFile(Clip("two-audio.mp4")), 0);
    EXPECT_EQ(graph.CountAudioStreams(), 2);
}

TEST(GraphEvents, EndOfMediaArrivesOnceAfterItsGeneralEvent)
{
    TFilterGraph graph;
    std::vector<int> events;
    QObject::connect(&graph, &TFilterGraph::OnDSEvent,
                     [&](int code, qint64, qint64) { events.push_back(code); });
    QThread *deliveredOn = nullptr;
    QObject::connect(&graph, &TFilterGraph::OnGraphComplete, [&](int result) {
        events.push_back(1000 + result);
        deliveredOn = QThread::currentThread();
    });
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("short.mp4")), 0);
    ASSERT_TRUE(graph.Play());
    ASSERT_TRUE(WaitUntil([&] { return !events.empty(); }, 8000)) << "no end of media";
    MediaTest::Spin(200);
    EXPECT_EQ(events, (std::vector<int>{MediaEvent::Complete, 1000}));
    EXPECT_EQ(deliveredOn, QCoreApplication::instance()->thread());
}

TEST(GraphEvents, AHandlerMayReleaseTheGraph)
{
    TFilterGraph graph;
    int completions = 0;
    QObject::connect(&graph, &TFilterGraph::OnGraphComplete, [&](int) {
        ++completions;
        graph.SetActive(false);
    });
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("short.mp4")), 0);
    graph.Play();
    ASSERT_TRUE(WaitUntil([&] { return completions > 0; }, 8000));
    MediaTest::Spin(100);
    EXPECT_EQ(completions, 1);
    EXPECT_FALSE(graph.Active());
}

TEST(GraphEvents, AStillPictureDoesNotEndByItself)
{
    TFilterGraph graph;
    int completions = 0;
    QObject::connect(&graph, &TFilterGraph::OnGraphComplete, [&](int) { ++completions; });
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("still.jpg")), 0);
    EXPECT_TRUE(graph.IsStillPicture());
    // The player treats media longer than 360000 s as still pictures.
    EXPECT_GT(graph.ToMediaTime(graph.StopPosition()) / 10'000'000, 360000);
    graph.Play();
    MediaTest::Spin(600);
    EXPECT_EQ(completions, 0);
    EXPECT_EQ(graph.State(), TFilterGraph::Running);
}

} // namespace
