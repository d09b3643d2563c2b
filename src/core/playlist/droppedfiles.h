#pragma once

#include "playlist/playlistoutcome.h"

#include <QStringList>

class QMimeData;
class TPlayListModel;

// Files dropped on the main window or on the playlist window.
// - A ".lnk" shortcut stands for its target (itself when it has no local target).
// - A dropped drive root (a name ending in a separator, or the root of a mounted
//   volume) that holds VIDEO_TS/VIDEO_TS.IFO plays that DVD; nothing else happens.
// - Dropped inside the showing playlist window, the names are appended and
//   nothing plays; anywhere else they replace the list and the first one plays.
// Playlist files are added as entries, not read.
PlaylistOutcome DropFiles(TPlayListModel &model, const QStringList &names, bool windowShowing,
                          bool cursorInsideWindow);

// The local files and folders and the stream addresses of a drag, in the order
// they were dragged.
QStringList DroppedFileNames(const QMimeData &data);

// The DVD entry file of a dropped name, or empty when the name is no DVD root.
QString DroppedDvdEntryFile(const QString &name);
