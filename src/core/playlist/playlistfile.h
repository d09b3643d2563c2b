#pragma once

#include <QString>

class TPlayListModel;

// True for the playlist formats the player reads: .mls, .bsl, .lap, .m3u, .m3u8,
// .lst, .pls, .asx (letter case ignored). Such files are read with
// LoadPlaylistFile instead of being added as media.
bool IsPlaylistFile(const QString &fileName);

// The load dialog's filter pattern for the formats above.
QString PlaylistFileMasks();

enum class PlaylistFileStatus {
    Done,
    NotFound,  // no such file: the list was left as it was, not even cleared
    ReadError, // lines read before the error stay added; a cleared list stays cleared
    WriteError // the file was left as it was before
};

// Reads a playlist file of any supported format and appends its entries; with
// clearList the list is emptied first (only once the file is known to exist).
// Relative entries are taken against the playlist's folder.
PlaylistFileStatus LoadPlaylistFile(TPlayListModel &model, bool clearList, const QString &fileName);

// Writes the whole list as an .mls file (UTF-8, one entry line per entry, CR LF),
// replacing the file only once everything was written.
PlaylistFileStatus SavePlaylistFile(const TPlayListModel &model, const QString &fileName);
