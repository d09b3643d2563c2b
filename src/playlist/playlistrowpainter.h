#pragma once

#include "playlistcolors.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <optional>

class QFont;
class QPainter;

// One row of the playlist as the list draws it.
struct TPlayListRow
{
    QRect rect;
    QString title;
    bool current = false; // the entry being played
    bool selected = false;
    bool focused = false; // the list's focused item while the list has the keyboard focus
};

namespace PlayListRowPainter {

// The selection gradient before it is stretched over a row: one pixel wide and `rows` high,
// row r holding top + r * (bottom - top) / rows in each channel (integer division).
QImage SelectionStrip(TColor top, TColor bottom, int rows);

// The point where a row's title starts: 4 pixels in, centred on the height of "0".
QPoint TextOrigin(const QRect &row, const QFont &font);

// Background, outlined title and focus rectangle of one row. stripRows is the right edge of the
// clip rectangle of the list's canvas, which sets the gradient's resolution. Without a
// background an unselected row leaves what is under it (the picture, when docked).
void Paint(QPainter &painter, const TPlayListRow &row, const TPlayListColors &colors,
           std::optional<TColor> background, int stripRows);

} // namespace PlayListRowPainter
