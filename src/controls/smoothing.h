#pragma once

#include "tcolor.h"

#include <QImage>

// One smoothing pass over a bitmap, in place. The image is first converted to 24 bits per pixel.
// Every inner pixel that is not of the key colour becomes the average of its four neighbours;
// the pass runs top to bottom, left to right, so the neighbours above and to the left are
// already smoothed. The outermost rows and columns never change.
void smoothPass(QImage &image, TColor key);
