#include "../support/mediatestsupport.h"
#include "media/filtergraph.h"
#include "media/videowindow.h"

#include <QBackingStore>
#include <QProcess>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>

using MediaTest::Clip;
using MediaTest::WaitUntil;

namespace {

// A clip of one still picture in one sample layout, and how ffmpeg hands its
// first frame over raw: planes Y, U, V (or G, B, R), little-endian samples of
// `bits`.
struct LayoutCase
{
    const char *name;
    const char *clip;
    const char *rawFormat;
    int bits;
    int chromaShift; // log2 of the chroma subsampling, both directions
};

void PrintTo(const LayoutCase &c, std::ostream *os)
{
    *os << c.name;
}

// The first frame as libavcodec decodes it outside the player, turned into
// RGB here with the BT.709 limited-range equations the clips are tagged with.
QImage ReferenceFrame(const LayoutCase &c, QSize size)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), Clip(c.clip),
                  QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-f"),
                  QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"),
                  QLatin1String(c.rawFormat), QStringLiteral("-")});
    if (!ffmpeg.waitForFinished(20000) || ffmpeg.exitCode() != 0)
        return QImage();
    const QByteArray raw = ffmpeg.readAllStandardOutput();
    const int bytes = c.bits > 8 ? 2 : 1;
    const int w = size.width(), h = size.height();
    const int cw = w >> c.chromaShift, ch = h >> c.chromaShift;
    if (raw.size() != qsizetype(bytes) * (w * h + 2 * cw * ch))
        return QImage();
    const auto sample = [&](qsizetype index) {
        const auto *data = reinterpret_cast<const uchar *>(raw.constData()) + index * bytes;
        return bytes == 2 ? data[0] | (data[1] << 8) : data[0];
    };
    QImage image(size, QImage::Format_RGB32);
    if (QLatin1String(c.rawFormat) == QLatin1String("gbrp")) {
        // Planes G, B, R: the pixels as they are.
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const qsizetype at = qsizetype(y) * w + x;
                image.setPixel(x, y, qRgb(sample(2 * w * h + at), sample(at), sample(w * h + at)));
            }
        }
        return image;
    }
    const double scale = 1 << (c.bits - 8);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const qsizetype chroma = qsizetype(y >> c.chromaShift) * cw + (x >> c.chromaShift);
            const double luma = (sample(qsizetype(y) * w + x) / scale - 16) / 219;
            const double cb = (sample(qsizetype(w) * h + chroma) / scale - 128) / 224;
            const double cr = (sample(qsizetype(w) * h + cw * ch + chroma) / scale - 128) / 224;
            const auto level = [](double v) {
                return std::clamp(static_cast<int>(std::lround(v * 255)), 0, 255);
            };
            image.setPixel(x, y,
                           qRgb(level(luma + 1.5748 * cr), level(luma - 0.1873 * cb - 0.4681 * cr),
                                level(luma + 1.8556 * cb)));
        }
    }
    return image;
}

class PaintedColourTest : public ::testing::TestWithParam<LayoutCase>
{
};

TEST_P(PaintedColourTest, PaintedPixelsMatchAnIndependentlyDecodedFrame)
{
    const LayoutCase &c = GetParam();
    const QSize size(320, 240);
    const QImage reference = ReferenceFrame(c, size);
    ASSERT_FALSE(reference.isNull()) << "ffmpeg could not decode " << c.clip;

    QWidget glob;
    glob.resize(400, 300);
    auto *videoWin = new TVideoWindow(&glob);
    videoWin->setGeometry(QRect(QPoint(10, 10), size));
    TFilterGraph graph;
    videoWin->SetFilterGraph(&graph);
    glob.show();
    graph.SetActive(true);
    int shown = 0;
    QObject::connect(videoWin, &TVideoWindow::FrameShown, [&] { ++shown; });
    ASSERT_EQ(graph.RenderFile(Clip(c.clip)), 0);
    ASSERT_TRUE(WaitUntil([&] { return shown > 0; }, 4000)) << "no frame painted";

    // What reached the window's pixels, not the frame the window was handed.
    QPaintDevice *device = glob.backingStore()->paintDevice();
    ASSERT_TRUE(device && device->devType() == QInternal::Image);
    const QImage painted = static_cast<QImage *>(device)->copy(QRect(videoWin->pos(), size));
    ASSERT_EQ(painted.size(), size);

    // Rounding in fixed-point converters and dithering down from 10 bits move
    // pixels by a few levels (about 1.6 on average); on this picture reading
    // the BT.601 matrix instead moves them by 23 on average, full range instead
    // of limited by 14, and a wrong plane order or stride by more.
    long long total = 0;
    int outliers = 0;
    int worst = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QRgb a = painted.pixel(x, y), b = reference.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b))});
            total += d;
            outliers += d > 6;
            worst = std::max(worst, d);
        }
    }
    const double mean = double(total) / (size.width() * size.height());
    EXPECT_LE(mean, 2.5) << "worst " << worst;
    EXPECT_LE(outliers, size.width() * size.height() / 100) << "worst " << worst;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PaintedColourTest,
    ::testing::Values(LayoutCase{"yuv420p_8bit", "colour-yuv420p.mkv", "yuv420p", 8, 1},
                      LayoutCase{"yuv420p_10bit", "colour-yuv420p10le.mkv", "yuv420p10le", 10, 1},
                      LayoutCase{"yuv444p_8bit", "colour-yuv444p.mkv", "yuv444p", 8, 0},
                      LayoutCase{"gbrp_8bit", "colour-gbrp.mkv", "gbrp", 8, 0}),
    [](const ::testing::TestParamInfo<LayoutCase> &test) { return std::string(test.param.name); });

} // namespace
