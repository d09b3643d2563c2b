#include "tvlabel.h"

#include "skinfonts.h"

#include <QFontMetrics>
#include <QPainter>

TVLabel::TVLabel(QWidget *parent)
    : TMouseControl(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(skinFont(QStringLiteral("MS Sans Serif"), -11));
    if (parent)
        m_look.color = fromQColor(parent->palette().color(QPalette::Window));
}

void TVLabel::setCaption(const QString &caption)
{
    if (caption == m_look.caption)
        return;
    m_look.caption = caption;
    resize(QFontMetrics(font()).horizontalAdvance(caption) + 2, height());
    update();
}

void TVLabel::setColor(TColor color)
{
    m_look.color = color;
    update();
}

void TVLabel::setFontColor(TColor color)
{
    m_look.fontColor = color;
    update();
}

void TVLabel::setColorShare(TColor color)
{
    m_look.colorShare = color;
    update();
}

void TVLabel::setAntiAlias(bool antiAlias)
{
    m_look.antiAlias = antiAlias;
    update();
}

void TVLabel::setFlat(bool flat)
{
    m_look.flat = flat;
    update();
}

QImage TVLabel::picture() const
{
    TVLabelLook look = m_look;
    look.size = size();
    look.font = font();
    return renderVLabel(look);
}

void TVLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture());
}

void TVLabel::enterEvent(QEnterEvent *)
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TVLabel::leaveEvent(QEvent *)
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}
