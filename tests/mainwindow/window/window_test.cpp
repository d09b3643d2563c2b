// The real window on the offscreen platform: layout after resizes, show and hide rules on the
// real panels, the status captions and the picture rectangle.
#include "commands/commandcodes.h"
#include "commands/tcommanddispatcher.h"
#include "media/videowindow.h"
#include "skinfonts.h"
#include "testhost.h"
#include "torimage.h"
#include "ttavrelplayer.h"
#include "ttimeline.h"
#include "tvideoarea.h"
#include "tvlabel.h"
#include "tvpanel.h"
#include "windowcommands.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.SetHost(&host);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        resizeGlob({455, 353});
    }

    void resizeGlob(QSize glob)
    {
        const int frame = window.IsFullScreen() ? 0 : 2 * TTavrelPlayer::kSizingBorder;
        window.resize(glob + QSize(frame, frame));
        QApplication::processEvents();
        ASSERT_EQ(window.Glob->size(), glob);
    }

    QPoint centreOf(QWidget *panel) const
    {
        return panel->parentWidget()->mapToGlobal(panel->geometry().center());
    }

    TestHost host;
    TTavrelPlayer window;
};

struct SizeCase
{
    QSize glob;
    QRect border, timeLine, volume, play, zoom, largeClock;
};

class WindowLayoutTest : public WindowTest, public ::testing::WithParamInterface<SizeCase>
{
};

TEST_P(WindowLayoutTest, PanelsSitWhereTheLayoutPutsThem)
{
    const SizeCase &c = GetParam();
    resizeGlob(c.glob);
    EXPECT_EQ(window.panMainMenu->geometry(), QRect(3, 5, 160, 32));
    EXPECT_EQ(window.panBorderIcons->geometry(), c.border);
    EXPECT_EQ(window.panTimeLine->geometry(), c.timeLine);
    EXPECT_EQ(window.PanVolume->geometry(), c.volume);
    EXPECT_EQ(window.pnPlay->geometry(), c.play);
    EXPECT_EQ(window.PanZoom->geometry(), c.zoom);
    // The large clock is as wide as its label (the table has the label's design width, 133)
    // and keeps its centre.
    const QRect clock = window.pnTime2->geometry();
    EXPECT_EQ(clock.width(), window.lbTime2->width());
    EXPECT_EQ(clock.top(), c.largeClock.top());
    EXPECT_EQ(clock.height(), c.largeClock.height());
    EXPECT_NEAR(clock.left() + clock.width() / 2.0, c.largeClock.left() + c.largeClock.width() / 2.0,
                1.0);
    // Controls inside follow their panels.
    EXPECT_EQ(window.pl->geometry(), QRect(0, 20, c.timeLine.width(), 16));
    EXPECT_EQ(window.lVolume->geometry().bottom(), c.volume.height() - 1);
    EXPECT_EQ(window.lZoom->geometry().bottom(), c.zoom.height() - 1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowLayoutTest,
                         ::testing::Values(SizeCase{{346, 260},
                                                    {245, 5, 96, 32},
                                                    {14, 219, 319, 36},
                                                    {1, 42, 32, 172},
                                                    {28, 182, 288, 32},
                                                    {308, 88, 32, 121},
                                                    {107, 172, 133, 42}},
                                           SizeCase{{455, 353},
                                                    {354, 5, 96, 32},
                                                    {14, 312, 428, 36},
                                                    {1, 42, 32, 265},
                                                    {82, 275, 288, 32},
                                                    {417, 88, 32, 214},
                                                    {162, 265, 133, 42}},
                                           SizeCase{{1280, 720},
                                                    {1179, 5, 96, 32},
                                                    {14, 679, 1253, 36},
                                                    {1, 42, 32, 632},
                                                    {492, 642, 288, 32},
                                                    {1242, 88, 32, 581},
                                                    {576, 632, 133, 42}},
                                           SizeCase{{1920, 1080},
                                                    {1819, 5, 96, 32},
                                                    {14, 1039, 1893, 36},
                                                    {1, 42, 32, 992},
                                                    {810, 1002, 288, 32},
                                                    {1882, 88, 32, 941},
                                                    {898, 992, 133, 42}}));

TEST_F(WindowTest, ClockNeedsAWindowWiderThan380)
{
    resizeGlob({380, 353});
    window.ShowClock(30);
    EXPECT_FALSE(window.pnTime->isVisible());
    resizeGlob({381, 353});
    window.ShowClock(30);
    EXPECT_TRUE(window.pnTime->isVisible());
    // It shows the time of day followed by one blank.
    EXPECT_TRUE(window.lbTime->caption().endsWith(QLatin1Char(' ')));
}

TEST_F(WindowTest, VolumeBarNeedsAnAudioStream)
{
    host.audioStreams = 0;
    window.ShowPanelsForMouse(centreOf(window.PanVolume));
    EXPECT_FALSE(window.PanVolume->isVisible());
    host.audioStreams = 2;
    window.ShowPanelsForMouse(centreOf(window.PanVolume) + QPoint(0, 1));
    EXPECT_TRUE(window.PanVolume->isVisible());
}

TEST_F(WindowTest, TimeLineNeverShowsForAStillPicture)
{
    host.still = true;
    window.ShowPanelsForMouse(centreOf(window.panTimeLine));
    EXPECT_FALSE(window.panTimeLine->isVisible());
    host.still = false;
    window.ShowPanelsForMouse(centreOf(window.panTimeLine) + QPoint(1, 0));
    EXPECT_TRUE(window.panTimeLine->isVisible());
}

TEST_F(WindowTest, WithNothingPlayingTheIconBarStaysAndTheBarsNeverShow)
{
    host.mediaActive = false;
    window.panMainMenu->ShowFor(1);
    for (QWidget *bar :
         {static_cast<QWidget *>(window.panTimeLine), static_cast<QWidget *>(window.PanVolume),
          static_cast<QWidget *>(window.PanZoom)})
        window.ShowPanelsForMouse(centreOf(bar));
    QTest::qWait(400);
    EXPECT_TRUE(window.panMainMenu->isVisible());
    EXPECT_FALSE(window.panTimeLine->isVisible());
    EXPECT_FALSE(window.PanVolume->isVisible());
    EXPECT_FALSE(window.PanZoom->isVisible());
    // Once something plays, the icon bar goes at its time-out.
    host.mediaActive = true;
    QTRY_VERIFY_WITH_TIMEOUT(!window.panMainMenu->isVisible(), 1000);
}

TEST_F(WindowTest, LargeCaptionShrinksOnANarrowWindowButNotBelowNineteen)
{
    const QString text
        = QStringLiteral("Очень длинное название фильма, которое никак не помещается");
    resizeGlob({1280, 720});
    window.ShowStatusText(text, 20, 2);
    const int wide = fontPixelHeight(window.lbStatus2->font());
    EXPECT_GT(wide, 19);
    EXPECT_LT(window.pnStatus2->width(), 1280 - 70);
    EXPECT_EQ(window.pnStatus2->x(), 1280 - window.pnStatus2->width() - 35);

    resizeGlob({346, 260});
    window.HideStatus();
    window.ShowStatusText(text, 20, 2);
    EXPECT_EQ(fontPixelHeight(window.lbStatus2->font()), 19);
    EXPECT_TRUE(window.pnStatus2->isVisible());
}

TEST_F(WindowTest, SameLargeCaptionOnlyRestartsItsTimeOut)
{
    window.ShowStatusText(QStringLiteral("Глава 1"), 20, 2);
    const QRect first = window.pnStatus2->geometry();
    const QFont font = window.lbStatus2->font();
    resizeGlob({346, 260}); // would fit differently now
    window.ShowStatusText(QStringLiteral("  Глава 1 "), 40, 2);
    EXPECT_EQ(window.lbStatus2->font(), font);
    EXPECT_EQ(window.pnStatus2->size(), first.size());
    EXPECT_EQ(window.pnStatus2->HideInterval(), 4000);
}

TEST_F(WindowTest, SmallCaptionHugsTheRightEdgeUnlessLocked)
{
    window.ShowStatusText(QStringLiteral("Громкость - 40 %"), 10, 1);
    EXPECT_TRUE(window.pnStatus->isVisible());
    EXPECT_EQ(window.pnStatus->geometry().right(), 455 - 5 - 1);
    window.HideStatus();
    host.settings.LockStatus = true;
    window.ShowStatusText(QStringLiteral("Громкость - 50 %"), 10, 1);
    EXPECT_FALSE(window.pnStatus->isVisible());
}

TEST_F(WindowTest, PictureFollowsZoomAndCrop)
{
    resizeGlob({1280, 720});
    window.ShowPicture({640, 480});
    window.ApplyPictureAsIs();
    EXPECT_EQ(window.VideoWin->geometry(), QRect(160, 0, 960, 720));
    EXPECT_TRUE(window.VideoWin->isVisible());
    // The zoom readout uses language text 102.
    window.SetZoomBar(75);
    EXPECT_EQ(window.Zoom(), 50);
    EXPECT_EQ(window.VideoWin->geometry(), QRect(-320, -360, 1920, 1440));
    EXPECT_EQ(window.LastStatusText(), QStringLiteral("text102 50%"));
    // FillHeight of a 4:3 picture in a 16:9 window keeps zoom 0.
    window.FillHeight();
    EXPECT_EQ(window.Zoom(), 0);
    EXPECT_EQ(window.VideoWin->geometry(), QRect(160, 0, 960, 720));
    // Closing brings the logo back.
    window.ShowPicture({});
    EXPECT_FALSE(window.VideoWin->isVisible());
    EXPECT_TRUE(window.Glob->ShowLogo());
}

TEST_F(WindowTest, CommandsOfTheWindow)
{
    TCommandDispatcher dispatcher;
    BindWindowCommands(dispatcher, window);
    resizeGlob({640, 480});
    window.ShowPicture({940, 400});
    window.ApplyPictureAsIs();
    dispatcher.Dispatch(Cmd::FillWindow, 0);
    EXPECT_EQ(window.ZoomBar(), 63);
    dispatcher.Dispatch(Cmd::ZoomUp, 0);
    EXPECT_EQ(window.ZoomBar(), 64);
    dispatcher.Dispatch(Cmd::ZoomOrFill, 0); // zoom is not 0: back to the picture as is
    EXPECT_EQ(window.Zoom(), 0);
    for (int i = 0; i < 150; ++i)
        dispatcher.Dispatch(Cmd::CropMore, 0);
    EXPECT_EQ(window.Crop(), 200);
    dispatcher.Dispatch(Cmd::CropLess, 0);
    EXPECT_EQ(window.Crop(), 198);
    EXPECT_EQ(dispatcher.Dispatch(Cmd::QueryFullScreen, 0), 0);
    dispatcher.Dispatch(Cmd::ShowClock, 50);
    EXPECT_TRUE(window.pnTime2->isVisible());
}

TEST_F(WindowTest, VolumeBarReportsOnlyTheUsersMoves)
{
    std::vector<int> moved;
    QObject::connect(&window, &TTavrelPlayer::VolumeBarMoved,
                     [&moved](int position) { moved.push_back(position); });
    window.SetVolumeBar(4000);
    EXPECT_TRUE(moved.empty());
    EXPECT_EQ(window.VolumeBar(), 4000);
    window.lVolume->StepUp();
    EXPECT_EQ(moved, std::vector<int>{4500});
}

TEST_F(WindowTest, StackingOrderPutsTheLargeClockOnTop)
{
    window.RaisePanels();
    const QObjectList &children = window.Glob->children();
    auto place = [&](QObject *o) { return children.indexOf(o); };
    EXPECT_LT(place(window.pnTime), place(window.panMainMenu));
    EXPECT_LT(place(window.pnPlay), place(window.pnStatus));
    EXPECT_LT(place(window.pnStatus2), place(window.pnTime2));
    EXPECT_EQ(children.last(), window.pnTime2);
}

TEST_F(WindowTest, LabelsShowOnlyTheirTextOverThePicture)
{
    window.ShowStatusText(QStringLiteral("Громкость - 40 %"), 10, 1);
    const QRegion shape = window.lbstatus->mask();
    ASSERT_FALSE(shape.isEmpty());
    const QImage picture = window.lbstatus->picture();
    int keyed = 0;
    int kept = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool background
                = (picture.pixel(x, y) & 0xFFFFFF) == (toRgb(TTavrelPlayer::kPanelKey) & 0xFFFFFF);
            EXPECT_EQ(shape.contains(QPoint(x, y)), !background) << x << "," << y;
            (background ? keyed : kept)++;
        }
    }
    EXPECT_GT(keyed, 0);
    EXPECT_GT(kept, 0);
}

TEST_F(WindowTest, FullScreenTakesTheMonitorWithTheLargeLayoutAndComesBack)
{
    const QRect windowed = window.geometry();
    window.SetFullScreen(true);
    QApplication::processEvents();
    EXPECT_TRUE(window.IsFullScreen());
    EXPECT_EQ(window.geometry(), window.screen()->geometry());
    EXPECT_EQ(window.Glob->size(), window.screen()->geometry().size()); // no sizing frame
    EXPECT_EQ(window.panMainMenu->size(), QSize(240, 48));
    EXPECT_EQ(window.panTimeLine->height(), 50);
    EXPECT_EQ(window.pl->height(), 24);

    window.SetFullScreen(false);
    QApplication::processEvents();
    EXPECT_FALSE(window.IsFullScreen());
    EXPECT_EQ(window.geometry(), windowed);
    EXPECT_EQ(window.panMainMenu->size(), QSize(160, 32));
    EXPECT_EQ(window.panTimeLine->height(), 36);
}

TEST_F(WindowTest, AlwaysOnTopInFullScreenOnlySetsTheFlag)
{
    window.SetFullScreen(true);
    window.ToggleTopMost();
    EXPECT_TRUE(host.settings.TOPMOST);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    window.ToggleTopMost();
    EXPECT_FALSE(host.settings.TOPMOST);
}

TEST_F(WindowTest, SecondMonitorMoveNeedsASecondMonitor)
{
    if (QGuiApplication::screens().size() > 1)
        GTEST_SKIP() << "this platform has more than one screen";
    const QRect before = window.geometry();
    EXPECT_FALSE(window.CanMoveToSecondMonitor());
    window.MoveToSecondMonitor();
    EXPECT_EQ(window.geometry(), before);
    EXPECT_FALSE(window.IsFullScreen());
}

TEST_F(WindowTest, HoverReadoutUsesTheThemePrefixAndTheTimeUnderTheCursor)
{
    QTemporaryDir theme;
    ASSERT_TRUE(theme.isValid());
    QFile config(theme.filePath(QStringLiteral("config.ini")));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("[TimeLine]\nPointTransDiv=at:\n");
    config.close();
    window.LoadTheme(theme.path() + QLatin1Char('/'));
    window.ShowPicture({640, 480});
    window.SetTimeLine(7200, 0);
    window.panTimeLine->ShowFor(30);
    ASSERT_TRUE(window.panTimeLine->isVisible());
    QMouseEvent move(QEvent::MouseMove, QPointF(window.pl->width() / 2.0, 8),
                     window.pl->mapToGlobal(QPointF(window.pl->width() / 2.0, 8)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window.pl, &move);
    EXPECT_TRUE(window.l2->isVisible());
    EXPECT_TRUE(window.l2->caption().startsWith(QStringLiteral("at:")));
    EXPECT_EQ(window.l2->x(), window.ll->x() + window.ll->width());
    // Without a picture there is no hover readout.
    window.l2->hide();
    host.mediaActive = false;
    QApplication::sendEvent(window.pl, &move);
    EXPECT_FALSE(window.l2->isVisible());
}

TEST_F(WindowTest, ReadoutTimerFillsTheTimeLineFromThePlayer)
{
    host.answers[Cmd::QueryDuration] = 7200;
    host.answers[Cmd::QueryPosition] = 7300;
    host.settings.ShowCurent = false;
    window.ShowPicture({640, 480});
    window.panTimeLine->ShowFor(30);
    QTRY_COMPARE_WITH_TIMEOUT(window.pl->maxValue(), 7200, 1000);
    EXPECT_EQ(window.pl->progress(), 7200);
    QTRY_COMPARE_WITH_TIMEOUT(window.ll->caption(), QStringLiteral("0:00:00"), 1000);
    host.settings.ShowCurent = true;
    host.answers[Cmd::QueryPosition] = 7200;
    QTRY_COMPARE_WITH_TIMEOUT(window.ll->caption(), QStringLiteral("2:00:00"), 1000);
    // The readout's own updates of the slider never seek.
    for (const auto &[code, param] : host.sent)
        EXPECT_NE(code, Cmd::SeekTo);
}

// The window buttons name what they do; the large clock is as wide as its label after a resize.
TEST_F(WindowTest, WindowButtonsHintAndTheLargeClockFitsItsLabel)
{
    EXPECT_EQ(window.iMinim->toolTip(), QStringLiteral("text41"));
    EXPECT_EQ(window.iFullScr->toolTip(), QStringLiteral("text42"));
    EXPECT_EQ(window.iClose->toolTip(), QStringLiteral("text43"));

    window.ShowLargeClock(10);
    resizeGlob({500, 380});
    EXPECT_EQ(window.pnTime2->width(), window.lbTime2->width());
    window.pnTime2->hide(); // the clock would write its own caption again
    window.lbTime2->resize(200, window.lbTime2->height());
    resizeGlob({520, 380});
    EXPECT_EQ(window.pnTime2->width(), 200);
}

} // namespace
