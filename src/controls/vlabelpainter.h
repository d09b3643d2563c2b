#pragma once

#include "tcolor.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

// Everything that decides how a label looks.
struct TVLabelLook
{
    QSize size;
    QFont font;
    QString caption;
    TColor color = clWhite;
    TColor colorShare = clBlack;
    TColor fontColor = clBlack;
    bool antiAlias = true;
    bool flat = false;
};

// Draws text with its top-left cell corner at the given point, as the skin positions captions.
void drawTextAt(QPainter &painter, QPoint topLeft, const QString &text);

// The label: the caption with a one-pixel halo in the share colour, optionally smoothed and
// optionally dimmed by a checkerboard of the background colour.
QImage renderVLabel(const TVLabelLook &look);
