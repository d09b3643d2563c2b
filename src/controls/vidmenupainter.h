#pragma once

#include "tcolor.h"
#include "vidmenulayout.h"

#include <QFont>
#include <QSize>

class QPainter;

// The colours and fonts a menu is drawn with.
struct TVidMenuLook
{
    TColor color = clBlack;
    TColor colorBorder = clAqua;
    TColor gradColor1 = 255;
    TColor gradColor2 = 166;
    TColor fontColor = clBlack;
    TColor fontColorBorder = clBlack;
    TColor fontColorChecked = clWhite;
    TColor fontColorCheckedBorder = clBlack;
    QFont font;
    QFont fontShortCut; // face only; drawn at the size of font
    TColor fontShortCutColor = clBlack;
    int clearBorder = 1;
    bool wide = false;
};

// What a row shows of its menu item at the moment of painting.
struct TVidMenuRowState
{
    TMenuCaption text;
    bool hot = false;
    bool enabled = true;
    bool checked = false;
};

// The window behind the rows: background, rounded frame and the tab.
void paintVidMenuFrame(QPainter &painter, QSize size, const TVidMenuLook &look);

// One row: separator line, or highlight, outlined caption and short-cut text.
void paintVidMenuRow(QPainter &painter, QSize size, const TVidMenuRowState &row,
                     const TVidMenuLook &look, int captionWidth);

// The colour of one pixel row of a highlight gradient drawn in as many bands as the row is wide.
QColor vidMenuGradientAt(TColor top, TColor bottom, int y, int height, int steps);
