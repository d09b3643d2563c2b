#pragma once

#include "tmousecontrol.h"

#include <QImage>
#include <QTimer>

// The image button: shows a picture that can be brightened, greyed and smoothed, and lights up
// gradually while the mouse is over it.
class TOrImage : public TMouseControl
{
    Q_OBJECT
    Q_PROPERTY(bool Center READ center WRITE setCenter)
    Q_PROPERTY(bool Stretch READ stretch WRITE setStretch)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool IncrementalDisplay MEMBER IncrementalDisplay)
    Q_PROPERTY(QImage PictureOriginal READ pictureOriginal WRITE setPictureOriginal)
    Q_PROPERTY(bool PicGrayScale READ picGrayScale WRITE setPicGrayScale)
    Q_PROPERTY(int PicLightness READ picLightness WRITE setPicLightness)
    Q_PROPERTY(int PicAntiAlias READ picAntiAlias WRITE setPicAntiAlias)

public:
    static constexpr int HoverInterval = 55;
    static constexpr int HoverMaximum = 80;
    static constexpr int HoverRise = 20;
    static constexpr int HoverFall = -5;

    explicit TOrImage(QWidget *parent = nullptr);

    bool center() const { return m_center; }
    void setCenter(bool center);
    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    QImage pictureOriginal() const { return m_source; }
    void setPictureOriginal(const QImage &picture);
    bool picGrayScale() const { return m_grayScale; }
    void setPicGrayScale(bool grayScale);
    int picLightness() const { return m_lightness; }
    // At most 255; negative values darken.
    void setPicLightness(int lightness);
    int picAntiAlias() const { return m_antiAlias; }
    // Smoothing passes, limited to 0..50.
    void setPicAntiAlias(int passes);

    // The picture as it is drawn (after smoothing, lightness and grey scale).
    QImage displayPicture() const { return m_display; }
    bool MouseOver() const { return m_mouseOver; }
    bool hoverRunning() const { return m_hoverTimer.isActive(); }

    bool IncrementalDisplay = false;
    NotifyEvent OnMouseEnter;
    NotifyEvent OnMouseExit;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void rebuildSmoothed();
    void rebuildDisplay();
    void adjustBounds();
    void hoverTick();
    QRect targetRect() const;

    QImage m_source;
    QImage m_smoothed;
    QImage m_display;
    QImage m_drawn; // m_display with the transparent colour cut out, when that applies
    bool m_center = false;
    bool m_stretch = false;
    bool m_transparent = false;
    bool m_autoSize = false;
    bool m_grayScale = false;
    int m_lightness = 0;
    int m_antiAlias = 0;
    QTimer m_hoverTimer;
    int m_hoverLevel = 0;
    int m_hoverStep = HoverRise;
    bool m_mouseOver = false;
};
