#include "videowindow.h"

#include "filtergraph.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QTransform>
#include <cstring>

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
        // Frames normally come at the window's size and are painted in place.
        // Here: a picture zoomed beyond the window's parent, stretched with
        // only the exposed part computed, and backing stores the converters
        // cannot write into.
        const QImage &pixels = PaintedPixels();
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

QImage TVideoWindow::CurrentFrame() const
{
    const TPlanarFrame *planes = m_frame.Planes();
    return planes ? m_paintScaler.Convert(planes->Picture(), QSize()) : m_frame.Pixels();
}

const QImage &TVideoWindow::PaintedPixels()
{
    const TPlanarFrame *planes = m_frame.Planes();
    if (!planes)
        return m_frame.Pixels();
    // A frame of another size (the moment between a resize and the next
    // frame, the first frame before the window's size was known) is scaled
    // here in the same pass as it is converted: a 1080p frame converted whole
    // and stretched by the painter cost 8 MB of pixels and as much again in
    // the painter's own buffers. A zoom beyond the window's parent keeps the
    // frame's own size; the painter then computes only the exposed part.
    const QSize size = PictureSize();
    if (m_framePixels.isNull() || (!size.isEmpty() && m_framePixels.size() != size))
        m_framePixels = m_paintScaler.Convert(planes->Picture(), size);
    return m_framePixels;
}

bool TVideoWindow::PaintPlanarInPlace(QPainter &painter, const QPaintEvent &event)
{
    const TPlanarFrame *planes = m_frame.Planes();
    if (!planes || planes->size != size())
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
    const qsizetype stride = image->bytesPerLine();
    uchar *bits = image->bits() + offset.y() * stride + offset.x() * 4;
    // The converters write whole groups of 8 pixels: a width that is not a
    // multiple of them would reach into the pixels right of the window.
    constexpr int PixelGroup = 16;
    if ((QRegion(rect()) - event.region()).isEmpty() && planes->size.width() % PixelGroup == 0) {
        // Pixels made for partial repaints (under a panel) are not needed
        // again once whole frames are painted: 3.7 MB at 720p.
        m_framePixels = QImage();
        m_paintScaler.ReleaseIdleBuffers();
        return m_paintScaler.ConvertInto(planes->Picture(), bits, stride);
    }
    // A region with holes in it (under a panel that is not repainted) must
    // keep the pixels of the holes: the frame is converted aside and only the
    // region copied. (The painter's own drawImage kept a megabyte of buffers
    // per call alive.)
    const QImage &pixels = PaintedPixels();
    if (pixels.size() != size())
        return false;
    for (const QRect &part : event.region() & rect()) {
        const qsizetype bytes = qsizetype(part.width()) * 4;
        for (int row = part.top(); row <= part.bottom(); ++row)
            std::memcpy(bits + row * stride + part.left() * 4,
                        pixels.constScanLine(row) + part.left() * 4, bytes);
    }
    return true;
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
