#include "../support/mediatestsupport.h"
#include "media/filtergraph.h"
#include "media/videowindow.h"

#include <QApplication>
#include <QBackingStore>
#include <QMouseEvent>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

using MediaTest::Clip;
using MediaTest::WaitUntil;

namespace {

// The main window's client area with the video window inside, bound to a graph.
struct VideoFixture
{
    QWidget glob;
    TVideoWindow *videoWin = new TVideoWindow(&glob);
    TFilterGraph graph;

    VideoFixture(const QSize &pictureSize)
    {
        glob.resize(640, 480);
        videoWin->setGeometry(QRect(QPoint(10, 10), pictureSize));
        videoWin->SetFilterGraph(&graph);
        glob.show();
        graph.SetActive(true);
    }

    bool WaitForFrameOfSize(const QSize &size)
    {
        return WaitUntil([&] { return videoWin->CurrentFrame().size() == size; }, 4000);
    }
};

int MaxChannelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

TEST(VideoWindow, FramesArriveScaledToThePictureRectangleAndPaintOneToOne)
{
    VideoFixture f(QSize(200, 112));
    ASSERT_EQ(f.graph.RenderFile(Clip("sample-720p.mp4")), 0);
    ASSERT_TRUE(f.WaitForFrameOfSize(QSize(200, 112))) << "no prerolled frame at the window size";
    const QImage frame = f.videoWin->CurrentFrame();
    const QImage painted = f.videoWin->grab().toImage();
    ASSERT_EQ(painted.size(), QSize(200, 112));
    for (const QPoint p : {QPoint(0, 0), QPoint(57, 31), QPoint(199, 111), QPoint(120, 80)})
        EXPECT_EQ(painted.pixel(p), frame.pixel(p)) << p.x() << "," << p.y();
}

TEST(VideoWindow, FramesKeepComingWhilePlaying)
{
    VideoFixture f(QSize(160, 90));
    ASSERT_EQ(f.graph.RenderFile(Clip("sample-720p.mp4")), 0);
    int shown = 0;
    QObject::connect(f.videoWin, &TVideoWindow::FrameShown, [&] { ++shown; });
    ASSERT_TRUE(f.graph.Play());
    MediaTest::Spin(700);
    // 30 frames a second; the UI may merge a few but must not stall.
    EXPECT_GT(shown, 8);
}

TEST(VideoWindow, AFrameCountsAsShownOnceItIsPainted)
{
    VideoFixture f(QSize(160, 90));
    f.glob.hide();
    int shown = 0;
    QObject::connect(f.videoWin, &TVideoWindow::FrameShown, [&] { ++shown; });
    ASSERT_EQ(f.graph.RenderFile(Clip("sample-720p.mp4")), 0);
    ASSERT_TRUE(f.WaitForFrameOfSize(QSize(160, 90)));
    MediaTest::Spin(100);
    EXPECT_EQ(shown, 0) << "a hidden window painted nothing";
    f.glob.show();
    EXPECT_TRUE(WaitUntil([&] { return shown > 0; }, 2000));
    // Paused: repaints of the same frame are not new frames.
    f.videoWin->repaint();
    MediaTest::Spin(100);
    EXPECT_EQ(shown, 1);
}

// What the top-level window shows: its backing store's pixels.
QImage ShownPixels(QWidget &topLevel)
{
    QPaintDevice *device = topLevel.backingStore()->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return QImage();
    return static_cast<QImage *>(device)->copy();
}

TEST(VideoWindow, APaintedFrameFillsItsRectangleAndNothingBeyond)
{
    // 160 wide: the frame is converted straight into the window's pixels; 196
    // wide: a width the converters would overrun, painted by copying.
    for (const QSize size : {QSize(160, 90), QSize(196, 110)}) {
        SCOPED_TRACE(size.width());
        VideoFixture f(size);
        const QColor around(Qt::magenta);
        QPalette palette = f.glob.palette();
        palette.setColor(QPalette::Window, around);
        f.glob.setPalette(palette);
        f.glob.setAutoFillBackground(true);
        int shown = 0;
        QObject::connect(f.videoWin, &TVideoWindow::FrameShown, [&] { ++shown; });
        ASSERT_EQ(f.graph.RenderFile(Clip("sample-720p.mp4")), 0);
        ASSERT_TRUE(WaitUntil([&] { return shown > 0; }, 4000));
        const QImage pixels = ShownPixels(f.glob);
        ASSERT_FALSE(pixels.isNull());
        const QImage frame = f.videoWin->CurrentFrame();
        ASSERT_EQ(frame.size(), size);
        const QPoint origin = f.videoWin->pos();
        int differing = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x)
                differing += pixels.pixel(origin + QPoint(x, y)) != frame.pixel(x, y);
            for (int x = size.width(); x < size.width() + 16; ++x)
                ASSERT_EQ(QColor(pixels.pixel(origin + QPoint(x, y))), around) << x << "," << y;
        }
        EXPECT_EQ(differing, 0);
        for (int x = 0; x < size.width() + 16; ++x)
            ASSERT_EQ(QColor(pixels.pixel(origin + QPoint(x, size.height()))), around) << x;
    }
}

TEST(VideoWindow, APanelOverThePictureKeepsItsPixelsWhileFramesArePainted)
{
    VideoFixture f(QSize(160, 90));
    // An opaque sibling on top, as the control panels are: the picture's
    // repaints leave its part out, and those pixels are the panel's.
    QWidget panel(&f.glob);
    const QRect panelRect(40, 30, 50, 20);
    panel.setGeometry(panelRect);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, Qt::green);
    panel.setPalette(palette);
    panel.setAutoFillBackground(true);
    panel.show();
    panel.raise();
    int shown = 0;
    QObject::connect(f.videoWin, &TVideoWindow::FrameShown, [&] { ++shown; });
    ASSERT_EQ(f.graph.RenderFile(Clip("sample-720p.mp4")), 0);
    ASSERT_TRUE(f.graph.Play());
    ASSERT_TRUE(WaitUntil([&] { return shown > 3; }, 4000));
    ASSERT_TRUE(f.graph.Pause());
    MediaTest::Spin(300);
    f.videoWin->repaint();
    const QImage pixels = ShownPixels(f.glob);
    const QImage frame = f.videoWin->CurrentFrame();
    ASSERT_FALSE(pixels.isNull());
    ASSERT_EQ(frame.size(), QSize(160, 90));
    const QPoint origin = f.videoWin->pos();
    int panelPixelsLost = 0, picturePixelsWrong = 0;
    for (int y = 0; y < 90; ++y) {
        for (int x = 0; x < 160; ++x) {
            const QPoint at = origin + QPoint(x, y);
            if (panelRect.contains(at))
                panelPixelsLost += QColor(pixels.pixel(at)) != QColor(Qt::green);
            else
                picturePixelsWrong += pixels.pixel(at) != frame.pixel(x, y);
        }
    }
    EXPECT_EQ(panelPixelsLost, 0);
    EXPECT_EQ(picturePixelsWrong, 0);
}

TEST(VideoWindow, AResizeWhilePausedBringsAFrameOfTheNewSize)
{
    VideoFixture f(QSize(200, 112));
    ASSERT_EQ(f.graph.RenderFile(Clip("sample-720p.mp4")), 0);
    ASSERT_TRUE(f.WaitForFrameOfSize(QSize(200, 112)));
    f.videoWin->resize(320, 180);
    EXPECT_TRUE(f.WaitForFrameOfSize(QSize(320, 180)));
    // Until then the old frame is stretched over the window, never left unpainted.
    EXPECT_EQ(f.videoWin->grab().size(), QSize(320, 180));
}

TEST(VideoWindow, AZoomedPictureBeyondItsParentIsDecodedAtNativeSize)
{
    VideoFixture f(QSize(200, 112));
    ASSERT_EQ(f.graph.RenderFile(Clip("sample-720p.mp4")), 0);
    ASSERT_TRUE(f.WaitForFrameOfSize(QSize(200, 112)));
    // Five times the parent's width: the pipeline must not make 3200-pixel frames.
    f.videoWin->setGeometry(-1280, -720, 3200, 1800);
    EXPECT_TRUE(f.WaitForFrameOfSize(QSize(1280, 720)));
    // Painting stretches it 2.5 times: window (200, 1000) shows frame (80, 400).
    const QImage painted = f.videoWin->grab(QRect(200, 1000, 4, 4)).toImage();
    const QImage frame = f.videoWin->CurrentFrame();
    EXPECT_LE(MaxChannelDifference(painted.pixel(0, 0), frame.pixel(80, 400)), 8);
    // Panned back inside the parent, frames follow the window's size again.
    f.videoWin->setGeometry(0, 0, 320, 180);
    EXPECT_TRUE(f.WaitForFrameOfSize(QSize(320, 180)));
}

TEST(VideoWindow, APictureBeyondItsParentFromTheStartArrivesAtNativeSize)
{
    // Larger than its 640x480 parent before the graph is built.
    VideoFixture f(QSize(1000, 800));
    ASSERT_EQ(f.graph.RenderFile(Clip("sample-720p.mp4")), 0);
    EXPECT_TRUE(f.WaitForFrameOfSize(QSize(1280, 720)));
}

TEST(VideoWindow, AnamorphicPicturesFillTheRectangleTheyAreGiven)
{
    VideoFixture f(QSize(320, 120));
    ASSERT_EQ(f.graph.RenderFile(Clip("anamorphic.mp4")), 0);
    EXPECT_EQ(f.graph.SourceSize(), QSize(320, 120));
    EXPECT_TRUE(f.WaitForFrameOfSize(QSize(320, 120)));
}

struct CropCase
{
    const char *name;
    QRect sourceRect;
};

void PrintTo(const CropCase &c, std::ostream *os)
{
    *os << c.name;
}

class CropTest : public ::testing::TestWithParam<CropCase>
{
};

TEST_P(CropTest, ShowsExactlyThePartAskedFor)
{
    const QRect part = GetParam().sourceRect;
    VideoFixture f(part.size());
    const QImage original = QImage(Clip("still.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(original.size(), QSize(320, 240));
    ASSERT_EQ(f.graph.RenderFile(Clip("still.png")), 0);
    ASSERT_TRUE(f.graph.SetSourceRect(part));
    EXPECT_EQ(f.graph.SourceRect(), part);
    // Same size as the part: no scaling, so every pixel is the source's own.
    const auto worstDifference = [&] {
        const QImage frame = f.videoWin->CurrentFrame();
        if (frame.size() != part.size())
            return 256;
        int worst = 0;
        for (int y = 0; y < part.height(); y += 7)
            for (int x = 0; x < part.width(); x += 5)
                worst = std::max(
                    worst, MaxChannelDifference(frame.pixel(x, y),
                                                original.pixel(part.topLeft() + QPoint(x, y))));
        return worst;
    };
    EXPECT_TRUE(WaitUntil([&] { return worstDifference() <= 2; }, 4000))
        << "worst channel difference " << worstDifference();
}

INSTANTIATE_TEST_SUITE_P(Parts, CropTest,
                         ::testing::Values(CropCase{"left_half", QRect(0, 0, 160, 240)},
                                           CropCase{"right_half", QRect(160, 0, 160, 240)},
                                           CropCase{"middle", QRect(40, 30, 240, 180)}));

TEST(VideoWindow, WithoutAFrameItShowsItsColourAndTeardownClearsTheFrame)
{
    VideoFixture f(QSize(100, 80));
    f.videoWin->SetColor(QColor(1, 0, 0));
    EXPECT_EQ(f.videoWin->grab().toImage().pixel(50, 40), qRgb(1, 0, 0));
    ASSERT_EQ(f.graph.RenderFile(Clip("two-audio.mp4")), 0);
    ASSERT_TRUE(f.WaitForFrameOfSize(QSize(100, 80)));
    f.graph.Play();
    MediaTest::Spin(150);
    f.graph.SetActive(false);
    EXPECT_TRUE(f.videoWin->CurrentFrame().isNull());
    MediaTest::Spin(100); // frames queued before the teardown must not come back
    EXPECT_TRUE(f.videoWin->CurrentFrame().isNull());
    EXPECT_EQ(f.videoWin->grab().toImage().pixel(50, 40), qRgb(1, 0, 0));
}

TEST(VideoWindow, AFilmOfOneFrameShowsItBeforeItsEndIsHandled)
{
    VideoFixture f(QSize(160, 120));
    QSize frameAtTheEnd;
    bool ended = false;
    QObject::connect(&f.graph, &TFilterGraph::OnGraphComplete, [&] {
        ended = true;
        frameAtTheEnd = f.videoWin->CurrentFrame().size();
    });
    // No event loop between opening and the end: the end is on the bus before
    // the prerolled frame reaches the UI thread.
    ASSERT_EQ(f.graph.RenderFile(Clip("one-frame.mp4")), 0);
    ASSERT_TRUE(f.graph.Play());
    QThread::msleep(300);
    ASSERT_TRUE(WaitUntil([&] { return ended; }, 4000));
    EXPECT_EQ(frameAtTheEnd, QSize(160, 120));
}

TEST(VideoWindow, HiddenCursorComesBackWhenTheMouseMoves)
{
    VideoFixture f(QSize(100, 80));
    f.videoWin->HideCursor();
    EXPECT_EQ(f.videoWin->cursor().shape(), Qt::BlankCursor);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(15, 15), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(f.videoWin, &move);
    EXPECT_EQ(f.videoWin->cursor().shape(), Qt::ArrowCursor);
}

TEST(VideoWindow, DestroyingTheWindowDuringPlaybackIsSafe)
{
    auto f = std::make_unique<VideoFixture>(QSize(160, 90));
    ASSERT_EQ(f->graph.RenderFile(Clip("sample-720p.mp4")), 0);
    f->graph.Play();
    MediaTest::Spin(150);
    delete f->videoWin;
    MediaTest::Spin(150);
    EXPECT_EQ(f->graph.VideoWindow(), nullptr);
    EXPECT_EQ(f->graph.State(), TFilterGraph::Running);
}

} // namespace
