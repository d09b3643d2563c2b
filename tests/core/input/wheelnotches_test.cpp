#include "input/wheelnotches.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct WheelCase
{
    const char *name;
    std::vector<QPoint> reports;
    bool alt;
    std::vector<int> notches;
};

class WheelNotchesTest : public ::testing::TestWithParam<WheelCase>
{
};

TEST_P(WheelNotchesTest, CountsWholeNotches)
{
    const WheelCase &c = GetParam();
    TWheelNotches wheel;
    std::vector<int> got;
    for (const QPoint &report : c.reports)
        got.push_back(wheel.Add(report, c.alt));
    EXPECT_EQ(got, c.notches);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, WheelNotchesTest,
    ::testing::Values(
        WheelCase{"ClassicNotches", {{0, 120}, {0, -120}}, false, {1, -1}},
        WheelCase{"TouchpadTenthsMakeOneNotch",
                  {{0, 12}, {0, 12}, {0, 12}, {0, 12}, {0, 12}, {0, 12}, {0, 12}, {0, 12},
                   {0, 12}, {0, 12}},
                  false,
                  {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        WheelCase{"FastTurnReportsSeveral", {{0, -360}}, false, {-3}},
        WheelCase{"RestCarriesOver", {{0, 90}, {0, 90}, {0, 60}}, false, {0, 1, 1}},
        WheelCase{"TurningBackDropsTheRest", {{0, 100}, {0, -100}, {0, -20}}, false, {0, 0, -1}},
        WheelCase{"AltWheelArrivesHorizontal", {{120, 0}, {-120, 0}}, true, {1, -1}},
        WheelCase{"HorizontalWithoutAltIsNoNotch", {{120, 0}}, false, {0}},
        WheelCase{"NothingIsNothing", {{0, 0}}, true, {0}}),
    [](const ::testing::TestParamInfo<WheelCase> &info) { return info.param.name; });

} // namespace
