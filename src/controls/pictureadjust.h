#pragma once

#include <QImage>

// One channel brightened (positive lightness) or darkened (negative) by lightness/255 of the way
// to white or to black, limited to 0..255.
int lightenChannel(int channel, int lightness);

// The grey level of a colour with the usual luminance weights.
int grayLevel(int red, int green, int blue);

// The picture a button shows: each channel lightened, then optionally turned to grey.
QImage adjustPicture(const QImage &source, int lightness, bool grayScale);
