#include "colortable.h"

namespace {

void set(QImage &table, int x, int y, QRgb colour)
{
    table.setPixel(x, y, colour);
}

} // namespace

QImage AmberColorTable()
{
    QImage t(20, 4, QImage::Format_RGB32);
    t.fill(qRgb(0, 0, 0));
    const QRgb amber = qRgb(255, 176, 48), amberDark = qRgb(90, 56, 16);
    const QRgb cream = qRgb(255, 225, 170), brown = qRgb(40, 20, 0);
    const QRgb frame = qRgb(200, 130, 40);

    // Row 0: sliders and labels of the main window, the playlist's background.
    set(t, 0, 0, amber), set(t, 1, 0, amberDark);
    set(t, 3, 0, qRgb(255, 200, 80)), set(t, 4, 0, qRgb(100, 70, 20));
    set(t, 6, 0, qRgb(240, 140, 40)), set(t, 7, 0, qRgb(90, 50, 15));
    set(t, 9, 0, qRgb(255, 210, 120)), set(t, 10, 0, brown);
    set(t, 11, 0, qRgb(255, 190, 60)), set(t, 12, 0, qRgb(30, 15, 0));
    set(t, 13, 0, qRgb(255, 220, 140)), set(t, 14, 0, brown);
    set(t, 15, 0, qRgb(255, 240, 210)), set(t, 16, 0, qRgb(50, 25, 0));
    set(t, 17, 0, amber), set(t, 18, 0, brown);
    set(t, 19, 0, qRgb(24, 16, 8));

    // Row 1: menu fonts and their borders, playlist rows, the docked frame.
    for (int i = 0; i < 7; ++i)
        set(t, 2 * i, 1, cream), set(t, 2 * i + 1, 1, qRgb(60, 30, 0));
    set(t, 14, 1, qRgb(240, 210, 160)), set(t, 15, 1, qRgb(30, 15, 0));
    set(t, 16, 1, qRgb(255, 190, 60)), set(t, 17, 1, brown);
    set(t, 18, 1, frame);

    // Row 2: menu borders, checked items, the picture window.
    for (int i = 0; i < 7; ++i)
        set(t, i, 2, frame);
    for (int i = 7; i < 10; ++i)
        set(t, i, 2, qRgb(255, 200, 80)), set(t, i + 3, 2, qRgb(60, 30, 0));
    set(t, 13, 2, frame);
    set(t, 14, 2, amber), set(t, 15, 2, amberDark);
    set(t, 16, 2, qRgb(255, 220, 120)), set(t, 17, 2, qRgb(120, 80, 20));
    set(t, 18, 2, qRgb(255, 210, 120)), set(t, 19, 2, brown);

    // Row 3: the hover time, menu gradients, selected playlist rows.
    set(t, 0, 3, qRgb(255, 240, 200)), set(t, 1, 3, brown);
    for (int i = 0; i < 7; ++i)
        set(t, 2 + 2 * i, 3, qRgb(70, 45, 15)), set(t, 3 + 2 * i, 3, qRgb(25, 15, 5));
    set(t, 16, 3, qRgb(120, 80, 20)), set(t, 17, 3, qRgb(60, 35, 10));
    set(t, 18, 3, qRgb(80, 60, 40)), set(t, 19, 3, qRgb(40, 30, 20));
    return t;
}
