#include "captionfit.h"

namespace CaptionFit {

TLargeCaption FitLarge(const std::function<int(int height)> &textWidth, int globWidth,
                       bool fullScreen, bool captionScale)
{
    if (!captionScale)
        return {kFixedHeight, textWidth(kFixedHeight) + 2};
    int height = fullScreen ? kStartHeightFullScreen : kStartHeightWindowed;
    int width = textWidth(height) + 2;
    while (width >= globWidth - 70 && height > kSmallestHeight) {
        --height;
        width = textWidth(height) + 2;
    }
    return {height, width};
}

int LargeLeft(int width, int globWidth)
{
    return globWidth - width - 35;
}

QRect SmallGeometry(int textWidth, int globWidth, int top, int height)
{
    return QRect(globWidth - textWidth - 9, top, textWidth + 4, height);
}

} // namespace CaptionFit
