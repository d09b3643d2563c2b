#include "media/ratioscaler.h"

extern "C" {
#include <libavutil/pixfmt.h>
}

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int Padding = 24;
constexpr uint8_t Untouched = 0xA5;

QSize ChromaOf(QSize luma)
{
    return QSize((luma.width() + 1) / 2, (luma.height() + 1) / 2);
}

// A smooth but steep pattern (up to ~8 levels a pixel), different in each
// plane: a row or column read one off, or planes mixed up, shows by far more
// than the scalers' rounding.
uint8_t Pattern(std::size_t plane, int x, int y)
{
    const double phase = double(plane) * 1.7;
    return uint8_t(std::lround(128 + 100 * std::sin(x / 12.0 + phase) * std::cos(y / 11.0)));
}

struct Planes
{
    Planes(QSize size, bool filled)
    {
        for (std::size_t plane = 0; plane < 3; ++plane) {
            const QSize extent = plane == 0 ? size : ChromaOf(size);
            sizes[plane] = extent;
            strides[plane] = extent.width() + Padding;
            memory[plane].assign(std::size_t(strides[plane]) * extent.height(), Untouched);
            if (!filled)
                continue;
            for (int y = 0; y < extent.height(); ++y) {
                for (int x = 0; x < extent.width(); ++x)
                    memory[plane][std::size_t(y) * strides[plane] + x] = Pattern(plane, x, y);
            }
        }
    }

    uint8_t At(std::size_t plane, int x, int y) const
    {
        return memory[plane][std::size_t(y) * strides[plane] + x];
    }

    std::array<std::vector<uint8_t>, 3> memory;
    std::array<QSize, 3> sizes;
    std::array<int, 3> strides{};
};

// What the area each target pixel covers averages to, in floating point.
double AreaAverage(const Planes &source, std::size_t plane, double scale, int x, int y)
{
    const auto weights = [scale](int target, int sourceIndex) {
        const double left = target * scale, right = left + scale;
        return std::max(0.0,
                        std::min(right, sourceIndex + 1.0) - std::max(left, double(sourceIndex)));
    };
    double sum = 0, total = 0;
    const int firstX = int(x * scale), firstY = int(y * scale);
    for (int sy = firstY; sy < firstY + 3 && sy < source.sizes[plane].height(); ++sy) {
        for (int sx = firstX; sx < firstX + 3 && sx < source.sizes[plane].width(); ++sx) {
            const double weight = weights(x, sx) * weights(y, sy);
            sum += weight * source.At(plane, sx, sy);
            total += weight;
        }
    }
    return sum / total;
}

struct RatioCase
{
    const char *name;
    QSize from;
    QSize to;
};

class RatioScalerPictures : public ::testing::TestWithParam<RatioCase>
{
};

// Odd widths leave tails shorter than a vector; the padding after each row
// must stay as it was.
TEST_P(RatioScalerPictures, EveryPixelIsTheAverageOfTheAreaItCovers)
{
    const RatioCase &c = GetParam();
    ASSERT_TRUE(TRatioScaler::Handles(c.from, c.to));
    const Planes source(c.from, true);
    Planes target(c.to, false);
    TSourcePicture picture;
    picture.pixelFormat = AV_PIX_FMT_YUV420P;
    picture.size = c.from;
    TPlanarFrame frame;
    frame.size = c.to;
    for (std::size_t plane = 0; plane < 3; ++plane) {
        picture.planes[plane] = source.memory[plane].data();
        picture.strides[plane] = source.strides[plane];
        frame.planes[plane] = target.memory[plane].data();
        frame.strides[plane] = target.strides[plane];
    }
    TRatioScaler scaler;
    ASSERT_TRUE(scaler.Scale(picture, frame));

    const double scale = double(c.from.width()) / c.to.width();
    for (std::size_t plane = 0; plane < 3; ++plane) {
        double worst = 0;
        int padded = 0;
        for (int y = 0; y < target.sizes[plane].height(); ++y) {
            for (int x = 0; x < target.sizes[plane].width(); ++x)
                worst = std::max(worst, std::abs(target.At(plane, x, y)
                                                 - AreaAverage(source, plane, scale, x, y)));
            for (int x = target.sizes[plane].width(); x < target.strides[plane]; ++x)
                padded += target.At(plane, x, y) != Untouched;
        }
        EXPECT_LT(worst, 1.5) << "plane " << plane;
        EXPECT_EQ(padded, 0) << "plane " << plane;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ratios, RatioScalerPictures,
    ::testing::Values(RatioCase{"HdOnA720pScreen", {1920, 1080}, {1280, 720}},
                      RatioCase{"ThreeToTwoOddChromaTail", {1926, 1086}, {1284, 724}},
                      RatioCase{"ThreeToTwoSmallerThanAVector", {12, 6}, {8, 4}},
                      RatioCase{"UhdOnAnHdScreen", {3840, 2160}, {1920, 1080}},
                      RatioCase{"HdInAQuarterWindow", {1920, 1080}, {960, 540}},
                      RatioCase{"TwoToOneOddTail", {1292, 724}, {646, 362}}),
    [](const ::testing::TestParamInfo<RatioCase> &info) { return std::string(info.param.name); });

TEST(RatioScaler, OnlyRatiosEveryPlaneMeetsExactlyAreTaken)
{
    struct Case
    {
        QSize from, to;
        bool handled;
    };
    const Case cases[] = {
        {{1920, 1080}, {1280, 720}, true},
        {{1290, 726}, {860, 484}, true},
        // The luma plane is exact, its chroma plane (947 columns) is not.
        {{1893, 1080}, {1262, 720}, false},
        {{1920, 1080}, {1281, 720}, false},
        {{1280, 720}, {853, 480}, false},
        {{1920, 1080}, {1920, 1080}, false},
        {{1280, 720}, {1920, 1080}, false},
        {{1920, 1080}, {1280, 0}, false},
        {{1920, 1080}, {960, 720}, false},
        {{1282, 722}, {641, 361}, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TRatioScaler::Handles(c.from, c.to), c.handled) << "case " << &c - cases;
}

TEST(RatioScaler, OtherLayoutsAreLeftToTheGeneralScaler)
{
    const Planes source({1920, 1080}, true);
    Planes target({1280, 720}, false);
    TSourcePicture picture;
    picture.pixelFormat = AV_PIX_FMT_NV12;
    picture.size = {1920, 1080};
    picture.planes = {source.memory[0].data(), source.memory[1].data(), nullptr, nullptr};
    picture.strides = {source.strides[0], source.strides[1] * 2, 0, 0};
    TPlanarFrame frame;
    frame.size = {1280, 720};
    for (std::size_t plane = 0; plane < 3; ++plane) {
        frame.planes[plane] = target.memory[plane].data();
        frame.strides[plane] = target.strides[plane];
    }
    TRatioScaler scaler;
    EXPECT_FALSE(scaler.Scale(picture, frame));
    EXPECT_EQ(target.At(0, 0, 0), Untouched);
}

} // namespace
