#pragma once

#include "tmenumodel.h"

#include <QString>
#include <functional>
#include <string_view>

class TLang;

// What the menus look at when they open.
struct TMenuState
{
    bool mediaActive = false;
    bool dvdMode = false;
    bool dvdMenuOnScreen = false; // DVD mode and the current title has no length
    bool fullScreen = false;
    bool topMost = false;
    int audioStreams = 0;
    int playlistCount = 0;
    bool shutDownAfterFile = false;
    bool shutDownAfterList = false;
    QString languageName = QStringLiteral("Russian");
    bool minimised = false;
    int windowMonitor = 0; // monitors count from 0
    int monitorCount = 1;
    QString sound1Caption; // "tavrel.ini" [sound] sound1; empty: the language text
    QString sound2Caption;
};

struct TMenuItemState
{
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    int textIndex = TMenuItemDef::kNoText; // replaces the declared entry when set
    QString caption;                       // replaces any language text when not empty
};

// The state of the named item of any of the player's menus, for the player state given.
// Items without a rule are visible, enabled and unchecked.
TMenuItemState MenuItemState(std::string_view name, const TMenuState &state);

// The caption an item shows; with `shortCutColumn` (on-video menus) the short cut follows
// after "|".
QString MenuItemCaption(const TMenuItemDef &item, const TMenuItemState &itemState,
                        const TLang &lang, bool shortCutColumn);
// The same with the language table reached through a function (the player's current texts).
QString MenuItemCaption(const TMenuItemDef &item, const TMenuItemState &itemState,
                        const std::function<QString(int)> &text, bool shortCutColumn);
