#include "tcolor.h"

QColor toQColor(TColor color)
{
    return QColor::fromRgb(toRgb(color));
}

TColor fromQColor(const QColor &color)
{
    return static_cast<TColor>(color.red()) | static_cast<TColor>(color.green()) << 8
           | static_cast<TColor>(color.blue()) << 16;
}

QRgb toRgb(TColor color)
{
    return qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}
