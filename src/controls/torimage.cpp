#include "torimage.h"

#include "pictureadjust.h"
#include "smoothing.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr TColor SharpKey = clFuchsia;

// The picture with every pixel of its bottom-left colour made see-through.
QImage cutOutBottomLeftColour(const QImage &picture)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = result.pixel(0, result.height() - 1) | 0xFF000000u;
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
        }
    }
    return result;
}

} // namespace

TOrImage::TOrImage(QWidget *parent)
    : TMouseControl(parent)
{
    resize(105, 105);
    m_hoverTimer.setInterval(HoverInterval);
    connect(&m_hoverTimer, &QTimer::timeout, this, &TOrImage::hoverTick);
    adjustBounds();
}

void TOrImage::setCenter(bool center)
{
    if (m_center == center)
        return;
    m_center = center;
    adjustBounds();
}

void TOrImage::setStretch(bool stretch)
{
    if (m_stretch == stretch)
        return;
    m_stretch = stretch;
    adjustBounds();
}

void TOrImage::setTransparent(bool transparent)
{
    if (m_transparent == transparent)
        return;
    m_transparent = transparent;
    adjustBounds();
}

void TOrImage::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    adjustBounds();
}

void TOrImage::setPictureOriginal(const QImage &picture)
{
    m_source = picture.convertToFormat(QImage::Format_RGB888);
    m_smoothed = QImage();
    rebuildDisplay();
}

void TOrImage::setPicGrayScale(bool grayScale)
{
    m_grayScale = grayScale;
    rebuildDisplay();
}

void TOrImage::setPicLightness(int lightness)
{
    m_lightness = std::min(lightness, 255);
    rebuildDisplay();
}

void TOrImage::setPicAntiAlias(int passes)
{
    m_antiAlias = std::clamp(passes, 0, 50);
    rebuildSmoothed();
    rebuildDisplay();
}

void TOrImage::rebuildSmoothed()
{
    if (m_antiAlias <= 0 || m_source.isNull()) {
        m_smoothed = QImage();
        return;
    }
    m_smoothed = m_source.copy();
    if (m_smoothed.width() > 2 && m_smoothed.height() > 2) {
        for (int pass = 0; pass < m_antiAlias; ++pass)
            smoothPass(m_smoothed, SharpKey);
    }
}

void TOrImage::rebuildDisplay()
{
    if (m_antiAlias > 0 && m_smoothed.isNull())
        rebuildSmoothed();
    const QImage &base = m_antiAlias > 0 ? m_smoothed : m_source;
    m_display = base.isNull() ? QImage() : adjustPicture(base, m_lightness, m_grayScale);
    adjustBounds();
}

void TOrImage::adjustBounds()
{
    if (m_autoSize && !m_display.isNull())
        resize(m_display.size());
    m_drawn = m_transparent && !m_display.isNull() ? cutOutBottomLeftColour(m_display) : m_display;
    const bool smaller = m_display.width() < width() || m_display.height() < height();
    setAttribute(Qt::WA_OpaquePaintEvent, !m_transparent && (m_stretch || !smaller));
    update();
}

QRect TOrImage::targetRect() const
{
    if (m_stretch)
        return rect();
    if (m_center)
        return QRect((width() - m_display.width()) / 2, (height() - m_display.height()) / 2,
                     m_display.width(), m_display.height());
    return QRect(QPoint(0, 0), m_display.size());
}

void TOrImage::paintEvent(QPaintEvent *)
{
    if (m_drawn.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(targetRect(), m_drawn);
}

void TOrImage::mouseMoveEvent(QMouseEvent *event)
{
    m_mouseOver = true;
    TMouseControl::mouseMoveEvent(event);
}

void TOrImage::enterEvent(QEnterEvent *)
{
    m_mouseOver = true;
    m_hoverStep = HoverRise;
    m_hoverTimer.start();
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TOrImage::leaveEvent(QEvent *)
{
    m_mouseOver = false;
    m_hoverStep = HoverFall;
    m_hoverTimer.start();
    if (OnMouseExit)
        OnMouseExit(this);
}

void TOrImage::hoverTick()
{
    m_hoverLevel += m_hoverStep;
    if (m_hoverLevel >= HoverMaximum) {
        m_hoverLevel = HoverMaximum;
        m_hoverTimer.stop();
    } else if (m_hoverLevel < 0) {
        m_hoverLevel = 0;
        m_hoverTimer.stop();
    }
    setPicLightness(m_hoverLevel);
}
