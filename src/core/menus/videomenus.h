#pragma once

#include "tmenumodel.h"

#include <QtGlobal>
#include <array>
#include <span>

// The eight menus drawn over the video, each hanging from an icon.
enum class TVideoMenu { pmOpen, pmPlay, pmProp, pmPlayList, pmDVDMenu, pmHelp, pmClose, pmMonitor };

constexpr std::array<TVideoMenu, 8> kAllVideoMenus
    = {TVideoMenu::pmOpen,    TVideoMenu::pmPlay, TVideoMenu::pmProp,  TVideoMenu::pmPlayList,
       TVideoMenu::pmDVDMenu, TVideoMenu::pmHelp, TVideoMenu::pmClose, TVideoMenu::pmMonitor};

const char *VideoMenuName(TVideoMenu menu);
std::span<const TMenuItemDef> VideoMenuItems(TVideoMenu menu);

// The stored look shared by the eight menus; colours 0x00BBGGRR, font heights in pixels
// (negative: character height). A theme and the overlay colour key override colours later.
struct TVideoMenuAppearance
{
    const char *fontName = "MS Sans Serif";
    int fontHeight = -13;
    quint32 fontColor = 0x00FF00; // lime
    int shortCutFontHeight = -19;
    quint32 shortCutFontColor = 0xFF0000; // blue
    quint32 color = 0x000000;
    quint32 gradColor1 = 0x0000FF; // red
    quint32 gradColor2 = 166;
    quint32 colorBorder = 0xFFFF00; // aqua
    quint32 fontColorBorder = 0x000000;
    quint32 fontColorCheckedBorder = 0x000000;
    quint32 fontColorSelectBorder = 0x000000;
    quint32 fontColorSelect = 0xFFFFFF;
    quint32 fontColorChecked = 0xFFFFFF;
    bool wide = false;
    int clearBorder = 1;
};

// The menus of the right-hand icons put their tab on the right.
TVideoMenuAppearance VideoMenuAppearance(TVideoMenu menu);

// Applied each time an on-video menu opens.
struct TVideoMenuOpeningLook
{
    bool wide = false;
    int fontSize = 0; // points; 0 keeps the current size
};
TVideoMenuOpeningLook VideoMenuOpeningLook(bool fsScale, bool fullScreen);
