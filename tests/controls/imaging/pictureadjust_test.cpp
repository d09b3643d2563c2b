#include "../controlstestapp.h"
#include "pictureadjust.h"

struct LightenCase
{
    int channel;
    int lightness;
    int expected;
};

class LightenChannel : public ::testing::TestWithParam<LightenCase>
{
};

TEST_P(LightenChannel, MovesTowardWhiteOrBlack)
{
    const LightenCase c = GetParam();
    EXPECT_EQ(lightenChannel(c.channel, c.lightness), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, LightenChannel,
                         ::testing::Values(LightenCase{55, 0, 55}, LightenCase{0, 255, 255},
                                           LightenCase{128, 255, 255}, LightenCase{255, 255, 255},
                                           LightenCase{55, 100, 133}, // 55 + 100 * 200 / 255
                                           LightenCase{200, 80, 217}, // 200 + 80 * 55 / 255
                                           LightenCase{255, -255, 0}, LightenCase{128, -255, 0},
                                           LightenCase{0, -255, 0},
                                           LightenCase{200, -100, 122})); // 200 - 100 * 200 / 255

TEST(AdjustPicture, LightnessExtremesGiveWhiteAndBlack)
{
    QImage source(3, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(0, 0, 0));
    source.setPixel(1, 0, qRgb(255, 255, 255));
    source.setPixel(2, 0, qRgb(12, 200, 99));
    const QImage white = adjustPicture(source, 255, false);
    const QImage black = adjustPicture(source, -255, false);
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(white.pixel(x, 0), qRgb(255, 255, 255)) << x;
        EXPECT_EQ(black.pixel(x, 0), qRgb(0, 0, 0)) << x;
    }
}

TEST(AdjustPicture, GreyScaleUsesLuminanceOfLightenedColour)
{
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(0, 255, 0));
    source.setPixel(1, 0, qRgb(0, 0, 255));
    const QImage grey = adjustPicture(source, 0, true);
    EXPECT_EQ(grey.pixel(0, 0), qRgb(150, 150, 150)); // 0.59 * 255 = 150.45
    EXPECT_EQ(grey.pixel(1, 0), qRgb(28, 28, 28));    // 0.11 * 255 = 28.05
    // Lightened first: blue (0, 0, 255) + 255 is white, so its grey is 255.
    EXPECT_EQ(adjustPicture(source, 255, true).pixel(1, 0), qRgb(255, 255, 255));
}
