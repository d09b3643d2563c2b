#include "tvidmenuwnd.h"

#include "tvideopopupmenu.h"
#include "tvmenuitem.h"
#include "vidmenupainter.h"

#include <QMouseEvent>
#include <QPainter>

TVidMenuWnd::TVidMenuWnd(TVideoPopupMenu *menu, QWidget *parent)
    : QWidget(parent)
    , m_menu(menu)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void TVidMenuWnd::Build(const TVidMenuGeometry &geometry)
{
    qDeleteAll(m_rows);
    m_rows.clear();
    setGeometry(geometry.window);
    for (const TVidMenuRowGeometry &row : geometry.rows) {
        auto *widget = new TVMenuItem(m_menu, row, this);
        widget->show();
        m_rows.append(widget);
    }
    setMask(geometry.shape);
}

void TVidMenuWnd::ClearHot()
{
    for (TVMenuItem *row : m_rows)
        row->setHot(false);
}

void TVidMenuWnd::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintVidMenuFrame(painter, size(), m_menu->look());
}

// Clicks on the frame belong to the menu, not to the video behind it.
void TVidMenuWnd::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void TVidMenuWnd::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void TVidMenuWnd::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}
