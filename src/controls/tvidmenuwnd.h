#pragma once

#include "vidmenulayout.h"

#include <QList>
#include <QWidget>

class TVideoPopupMenu;
class TVMenuItem;

// The window of one open on-video menu, a child of the control the menu is shown in.
class TVidMenuWnd : public QWidget
{
    Q_OBJECT

public:
    TVidMenuWnd(TVideoPopupMenu *menu, QWidget *parent);

    // Places the window, creates its rows and cuts it to its shape.
    void Build(const TVidMenuGeometry &geometry);
    const QList<TVMenuItem *> &Rows() const { return m_rows; }
    void ClearHot();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    TVideoPopupMenu *m_menu;
    QList<TVMenuItem *> m_rows;
};
