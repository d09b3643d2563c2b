#include "playback/seekmath.h"

#include <gtest/gtest.h>

namespace {

using Table = std::vector<quint32>;

Table everyTwoHundredFifty(int count)
{
    Table table;
    for (int i = 0; i < count; ++i)
        table.push_back(static_cast<quint32>(i * 250));
    return table;
}

struct RelativeCase
{
    const char *name;
    qint64 from;
    int framesPerSecond;
    int milliseconds;
    TSeekDirection direction;
    Table keyFrames;
    qint64 expected;
};

class RelativeSeekTest : public ::testing::TestWithParam<RelativeCase>
{
};

TEST_P(RelativeSeekTest, LandsOn)
{
    const RelativeCase &c = GetParam();
    EXPECT_EQ(SeekMath::RelativeTarget(c.from, c.framesPerSecond, c.milliseconds, c.direction,
                                       c.keyFrames),
              c.expected);
}

const auto kBack = TSeekDirection::Back;
const auto kForward = TSeekDirection::Forward;

INSTANTIATE_TEST_SUITE_P(
    Seeks, RelativeSeekTest,
    ::testing::Values(
        RelativeCase{"ForwardUpToNextKeyFrame", 100, 25, 10000, kForward, everyTwoHundredFifty(4),
                     500},
        RelativeCase{"BackDownToKeyFrame", 600, 25, 10000, kBack, everyTwoHundredFifty(4), 250},
        RelativeCase{"ForwardPastLastKeyFrame", 700, 25, 10000, kForward, everyTwoHundredFifty(4),
                     950},
        RelativeCase{"NoTableNoSnapping", 100, 25, 10000, kForward, {}, 350},
        RelativeCase{"StepRoundsDown", 100, 25, 999, kForward, {}, 124},
        RelativeCase{"BackBeforeFirstKeyFrame", 400, 25, 2000, kBack, Table{360, 600}, 350},
        RelativeCase{"BackPastTheStart", 100, 25, 10000, kBack, {}, 0},
        // Outside the frame format the units are 100 ns.
        RelativeCase{"HundredNanosecondUnits", 50000000, 0, 1500, kForward, {}, 65000000},
        RelativeCase{"LongStepNeedsSixtyFourBits", 0, 0, 3600000, kForward, {}, 36000000000}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SeekSnapping, EdgesOfTheTable)
{
    const Table table{10, 20, 30};
    EXPECT_EQ(SeekMath::SnapBackward(table, 9), 9);
    EXPECT_EQ(SeekMath::SnapBackward(table, 10), 10);
    EXPECT_EQ(SeekMath::SnapBackward(table, 29), 20);
    EXPECT_EQ(SeekMath::SnapBackward(table, 1000), 30);
    EXPECT_EQ(SeekMath::SnapForward(table, 0), 10);
    EXPECT_EQ(SeekMath::SnapForward(table, 21), 30);
    EXPECT_EQ(SeekMath::SnapForward(table, 30), 30);
    EXPECT_EQ(SeekMath::SnapForward(table, 31), 31);
    // Positions beyond the range of a frame number are never mistaken for one.
    EXPECT_EQ(SeekMath::SnapBackward(Table{0xFFFFFFFFu}, 0x100000000), 0xFFFFFFFF);
    EXPECT_EQ(SeekMath::SnapForward(Table{0xFFFFFFFFu}, 0x100000000), 0x100000000);
}

TEST(SeekSnapping, AbsoluteSeekSnapsBackward)
{
    EXPECT_EQ(SeekMath::AbsoluteTarget(1499, everyTwoHundredFifty(8)), 1250);
    EXPECT_EQ(SeekMath::AbsoluteTarget(1499, {}), 1499);
}

TEST(DvdSeek, WholeSecondsNotBeforeTheStart)
{
    EXPECT_EQ(SeekMath::DvdRelativeTarget(100, 1500, kBack), 99);
    EXPECT_EQ(SeekMath::DvdRelativeTarget(100, 30000, kForward), 130);
    EXPECT_EQ(SeekMath::DvdRelativeTarget(10, 30000, kBack), 0);
}

} // namespace
