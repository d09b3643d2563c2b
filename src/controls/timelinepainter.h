#pragma once

#include "tcolor.h"

#include <QImage>
#include <QPoint>
#include <QSize>

enum class TGaugeKind { gkHorizontalBar, gkVerticalBar };

// Everything that decides how a slider looks.
struct TTimeLineLook
{
    TGaugeKind kind = TGaugeKind::gkHorizontalBar;
    QSize size;
    int maxValue = 100;
    int progress = 50;
    TColor foreColor = clBlack;
    TColor backColor = clWhite;
    TColor color = clWhite;
    bool select = false;
    TColor selectForeColor = clBlack;
    TColor selectBackColor = clBlack;
    int backIslessFore = 2;
    int mode = 1;
    int mode2Div = 19;
    int antiAliasLevel = 0;
};

// Length of the filled part in pixels: along the width for horizontal bars, the height for
// vertical ones. It runs one pixel past the control at the top of the range.
int timeLineFilledLength(TGaugeKind kind, QSize size, int progress, int maxValue);

// The value under a point of the control, not clamped to the range.
int timeLineValueAt(TGaugeKind kind, QSize size, int maxValue, QPoint point);

// The slider drawn on a bitmap one pixel larger on every side than the control; the control's
// pixel (x, y) is the bitmap's (x + 1, y + 1).
QImage renderTimeLine(const TTimeLineLook &look);
