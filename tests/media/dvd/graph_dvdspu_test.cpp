#include "../support/mediatestsupport.h"
#include "media/filtergraph.h"
#include "media/videowindow.h"

#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>

using MediaTest::Clip;
using MediaTest::WaitUntil;

namespace {

// Title 2 of the authored disc has one English sub-picture stream, not forced:
// a yellow bar with a black border across x 160..560, y 440..500 of the 720x576
// picture, a caption a second from 1 s to 7 s.
class GraphDvdSubpictureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        glob.resize(400, 300);
        videoWin->setGeometry(0, 0, 384, 288);
        videoWin->SetFilterGraph(&graph);
        glob.show();
        graph.SetActive(true);
        ASSERT_EQ(graph.RenderDvd(Clip("dvd")), 0);
        ASSERT_TRUE(graph.Play());
        ASSERT_TRUE(graph.DvdPlayTitle(2));
        ASSERT_TRUE(WaitUntil([&] { return graph.DvdCurrentTitle() == 2; }, 8000));
    }

    // Yellow pixels inside the bar's box of the painted picture (the window
    // shows the whole 4:3 picture).
    int BarPixels()
    {
        const QImage painted = videoWin->grab().toImage();
        const double sx = painted.width() / 720.0;
        const double sy = painted.height() / 576.0;
        int yellow = 0;
        for (int y = int(450 * sy); y < int(490 * sy); ++y) {
            for (int x = int(180 * sx); x < int(540 * sx); ++x) {
                const QRgb p = painted.pixel(x, y);
                yellow += qRed(p) > 180 && qGreen(p) > 180 && qBlue(p) < 100 ? 1 : 0;
            }
        }
        return yellow;
    }

    // The box's inner area in window pixels.
    int BoxPixels() const
    {
        return int(360 * (videoWin->width() / 720.0)) * int(40 * (videoWin->height() / 576.0));
    }

    QWidget glob;
    TVideoWindow *videoWin = new TVideoWindow(&glob);
    TFilterGraph graph;
};

TEST_F(GraphDvdSubpictureTest, TheTitlesStreamIsListedAndShownOnlyWhenChosen)
{
    ASSERT_TRUE(WaitUntil([&] { return graph.CountSubtitleStreams() == 1; }, 8000));
    EXPECT_EQ(graph.SubtitleLanguage(1), QStringLiteral("en"));
    EXPECT_EQ(graph.ExternalSubtitleStream(), 0);
    EXPECT_EQ(graph.CurrentSubtitleStream(), 0) << "the disc does not force it";
    // Captions run from 1 s; not asked for, none shows.
    int most = 0;
    while (graph.DvdPositionSeconds() < 2) {
        most = std::max(most, BarPixels());
        WaitUntil([] { return false; }, 100);
    }
    const int box = BoxPixels();
    EXPECT_LT(most, box / 4);

    // A switch reaches the overlay in step with the captions, so the next one shows.
    ASSERT_TRUE(graph.SelectSubtitleStream(1));
    EXPECT_EQ(graph.CurrentSubtitleStream(), 1);
    EXPECT_TRUE(WaitUntil([&] { return BarPixels() > box / 2; }, 3000));

    ASSERT_TRUE(graph.SelectSubtitleStream(0));
    EXPECT_EQ(graph.CurrentSubtitleStream(), 0);
    EXPECT_TRUE(WaitUntil([&] { return BarPixels() < box / 4; }, 3000));
    EXPECT_FALSE(graph.SelectSubtitleStream(2));
}

} // namespace
