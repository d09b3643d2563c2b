#pragma once

#include <QString>
#include <QStringView>

class QSettings;
class TPlayListModel;

// The stored copy of the playlist: the value "PlayList" of the user's settings,
// one entry line (path, ", ", quoted title) per entry, each ended by CR LF.

QString PlaylistToStoredText(const TPlayListModel &model);
// Appends an entry for every non-empty line (CR LF, LF or CR ends a line).
void RestorePlaylistFromText(TPlayListModel &model, QStringView text);
// Non-empty lines of a stored value.
int CountStoredPlaylistLines(QStringView text);

void StoreToRegistry(const TPlayListModel &model, QSettings &settings);
void RestoreFromRegistry(TPlayListModel &model, const QSettings &settings);

// Exit: the list is stored, except that a single entry does not replace a stored
// list of several when exitNoSaveOne is on. Returns whether it was stored.
bool StorePlaylistAtExit(const TPlayListModel &model, QSettings &settings, bool exitNoSaveOne);
// Whether the exit rule above keeps the stored value.
bool KeepStoredPlaylistAtExit(int currentCount, QStringView storedText, bool exitNoSaveOne);

// Start-up: the stored list is read only when the program got no arguments.
// Returns whether the list holds entries afterwards (the window then applies its
// stored state: floating or docked, bounds, shown).
bool RestorePlaylistAtStartup(TPlayListModel &model, const QSettings &settings, bool hasArguments);
