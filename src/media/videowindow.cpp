#include "videowindow.h"

#include "filtergraph.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QTransform>

TVideoWindow::TVideoWindow(QWidget *parent)
    : QWidget(parent)
{
    // Every pixel is painted here (frame or colour): nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    WatchParent();
}

TVideoWindow::~TVideoWindow()
{
    if (m_graph)
        m_graph->SetVideoWindow(nullptr);
}

void TVideoWindow::SetFilterGraph(TFilterGraph *graph)
{
    if (m_graph == graph)
        return;
    TFilterGraph *previous = m_graph;
    m_graph = graph;
    if (previous && previous->VideoWindow() == this)
        previous->SetVideoWindow(nullptr);
    if (graph && graph->VideoWindow() != this)
        graph->SetVideoWindow(this);
}

TFilterGraph *TVideoWindow::FilterGraph() const
{
    return m_graph;
}

void TVideoWindow::SetColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
}

void TVideoWindow::HideCursor()
{
    m_cursorHidden = true;
    setCursor(Qt::BlankCursor);
}

void TVideoWindow::ShowCursor()
{
    m_cursorHidden = false;
    unsetCursor();
}

QSize TVideoWindow::PictureSize() const
{
    if (!FitsInParent())
        return QSize();
    const qreal ratio = devicePixelRatioF();
    return QSize(qRound(width() * ratio), qRound(height() * ratio));
}

bool TVideoWindow::FitsInParent() const
{
    const QWidget *parent = parentWidget();
    return !parent || parent->rect().contains(geometry());
}

void TVideoWindow::WatchParent()
{
    if (m_watchedParent == parentWidget())
        return;
    if (m_watchedParent)
        m_watchedParent->removeEventFilter(this);
    m_watchedParent = parentWidget();
    if (m_watchedParent)
        m_watchedParent->installEventFilter(this);
}

void TVideoWindow::UpdatePictureSize()
{
    const QSize size = PictureSize();
    if (size == m_requestedSize)
        return;
    m_requestedSize = size;
    emit PictureSizeChanged(size);
}

void TVideoWindow::ShowFrame(const TVideoFrame &frame)
{
    m_frame = frame;
    m_framePixels = QImage();
    m_frameAnnounced = false;
    update();
}

void TVideoWindow::ClearFrame()
{
    if (m_frame.isNull())
        return;
    m_frame = TVideoFrame();
    m_framePixels = QImage();
    update();
}

void TVideoWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_frame.isNull()) {
        painter.fillRect(event->rect(), m_color);
        return;
    }
    if (!PaintPlanarInPlace(painter, *event)) {
        // Frames normally come at the window's size in device pixels, and this
        // is a plain copy. Other sizes (a zoomed picture, or the moment between
        // a resize and the next frame) are stretched; only the exposed part is
        // computed.
        const QImage &pixels = FramePixels();
        if (pixels.isNull())
            painter.fillRect(event->rect(), m_color);
        if (pixels.size() != PictureSize())
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), pixels);
    }
    if (!m_frameAnnounced) {
        m_frameAnnounced = true;
        emit FrameShown();
    }
}

const QImage &TVideoWindow::FramePixels() const
{
    const TPlanarFrame *planes = m_frame.Planes();
    if (planes && m_framePixels.isNull())
        m_framePixels = m_paintScaler.Convert(planes->Picture(), QSize());
    return planes ? m_framePixels : m_frame.Pixels();
}

bool TVideoWindow::PaintPlanarInPlace(QPainter &painter, const QPaintEvent &event)
{
    // Only a planar frame of exactly the window's size, and only when every
    // pixel of the window is repainted: a region with a hole in it (under a
    // panel that is not repainted) must keep its pixels.
    const TPlanarFrame *planes = m_frame.Planes();
    if (!planes || planes->size != size() || !(QRegion(rect()) - event.region()).isEmpty())
        return false;
    // The converters write whole groups of 8 pixels: a width that is not a
    // multiple of them would reach into the pixels right of the window.
    constexpr int PixelGroup = 16;
    if (planes->size.width() % PixelGroup != 0)
        return false;
    // The pixels being painted: the backing store's image, this window at an
    // offset in it, unscaled.
    QPaintEngine *engine = painter.paintEngine();
    QPaintDevice *device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image)
        return false;
    auto *image = static_cast<QImage *>(device);
    if (image->format() != QImage::Format_RGB32
        && image->format() != QImage::Format_ARGB32_Premultiplied)
        return false;
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxTranslate)
        return false;
    const QPoint offset(qRound(transform.dx()), qRound(transform.dy()));
    if (!image->rect().contains(QRect(offset, size())))
        return false;
    // The painter began on this image already, so this does not detach it.
    uchar *bits = image->bits() + offset.y() * image->bytesPerLine() + offset.x() * 4;
    return m_paintScaler.ConvertInto(planes->Picture(), bits, image->bytesPerLine());
}

void TVideoWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    UpdatePictureSize();
}

void TVideoWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    UpdatePictureSize();
}

bool TVideoWindow::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange) {
        WatchParent();
        UpdatePictureSize();
    }
    return QWidget::event(event);
}

bool TVideoWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedParent && event->type() == QEvent::Resize)
        UpdatePictureSize();
    return QWidget::eventFilter(watched, event);
}

void TVideoWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_cursorHidden)
        ShowCursor();
    QWidget::mouseMoveEvent(event);
}
