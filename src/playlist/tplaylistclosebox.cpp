#include "tplaylistclosebox.h"

#include <QMouseEvent>
#include <QPainter>

TPlayListCloseBox::TPlayListCloseBox(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void TPlayListCloseBox::SetColor(TColor color)
{
    m_color = color;
    update();
}

void TPlayListCloseBox::PaintGlyph(QPainter &painter, TColor color)
{
    const QColor pen = toQColor(color);
    painter.setPen(QPen(pen, 1));
    const QPoint stroke[] = {{0, 0}, {0, 15}, {4, 20}, {10, 24}};
    painter.drawPolyline(stroke, 4);
    painter.setPen(QPen(pen, 2));
    painter.drawLine(8, 8, 17, 17);
    painter.drawLine(17, 8, 8, 17);
}

void TPlayListCloseBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintGlyph(painter, m_color);
}

void TPlayListCloseBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}
