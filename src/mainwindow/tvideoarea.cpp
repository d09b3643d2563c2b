#include "tvideoarea.h"

#include "themeloader.h"

#include <QPaintEvent>
#include <QPainter>

TVideoArea::TVideoArea(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Glob"));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    SetColor(Qt::black);
}

void TVideoArea::SetShowLogo(bool show)
{
    if (m_showLogo == show)
        return;
    m_showLogo = show;
    update();
    emit LogoChanged(show);
}

void TVideoArea::SetColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    update();
}

void TVideoArea::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.fillRect(event->rect(), palette().color(QPalette::Window));
    if (!m_showLogo)
        return;
    // The logo is built in and not themable; it is copied unscaled into the middle.
    static const QImage logo = ThemeLoader::BuiltInPicture(QStringLiteral("TVL"));
    p.drawImage((width() - logo.width()) / 2, (height() - logo.height()) / 2, logo);
}

void TVideoArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit Resized(size());
}
