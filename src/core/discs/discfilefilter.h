#pragma once

#include <QString>

// Files a disc never offers for play: the CD-i player's data file and anything under
// 300000 bytes (menus, samples, stubs). A file whose size cannot be read is kept.
bool IsExcludedDiscFile(const QString &rootFolder, const QString &path);

// The DVD entry file "VIDEO_TS/VIDEO_TS.IFO" below the root, whatever the case of its
// name, when it starts with the video manager's signature; empty otherwise. A file of
// that name holding anything else cannot start a DVD, so the disc counts as files.
QString FindDvdEntryFile(const QString &rootFolder);
