#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Small text files on discs (marker files, title files). Only regular files are read, and
// only their first megabyte, so a device node, a pipe or a huge file named like a title
// file can neither block nor exhaust the player.
namespace DiscTextFile {

constexpr qint64 kMaxBytes = 1024 * 1024;

// The first bytes of a regular file; nothing when it is not one or cannot be read.
std::optional<QByteArray> readStart(const QString &path);

// The file's lines (UTF-8 when valid, else Windows-1251), split at CR LF, LF or a lone
// CR; a final line break does not start another line.
std::optional<QStringList> readLines(const QString &path);

// The path of a file below the disc root whatever the case of its name parts ("\" or
// "/" between parts); empty when there is no such regular file. Names that climb out of
// the root ("..") or start at the file system's root are refused.
QString findFile(const QString &root, const QString &relativePath);

} // namespace DiscTextFile
