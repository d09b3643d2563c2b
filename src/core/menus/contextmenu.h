#pragma once

#include "tmenumodel.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <span>
#include <vector>

// The system context menu of the picture (right click).
std::span<const TMenuItemDef> ContextMenuItems();

// One item of the drive submenu `N36`, rebuilt every time it opens.
struct TDriveMenuItem
{
    QString name;
    QString caption;
    bool enabled = true;
    bool separator = false;
    bool checked = false;
    TAction action = TAction::of(TActionKind::Command);
};

// The subtitle submenu: "Off", one item per track ("Track n" and its language in
// brackets when known), a separator and "Load subtitle file..."; the track shown
// (0 none) is checked; loading is disabled where a file cannot be shown (a disc).
// textOf gives language texts.
std::vector<TDriveMenuItem> SubtitleSubmenu(const QStringList &trackLanguages, int currentTrack,
                                            const std::function<QString(int)> &textOf,
                                            bool canLoadFile = true);

// The disabled separator `N72`, then one item per drive caption ("D [label]", in the order
// given); an item plays the drive named by the first character of its caption.
std::vector<TDriveMenuItem> DriveSubmenu(const QStringList &driveCaptions);
