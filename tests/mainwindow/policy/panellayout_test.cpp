// Panel rectangles after resizes, written out as numbers rather than formulas so that a slip in
// an anchor or a gap shows.
#include "panellayout.h"

#include <gtest/gtest.h>

namespace {

struct LayoutCase
{
    QSize glob;
    QRect border, clock, timeLine, volume, status, largeClock, play, zoom;
};

class PanelLayoutTest : public ::testing::TestWithParam<LayoutCase>
{
};

TEST_P(PanelLayoutTest, WindowedLayout)
{
    const LayoutCase &c = GetParam();
    const TPanelLayout l = ComputePanelLayout(c.glob, false, false, TPanelLayout::Design(),
                                              TPanelLayout::kDesignGlob);
    EXPECT_EQ(l.panMainMenu, QRect(3, 5, 160, 32));
    EXPECT_EQ(l.panBorderIcons, c.border);
    EXPECT_EQ(l.pnTime, c.clock);
    EXPECT_EQ(l.panTimeLine, c.timeLine);
    EXPECT_EQ(l.PanVolume, c.volume);
    EXPECT_EQ(l.pnStatus, c.status);
    EXPECT_EQ(l.pnTime2, c.largeClock);
    EXPECT_EQ(l.pnPlay, c.play);
    EXPECT_EQ(l.PanZoom, c.zoom);
    EXPECT_EQ(l.iconSize, 32);
    EXPECT_EQ(l.plHeight, 16);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PanelLayoutTest,
                         ::testing::Values(LayoutCase{{346, 260},
                                                      {245, 5, 96, 32},
                                                      {140, 15, 104, 20},
                                                      {14, 219, 319, 36},
                                                      {1, 42, 32, 172},
                                                      {236, 214, 81, 23},
                                                      {107, 172, 133, 42},
                                                      {28, 182, 288, 32},
                                                      {308, 88, 32, 121}},
                                           LayoutCase{{455, 353},
                                                      {354, 5, 96, 32},
                                                      {249, 15, 104, 20},
                                                      {14, 312, 428, 36},
                                                      {1, 42, 32, 265},
                                                      {345, 307, 81, 23},
                                                      {162, 265, 133, 42},
                                                      {82, 275, 288, 32},
                                                      {417, 88, 32, 214}},
                                           LayoutCase{{1280, 720},
                                                      {1179, 5, 96, 32},
                                                      {1074, 15, 104, 20},
                                                      {14, 679, 1253, 36},
                                                      {1, 42, 32, 632},
                                                      {1170, 674, 81, 23},
                                                      {576, 632, 133, 42},
                                                      {492, 642, 288, 32},
                                                      {1242, 88, 32, 581}},
                                           LayoutCase{{1920, 1080},
                                                      {1819, 5, 96, 32},
                                                      {1714, 15, 104, 20},
                                                      {14, 1039, 1893, 36},
                                                      {1, 42, 32, 992},
                                                      {1810, 1034, 81, 23},
                                                      {898, 992, 133, 42},
                                                      {810, 1002, 288, 32},
                                                      {1882, 88, 32, 941}}));

TEST(PanelLayout, LargeFullScreenLayout)
{
    const TPanelLayout l = ComputePanelLayout({1920, 1080}, true, true, TPanelLayout::Design(),
                                              TPanelLayout::kDesignGlob);
    EXPECT_EQ(l.panMainMenu, QRect(3, 5, 240, 48));
    EXPECT_EQ(l.panBorderIcons, QRect(1771, 5, 144, 48));
    EXPECT_EQ(l.pnTime.left(), 1666);
    EXPECT_EQ(l.panTimeLine, QRect(14, 1025, 1893, 50));
    EXPECT_EQ(l.PanVolume, QRect(1, 58, 32, 962));
    EXPECT_EQ(l.pnStatus.top(), 1020);
    EXPECT_EQ(l.pnTime2.top(), 978);
    // In full screen the transport bar sits just above the slider, over the time line panel.
    EXPECT_EQ(l.pnPlay.top(), 1025 + 26 - 32 - 5);
    EXPECT_EQ(l.PanZoom, QRect(1882, 88, 32, 927));
    EXPECT_EQ(l.iconSize, 48);
    EXPECT_EQ(l.plHeight, 24);
    EXPECT_EQ(l.sliderLeft, 4);
    EXPECT_EQ(l.sliderWidth, 24);
}

TEST(PanelLayout, FullScreenWithoutScalingKeepsSmallIconsButMovesTransportBar)
{
    const TPanelLayout l = ComputePanelLayout({1280, 720}, true, false, TPanelLayout::Design(),
                                              TPanelLayout::kDesignGlob);
    EXPECT_EQ(l.panMainMenu.height(), 32);
    EXPECT_EQ(l.pnPlay.top(), 679 + 20 - 32 - 5);
}

TEST(PanelLayout, CaptionsKeepTheirGapFromTheRightEdgeOverRepeatedResizes)
{
    TPanelLayout l = TPanelLayout::Design();
    l.pnStatus = QRect(400, 307, 50, 23); // a caption 5 pixels from the right edge
    QSize glob = TPanelLayout::kDesignGlob;
    for (const QSize next : {QSize(800, 600), QSize(346, 260), QSize(1280, 720)}) {
        l = ComputePanelLayout(next, false, false, l, glob);
        glob = next;
        EXPECT_EQ(glob.width() - l.pnStatus.right() - 1, 5);
        EXPECT_EQ(l.pnStatus.width(), 50);
    }
}

TEST(PanelLayout, CentredPanelsDoNotDriftOverRepeatedResizes)
{
    TPanelLayout l = TPanelLayout::Design();
    QSize glob = TPanelLayout::kDesignGlob;
    for (int i = 0; i < 50; ++i) {
        const QSize next = i % 2 ? QSize(455, 353) : QSize(347 + i, 261 + i);
        l = ComputePanelLayout(next, false, false, l, glob);
        glob = next;
    }
    EXPECT_EQ(l.pnPlay.left(), 82);
    EXPECT_EQ(l.pnTime2.left(), 162);
}

} // namespace
