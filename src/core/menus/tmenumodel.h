#pragma once

#include "taction.h"

#include <QString>
#include <span>
#include <string_view>

// One item of a menu as the program declares it. Captions come from the language table by
// entry; the few items with no entry keep a stored caption.
struct TMenuItemDef
{
    static constexpr int kNoText = -1;

    const char *name = "";
    int textIndex = kNoText;
    const char16_t *caption = nullptr; // stored caption; u"-" makes a separator
    const char16_t *shortCut
        = nullptr; // the second column of on-video menus, a key of system menus
    TAction action = TAction::of(TActionKind::Command);
    std::span<const TMenuItemDef> submenu = {};

    bool isSeparator() const;
    bool hasAction() const { return !isSeparator() && submenu.empty(); }
};

// Looks through submenus too.
const TMenuItemDef *FindMenuItem(std::span<const TMenuItemDef> items, std::string_view name);
