#pragma once

#include "tcolor.h"

#include <QWidget>

// The close glyph at the docked playlist's top right corner: a curved stroke and a cross in
// the frame colour. A click hides the window.
class TPlayListCloseBox : public QWidget
{
    Q_OBJECT

public:
    explicit TPlayListCloseBox(QWidget *parent = nullptr);

    void SetColor(TColor color);
    // Draws the glyph with its top left corner at the painter's origin.
    static void PaintGlyph(QPainter &painter, TColor color);

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TColor m_color = clRed;
};
