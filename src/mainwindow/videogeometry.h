#pragma once

#include <QRect>
#include <QSize>

// The largest rectangle of the source's shape that fits the area, centred
// (letter- or pillar-boxed). An empty source or area gives an empty rectangle.
QRect FitPictureRect(const QSize &source, const QSize &area);
