#pragma once

#include "shiftstate.h"

#include <QWidget>
#include <functional>

// The mouse events every skinned button and label offers its owner.
class TGraphicControl : public QWidget
{
    Q_OBJECT

public:
    using NotifyEvent = std::function<void(QWidget *sender)>;
    using MouseEvent = std::function<void(QWidget *sender, Qt::MouseButton button,
                                          TShiftState shift, int x, int y)>;
    using MouseMoveEvent = std::function<void(QWidget *sender, TShiftState shift, int x, int y)>;

    explicit TGraphicControl(QWidget *parent = nullptr);

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
