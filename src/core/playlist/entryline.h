#pragma once

#include "playlist/tplaylistentry.h"

#include <QString>
#include <QStringView>
#include <optional>

// The text form of one playlist entry: the path alone, or the path, ", " and the
// title in double quotes. The same form is used by the stored playlist, by .mls
// files, by dropped files and by every other way of adding a file.
namespace EntryLine {

struct Parts
{
    QString path;
    QString title;
    bool hasTitle = false;
};

// Strips spaces and control characters (everything up to U+0020) from both ends.
QStringView trimmed(QStringView text);

// An absolute path: one that is not taken relative to some folder. A stream
// address counts as one.
bool hasDrivePart(QStringView path);

// Splits a (trimmed) line. Empty when nothing usable remains: an empty path, or a
// path with a NUL character, which no file system can name.
std::optional<Parts> split(QStringView line);

// The file name without its extension, every "_" shown as a space.
QString defaultTitle(QStringView path);

// The second form, as stored and written: path, comma, space, quoted title. Line
// breaks and the text end-of-file mark would cut the entry when read back, so they
// become spaces.
QString format(const TPlayListEntry &entry);

// Everything adding an entry does to a line: trim, prefix a relative line with
// the application folder (which ends in a separator), split, fall back to the given
// title and then to the default title. Empty when the line is dropped.
std::optional<TPlayListEntry> makeEntry(QStringView line, QStringView title,
                                        const QString &appFolder);

} // namespace EntryLine
