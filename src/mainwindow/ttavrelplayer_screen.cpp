// Full screen, the picture rectangle (aspect, zoom, pan, crop), monitors and always on top.
#include "iplayerhost.h"
#include "media/filtergraph.h"
#include "media/videowindow.h"
#include "torimage.h"
#include "ttavrelplayer.h"
#include "ttimeline.h"
#include "tvideoarea.h"
#include "tvpanel.h"
#include "videogeometry.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWindow>

namespace {

constexpr int kZoomText = 102;

QScreen *screenAt(const QRect &window)
{
    // The monitor nearest to the window: the one holding its centre, else the first.
    QScreen *found = QGuiApplication::screenAt(window.center());
    return found ? found : QGuiApplication::primaryScreen();
}

} // namespace

void TTavrelPlayer::SetFullScreen(bool on)
{
    if (on == m_fullScreen)
        return;
    TFilterGraph *graph = m_host ? m_host->Graph() : nullptr;
    const bool resume = graph && graph->State() == TFilterGraph::Running;
    if (resume)
        graph->Pause();
    m_fullScreen = on;

    setUpdatesEnabled(false);
    if (on) {
        m_windowedBounds = geometry();
        QScreen *screen = screenAt(frameGeometry());
        layout()->setContentsMargins(0, 0, 0, 0);
        // The window manager's own full-screen state keeps docks and panels of the desktop
        // below the picture; the window is put on the chosen monitor first, because that is
        // the monitor the manager fills.
        if (screen) {
            if (windowHandle() && windowHandle()->screen() != screen)
                windowHandle()->setScreen(screen);
            setGeometry(screen->geometry());
        }
        setWindowState(windowState() | Qt::WindowFullScreen);
        raise();
    } else {
        const int b = kSizingBorder;
        layout()->setContentsMargins(b, b, b, b);
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        if (m_windowedBounds.isValid())
            setGeometry(m_windowedBounds);
        if (!settings().TOPMOST && (windowFlags() & Qt::WindowStaysOnTopHint)) {
            setWindowFlag(Qt::WindowStaysOnTopHint, false);
            show();
        }
    }
    layout()->activate();
    FormResize();
    setUpdatesEnabled(true);
    update();
    if (resume)
        graph->Play();
}

QSize TTavrelPlayer::sourceSize() const
{
    const TFilterGraph *graph = m_host ? m_host->Graph() : nullptr;
    const QSize fromGraph = graph ? graph->SourceSize() : QSize();
    return fromGraph.isEmpty() ? m_sourceSize : fromGraph;
}

void TTavrelPlayer::ApplyVideoGeometry(int zoom)
{
    // The picture is placed from the moment the player shows it (which may be just before the
    // graph first pauses) until it takes it away.
    if (m_sourceSize.isEmpty())
        return;
    VideoGeometry::TInput in;
    in.glob = Glob->size();
    in.source = sourceSize();
    if (IsDvdMode() && m_host)
        in.dvdAspect = m_host->DvdAspect();
    in.aspectMode = m_aspectMode;
    in.userAspect = settings().AspectPairs;
    in.zoom = zoom;
    in.panX = m_panX;
    in.panY = m_panY;
    in.crop = m_crop;
    const VideoGeometry::TResult out = VideoGeometry::Compute(in);
    m_panX = out.panX;
    m_panY = out.panY;
    if (out.picture.isEmpty())
        return;
    // Changing the crop makes the engine redraw a paused frame, so only a real change is sent.
    TFilterGraph *graph = m_host ? m_host->Graph() : nullptr;
    if (graph && graph->HasPicture() && graph->SourceRect() != out.sourceRect)
        graph->SetSourceRect(out.sourceRect);
    VideoWin->setGeometry(out.picture);
}

int TTavrelPlayer::ZoomBar() const
{
    return lZoom->progress();
}

int TTavrelPlayer::Zoom() const
{
    return ZoomBar() - VideoGeometry::kZoomSliderOffset;
}

void TTavrelPlayer::SetZoomBar(int position)
{
    lZoom->setProgress(position);
}

void TTavrelPlayer::lZoomChange()
{
    if (!IsMediaActive())
        return;
    ApplyVideoGeometry(Zoom());
    const bool opening = m_host && m_host->IsMediaOpening();
    if (!m_quietZoom && !opening) {
        const QString zoomBy = m_host ? m_host->Text(kZoomText) : QStringLiteral("Увеличение на");
        ShowStatusText(zoomBy + QStringLiteral(" ") + QString::number(Zoom()) + QStringLiteral("%"),
                       10, 1);
    }
}

void TTavrelPlayer::ZoomStep(bool up)
{
    if (up)
        lZoom->StepUp();
    else
        lZoom->StepDown();
}

void TTavrelPlayer::FillHeight()
{
    if (!IsMediaActive())
        return;
    m_aspectMode = VideoGeometry::kAspectStream;
    VideoGeometry::TInput in;
    in.glob = Glob->size();
    in.source = sourceSize();
    if (IsDvdMode() && m_host)
        in.dvdAspect = m_host->DvdAspect();
    const double ratio = VideoGeometry::Ratio(in);
    if (ratio <= 0.0)
        return;
    const int slider = VideoGeometry::FillHeightSlider(Glob->size(), ratio);
    if (slider == ZoomBar())
        ApplyVideoGeometry(Zoom()); // the aspect mode may have changed
    SetZoomBar(slider);
}

void TTavrelPlayer::ZoomOrFill()
{
    if (Zoom() != 0)
        ApplyPictureAsIs(false);
    else
        FillHeight();
}

void TTavrelPlayer::ApplyPictureAsIs(bool quiet)
{
    m_aspectMode = VideoGeometry::kAspectStream;
    m_crop = 0;
    m_panX = 0;
    m_panY = 0;
    m_quietZoom = quiet;
    SetZoomBar(VideoGeometry::kZoomSliderOffset);
    m_quietZoom = false;
    // The slider's change handler places the picture only while something plays; a picture
    // shown just before the graph first runs is placed here.
    ApplyVideoGeometry(Zoom());
}

void TTavrelPlayer::CropMore()
{
    if (m_crop < VideoGeometry::kMaxCrop)
        m_crop += VideoGeometry::kCropStep;
    ApplyVideoGeometry(Zoom());
}

void TTavrelPlayer::CropLess()
{
    if (m_crop >= 1)
        m_crop -= VideoGeometry::kCropStep;
    ApplyVideoGeometry(Zoom());
}

void TTavrelPlayer::SetAspectMode(int mode)
{
    m_aspectMode = qBound(VideoGeometry::kAspectWindow, mode, 4);
    ApplyVideoGeometry(Zoom());
}

void TTavrelPlayer::PanBy(int dx, int dy)
{
    if (Zoom() <= 0)
        return;
    m_panX += dx;
    m_panY += dy;
    ApplyVideoGeometry(Zoom());
}

void TTavrelPlayer::ToggleTopMost()
{
    TSettingsRecord &s = m_host ? m_host->MutableSettings() : m_defaultSettings;
    if (!s.TOPMOST && m_fullScreen) {
        s.TOPMOST = true;
        return;
    }
    s.TOPMOST = !s.TOPMOST;
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, s.TOPMOST);
    if (visible)
        show();
}

bool TTavrelPlayer::CanMoveToSecondMonitor() const
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (m_fullScreen || screens.size() < 2)
        return false;
    return screenAt(frameGeometry()) == screens.first();
}

void TTavrelPlayer::MoveToSecondMonitor()
{
    if (!CanMoveToSecondMonitor())
        return;
    const QPoint offset = QGuiApplication::screens().at(1)->geometry().topLeft();
    move(pos() + offset);
    SetFullScreen(!m_fullScreen);
}

void TTavrelPlayer::MoveBackToFirstMonitor()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2)
        return;
    if (m_fullScreen)
        SetFullScreen(false);
    move(pos() - screens.at(1)->geometry().topLeft());
}

void TTavrelPlayer::SetVolumeBar(int position)
{
    m_settingVolume = true;
    lVolume->setProgress(position);
    m_settingVolume = false;
}

int TTavrelPlayer::VolumeBar() const
{
    return lVolume->progress();
}
