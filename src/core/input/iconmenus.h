#pragma once

#include "menus/taction.h"
#include "menus/videomenus.h"

#include <QPoint>
#include <QRect>

struct TInputState;
struct TSettingsRecord;

// The icons that have an on-video menu.
enum class TMenuIcon { iOpen, iPlay, iPlayList, iProp, iHelp, iFullScr, iClose };

// The playlist icon offers the disc's menus in DVD mode.
TVideoMenu MenuOfIcon(TMenuIcon icon, bool dvdMode);

// Where an icon's menu opens, in the main window's coordinates.
struct TIconPlace
{
    QRect icon;              // within its panel
    int borderIconsLeft = 0; // panBorderIcons' left, for iFullScr and iClose
    int allTop = 0;          // the theme's extra downward offset
};
QPoint MenuOrigin(TMenuIcon icon, const TIconPlace &place, bool fsScale, bool fullScreen);

// The mouse entering an icon, and a button pressed on it.
TActionList IconMouseEnter(TMenuIcon icon, const TIconPlace &place, const TInputState &state,
                           const TSettingsRecord &settings);
TActionList IconMouseDown(TMenuIcon icon, Qt::MouseButton button, const TIconPlace &place,
                          const TInputState &state, const TSettingsRecord &settings);
