#include "tvpanel.h"

#include <QPainter>

TVPanel::TVPanel(QWidget *parent)
    : TMouseControl(parent)
{
    connect(&m_hideTimer, &QTimer::timeout, this, &TVPanel::hideTimerFired);
    connect(&m_rearmTimer, &QTimer::timeout, this, &TVPanel::rearmTimerFired);
    if (parent)
        m_color = fromQColor(parent->palette().color(QPalette::Window));
}

void TVPanel::ShowFor(int tenths)
{
    if (!m_canShow && !m_hideTimer.isActive())
        return;
    m_hideTimer.stop();
    m_hideTimer.setInterval(tenths * 100);
    if (tenths != 0)
        m_hideTimer.start();
    if (!isVisible())
        ShowPanel();
}

void TVPanel::RestartHideTimer()
{
    if (m_hideTimer.isActive())
        m_hideTimer.start();
}

void TVPanel::ShowPanel()
{
    bool cancel = false;
    if (OnShow)
        OnShow(this, cancel);
    if (cancel)
        return;
    UpdateRegion();
    show();
    // Paint at once rather than when the queue gets to it, so the panel never lags the mouse.
    repaint();
}

void TVPanel::UpdateRegion()
{
    if (m_region)
        setMask(childrenRegion());
    else
        clearMask();
}

void TVPanel::SetRegion(bool region)
{
    m_region = region;
    UpdateRegion();
}

void TVPanel::setColor(TColor color)
{
    m_color = color;
    update();
}

QRegion TVPanel::childrenRegion() const
{
    QRegion region;
    for (QObject *child : children()) {
        if (auto *widget = qobject_cast<QWidget *>(child))
            region += widget->geometry();
    }
    // An empty mask would mean "no mask" to the toolkit; a pixel outside the panel hides it all.
    if (region.isEmpty())
        region = QRegion(-1, -1, 1, 1);
    return region;
}

void TVPanel::paintEvent(QPaintEvent *)
{
    bool handled = false;
    if (OnWMERASEBKGND)
        OnWMERASEBKGND(this, handled);
    if (!handled) {
        QPainter painter(this);
        painter.fillRect(rect(), toQColor(m_color));
    }
    if (OnPaint)
        OnPaint(this);
}

void TVPanel::resizeEvent(QResizeEvent *event)
{
    TMouseControl::resizeEvent(event);
    if (isVisible())
        UpdateRegion();
}

void TVPanel::hideTimerFired()
{
    bool cancel = false;
    if (OnHide)
        OnHide(this, cancel);
    if (cancel)
        return;
    m_hideTimer.stop();
    hide();
    m_canShow = false;
    m_rearmTimer.setInterval(m_timeOut);
    m_rearmTimer.start();
}

void TVPanel::rearmTimerFired()
{
    m_rearmTimer.stop();
    m_canShow = true;
}
