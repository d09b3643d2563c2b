#pragma once

#include <QString>

// An entry is playable when its file exists at the moment of asking. One status
// query on the path itself, never a folder listing, so an absent disc or an
// unmounted drive answers "no" at once. Folders are not playable; a stream
// address always is.
bool IsPlayableFile(const QString &path);
