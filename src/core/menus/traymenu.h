#pragma once

#include "tmenumodel.h"

#include <span>

// The menu of the notification-area icon; its short cuts are key sequences.
std::span<const TMenuItemDef> TrayMenuItems();
