#pragma once

#include <QString>
#include <QStringView>

class TPlayListModel;
class TSettingsStore;

// The stored copy of the playlist: the setting "PlayList", one entry line (path,
// ", ", quoted title) per entry, each ended by CR LF. At exit the settings store
// writes it, keeping a longer stored list over a single entry when ExitNoSaveOne
// asks for that (TSettingsStore::saveAtExit with PlaylistToStoredText).

QString PlaylistToStoredText(const TPlayListModel &model);
// Appends an entry for every non-empty line (CR LF, LF or CR ends a line).
void RestorePlaylistFromText(TPlayListModel &model, QStringView text);

// Writes (reads) the stored value at once, outside the exit sequence.
void StoreToRegistry(const TPlayListModel &model, TSettingsStore &store);
void RestoreFromRegistry(TPlayListModel &model, const TSettingsStore &store);

// Start-up: the stored list is read only when the program got no arguments.
// Returns whether the list holds entries afterwards (the window then applies its
// stored state: floating or docked, bounds, shown).
bool RestorePlaylistAtStartup(TPlayListModel &model, const TSettingsStore &store,
                              bool hasArguments);
