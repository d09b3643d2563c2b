#pragma once

#include "tcolor.h"

#include <optional>

class TColorTable;

// The colours of the playlist window: its own defaults, then the theme's colour table cell by
// cell (row 1 always, the selection cells of row 3 only when the table has that row).
struct TPlayListColors
{
    TColor text = clLime;
    TColor textOutline = clBlack;
    TColor currentText = clWhite;
    TColor currentOutline = clBlack;
    TColor frame = clRed;
    TColor floatingBackground = clBlack;
    TColor focusedTop = 0x0000FF;      // 255, 0, 0
    TColor focusedBottom = 0x0000A6;   // 166, 0, 0
    TColor unfocusedTop = 0x00C0FF;    // 255, 192, 0
    TColor unfocusedBottom = 0x00D0A6; // 166, 208, 0

    static TPlayListColors FromTable(const std::optional<TColorTable> &table);
};
