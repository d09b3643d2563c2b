#pragma once

#include "shiftstate.h"
#include "timelinepainter.h"

#include <QImage>
#include <QWidget>
#include <functional>

// The one slider and progress bar of the player: a filled bar over a thinner track, optionally
// cut into segments and smoothed, that turns clicks and drags into a new value.
class TTimeLine : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(TGaugeKind Kind READ kind WRITE setKind)
    Q_PROPERTY(int MinValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int MaxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int Progress READ progress WRITE setProgress)
    Q_PROPERTY(int Step READ step WRITE setStep)
    Q_PROPERTY(TColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(TColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(TColor Color READ color WRITE setColor)
    Q_PROPERTY(bool Select READ select WRITE setSelect)
    Q_PROPERTY(TColor SelectForeColor READ selectForeColor WRITE setSelectForeColor)
    Q_PROPERTY(TColor SelectBackColor READ selectBackColor WRITE setSelectBackColor)
    Q_PROPERTY(int BackIslessFore READ backIslessFore WRITE setBackIslessFore)
    Q_PROPERTY(int Mode READ mode WRITE setMode)
    Q_PROPERTY(int Mode_2_Div READ mode2Div WRITE setMode2Div)
    Q_PROPERTY(int AntiAliasLevel READ antiAliasLevel WRITE setAntiAliasLevel)
    Q_PROPERTY(bool ToChangeMouse MEMBER ToChangeMouse)
    Q_PROPERTY(bool ToChangeMouseMove MEMBER ToChangeMouseMove)
    Q_PROPERTY(TShiftState MouseShift MEMBER MouseShift)

public:
    using MouseEventEx
        = std::function<void(TTimeLine *sender, TShiftState shift, int x, int y, int pos)>;

    explicit TTimeLine(QWidget *parent = nullptr);

    TGaugeKind kind() const { return m_look.kind; }
    void setKind(TGaugeKind kind);
    int minValue() const { return 0; }
    void setMinValue(int) {}
    int maxValue() const { return m_look.maxValue; }
    // Throws EInvalidOperation for a negative maximum and keeps the old range.
    void setMaxValue(int value);
    int progress() const { return m_look.progress; }
    void setProgress(int value);
    int step() const { return m_step; }
    void setStep(int step) { m_step = step; }
    TColor foreColor() const { return m_look.foreColor; }
    void setForeColor(TColor color);
    TColor backColor() const { return m_look.backColor; }
    void setBackColor(TColor color);
    TColor color() const { return m_look.color; }
    void setColor(TColor color);
    bool select() const { return m_look.select; }
    void setSelect(bool select);
    TColor selectForeColor() const { return m_look.selectForeColor; }
    void setSelectForeColor(TColor color);
    TColor selectBackColor() const { return m_look.selectBackColor; }
    void setSelectBackColor(TColor color);
    int backIslessFore() const { return m_look.backIslessFore; }
    void setBackIslessFore(int pixels);
    int mode() const { return m_look.mode; }
    void setMode(int mode);
    int mode2Div() const { return m_look.mode2Div; }
    void setMode2Div(int slices);
    int antiAliasLevel() const { return m_look.antiAliasLevel; }
    void setAntiAliasLevel(int passes);

    void StepUp();
    void StepDown();
    bool MouseOver() const { return m_mouseOver; }
    // The left button went down on the control and is still held.
    bool IsDragging() const { return m_dragging; }
    // The picture of the control as it is painted (W x H).
    QImage picture() const;

    bool ToChangeMouse = true;
    bool ToChangeMouseMove = false;
    TShiftState MouseShift;

    std::function<void(TTimeLine *)> OnChange;
    MouseEventEx OnMouseDown;
    MouseEventEx OnMouseMove;
    std::function<void(TTimeLine *)> OnMouseEnter;
    std::function<void(TTimeLine *)> OnMouseLeave;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void changeLook(bool changed);
    void pressAt(QPoint point, TShiftState shift);
    void press(QPoint point, TShiftState shift);
    int filledLength() const;
    const QImage &bitmap() const;

    TTimeLineLook m_look;
    int m_step = 0;
    bool m_mouseOver = false;
    bool m_dragging = false;
    mutable QImage m_bitmap;
    mutable bool m_bitmapValid = false;
};
