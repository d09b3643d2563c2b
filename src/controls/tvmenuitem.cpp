#include "tvmenuitem.h"

#include "tmenuitem.h"
#include "tvideopopupmenu.h"
#include "vidmenupainter.h"

#include <QMouseEvent>
#include <QPainter>

TVMenuItem::TVMenuItem(TVideoPopupMenu *menu, const TVidMenuRowGeometry &row, QWidget *parent)
    : QWidget(parent)
    , m_menu(menu)
    , m_text(row.text)
    , m_tag(row.itemIndex)
{
    m_fullCaption = row.text.shortCut.isEmpty() ? row.text.caption
                                                : row.text.caption + u'|' + row.text.shortCut;
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setGeometry(row.rect);
}

void TVMenuItem::setHot(bool hot)
{
    if (hot == m_hot)
        return;
    m_hot = hot;
    update();
}

bool TVMenuItem::itemEnabled() const
{
    const TMenuItem *item = m_menu->itemAt(m_tag);
    return item && item->enabled();
}

void TVMenuItem::paintEvent(QPaintEvent *)
{
    TVidMenuRowState state;
    state.text = m_text;
    state.hot = m_hot;
    if (const TMenuItem *item = m_menu->itemAt(m_tag)) {
        state.enabled = item->enabled();
        state.checked = item->checked();
    }
    QPainter painter(this);
    paintVidMenuRow(painter, size(), state, m_menu->look(), m_menu->captionWidth());
}

void TVMenuItem::enterEvent(QEnterEvent *)
{
    if (m_text.caption.isEmpty())
        return;
    m_hot = true;
    if (itemEnabled())
        update();
}

void TVMenuItem::leaveEvent(QEvent *)
{
    m_hot = false;
    update();
}

void TVMenuItem::mouseMoveEvent(QMouseEvent *event)
{
    m_menu->RestartCountdown();
    event->accept();
}

void TVMenuItem::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void TVMenuItem::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        m_menu->RowClicked(m_tag);
}
