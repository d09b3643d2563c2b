#pragma once

#include "playlist/playlistoutcome.h"

#include <QStringList>

class TPlayListModel;

// The dispatcher's playlist commands, on the model alone: each applies its rule
// and says what the caller should open or show.

// 28 and 25 outside DVD mode: the next (previous) playable entry.
PlaylistOutcome NextFileCommand(TPlayListModel &model);
PlaylistOutcome PreviousFileCommand(TPlayListModel &model);

// 302 when nothing is playing or paused: an empty list asks for the open dialog;
// otherwise the current entry, else the focused one when the window is showing,
// else the first playable entry.
PlaylistOutcome StartPlaylistCommand(TPlayListModel &model, bool windowShowing);

// 333, playlist part (only when the window is showing): 0 plays the focused entry,
// 1 and 2 move the focus up and down. mediaActive: a medium is playing or paused.
PlaylistOutcome ListNavigationCommand(TPlayListModel &model, int parameter, bool windowShowing,
                                      bool mediaActive);

// 334 once the add-files dialog returned its choice: DVD entry files are left
// out, playlist files are read and appended, other files appended. Nothing plays.
PlaylistOutcome AddFilesCommand(TPlayListModel &model, const QStringList &chosen);

// 323 once the open dialog returned its choice: a DVD entry file opens that DVD
// and nothing else; otherwise the choice replaces the list and the first plays.
PlaylistOutcome OpenFilesCommand(TPlayListModel &model, const QStringList &chosen);

// The delete-file command of both menus.
PlaylistOutcome DeleteFileCommand(TPlayListModel &model, bool windowShowing, bool mediaActive);

// The text the add-files command shows; it is not in the language table.
QString FilesAddedStatusText();
// True for a DVD's entry file "VIDEO_TS.IFO", whatever the letter case.
bool IsDvdEntryFile(const QString &fileName);
