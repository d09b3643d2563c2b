#include "media/framescaler.h"
#include "media/videoframe.h"

extern "C" {
#include <libavutil/pixfmt.h>
}

#include <QColor>
#include <gtest/gtest.h>
#include <vector>

namespace {

using Matrix = TSourcePicture::Matrix;

// A picture of one colour in a 4:2:0 layout, with padded rows like a decoder's.
struct SolidPicture
{
    SolidPicture(int pixelFormat, QSize size, int y, int u, int v, Matrix matrix, bool fullRange)
    {
        const int lumaStride = size.width() + 32;
        const int chromaWidth = (size.width() + 1) / 2;
        const int chromaRows = (size.height() + 1) / 2;
        luma.assign(std::size_t(lumaStride) * size.height(), uint8_t(y));
        picture.pixelFormat = pixelFormat;
        picture.size = size;
        picture.matrix = matrix;
        picture.fullRange = fullRange;
        picture.planes[0] = luma.data();
        picture.strides[0] = lumaStride;
        if (pixelFormat == AV_PIX_FMT_NV12) {
            const int stride = chromaWidth * 2 + 32;
            chromaU.resize(std::size_t(stride) * chromaRows);
            for (std::size_t i = 0; i + 1 < chromaU.size(); i += 2) {
                chromaU[i] = uint8_t(u);
                chromaU[i + 1] = uint8_t(v);
            }
            picture.planes[1] = chromaU.data();
            picture.strides[1] = stride;
            return;
        }
        const int stride = chromaWidth + 32;
        chromaU.assign(std::size_t(stride) * chromaRows, uint8_t(u));
        chromaV.assign(std::size_t(stride) * chromaRows, uint8_t(v));
        picture.planes[1] = chromaU.data();
        picture.planes[2] = chromaV.data();
        picture.strides[1] = picture.strides[2] = stride;
    }

    std::vector<uint8_t> luma, chromaU, chromaV;
    TSourcePicture picture;
};

// Largest difference of any channel of any pixel from the expected colour.
int WorstDifference(const QImage &frame, QColor expected)
{
    int worst = 0;
    for (int row = 0; row < frame.height(); ++row) {
        const auto *line = reinterpret_cast<const QRgb *>(frame.constScanLine(row));
        for (int column = 0; column < frame.width(); ++column) {
            const QRgb pixel = line[column];
            worst = std::max({worst, std::abs(qRed(pixel) - expected.red()),
                              std::abs(qGreen(pixel) - expected.green()),
                              std::abs(qBlue(pixel) - expected.blue())});
        }
    }
    return worst;
}

struct ColourCase
{
    const char *name;
    int pixelFormat;
    QSize source;
    QSize target; // empty: the source's size
    int y, u, v;
    Matrix matrix;
    bool fullRange;
    QColor expected;
};

class FrameScalerColours : public ::testing::TestWithParam<ColourCase>
{
};

// Each case reads correctly only with its own matrix and range: HD red read
// with SD's matrix comes out orange-pink, a full-range picture read as limited
// range comes out washed out. Odd sizes check that every pixel of every row is
// written, including those after the last whole group of a vectorised loop.
TEST_P(FrameScalerColours, ConvertsToTheColourOfThePicture)
{
    const ColourCase &c = GetParam();
    SolidPicture source(c.pixelFormat, c.source, c.y, c.u, c.v, c.matrix, c.fullRange);
    TFrameScaler scaler;
    const QImage frame = scaler.Convert(source.picture, c.target);
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(frame.format(), QImage::Format_RGB32);
    EXPECT_EQ(frame.size(), c.target.isEmpty() ? c.source : c.target);
    EXPECT_LE(WorstDifference(frame, c.expected), 4);

    // The same picture prepared for painting: a planar frame carries the
    // picture's matrix and range on to the conversion done while painting.
    const TVideoFrame prepared = scaler.Prepare(source.picture, c.target);
    ASSERT_FALSE(prepared.isNull());
    EXPECT_EQ(prepared.size(), frame.size());
    const TPlanarFrame *planes = prepared.Planes();
    ASSERT_NE(planes, nullptr) << "4:2:0 pictures stay planar until they are painted";
    const qsizetype stride = (qsizetype(prepared.size().width()) * 4 + 63) / 64 * 64;
    std::vector<uchar> pixels(std::size_t(stride) * prepared.size().height());
    TFrameScaler painter;
    ASSERT_TRUE(painter.ConvertInto(planes->Picture(), pixels.data(), stride));
    const QImage painted(pixels.data(), prepared.size().width(), prepared.size().height(), stride,
                         QImage::Format_RGB32);
    EXPECT_LE(WorstDifference(painted, c.expected), 4);
}

INSTANTIATE_TEST_SUITE_P(Pictures, FrameScalerColours,
                         ::testing::Values(ColourCase{"Sd601Red",
                                                      AV_PIX_FMT_YUV420P,
                                                      {720, 576},
                                                      {},
                                                      81,
                                                      90,
                                                      240,
                                                      Matrix::Bt601,
                                                      false,
                                                      QColor(255, 0, 0)},
                                           ColourCase{"Hd709Red",
                                                      AV_PIX_FMT_YUV420P,
                                                      {1920, 1080},
                                                      {},
                                                      63,
                                                      102,
                                                      240,
                                                      Matrix::Bt709,
                                                      false,
                                                      QColor(255, 0, 0)},
                                           ColourCase{"Hd709RedScaledDown",
                                                      AV_PIX_FMT_YUV420P,
                                                      {1920, 1080},
                                                      {1280, 720},
                                                      63,
                                                      102,
                                                      240,
                                                      Matrix::Bt709,
                                                      false,
                                                      QColor(255, 0, 0)},
                                           ColourCase{"Hd709BlueOddSizes",
                                                      AV_PIX_FMT_YUV420P,
                                                      {1919, 1079},
                                                      {641, 361},
                                                      32,
                                                      240,
                                                      118,
                                                      Matrix::Bt709,
                                                      false,
                                                      QColor(0, 0, 255)},
                                           ColourCase{"FullRange601Green",
                                                      AV_PIX_FMT_YUV420P,
                                                      {640, 480},
                                                      {},
                                                      150,
                                                      44,
                                                      21,
                                                      Matrix::Bt601,
                                                      true,
                                                      QColor(0, 255, 0)},
                                           ColourCase{"Nv12Hd709RedScaledUp",
                                                      AV_PIX_FMT_NV12,
                                                      {1280, 720},
                                                      {1917, 1077},
                                                      63,
                                                      102,
                                                      240,
                                                      Matrix::Bt709,
                                                      false,
                                                      QColor(255, 0, 0)},
                                           ColourCase{"Sd601WhiteToOnePixel",
                                                      AV_PIX_FMT_YUV420P,
                                                      {720, 576},
                                                      {1, 1},
                                                      235,
                                                      128,
                                                      128,
                                                      Matrix::Bt601,
                                                      false,
                                                      QColor(255, 255, 255)}),
                         [](const ::testing::TestParamInfo<ColourCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(FrameScaler, AFrameTheWindowStillHoldsIsNeverOverwritten)
{
    SolidPicture red(AV_PIX_FMT_YUV420P, {320, 240}, 81, 90, 240, Matrix::Bt601, false);
    SolidPicture blue(AV_PIX_FMT_YUV420P, {320, 240}, 41, 240, 110, Matrix::Bt601, false);
    TFrameScaler scaler;
    const QImage shown = scaler.Convert(red.picture, {100, 75});
    ASSERT_FALSE(shown.isNull());
    QImage pending;
    for (int i = 0; i < 5; ++i) {
        pending = scaler.Convert(blue.picture, {100, 75});
        ASSERT_FALSE(pending.isNull());
        EXPECT_NE(pending.constBits(), shown.constBits());
        // Written into one of its own padded buffers, not into a copy Qt made
        // of a buffer still in use (that copy would have unpadded rows).
        EXPECT_EQ(pending.bytesPerLine() % 64, 0);
    }
    EXPECT_LE(WorstDifference(shown, QColor(255, 0, 0)), 4);
    EXPECT_LE(WorstDifference(pending, QColor(0, 0, 255)), 4);
}

TEST(FrameScaler, PackedPicturesArePreparedAsPixels)
{
    const QSize size(33, 17);
    std::vector<uint8_t> bgra(std::size_t(size.width()) * size.height() * 4);
    for (std::size_t i = 0; i < bgra.size(); i += 4) {
        bgra[i] = 200;     // blue
        bgra[i + 1] = 100; // green
        bgra[i + 2] = 20;  // red
        bgra[i + 3] = 255;
    }
    TSourcePicture picture;
    picture.pixelFormat = AV_PIX_FMT_BGRA;
    picture.size = size;
    picture.planes[0] = bgra.data();
    picture.strides[0] = size.width() * 4;
    TFrameScaler scaler;
    const TVideoFrame frame = scaler.Prepare(picture, {66, 34});
    EXPECT_EQ(frame.Planes(), nullptr);
    ASSERT_EQ(frame.Pixels().size(), QSize(66, 34));
    EXPECT_LE(WorstDifference(frame.Pixels(), QColor(20, 100, 200)), 4);
}

TEST(FrameScaler, APlanarFrameTheWindowStillHoldsIsNeverOverwritten)
{
    SolidPicture red(AV_PIX_FMT_YUV420P, {320, 240}, 81, 90, 240, Matrix::Bt601, false);
    SolidPicture blue(AV_PIX_FMT_YUV420P, {320, 240}, 41, 240, 110, Matrix::Bt601, false);
    TFrameScaler scaler;
    const TVideoFrame shown = scaler.Prepare(red.picture, {96, 72});
    ASSERT_NE(shown.Planes(), nullptr);
    const uint8_t shownLuma = shown.Planes()->planes[0][0];
    const uint8_t *released = nullptr;
    for (int i = 0; i < 5; ++i) {
        const TVideoFrame pending = scaler.Prepare(blue.picture, {96, 72});
        ASSERT_NE(pending.Planes(), nullptr);
        EXPECT_NE(pending.Planes(), shown.Planes());
        // Dropped at once: its buffer is the one written next time.
        if (released) {
            EXPECT_EQ(pending.Planes()->planes[0], released);
        }
        released = pending.Planes()->planes[0];
    }
    EXPECT_EQ(shown.Planes()->planes[0][0], shownLuma);
}

TEST(FrameScaler, BuffersLetGoOfAreUsedAgain)
{
    SolidPicture red(AV_PIX_FMT_YUV420P, {320, 240}, 81, 90, 240, Matrix::Bt601, false);
    TFrameScaler scaler;
    const uchar *first = scaler.Convert(red.picture, {}).constBits();
    // The previous frame was dropped at once: its buffer is free again.
    EXPECT_EQ(scaler.Convert(red.picture, {}).constBits(), first);
}

TEST(FrameScaler, PicturesItCannotReadGiveNoFrame)
{
    SolidPicture red(AV_PIX_FMT_YUV420P, {320, 240}, 81, 90, 240, Matrix::Bt601, false);
    TFrameScaler scaler;
    TSourcePicture unknownFormat = red.picture;
    unknownFormat.pixelFormat = -1;
    EXPECT_TRUE(scaler.Convert(unknownFormat, {}).isNull());
    TSourcePicture noSize = red.picture;
    noSize.size = QSize(0, 240);
    EXPECT_TRUE(scaler.Convert(noSize, {}).isNull());
    EXPECT_TRUE(scaler.Convert(red.picture, {100000, 100000}).isNull());
    // The scaler is still usable afterwards.
    EXPECT_FALSE(scaler.Convert(red.picture, {}).isNull());
}

} // namespace
