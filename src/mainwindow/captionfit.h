#pragma once

#include <QRect>
#include <functional>

// Sizes of the two status captions.
namespace CaptionFit {

constexpr int kStartHeightFullScreen = 109;
constexpr int kStartHeightWindowed = 59;
constexpr int kSmallestHeight = 19;
// Font size 17 at 96 dots per inch, for when captions do not scale.
constexpr int kFixedHeight = 23;

struct TLargeCaption
{
    int fontHeight = 0; // character height in pixels
    int width = 0;      // panel width
};

// The large caption: from a height that depends on the mode, one pixel smaller at a time while
// it is 70 pixels short of the video area's width or wider, but never below 19 even if it still
// does not fit. textWidth measures the text at a character height.
TLargeCaption FitLarge(const std::function<int(int height)> &textWidth, int globWidth,
                       bool fullScreen, bool captionScale);
// Left of the large caption: 35 pixels from the right edge.
int LargeLeft(int width, int globWidth);

// The small caption's rectangle (left and width) for a text this wide.
QRect SmallGeometry(int textWidth, int globWidth, int top, int height);

} // namespace CaptionFit
