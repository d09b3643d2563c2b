#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Wildcard masks as the open dialog and the disc search use them: "*" stands for any
// run of characters, "?" for exactly one, and letter case does not count. An empty
// mask and "*.*" match every name.
bool MatchesFileMask(QStringView name, QStringView mask);

// The masks of a ";"-separated list in list order; empty pieces are dropped, so a
// list with or without a final ";" gives the same masks.
QStringList SplitMaskList(const QString &maskList);
