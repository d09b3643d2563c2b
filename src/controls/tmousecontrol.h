#pragma once

#include "shiftstate.h"

#include <QWidget>
#include <functional>

// A widget that reports its mouse events to its owner and keeps them from reaching the widget
// behind it (the video), as every skinned control and panel does.
class TMouseControl : public QWidget
{
    Q_OBJECT

public:
    using NotifyEvent = std::function<void(QWidget *sender)>;
    using MouseEvent = std::function<void(QWidget *sender, Qt::MouseButton button,
                                          TShiftState shift, int x, int y)>;
    using MouseMoveEvent = std::function<void(QWidget *sender, TShiftState shift, int x, int y)>;

    explicit TMouseControl(QWidget *parent = nullptr);

    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    MouseEvent OnMouseDown;
    MouseMoveEvent OnMouseMove;
    MouseEvent OnMouseUp;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_clickPending = false;
};
