#include "../support/mediatestsupport.h"
#include "media/filtergraph.h"
#include "media/videobalance.h"
#include "media/videowindow.h"

#include <QWidget>
#include <gtest/gtest.h>

using MediaTest::Clip;
using MediaTest::WaitUntil;

namespace {

struct GreyFixture
{
    QWidget glob;
    TVideoWindow *videoWin = new TVideoWindow(&glob);
    TFilterGraph graph;
    TVideoBalance balance{&graph};

    GreyFixture()
    {
        glob.resize(320, 240);
        videoWin->setGeometry(QRect(0, 0, 160, 120));
        videoWin->SetFilterGraph(&graph);
        glob.show();
        graph.SetActive(true);
    }

    // The grey level painted in the middle of the picture.
    int PaintedGrey()
    {
        const QImage painted = videoWin->grab().toImage();
        return qGray(painted.pixel(80, 60));
    }

    bool WaitForGrey(const std::function<bool(int)> &wanted)
    {
        return WaitUntil(
            [&] { return !videoWin->CurrentFrame().isNull() && wanted(PaintedGrey()); }, 4000);
    }
};

TEST(VideoBalance, BrightnessChangesThePaintedGreyInItsDirection)
{
    GreyFixture f;
    ASSERT_EQ(f.graph.RenderFile(Clip("grey-two-audio.mkv")), 0);
    ASSERT_TRUE(f.graph.Play());
    ASSERT_TRUE(f.WaitForGrey([](int) { return true; }));
    const int plain = f.PaintedGrey();
    EXPECT_NEAR(plain, 128, 12);
    EXPECT_FALSE(f.balance.StageInserted()) << "nothing in the graph at the defaults";

    ASSERT_TRUE(f.balance.SetStage(1, 64));
    EXPECT_TRUE(f.balance.StageInserted());
    EXPECT_EQ(f.balance.Stage(1), 64);
    EXPECT_TRUE(f.WaitForGrey([plain](int grey) { return grey > plain + 30; }))
        << "brighter: " << f.PaintedGrey() << " against " << plain;

    ASSERT_TRUE(f.balance.SetStage(1, -64));
    EXPECT_TRUE(f.WaitForGrey([plain](int grey) { return grey < plain - 30; }))
        << "darker: " << f.PaintedGrey() << " against " << plain;

    // Back at the default the picture is as it was.
    ASSERT_TRUE(f.balance.SetStage(1, 0));
    EXPECT_TRUE(f.WaitForGrey([plain](int grey) { return std::abs(grey - plain) <= 2; }));
}

TEST(VideoBalance, AChangeShowsOnAPausedPicture)
{
    GreyFixture f;
    ASSERT_EQ(f.graph.RenderFile(Clip("grey-two-audio.mkv")), 0);
    ASSERT_TRUE(f.graph.Pause());
    ASSERT_TRUE(f.WaitForGrey([](int) { return true; }));
    const int plain = f.PaintedGrey();
    ASSERT_TRUE(f.balance.SetStage(1, 100));
    EXPECT_TRUE(f.WaitForGrey([plain](int grey) { return grey > plain + 30; }));
    ASSERT_TRUE(f.balance.SetStage(3, -127));
    EXPECT_EQ(f.balance.Stage(3), -127);
}

TEST(VideoBalance, DefaultValuesLeaveTheGraphAlone)
{
    GreyFixture f;
    ASSERT_EQ(f.graph.RenderFile(Clip("grey-two-audio.mkv")), 0);
    EXPECT_TRUE(f.balance.HasStage());
    for (int which = 1; which <= 3; ++which) {
        EXPECT_TRUE(f.balance.SetStage(which, 0));
        EXPECT_EQ(f.balance.Stage(which), 0);
    }
    EXPECT_FALSE(f.balance.StageInserted());
    EXPECT_FALSE(f.balance.SetStage(4, 10));
    // The appsink path offers no colour balance of its own.
    EXPECT_FALSE(f.balance.HasHardware());
    EXPECT_FALSE(f.balance.SetHardware(1, 750, 10000, 750));
    EXPECT_EQ(f.balance.Hardware(1, 10000, 750), 0);
}

TEST(VideoBalance, NothingWithoutAGraphOrAPicture)
{
    TFilterGraph graph;
    TVideoBalance balance(&graph);
    EXPECT_FALSE(balance.HasStage());
    EXPECT_FALSE(balance.SetStage(1, 10));
    EXPECT_EQ(balance.Stage(1), 0);
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("audio-only.m4a")), 0);
    EXPECT_FALSE(balance.HasStage());
    EXPECT_FALSE(balance.SetStage(1, 10));
}

} // namespace
