// The window over a real graph playing a real clip: full screen around running playback, the
// crop reaching the engine, the idle cursor.
#include "graphhost.h"
#include "media/filtergraph.h"
#include "media/videowindow.h"
#include "ttavrelplayer.h"
#include "tvideoarea.h"
#include "videogeometry.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class WidgetsApp : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "mainwindow_playing";
        static char *argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }
};
::testing::Environment *const widgetsApp = ::testing::AddGlobalTestEnvironment(new WidgetsApp);

QString clip(const char *name)
{
    return qEnvironmentVariable("TAVREL_TEST_MEDIA") + QLatin1Char('/') + QLatin1String(name);
}

class PlayingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.SetHost(&host);
        window.resize(650, 370);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.VideoWin->SetFilterGraph(&graph);
        graph.SetActive(true);
        ASSERT_EQ(graph.RenderFile(clip("sample-720p.mp4")), 0);
        host.open = true;
        window.ShowPicture(graph.SourceSize());
        window.ApplyPictureAsIs();
    }

    TFilterGraph graph;
    GraphHost host{&graph};
    TTavrelPlayer window;
};

TEST_F(PlayingTest, FullScreenPausesAroundTheSwitchAndKeepsThePlayersState)
{
    graph.Play();
    ASSERT_EQ(graph.State(), TFilterGraph::Running);
    window.SetFullScreen(true);
    EXPECT_EQ(graph.State(), TFilterGraph::Running);
    window.SetFullScreen(false);
    EXPECT_EQ(graph.State(), TFilterGraph::Running);

    graph.Pause();
    window.SetFullScreen(true);
    EXPECT_EQ(graph.State(), TFilterGraph::Paused); // never starts a paused film
    EXPECT_EQ(window.VideoWin->geometry().size(),
              QSize(window.Glob->width(), window.Glob->width() * 9 / 16));
    window.SetFullScreen(false);
    EXPECT_EQ(graph.State(), TFilterGraph::Paused);
}

TEST_F(PlayingTest, CropReachesTheEnginesSourceRectangle)
{
    const QSize source = graph.SourceSize();
    ASSERT_EQ(source, QSize(1280, 720));
    for (int i = 0; i < 100; ++i)
        window.CropMore();
    EXPECT_EQ(graph.SourceRect(), VideoGeometry::CropRect(source, 200));
    // 720 / 1280 * 200 = 112.5 rounds to the even 112.
    EXPECT_EQ(graph.SourceRect(), QRect(200, 112, 880, 495));
    window.ApplyPictureAsIs();
    EXPECT_EQ(graph.SourceRect(), QRect(QPoint(0, 0), source));
}

TEST_F(PlayingTest, CursorHidesAfterThreeSecondsOnlyWhileRunning)
{
    graph.Pause();
    window.ShowPanelsForMouse(window.mapToGlobal(QPoint(100, 100)));
    QTest::qWait(3400);
    EXPECT_NE(window.Glob->cursor().shape(), Qt::BlankCursor);

    graph.Play();
    QTRY_COMPARE_WITH_TIMEOUT(window.Glob->cursor().shape(), Qt::BlankCursor, 1000);
    window.ShowPanelsForMouse(window.mapToGlobal(QPoint(120, 100)));
    EXPECT_NE(window.Glob->cursor().shape(), Qt::BlankCursor);
}

// The pause button and Alt+Right step a frame only of a medium that plays or is paused; a
// rendered but stopped graph is left alone instead of being waited on.
TEST_F(PlayingTest, FrameStepNeedsAnActiveMedium)
{
    graph.Stop();
    ASSERT_FALSE(host.IsMediaActive());
    const int before = graph.State();
    window.PerformActions({TAction::of(TActionKind::FrameStep)});
    EXPECT_EQ(graph.State(), before);
}

} // namespace
