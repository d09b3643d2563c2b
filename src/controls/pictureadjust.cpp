#include "pictureadjust.h"

#include "roundnearest.h"

#include <algorithm>

int lightenChannel(int channel, int lightness)
{
    // Darkening scales toward black so that -255 gives black just as 255 gives white.
    const int distance = lightness >= 0 ? 255 - channel : channel;
    return std::clamp(channel + lightness * distance / 255, 0, 255);
}

int grayLevel(int red, int green, int blue)
{
    return roundNearest(0.3 * red + 0.59 * green + 0.11 * blue);
}

QImage adjustPicture(const QImage &source, int lightness, bool grayScale)
{
    QImage result = source.convertToFormat(QImage::Format_RGB888);
    if (lightness == 0 && !grayScale)
        return result;
    for (int y = 0; y < result.height(); ++y) {
        uchar *pixel = result.scanLine(y);
        for (int x = 0; x < result.width(); ++x, pixel += 3) {
            int red = lightenChannel(pixel[0], lightness);
            int green = lightenChannel(pixel[1], lightness);
            int blue = lightenChannel(pixel[2], lightness);
            if (grayScale)
                red = green = blue = grayLevel(red, green, blue);
            pixel[0] = static_cast<uchar>(red);
            pixel[1] = static_cast<uchar>(green);
            pixel[2] = static_cast<uchar>(blue);
        }
    }
    return result;
}
