#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// One filter reads every supported playlist format: it drops the lines it knows
// to be metadata of one of them, unwraps the single-line reference forms of .asx
// files, and turns what is left into an entry line. Relative lines are taken
// against the playlist's folder (which ends in a separator). Empty when the line
// is dropped.
std::optional<QString> filterPlaylistLine(QStringView line, const QString &playlistFolder);
