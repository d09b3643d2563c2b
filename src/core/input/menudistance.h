#pragma once

#include <QPoint>
#include <QRect>

// How far the cursor is outside a menu, measured along one axis only: the gap to the right
// if there is one, else below, else above, else to the left; 0 inside. A menu further
// than kMenuCloseDistance closes as the mouse moves away.
int MenuDistance(const QRect &menu, const QPoint &cursor);

constexpr int kMenuCloseDistance = 50;
