#include "../controlstestapp.h"
#include "timelinepainter.h"

namespace {

constexpr TColor Around = 0x111111;
constexpr TColor Fore = 0x00AA00;
constexpr TColor Back = 0x0000AA;

TTimeLineLook look(TGaugeKind kind, QSize size, int progress, int maxValue)
{
    TTimeLineLook l;
    l.kind = kind;
    l.size = size;
    l.progress = progress;
    l.maxValue = maxValue;
    l.color = Around;
    l.foreColor = Fore;
    l.backColor = Back;
    return l;
}

// The control's own pixels.
QImage controlPixels(const TTimeLineLook &l)
{
    return renderTimeLine(l).copy(1, 1, l.size.width(), l.size.height());
}

// Runs of columns in the given row whose pixel is the colour.
int runsOf(const QImage &image, int y, TColor colour, int *firstStart = nullptr,
           int *firstEnd = nullptr)
{
    int runs = 0;
    bool inside = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool match = bgrAt(image, x, y) == colour;
        if (match && !inside) {
            ++runs;
            if (runs == 1 && firstStart)
                *firstStart = x;
        }
        if (!match && inside && runs == 1 && firstEnd)
            *firstEnd = x;
        inside = match;
    }
    return runs;
}

} // namespace

struct LengthCase
{
    TGaugeKind kind;
    QSize size;
    int progress;
    int maxValue;
    int expected;
};

class FilledLength : public ::testing::TestWithParam<LengthCase>
{
};

TEST_P(FilledLength, RoundsProgressOverOnePixelMoreThanTheExtent)
{
    const LengthCase c = GetParam();
    EXPECT_EQ(timeLineFilledLength(c.kind, c.size, c.progress, c.maxValue), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FilledLength,
    ::testing::Values(LengthCase{TGaugeKind::gkHorizontalBar, {100, 16}, 100, 100, 101},
                      LengthCase{TGaugeKind::gkHorizontalBar, {100, 16}, 0, 100, 0},
                      LengthCase{TGaugeKind::gkHorizontalBar, {100, 16}, 5, 0, 0},
                      LengthCase{TGaugeKind::gkHorizontalBar, {99, 16}, 1, 3, 33},  // 33.33
                      LengthCase{TGaugeKind::gkHorizontalBar, {100, 16}, 2, 3, 67}, // 67.33
                      LengthCase{TGaugeKind::gkHorizontalBar, {101, 16}, 3, 4, 76}, // 76.5, to even
                      LengthCase{TGaugeKind::gkVerticalBar, {16, 237}, 10000, 10000, 238},
                      LengthCase{TGaugeKind::gkVerticalBar, {16, 237}, 500, 10000, 12})); // 11.9

struct ValueCase
{
    TGaugeKind kind;
    QSize size;
    int maxValue;
    QPoint point;
    int expected;
};

class ValueAt : public ::testing::TestWithParam<ValueCase>
{
};

TEST_P(ValueAt, IsProportionalAndUnclamped)
{
    const ValueCase c = GetParam();
    EXPECT_EQ(timeLineValueAt(c.kind, c.size, c.maxValue, c.point), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueAt,
    ::testing::Values(ValueCase{TGaugeKind::gkHorizontalBar, {200, 16}, 3600, {50, 3}, 900},
                      ValueCase{TGaugeKind::gkHorizontalBar, {200, 16}, 100, {-20, 3}, -10},
                      ValueCase{TGaugeKind::gkHorizontalBar, {200, 16}, 100, {260, 3}, 130},
                      ValueCase{TGaugeKind::gkHorizontalBar, {200, 16}, 0, {150, 3}, 0},
                      ValueCase{TGaugeKind::gkVerticalBar, {16, 194}, 225, {3, 0}, 225},
                      ValueCase{TGaugeKind::gkVerticalBar, {16, 194}, 225, {3, 193}, 1},    // 1.16
                      ValueCase{TGaugeKind::gkVerticalBar, {16, 237}, 10000, {3, 236}, 42}, // 42.19
                      ValueCase{TGaugeKind::gkVerticalBar, {16, 237}, 10000, {3, 300}, -2658},
                      ValueCase{TGaugeKind::gkHorizontalBar, {0, 16}, 100, {5, 3}, 0},
                      ValueCase{TGaugeKind::gkVerticalBar, {16, 0}, 100, {3, 5}, 0}));

TEST(RenderTimeLine, FullHorizontalBarHasNoTrack)
{
    const TTimeLineLook l = look(TGaugeKind::gkHorizontalBar, {40, 16}, 100, 100);
    const QImage bitmap = renderTimeLine(l);
    ASSERT_EQ(bitmap.size(), QSize(42, 18));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(bgrAt(bitmap, x + 1, y + 1), Fore) << x << "," << y;
    for (int y = 0; y < 18; ++y) {
        EXPECT_EQ(bgrAt(bitmap, 0, y), Around);
        EXPECT_EQ(bgrAt(bitmap, 41, y), Around);
    }
}

TEST(RenderTimeLine, HalfHorizontalBarShowsNarrowerTrack)
{
    TTimeLineLook l = look(TGaugeKind::gkHorizontalBar, {20, 10}, 10, 20);
    l.backIslessFore = 3;
    const QImage pixels = controlPixels(l); // L = round(10.5) = 10: control columns 0..9 filled
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            TColor expected = Around;
            if (x < 10)
                expected = Fore;
            else if (y >= 3 && y < 7)
                expected = Back;
            ASSERT_EQ(bgrAt(pixels, x, y), expected) << x << "," << y;
        }
}

TEST(RenderTimeLine, VerticalBarFillsFromTheBottomAndSelectColoursReplace)
{
    TTimeLineLook l = look(TGaugeKind::gkVerticalBar, {8, 30}, 1, 3); // L = round(31 / 3) = 10
    l.backIslessFore = 2;
    l.select = true;
    l.selectForeColor = 0x00FF00;
    l.selectBackColor = 0x808000;
    const QImage pixels = controlPixels(l);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 8; ++x) {
            TColor expected = Around;
            if (y >= 20)
                expected = 0x00FF00;
            else if (x >= 2 && x < 6)
                expected = 0x808000;
            ASSERT_EQ(bgrAt(pixels, x, y), expected) << x << "," << y;
        }
}

TEST(RenderTimeLine, EmptyRangeDrawsOnlyTheTrack)
{
    const QImage pixels = controlPixels(look(TGaugeKind::gkHorizontalBar, {30, 8}, 0, 0));
    EXPECT_EQ(bgrAt(pixels, 0, 4), Back);
    EXPECT_EQ(bgrAt(pixels, 29, 4), Back);
    EXPECT_EQ(bgrAt(pixels, 0, 0), Around);
}

TEST(RenderTimeLine, FiftyOneSlicesOnA322WideBarLeaveTwentyFiveGaps)
{
    TTimeLineLook l = look(TGaugeKind::gkHorizontalBar, {322, 33}, 255, 255);
    l.mode = 2;
    l.mode2Div = 51;
    l.backIslessFore = 13;
    const QImage bitmap = renderTimeLine(l);
    const QImage pixels = bitmap.copy(1, 1, 322, 33);
    int start = -1;
    int end = -1;
    EXPECT_EQ(runsOf(pixels, 16, Around, &start, &end), 25);
    // S = 324 / 51; the first gap spans bitmap columns round(S) .. round(2S) - 1 = 6 .. 12.
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 12);
    EXPECT_EQ(runsOf(pixels, 16, Fore), 26);
    // Gaps cut the whole height, the top and bottom rows of the control included.
    EXPECT_EQ(bgrAt(pixels, 8, 0), Around);
    EXPECT_EQ(bgrAt(pixels, 8, 32), Around);
    EXPECT_EQ(bgrAt(pixels, 2, 32), Fore);
}
