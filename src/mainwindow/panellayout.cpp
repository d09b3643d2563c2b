#include "panellayout.h"

#include <cmath>

namespace {

constexpr int kGap = 5;

// A control anchored to neither side keeps its centre at the same fraction of the width.
int centredLeft(const QRect &design, int width, int globWidth)
{
    const double centre = (2.0 * design.left() + design.width()) / 2.0;
    const double fraction = centre / TPanelLayout::kDesignGlob.width();
    return static_cast<int>(std::nearbyint(fraction * globWidth - width / 2.0));
}

// Right-anchored panels keep their distance from the right edge.
int keepRightGap(const QRect &rect, int globWidth, int previousGlobWidth)
{
    return rect.left() + (globWidth - previousGlobWidth);
}

} // namespace

TPanelLayout TPanelLayout::Design()
{
    TPanelLayout l;
    l.panMainMenu = QRect(3, 5, 160, 32);
    l.panBorderIcons = QRect(354, 5, 96, 32);
    l.pnTime = QRect(249, 15, 104, 20);
    l.pnStatus2 = QRect(345, 45, 81, 30);
    l.PanVolume = QRect(1, 48, 32, 269);
    l.PanZoom = QRect(417, 88, 32, 222);
    l.panTimeLine = QRect(14, 313, 428, 36);
    l.pnTime2 = QRect(162, 267, 133, 42);
    l.pnStatus = QRect(345, 310, 81, 23);
    l.pnPlay = QRect(82, 278, 288, 32);
    return l;
}

TPanelLayout ComputePanelLayout(QSize glob, bool fullScreen, bool large,
                                const TPanelLayout &previous, QSize previousGlob)
{
    const TPanelLayout design = TPanelLayout::Design();
    const int w = glob.width();
    const int h = glob.height();
    TPanelLayout l = previous;

    l.iconSize = large ? 48 : 32;
    l.plHeight = large ? 24 : 16;
    l.sliderLeft = large ? 4 : 7;
    l.sliderWidth = large ? 24 : 16;

    l.panMainMenu = QRect(3, 5, 5 * l.iconSize, l.iconSize);
    const int borderWidth = 3 * l.iconSize;
    l.panBorderIcons = QRect(w - borderWidth - kGap, 5, borderWidth, l.iconSize);
    l.pnTime.moveLeft(l.panBorderIcons.left() - 105);

    const int lineHeight = large ? 50 : 36;
    l.panTimeLine
        = QRect(design.panTimeLine.left(), h - lineHeight - kGap,
                w - (TPanelLayout::kDesignGlob.width() - design.panTimeLine.width()), lineHeight);

    const int volumeTop = l.panMainMenu.bottom() + 1 + kGap;
    l.PanVolume = QRect(design.PanVolume.left(), volumeTop, design.PanVolume.width(),
                        l.panTimeLine.top() - volumeTop - kGap);

    l.pnStatus.moveTop(l.panTimeLine.top() - kGap);
    l.pnStatus.moveLeft(keepRightGap(previous.pnStatus, w, previousGlob.width()));
    l.pnStatus2.moveLeft(keepRightGap(previous.pnStatus2, w, previousGlob.width()));

    l.pnTime2.moveTop(l.pnStatus.top() - l.pnTime2.height());
    l.pnTime2.moveLeft(centredLeft(design.pnTime2, l.pnTime2.width(), w));

    const int plTop = l.panTimeLine.height() - l.plHeight;
    const int playTop = fullScreen ? l.panTimeLine.top() + plTop - l.pnPlay.height() - kGap
                                   : l.pnStatus.top() - l.pnPlay.height();
    l.pnPlay.moveTop(playTop);
    l.pnPlay.moveLeft(centredLeft(design.pnPlay, l.pnPlay.width(), w));

    const int zoomRightGap = TPanelLayout::kDesignGlob.width() - design.PanZoom.right() - 1;
    l.PanZoom = QRect(w - design.PanZoom.width() - zoomRightGap, design.PanZoom.top(),
                      design.PanZoom.width(), l.pnStatus.top() - design.PanZoom.top() - kGap);
    return l;
}
