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
    const qreal ratio = devicePixelRatioF();
    return QSize(qRound(width() * ratio), qRound(height() * ratio));
}

void TVideoWindow::ShowFrame(const QImage &frame)
{
    m_frame = frame;
    update();
    emit FrameShown();
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
    // The pipeline delivers frames at the window's size in device pixels, so
    // this is a plain copy; a frame of another size only shows up for the
    // moment between a resize and the next frame, and is stretched meanwhile.
    painter.drawImage(rect(), m_frame);
}

void TVideoWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit PictureSizeChanged(PictureSize());
}

void TVideoWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_cursorHidden)
        ShowCursor();
    QWidget::mouseMoveEvent(event);
}
