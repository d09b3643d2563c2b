#pragma once

#include "tmenumodel.h"

#include <span>

// The playlist window's own popup menu `pmPL`: the same operations as the main window's
// playlist menu.
std::span<const TMenuItemDef> PlayListMenuItems();
