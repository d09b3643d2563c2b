#include "settings/settingsstore.h"
#include "videogeometry.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace VideoGeometry;

TInput input(QSize glob, QSize source, int zoom = 0)
{
    TInput in;
    in.glob = glob;
    in.source = source;
    in.zoom = zoom;
    in.userAspect = TSettingsRecord().AspectPairs;
    return in;
}

struct GeometryCase
{
    const char *name;
    TInput in;
    QRect picture;
    int panX;
    int panY;
};

class ComputeTest : public ::testing::TestWithParam<GeometryCase>
{
};

TEST_P(ComputeTest, PictureRectangle)
{
    const GeometryCase &c = GetParam();
    const TResult r = Compute(c.in);
    EXPECT_EQ(r.picture, c.picture) << c.name;
    EXPECT_EQ(r.panX, c.panX) << c.name;
    EXPECT_EQ(r.panY, c.panY) << c.name;
}

TInput with(TInput in, int aspect, int panX, int panY)
{
    in.aspectMode = aspect;
    in.panX = panX;
    in.panY = panY;
    return in;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComputeTest,
    ::testing::Values(
        GeometryCase{"4:3 in 16:9 is pillar-boxed",
                     input({1280, 720}, {640, 480}),
                     {160, 0, 960, 720},
                     0,
                     0},
        GeometryCase{
            "16:9 in 4:3 is letter-boxed", input({640, 480}, {1280, 720}), {0, 60, 640, 360}, 0, 0},
        GeometryCase{"zoom 50 doubles the fitted width",
                     input({1280, 720}, {640, 480}, 50),
                     {-320, -360, 1920, 1440},
                     0,
                     0},
        GeometryCase{"negative zoom shrinks",
                     input({1280, 720}, {1280, 720}, -25),
                     {320, 180, 640, 360},
                     0,
                     0},
        GeometryCase{"2.35:1 zoomed into 4:3 pans sideways within half the overflow",
                     with(input({640, 480}, {940, 400}, 38), 0, 1000, 50),
                     {0, 0, 1126, 479},
                     243,
                     0},
        GeometryCase{"pan is reset on the axis that fits",
                     with(input({1280, 720}, {1280, 720}, 0), 0, 40, 30),
                     {0, 0, 1280, 720},
                     0,
                     0},
        GeometryCase{"window shape ignores the source",
                     with(input({800, 600}, {1920, 800}), -1, 0, 0),
                     {0, 0, 800, 600},
                     0,
                     0},
        GeometryCase{"user ratio 2 is 16:9",
                     with(input({800, 600}, {640, 480}), 2, 0, 0),
                     {0, 75, 800, 450},
                     0,
                     0},
        // 25 + rnd(0.5) stays 25 with halves to even; rounding halves up would give 26.
        GeometryCase{
            "halves round to even", input({25, 100}, {640, 480}, 1), {0, 40, 25, 19}, 0, 0}));

TEST(VideoGeometry, DvdAspectReplacesTheSourceShape)
{
    TInput in = input({1024, 576}, {720, 576});
    in.dvdAspect = QSize(16, 9);
    EXPECT_EQ(Compute(in).picture, QRect(0, 0, 1024, 576));
}

TEST(VideoGeometry, NothingToShowGivesNothing)
{
    EXPECT_TRUE(Compute(input({640, 480}, {})).picture.isEmpty());
    EXPECT_TRUE(Compute(input({0, 0}, {640, 480})).picture.isEmpty());
}

TEST(VideoGeometry, CropCutsBothSidesAndTheSameShareOfTheHeight)
{
    EXPECT_EQ(CropRect({720, 576}, 0), QRect(0, 0, 720, 576));
    EXPECT_EQ(CropRect({720, 576}, 200), QRect(200, 160, 320, 256));
    EXPECT_EQ(CropRect({720, 480}, 2), QRect(2, 1, 716, 477)); // 1.333 -> 1, 477.33 -> 477
    // A source narrower than the crop keeps at least one column instead of a negative width.
    const QRect tiny = CropRect({300, 200}, 200);
    EXPECT_GT(tiny.width(), 0);
    EXPECT_GT(tiny.height(), 0);
}

TEST(VideoGeometry, FillHeight)
{
    // 4:3 in 16:9 already fills the height: zoom stays 0.
    EXPECT_EQ(FillHeightSlider({1280, 720}, 0.75), kZoomSliderOffset);
    // 2.35:1 in 4:3: the largest zoom whose height still fits is 38.
    const int slider = FillHeightSlider({640, 480}, 400.0 / 940.0);
    EXPECT_EQ(slider, 63);
    TInput in = input({640, 480}, {940, 400}, slider - kZoomSliderOffset);
    EXPECT_LE(Compute(in).picture.height(), 480);
    in.zoom += 1;
    EXPECT_GT(Compute(in).picture.height(), 480);
    // A very flat picture never fills: the slider's top.
    EXPECT_EQ(FillHeightSlider({640, 480}, 0.05), kZoomSliderMax);
}

TEST(VideoGeometry, AspectTableWithAMissingValueFallsBackForThatEntry)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("store.ini"));
    {
        QSettings ini(file, QSettings::IniFormat);
        ini.setValue(QStringLiteral("ar/x1"), 1);
        ini.setValue(QStringLiteral("ar/y1"), 2);
        ini.setValue(QStringLiteral("ar/x3"), 9); // y3 is missing
    }
    TSettingsStore store(std::make_unique<QSettings>(file, QSettings::IniFormat));
    TSettingsRecord record;
    store.loadAspectPairs(record);

    TInput in = input({1000, 1000}, {640, 480});
    in.userAspect = record.AspectPairs;
    in.aspectMode = 3;
    EXPECT_DOUBLE_EQ(Ratio(in), 0.8);
    EXPECT_EQ(Compute(in).picture, QRect(0, 100, 1000, 800));
    in.aspectMode = 1;
    EXPECT_DOUBLE_EQ(Ratio(in), 0.5);
}

} // namespace
