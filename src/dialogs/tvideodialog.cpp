#include "tvideodialog.h"

#include "mediadialogs/picturebalance.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

TVideoDialog::TVideoDialog(QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setModal(true);
    setAutoFillBackground(false);
}

void TVideoDialog::SetFrameColour(const QColor &colour)
{
    m_frame = colour;
    update();
}

void TVideoDialog::SetFillColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    update();
}

void TVideoDialog::CentreOver(const QWidget *panel, int lift)
{
    if (!panel)
        return;
    const QRect area(panel->mapToGlobal(QPoint(0, 0)), panel->size());
    move(PictureBalance::CentredOrigin(area, size(), lift));
}

void TVideoDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(m_frame);
    painter.setBrush(Qt::NoBrush);
    // Corners of 30 x 30 are radii of 15.
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 15, 15);
}

TCloseBox::TCloseBox(QWidget *parent)
    : QWidget(parent)
{
    resize(kSize);
    setCursor(Qt::PointingHandCursor);
}

void TCloseBox::SetColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

void TCloseBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, 1));
    const QPoint corner[] = {{0, 0}, {0, 15}, {4, 20}, {10, 24}, {29, 24}};
    painter.drawPolyline(corner, 5);
    painter.setPen(QPen(m_colour, 2));
    painter.drawLine(8, 8, 17, 17);
    painter.drawLine(17, 8, 8, 17);
}

void TCloseBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
