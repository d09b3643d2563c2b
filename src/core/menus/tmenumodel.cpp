#include "tmenumodel.h"

#include <string_view>

bool TMenuItemDef::isSeparator() const
{
    return caption && std::u16string_view(caption) == u"-";
}

const TMenuItemDef *FindMenuItem(std::span<const TMenuItemDef> items, std::string_view name)
{
    for (const TMenuItemDef &item : items) {
        if (name == item.name)
            return &item;
        if (const TMenuItemDef *inner = FindMenuItem(item.submenu, name))
            return inner;
    }
    return nullptr;
}
