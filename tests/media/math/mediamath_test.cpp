#include "media/mediamath.h"

#include <gtest/gtest.h>

namespace {

struct VolumeCase
{
    int bar;
    int frameworkValue;
};

class VolumeTest : public ::testing::TestWithParam<VolumeCase>
{
};

TEST_P(VolumeTest, BarPositionGivesHundredthsOfADecibel)
{
    EXPECT_EQ(MediaMath::VolumeFrameworkValue(GetParam().bar), GetParam().frameworkValue);
}

// 10000 * ln(bar / 12) / ln(834), truncated toward zero, minus 10000.
INSTANTIATE_TEST_SUITE_P(Bars, VolumeTest,
                         ::testing::Values(VolumeCase{10000, 0}, VolumeCase{12, -10000},
                                           VolumeCase{0, -10000}, VolumeCase{-5, -10000},
                                           VolumeCase{20000, 0}, VolumeCase{9999, -2},
                                           VolumeCase{5000, -1032}, VolumeCase{100, -6848},
                                           VolumeCase{13, -9881}, VolumeCase{1, -13694},
                                           VolumeCase{11, -10129}));

TEST(LinearVolume, FullIsOneSilentIsZeroAndTwentyDecibelsIsATenth)
{
    EXPECT_DOUBLE_EQ(MediaMath::LinearVolume(0), 1.0);
    EXPECT_DOUBLE_EQ(MediaMath::LinearVolume(-10000), 0.0);
    EXPECT_DOUBLE_EQ(MediaMath::LinearVolume(-13698), 0.0);
    EXPECT_NEAR(MediaMath::LinearVolume(-2000), 0.1, 1e-12);
    EXPECT_NEAR(MediaMath::LinearVolume(-600), 0.501187, 1e-6);
}

struct FrameCase
{
    int fpsNum;
    int fpsDen;
    qint64 units;
    qint64 frames;
};

class FrameConversionTest : public ::testing::TestWithParam<FrameCase>
{
};

TEST_P(FrameConversionTest, UnitsToFramesTruncates)
{
    const FrameCase c = GetParam();
    EXPECT_EQ(MediaMath::UnitsToFrames(c.units, c.fpsNum, c.fpsDen), c.frames);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, FrameConversionTest,
    ::testing::Values(FrameCase{25, 1, MediaMath::UnitsPerSecond, 25},
                      FrameCase{30000, 1001, MediaMath::UnitsPerSecond, 29},
                      FrameCase{25, 1, 399'999, 0}, FrameCase{25, 1, 400'000, 1},
                      FrameCase{25, 1, -400'000, -1},
                      // Four days of 60 fps media time does not overflow on the way.
                      FrameCase{60, 1, 3'456'000'000'000LL, 20'736'000}));

TEST(FrameConversion, FramesToUnitsAndBackKeepsWholeFrames)
{
    for (const auto &[num, den] : {std::pair{25, 1}, {24000, 1001}, {30, 1}}) {
        for (qint64 frame : {0LL, 1LL, 250LL, 1234567LL}) {
            const qint64 units = MediaMath::FramesToUnits(frame, num, den);
            // A frame's start truncated to 100 ns may fall just short of it.
            const qint64 back = MediaMath::UnitsToFrames(units + 1, num, den);
            EXPECT_EQ(back, frame) << num << "/" << den << " frame " << frame;
        }
    }
}

TEST(FrameConversion, NanosecondsRoundToTheShownFrame)
{
    EXPECT_EQ(MediaMath::NanosecondsToNearestFrame(1'999'999'999, 25, 1), 50);
    EXPECT_EQ(MediaMath::NanosecondsToNearestFrame(2'000'000'000, 25, 1), 50);
    EXPECT_EQ(MediaMath::NanosecondsToNearestFrame(33'366'666, 30000, 1001), 1);
    EXPECT_EQ(MediaMath::FramesToNanoseconds(500, 25, 1), 20'000'000'000LL);
}

} // namespace
