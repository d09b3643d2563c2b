#include "graphhost.h"
#include "media/filtergraph.h"
#include "media/videowindow.h"
#include "themeloader.h"
#include "ttavrelplayer.h"
#include "tvideoarea.h"
#include "tvpanel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTest>
#include <cstdio>

namespace {

QString outFolder;

void shoot(TTavrelPlayer &window, const char *name)
{
    QTest::qWait(400);
    QScreen *screen = window.screen();
    const QPixmap shot
        = screen->grabWindow(0, window.x(), window.y(), window.width(), window.height());
    const QString path = QDir(outFolder).filePath(QLatin1String(name));
    std::printf("%s %s\n", shot.save(path) ? "wrote" : "FAILED", qPrintable(path));
}

bool openClip(TFilterGraph &graph, GraphHost &host, TTavrelPlayer &window, const QString &clip)
{
    window.VideoWin->SetFilterGraph(&graph);
    graph.SetActive(true);
    if (graph.RenderFile(clip) != 0)
        return false;
    graph.SetFrameFormat();
    host.open = true;
    window.ShowPicture(graph.SourceSize());
    window.ApplyPictureAsIs();
    window.RaisePanels();
    graph.Play();
    QTest::qWait(600);
    const QRect picture = window.VideoWin->geometry();
    std::printf("source %dx%d, picture %d,%d %dx%d, frame %s\n", graph.SourceSize().width(),
                graph.SourceSize().height(), picture.x(), picture.y(), picture.width(),
                picture.height(), window.VideoWin->CurrentFrame().isNull() ? "none" : "shown");
    return true;
}

void seekAndRun(TFilterGraph &graph, double seconds)
{
    graph.SetPositionSeconds(seconds);
    graph.Play();
    QTest::qWait(500);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: mainwindow_showcase <clip> <out folder>\n");
        return 2;
    }
    const QString clip = QString::fromLocal8Bit(argv[1]);
    outFolder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(outFolder);

    TFilterGraph graph;
    GraphHost host(&graph);
    {
        TTavrelPlayer window;
        window.SetHost(&host);
        window.move(40, 30);
        window.resize(970, 550);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        window.ShowStartPanels();
        shoot(window, "idle.png");

        if (!openClip(graph, host, window, clip)) {
            std::fprintf(stderr, "cannot play %s\n", qPrintable(clip));
            return 1;
        }
        seekAndRun(graph, 1.0);
        window.SetVolumeBar(7000);
        window.SetZoomBar(40);
        window.panTimeLine->ShowFor(100);
        window.PanVolume->ShowFor(100);
        window.PanZoom->ShowFor(100);
        window.ShowClock(100);
        window.ShowStatusText(QStringLiteral("Громкость - 70 %"), 100, 1);
        shoot(window, "playing.png");
        std::printf("zoomed picture %dx%d, frame %dx%d\n", window.VideoWin->width(),
                    window.VideoWin->height(), window.VideoWin->CurrentFrame().width(),
                    window.VideoWin->CurrentFrame().height());

        window.ApplyPictureAsIs();
        for (TVPanel *panel :
             {window.panTimeLine, window.PanVolume, window.PanZoom, window.pnTime, window.pnStatus})
            panel->hide();
        seekAndRun(graph, 2.0);
        window.pnPlay->ShowFor(100);
        shoot(window, "transport.png");

        window.pnPlay->hide();
        window.SetFullScreen(true);
        seekAndRun(graph, 3.0);
        window.panMainMenu->ShowFor(100);
        window.panBorderIcons->ShowFor(100);
        window.panTimeLine->ShowFor(100);
        window.pnPlay->ShowFor(100);
        window.ShowStatusText(QStringLiteral("sample-720p.mp4"), 100, 2);
        shoot(window, "fullscreen.png");
        window.SetFullScreen(false);
        graph.SetActive(false);
        host.open = false;
    }

    // A theme holding only IPLAY and a colour table: the rest stays built in.
    const QString theme = QDir(outFolder).filePath(QStringLiteral("theme-sample/"));
    QDir().mkpath(theme);
    const QString amber = QStringLiteral(TAVREL_AMBER_THEME "/");
    QFile::remove(theme + QStringLiteral("IPLAY.bmp"));
    QFile::remove(theme + QStringLiteral("colortable.bmp"));
    QFile::copy(amber + QStringLiteral("IPLAY.bmp"), theme + QStringLiteral("IPLAY.bmp"));
    QFile::copy(amber + QStringLiteral("colortable.bmp"), theme + QStringLiteral("colortable.bmp"));
    TFilterGraph themedGraph;
    GraphHost themedHost(&themedGraph);
    TTavrelPlayer themed;
    themed.SetHost(&themedHost);
    themed.LoadTheme(theme);
    themed.move(40, 30);
    themed.resize(970, 550);
    themed.show();
    if (!QTest::qWaitForWindowExposed(&themed))
        return 1;
    if (!openClip(themedGraph, themedHost, themed, clip))
        return 1;
    seekAndRun(themedGraph, 1.5);
    themed.SetVolumeBar(5000);
    themed.panMainMenu->ShowFor(100);
    themed.panTimeLine->ShowFor(100);
    themed.PanVolume->ShowFor(100);
    themed.PanZoom->ShowFor(100);
    themed.ShowClock(100);
    themed.ShowStatusText(QStringLiteral("Тема"), 100, 1);
    themed.ShowLargeClock(100);
    shoot(themed, "theme.png");
    themedGraph.SetActive(false);
    return 0;
}
