#pragma once

#include <QString>

class TDiscDrives;

// The film title a home-made disc carries in its own files (the source depends on the
// disc's layout), or, for a lone file called VIDEOOUT, VIDEO or MOVIE, the disc's label.
// Every "_" reads as a space. Empty when the disc names no title, when the path is on
// none of the optical drives, and when a title file is missing or unreadable.
QString DiscTitle(const TDiscDrives &drives, const QString &path);
// The same for a path already known to be on the drive of that letter.
QString DiscTitle(const TDiscDrives &drives, QChar drive, const QString &path);
