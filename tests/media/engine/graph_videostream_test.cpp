#include "../support/mediatestsupport.h"
#include "../support/novideodecoders.h"
#include "media/filtergraph.h"

#include <gst/gst.h>
#include <gtest/gtest.h>

using MediaTest::Clip;

namespace {

TEST(GraphVideoStream, AVideoStreamCountsEvenWithoutADecoder)
{
    TFilterGraph graph; // initialises the framework before the ranks change
    NoVideoDecoders noDecoders;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("sample-720p.mp4")), 0);
    EXPECT_FALSE(graph.HasPicture());
    EXPECT_TRUE(graph.HasVideoStream());
    // A file without video, rendered into the same graph, forgets the old one.
    ASSERT_EQ(graph.RenderFile(Clip("audio-only.m4a")), 0);
    EXPECT_FALSE(graph.HasVideoStream());
}

TEST(GraphVideoStream, WithSoftwareDecodersPreferredTheFilmStillPlays)
{
    TFilterGraph graph;
    graph.SetActive(true);
    EXPECT_EQ(graph.RenderFile(Clip("sample-720p.mp4"), TFilterGraph::PreferSoftwareDecoders), 0);
    EXPECT_TRUE(graph.HasPicture());
    EXPECT_TRUE(graph.HasVideoStream());
    EXPECT_TRUE(graph.Play());
}

TEST(GraphVideoStream, NothingWithoutAGraph)
{
    TFilterGraph graph;
    EXPECT_FALSE(graph.HasVideoStream());
    EXPECT_EQ(graph.RenderFile(Clip("short.mp4"), TFilterGraph::PreferSoftwareDecoders), 1);
}

} // namespace
