#pragma once

#include "vidmenulayout.h"

#include <QWidget>

class TVideoPopupMenu;

// One drawn row of an open menu, mirroring the menu item whose index it keeps as its tag.
class TVMenuItem : public QWidget
{
    Q_OBJECT

public:
    TVMenuItem(TVideoPopupMenu *menu, const TVidMenuRowGeometry &row, QWidget *parent);

    QString FullCaption() const { return m_fullCaption; }
    TMenuCaption Text() const { return m_text; }
    int Tag() const { return m_tag; }
    bool Hot() const { return m_hot; }
    void setHot(bool hot);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool itemEnabled() const;

    TVideoPopupMenu *m_menu;
    QString m_fullCaption;
    TMenuCaption m_text;
    int m_tag;
    bool m_hot = false;
    bool m_pressed = false;
};
