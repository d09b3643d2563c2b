#include "ttimeline.h"

#include "einvalidoperation.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <limits>

TTimeLine::TTimeLine(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(100, 100);
    m_look.size = size();
    if (parent)
        m_look.color = fromQColor(parent->palette().color(QPalette::Window));
}

void TTimeLine::setKind(TGaugeKind kind)
{
    const bool changed = m_look.kind != kind;
    m_look.kind = kind;
    changeLook(changed);
}

void TTimeLine::setMaxValue(int value)
{
    if (value == m_look.maxValue)
        return;
    if (value < minValue()) {
        throw EInvalidOperation(QStringLiteral("Value must be between %1 and %2")
                                    .arg(minValue() + 1)
                                    .arg(std::numeric_limits<int>::max())
                                    .toStdString());
    }
    m_look.maxValue = value;
    m_look.progress = std::min(m_look.progress, value);
    changeLook(true);
}

void TTimeLine::setProgress(int value)
{
    value = std::clamp(value, 0, std::max(0, m_look.maxValue));
    if (value != m_look.progress) {
        const int oldLength = filledLength();
        m_look.progress = value;
        if (filledLength() != oldLength) {
            m_bitmapValid = false;
            if (isVisible())
                repaint();
        }
    }
    if (OnChange)
        OnChange(this);
}

void TTimeLine::setForeColor(TColor color)
{
    const bool changed = m_look.foreColor != color;
    m_look.foreColor = color;
    changeLook(changed);
}

void TTimeLine::setBackColor(TColor color)
{
    const bool changed = m_look.backColor != color;
    m_look.backColor = color;
    changeLook(changed);
}

void TTimeLine::setColor(TColor color)
{
    const bool changed = m_look.color != color;
    m_look.color = color;
    changeLook(changed);
}

void TTimeLine::setSelect(bool select)
{
    m_look.select = select;
    changeLook(true);
}

void TTimeLine::setSelectForeColor(TColor color)
{
    m_look.selectForeColor = color;
    changeLook(true);
}

void TTimeLine::setSelectBackColor(TColor color)
{
    m_look.selectBackColor = color;
    changeLook(true);
}

void TTimeLine::setBackIslessFore(int pixels)
{
    const bool changed = m_look.backIslessFore != pixels;
    m_look.backIslessFore = pixels;
    changeLook(changed);
}

void TTimeLine::setMode(int mode)
{
    m_look.mode = mode;
    changeLook(true);
}

void TTimeLine::setMode2Div(int slices)
{
    m_look.mode2Div = slices;
    changeLook(true);
}

void TTimeLine::setAntiAliasLevel(int passes)
{
    const bool changed = m_look.antiAliasLevel != passes;
    m_look.antiAliasLevel = passes;
    changeLook(changed);
}

void TTimeLine::StepUp()
{
    setProgress(m_look.progress + m_step);
}

void TTimeLine::StepDown()
{
    setProgress(m_look.progress - m_step);
}

QImage TTimeLine::picture() const
{
    return bitmap().copy(1, 1, width(), height());
}

void TTimeLine::changeLook(bool changed)
{
    if (!changed)
        return;
    m_bitmapValid = false;
    update();
}

int TTimeLine::filledLength() const
{
    return timeLineFilledLength(m_look.kind, m_look.size, m_look.progress, m_look.maxValue);
}

const QImage &TTimeLine::bitmap() const
{
    if (!m_bitmapValid) {
        m_bitmap = renderTimeLine(m_look);
        m_bitmapValid = true;
    }
    return m_bitmap;
}

void TTimeLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), bitmap(), QRect(1, 1, width(), height()));
}

void TTimeLine::resizeEvent(QResizeEvent *event)
{
    m_look.size = size();
    m_bitmapValid = false;
    QWidget::resizeEvent(event);
}

void TTimeLine::pressAt(QPoint point, TShiftState shift)
{
    if (!ToChangeMouse || (shift & MouseShift) != MouseShift)
        return;
    const int value = std::clamp(timeLineValueAt(m_look.kind, size(), m_look.maxValue, point), 0,
                                 std::max(0, m_look.maxValue));
    if (value != m_look.progress)
        setProgress(value);
}

void TTimeLine::press(QPoint point, TShiftState shift)
{
    pressAt(point, shift);
    if (OnMouseDown)
        OnMouseDown(this, shift, point.x(), point.y(),
                    timeLineValueAt(m_look.kind, size(), m_look.maxValue, point));
}

void TTimeLine::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = true;
    press(event->position().toPoint(),
          shiftStateOf(event->modifiers(), event->buttons() | event->button()));
    event->accept();
}

void TTimeLine::mouseMoveEvent(QMouseEvent *event)
{
    m_mouseOver = true;
    const QPoint point = event->position().toPoint();
    const TShiftState shift = shiftStateOf(event->modifiers(), event->buttons());
    // A drag is a press at every place the pointer passes, events included.
    if (ToChangeMouseMove && event->buttons().testFlag(Qt::LeftButton))
        press(point, shift | TInputFlag::Left);
    if (OnMouseMove)
        OnMouseMove(this, shift, point.x(), point.y(),
                    timeLineValueAt(m_look.kind, size(), m_look.maxValue, point));
    event->accept();
}

void TTimeLine::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    event->accept();
}

void TTimeLine::enterEvent(QEnterEvent *)
{
    m_mouseOver = true;
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TTimeLine::leaveEvent(QEvent *)
{
    m_mouseOver = false;
    if (OnMouseLeave)
        OnMouseLeave(this);
}
