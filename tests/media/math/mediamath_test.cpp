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

TEST(DvdTimeCode, BytesHoldHoursMinutesSecondsAndFramesAreDropped)
{
    // 1 h 02 min 03 s with 17 frames.
    const quint32 code = 0x01u | (0x02u << 8) | (0x03u << 16) | (17u << 24);
    EXPECT_EQ(MediaMath::TimeCodeToSeconds(code), 3723);
    EXPECT_EQ(MediaMath::SecondsToTimeCode(3723), code & 0x00FFFFFFu);
    EXPECT_EQ(MediaMath::TimeCodeToSeconds(MediaMath::SecondsToTimeCode(59)), 59);
    EXPECT_EQ(MediaMath::SecondsToTimeCode(-5), 0u);
    // Beyond what one hour byte holds the code stays at its largest value.
    EXPECT_EQ(MediaMath::TimeCodeToSeconds(MediaMath::SecondsToTimeCode(2'000'000)),
              255 * 3600 + 59 * 60 + 59);
}

TEST(WindowToFrame, StretchedWindowPointsLandOnTheFramesPixels)
{
    struct Case
    {
        QPoint point;
        QSize window, frame;
        QPoint expected;
    };
    const Case cases[] = {
        {{0, 0}, {1440, 1152}, {720, 576}, {0, 0}},
        {{200, 370}, {1440, 1152}, {720, 576}, {100, 185}},
        {{1439, 1151}, {1440, 1152}, {720, 576}, {719, 575}},
        {{2000, -40}, {1440, 1152}, {720, 576}, {719, 0}}, // outside: clamped
        {{50, 50}, {360, 288}, {720, 576}, {100, 100}},
        {{10, 10}, {0, 0}, {720, 576}, {-1, -1}},
        {{10, 10}, {100, 100}, {}, {-1, -1}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MediaMath::WindowToFrame(c.point, c.window, c.frame), c.expected)
            << c.point.x() << "," << c.point.y();
}

} // namespace
