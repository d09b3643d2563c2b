#include "mediadialogs/picturebalance.h"

#include <gtest/gtest.h>

using namespace PictureBalance;

namespace {

struct RangeCase
{
    TMode mode;
    int which;
    int maximum;
    int defaultPosition;
    int step;
};

class Ranges : public ::testing::TestWithParam<RangeCase>
{
};

TEST_P(Ranges, FollowTheMode)
{
    const RangeCase c = GetParam();
    EXPECT_EQ(Maximum(c.mode, c.which), c.maximum);
    EXPECT_EQ(DefaultPosition(c.mode, c.which), c.defaultPosition);
    EXPECT_EQ(Step(c.mode, c.which), c.step);
}

INSTANTIATE_TEST_SUITE_P(Cases, Ranges,
                         ::testing::Values(RangeCase{TMode::Hardware, kBrightness, 10000, 750, 100},
                                           RangeCase{TMode::Hardware, kContrast, 20000, 10000, 200},
                                           RangeCase{TMode::Hardware, kSaturation, 20000, 10000,
                                                     200},
                                           RangeCase{TMode::Decoder, kBrightness, 255, 127, 2},
                                           RangeCase{TMode::Decoder, kContrast, 255, 127, 2},
                                           RangeCase{TMode::Decoder, kSaturation, 255, 127, 2}));

TEST(PictureValues, DecoderSendsAroundItsCentreHardwareSendsThePosition)
{
    EXPECT_EQ(ValueOf(TMode::Decoder, 0), -127);
    EXPECT_EQ(ValueOf(TMode::Decoder, 127), 0);
    EXPECT_EQ(ValueOf(TMode::Decoder, 255), 128);
    EXPECT_EQ(PositionOf(TMode::Decoder, -127), 0);
    EXPECT_EQ(ValueOf(TMode::Hardware, 750), 750);
    EXPECT_EQ(PositionOf(TMode::Hardware, 20000), 20000);
}

TEST(PictureMode, HardwareOnlyWhenAskedForAndThere)
{
    EXPECT_EQ(ChooseMode(true, true, true), 1);
    EXPECT_EQ(ChooseMode(false, true, true), 2);
    // Asked for, but the path has no balance of its own: the stage.
    EXPECT_EQ(ChooseMode(true, false, true), 2);
    EXPECT_EQ(ChooseMode(true, false, false), 0);
    EXPECT_EQ(ChooseMode(false, true, false), 0);
}

TEST(PictureKeys, UpAndDownWrap)
{
    EXPECT_EQ(PreviousSlider(1), 3);
    EXPECT_EQ(PreviousSlider(3), 2);
    EXPECT_EQ(NextSlider(3), 1);
    EXPECT_EQ(NextSlider(1), 2);
}

TEST(PictureWindow, WidthAndPlace)
{
    EXPECT_EQ(WindowWidth(640), 392);
    EXPECT_EQ(WindowWidth(300), 300);
    // Halves truncate toward zero, also when the window is the wider one.
    EXPECT_EQ(CentredOrigin(QRect(10, 20, 641, 481), QSize(392, 224)), QPoint(134, 148));
    EXPECT_EQ(CentredOrigin(QRect(0, 0, 300, 100), QSize(305, 144)), QPoint(-2, -22));
    EXPECT_EQ(CentredOrigin(QRect(0, 0, 500, 400), QSize(250, 144), 20), QPoint(125, 108));
}

struct ChannelCase
{
    int position, maximum, defaultPosition, channelMin, channelMax, channel;
};

class Channels : public ::testing::TestWithParam<ChannelCase>
{
};

TEST_P(Channels, DefaultLandsOnTheNeutralMiddle)
{
    const ChannelCase c = GetParam();
    EXPECT_EQ(ChannelValue(c.position, c.maximum, c.defaultPosition, c.channelMin, c.channelMax),
              c.channel);
    EXPECT_EQ(ChannelPosition(c.channel, c.maximum, c.defaultPosition, c.channelMin, c.channelMax),
              c.position);
}

INSTANTIATE_TEST_SUITE_P(Cases, Channels,
                         ::testing::Values(ChannelCase{750, 10000, 750, -1000, 1000, 0},
                                           ChannelCase{0, 10000, 750, -1000, 1000, -1000},
                                           ChannelCase{10000, 10000, 750, -1000, 1000, 1000},
                                           ChannelCase{375, 10000, 750, -1000, 1000, -500},
                                           ChannelCase{10000, 20000, 10000, 0, 100, 50},
                                           ChannelCase{15000, 20000, 10000, 0, 100, 75}));

TEST(Channels, OutOfRangeInputIsLimited)
{
    EXPECT_EQ(ChannelValue(-5, 10000, 750, -1000, 1000), -1000);
    EXPECT_EQ(ChannelValue(99999, 10000, 750, -1000, 1000), 1000);
    EXPECT_EQ(ChannelValue(10, 0, 0, -1000, 1000), -1000);
    EXPECT_EQ(ChannelPosition(5000, 10000, 750, -1000, 1000), 10000);
}

TEST(Stage, DecoderValuesBecomeStageProperties)
{
    EXPECT_DOUBLE_EQ(StageProperty(kBrightness, 0), 0.0);
    EXPECT_DOUBLE_EQ(StageProperty(kBrightness, 128), 1.0);
    EXPECT_LT(StageProperty(kBrightness, -127), -0.99);
    EXPECT_DOUBLE_EQ(StageProperty(kContrast, 0), 1.0);
    EXPECT_DOUBLE_EQ(StageProperty(kSaturation, 128), 2.0);
    EXPECT_GT(StageProperty(kContrast, -127), 0.0);
    EXPECT_LT(StageProperty(kContrast, -127), 0.01);
    for (int which = 1; which <= 3; ++which) {
        for (int value : {-127, -1, 0, 1, 64, 128})
            EXPECT_EQ(StageValue(which, StageProperty(which, value)), value) << which;
    }
}

} // namespace
