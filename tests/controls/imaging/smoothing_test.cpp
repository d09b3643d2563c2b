#include "../controlstestapp.h"
#include "smoothing.h"

#include <vector>

namespace {

// A grey image from rows of levels.
QImage greyImage(const std::vector<std::vector<int>> &rows)
{
    QImage image(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()),
                 QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int v = rows[static_cast<size_t>(y)][static_cast<size_t>(x)];
            image.setPixel(x, y, qRgb(v, v, v));
        }
    return image;
}

int level(const QImage &image, int x, int y)
{
    return qRed(image.pixel(x, y));
}

} // namespace

TEST(SmoothPass, UsesAlreadySmoothedLeftNeighbourAndTruncates)
{
    QImage image = greyImage({{0, 8, 16, 0}, {4, 99, 40, 103}, {0, 12, 20, 0}});
    smoothPass(image, clFuchsia);
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    // (8 + 12 + 4 + 40) / 4
    EXPECT_EQ(level(image, 1, 1), 16);
    // (16 + 20 + 16 + 103) / 4 = 38.75, with the smoothed left neighbour rather than 99
    EXPECT_EQ(level(image, 2, 1), 38);
    const std::vector<std::vector<int>> border{{0, 8, 16, 0}, {4, -1, -1, 103}, {0, 12, 20, 0}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            const int expected = border[static_cast<size_t>(y)][static_cast<size_t>(x)];
            if (expected >= 0) {
                EXPECT_EQ(level(image, x, y), expected) << x << "," << y;
            }
        }
    }
}

TEST(SmoothPass, UsesAlreadySmoothedNeighbourAbove)
{
    QImage image = greyImage({{0, 40, 0}, {0, 80, 0}, {0, 0, 0}, {0, 100, 0}, {0, 0, 0}});
    smoothPass(image, clFuchsia);
    EXPECT_EQ(level(image, 1, 1), 10); // (40 + 0 + 0 + 0) / 4
    EXPECT_EQ(level(image, 1, 2), 27); // (10 + 100 + 0 + 0) / 4 = 27.5
    EXPECT_EQ(level(image, 1, 3), 6);  // (27 + 0 + 0 + 0) / 4 = 6.75
}

TEST(SmoothPass, LeavesKeyColourAndAveragesChannelsSeparately)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    image.setPixel(1, 0, qRgb(100, 40, 8));
    image.setPixel(1, 2, qRgb(0, 200, 4));
    image.setPixel(0, 1, qRgb(3, 0, 255));
    image.setPixel(2, 1, qRgb(255, 0, 255)); // magenta key: stays and is a neighbour of (1, 1)
    image.setPixel(1, 1, qRgb(7, 7, 7));
    smoothPass(image, clFuchsia);
    EXPECT_EQ(image.pixel(1, 1),
              qRgb((100 + 0 + 3 + 255) / 4, (40 + 200 + 0 + 0) / 4, (8 + 4 + 255 + 255) / 4));
    EXPECT_EQ(image.pixel(2, 1), qRgb(255, 0, 255));
}

TEST(SmoothPass, ImagesWithoutInnerPixelsOnlyChangeFormat)
{
    for (const QSize size : {QSize(2, 2), QSize(2, 5), QSize(5, 2), QSize(1, 1)}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(qRgb(200, 10, 10));
        image.setPixel(0, 0, qRgb(1, 2, 3));
        const QImage before = image.convertToFormat(QImage::Format_RGB888);
        smoothPass(image, clBlack);
        EXPECT_EQ(image, before) << size.width() << "x" << size.height();
    }
    QImage empty;
    smoothPass(empty, clBlack);
    EXPECT_TRUE(empty.isNull());
}
