#include "videowindow.h"

#include "filtergraph.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

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

void TVideoWindow::ShowFrame(const QImage &frame)
{
    m_frame = frame;
    m_frameAnnounced = false;
    update();
}

void TVideoWindow::ClearFrame()
{
    if (m_frame.isNull())
        return;
    m_frame = QImage();
    update();
}

void TVideoWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_frame.isNull()) {
        painter.fillRect(event->rect(), m_color);
        return;
    }
    // Frames normally come at the window's size in device pixels, and this is a
    // plain copy. Other sizes (a zoomed picture, or the moment between a resize
    // and the next frame) are stretched; only the exposed part is computed.
    if (m_frame.size() != PictureSize())
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_frame);
    if (!m_frameAnnounced) {
        m_frameAnnounced = true;
        emit FrameShown();
    }
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
