#pragma once

#include <QRect>
#include <QSize>

// Where every floating panel of the main window sits for one size of the video area. The
// panels hug the edges they are anchored to; the transport bar and the large clock keep their
// centre at the same fraction of the width; the vertical bars stretch between the icon bar
// and the time line.
struct TPanelLayout
{
    static constexpr QSize kDesignGlob{455, 353};

    QRect panMainMenu;
    QRect panBorderIcons;
    QRect pnTime;
    QRect pnStatus2;
    QRect PanVolume;
    QRect PanZoom;
    QRect panTimeLine;
    QRect pnTime2;
    QRect pnStatus;
    QRect pnPlay;

    int iconSize = 32;  // the square buttons of both icon bars
    int plHeight = 16;  // the slider inside panTimeLine, aligned to its bottom
    int sliderLeft = 7; // lVolume and lZoom inside their panels
    int sliderWidth = 16;

    // The form as designed, before any resize.
    static TPanelLayout Design();
};

// FormResize for a video area of this size. `previous` carries the sizes the panels have taken
// on their own (the clock's width, the status captions' width and right-hand gap), which a
// resize keeps; `fullScreen` moves the transport bar just above the slider and `large` is the
// full-screen icon layout.
TPanelLayout ComputePanelLayout(QSize glob, bool fullScreen, bool large,
                                const TPanelLayout &previous, QSize previousGlob);
