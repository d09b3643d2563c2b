#include "smoothing.h"

void smoothPass(QImage &image, TColor key)
{
    if (image.isNull())
        return;
    if (image.format() != QImage::Format_RGB888)
        image.convertTo(QImage::Format_RGB888);
    const uchar keyRgb[3] = {static_cast<uchar>(key & 0xFF), static_cast<uchar>((key >> 8) & 0xFF),
                             static_cast<uchar>((key >> 16) & 0xFF)};
    const int width = image.width();
    const int height = image.height();
    for (int y = 1; y <= height - 2; ++y) {
        const uchar *above = image.constScanLine(y - 1);
        uchar *row = image.scanLine(y);
        const uchar *below = image.constScanLine(y + 1);
        for (int x = 1; x <= width - 2; ++x) {
            uchar *pixel = row + 3 * x;
            if (pixel[0] == keyRgb[0] && pixel[1] == keyRgb[1] && pixel[2] == keyRgb[2])
                continue;
            for (int c = 0; c < 3; ++c) {
                const int sum = above[3 * x + c] + below[3 * x + c] + pixel[c - 3] + pixel[c + 3];
                pixel[c] = static_cast<uchar>(sum / 4);
            }
        }
    }
}
