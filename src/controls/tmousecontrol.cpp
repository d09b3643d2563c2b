#include "tmousecontrol.h"

#include <QMouseEvent>

TMouseControl::TMouseControl(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void TMouseControl::mousePressEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        m_clickPending = true;
    if (OnMouseDown)
        OnMouseDown(this, event->button(), shiftStateOf(event->modifiers(), event->buttons()),
                    point.x(), point.y());
    event->accept();
}

void TMouseControl::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (OnMouseMove)
        OnMouseMove(this, shiftStateOf(event->modifiers(), event->buttons()), point.x(), point.y());
    event->accept();
}

void TMouseControl::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    // A click is a left press and release both over the control.
    const bool click
        = event->button() == Qt::LeftButton && m_clickPending && rect().contains(point);
    if (event->button() == Qt::LeftButton)
        m_clickPending = false;
    if (OnMouseUp)
        OnMouseUp(this, event->button(), shiftStateOf(event->modifiers(), event->buttons()),
                  point.x(), point.y());
    if (click && OnClick)
        OnClick(this);
    event->accept();
}

void TMouseControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && OnDblClick)
        OnDblClick(this);
    event->accept();
}
