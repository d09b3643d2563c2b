#pragma once

#include <QString>

// Names that media and discs spell in upper case ("VIDEO_TS", "VIDEO_TS.IFO",
// marker files) must be found whatever their case on file systems that tell
// case apart. Returns the existing path with its real spelling, or an empty
// string. Only the folders on the way are listed, never anything below them.
QString findPathIgnoringCase(const QString &folder, const QString &relativePath);
