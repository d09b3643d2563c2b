#include "../support/mediatestsupport.h"
#include "media/filtergraph.h"
#include "media/mediaexception.h"

#include <QList>
#include <gtest/gtest.h>
#include <utility>

using MediaTest::Clip;
using MediaTest::WaitUntil;

namespace {

// The authored disc: a root menu with two buttons, titles 1 and 2 of eight
// seconds with a chapter mark at 4 s; title 1 carries English and Russian sound.
class GraphDvdTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        graph.SetActive(true);
        ASSERT_EQ(graph.RenderDvd(Clip("dvd")), 0);
        ASSERT_TRUE(graph.Play());
    }

    void EnterTitle(int title)
    {
        ASSERT_TRUE(graph.DvdPlayTitle(title));
        ASSERT_TRUE(WaitUntil([&] { return graph.DvdCurrentTitle() == title; }, 8000));
    }

    TFilterGraph graph;
};

TEST_F(GraphDvdTest, StartsInTheMenuWithTheDiscsTitles)
{
    EXPECT_TRUE(graph.IsDvdMode());
    EXPECT_EQ(graph.DvdTitleCount(), 2);
    EXPECT_EQ(graph.DvdCurrentTitle(), 0);
    EXPECT_EQ(graph.DvdTitleSeconds(), 0);
    EXPECT_EQ(graph.DvdChapterCount(), 0);
    EXPECT_EQ(graph.DvdTitleSecondsOf(2), 8);
    EXPECT_EQ(graph.DvdTitleSecondsOf(3), -1);
    EXPECT_FALSE(graph.DvdDirectory().isEmpty());
}

TEST_F(GraphDvdTest, ActivatingTheFirstButtonPlaysTitleOneAndReportsIt)
{
    QList<int> titles;
    QList<std::pair<int, qint64>> events;
    QObject::connect(&graph, &TFilterGraph::OnDVDTitleChange, [&](int t) { titles.append(t); });
    QObject::connect(&graph, &TFilterGraph::OnDSEvent, [&](int code, qint64 p1, qint64) {
        events.append({code, p1});
    });
    ASSERT_TRUE(WaitUntil([&] { return graph.DvdHasButtons(); }, 8000));
    ASSERT_TRUE(graph.DvdNavigate(0));
    ASSERT_TRUE(WaitUntil([&] { return !titles.isEmpty(); }, 8000));
    EXPECT_FALSE(graph.DvdHasButtons());
    EXPECT_EQ(titles.first(), 1);
    EXPECT_EQ(graph.DvdTitleSeconds(), 8);
    EXPECT_EQ(graph.DvdChapterCount(), 2);
    EXPECT_TRUE(events.contains(std::pair<int, qint64>(MediaEvent::DvdDomainChange, 4)));
}

TEST_F(GraphDvdTest, ChapterTitleAndTimeSeeksLandWhereAsked)
{
    EnterTitle(1);
    ASSERT_TRUE(graph.DvdPlayChapter(2));
    EXPECT_TRUE(WaitUntil([&] { return graph.DvdPositionSeconds() >= 4; }, 8000));
    EXPECT_EQ(graph.DvdCurrentTitle(), 1);
    EnterTitle(2);
    ASSERT_TRUE(graph.DvdPlayAtSeconds(5));
    EXPECT_TRUE(WaitUntil([&] { return graph.DvdPositionSeconds() >= 5; }, 8000));
    EXPECT_EQ(graph.DvdCurrentTitle(), 2);
}

TEST_F(GraphDvdTest, TheRootMenuCommandReturnsToTheMenu)
{
    EnterTitle(2);
    ASSERT_TRUE(graph.DvdShowMenu(3));
    EXPECT_TRUE(WaitUntil([&] { return graph.DvdCurrentTitle() == 0; }, 3000));
    EXPECT_EQ(graph.DvdTitleSeconds(), 0);
    EXPECT_FALSE(graph.DvdShowMenu(1));
    EXPECT_FALSE(graph.DvdNavigate(5));
}

TEST_F(GraphDvdTest, TitleAudioStreamsCarryTheirLanguagesAndCanBeChosen)
{
    EnterTitle(1);
    ASSERT_TRUE(WaitUntil([&] { return graph.DvdAudioStreamCount() == 2; }, 8000));
    EXPECT_EQ(graph.DvdAudioLanguages(), QStringList({"en", "ru"}));
    EXPECT_EQ(graph.DvdCurrentAudioStream(), 0);
    EXPECT_TRUE(graph.DvdSelectAudioStream(1));
    EXPECT_EQ(graph.DvdCurrentAudioStream(), 1);
    EXPECT_FALSE(graph.DvdSelectAudioStream(2));
}

TEST_F(GraphDvdTest, OpeningAFileLeavesDvdMode)
{
    graph.RenderFile(Clip("short.mp4"));
    EXPECT_FALSE(graph.IsDvdMode());
    EXPECT_EQ(graph.DvdTitleCount(), 0);
    EXPECT_FALSE(graph.DvdPlayTitle(1));
    EXPECT_EQ(graph.DvdAudioStreamCount(), 0);
}

TEST(GraphDvdRefusals, NonFoldersAreRefusedAndNoGraphDoesNothing)
{
    TFilterGraph graph;
    EXPECT_EQ(graph.RenderDvd(Clip("dvd")), 1);
    graph.SetActive(true);
    EXPECT_THROW(graph.RenderDvd(Clip("short.mp4")), EMediaException);
    EXPECT_THROW(graph.RenderDvd(Clip("dvd") + "/no-such-folder"), EMediaException);
    EXPECT_FALSE(graph.IsDvdMode());
}

TEST(GraphDvdRefusals, ThisMachineHasTheDvdDecoders)
{
    EXPECT_EQ(TFilterGraph::MissingDvdDecoders(), 0);
}

} // namespace
