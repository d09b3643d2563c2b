#include "captionfit.h"
#include "readouts.h"

#include <gtest/gtest.h>

namespace {

TEST(Readouts, HoursMinutesSeconds)
{
    const std::pair<qint64, const char *> cases[] = {
        {0, "0:00:00"},    {59, "0:00:59"}, {61, "0:01:01"},    {3661, "1:01:01"},
        {7200, "2:00:00"}, {-1, "0:00:00"}, {-7200, "0:00:00"}, {360000, "100:00:00"},
    };
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(Readouts::Hms(seconds), QLatin1String(text)) << seconds;
}

TEST(Readouts, PositionShowsElapsedOrRemainingNeverNegative)
{
    EXPECT_EQ(Readouts::Position(125, 7200, true), QStringLiteral("0:02:05"));
    EXPECT_EQ(Readouts::Position(125, 7200, false), QStringLiteral("1:57:55"));
    // Past the reported end the remaining time stays at zero.
    EXPECT_EQ(Readouts::Position(7300, 7200, false), QStringLiteral("0:00:00"));
    EXPECT_EQ(Readouts::Hover(QStringLiteral(">"), 3599), QStringLiteral(">0:59:59"));
}

TEST(Readouts, LargeClockIsHoursAndMinutes)
{
    EXPECT_EQ(Readouts::LargeClock(QTime(7, 5, 59)), QStringLiteral("07:05"));
    EXPECT_TRUE(Readouts::SmallClock(QTime(7, 5, 9)).endsWith(QLatin1Char(' ')));
}

// A text whose width grows with its height, as any font does.
auto textOf(int characters)
{
    return [characters](int height) { return characters * height / 2; };
}

TEST(CaptionFit, StartsLargerInFullScreenAndStopsAtTheFirstHeightThatFits)
{
    EXPECT_EQ(CaptionFit::FitLarge(textOf(4), 1000, false, true).fontHeight, 59);
    EXPECT_EQ(CaptionFit::FitLarge(textOf(4), 1000, true, true).fontHeight, 109);
    // 20 characters: width = 10 * height + 2 must stay below 455 - 70 = 385 -> height 38.
    const CaptionFit::TLargeCaption fit = CaptionFit::FitLarge(textOf(20), 455, false, true);
    EXPECT_EQ(fit.fontHeight, 38);
    EXPECT_EQ(fit.width, 382);
}

TEST(CaptionFit, NeverBelowNineteenEvenWhenItStillDoesNotFit)
{
    const CaptionFit::TLargeCaption fit = CaptionFit::FitLarge(textOf(200), 346, false, true);
    EXPECT_EQ(fit.fontHeight, 19);
    EXPECT_EQ(fit.width, 100 * 19 + 2);
}

TEST(CaptionFit, FixedSizeWithoutScaling)
{
    const CaptionFit::TLargeCaption fit = CaptionFit::FitLarge(textOf(200), 346, true, false);
    EXPECT_EQ(fit.fontHeight, CaptionFit::kFixedHeight);
    EXPECT_EQ(CaptionFit::LargeLeft(100, 455), 320);
    EXPECT_EQ(CaptionFit::SmallGeometry(60, 455, 307, 23), QRect(386, 307, 64, 23));
}

} // namespace
