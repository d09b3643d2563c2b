#include "menudistance.h"

int MenuDistance(const QRect &menu, const QPoint &cursor)
{
    // Edges as the window system gives them: right and bottom lie just outside.
    const int right = menu.x() + menu.width();
    const int bottom = menu.y() + menu.height();
    if (cursor.x() - right > 0)
        return cursor.x() - right;
    if (cursor.y() - bottom > 0)
        return cursor.y() - bottom;
    if (menu.y() - cursor.y() > 0)
        return menu.y() - cursor.y();
    if (menu.x() - cursor.x() > 0)
        return menu.x() - cursor.x();
    return 0;
}
