#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Called after every directory entry of a search so the caller can keep its window
// responsive (for instance by running pending events). Returning false stops the search.
using TScanYield = std::function<bool()>;

// Appends the full path of every regular file in the folder (and, with recurse, in all its
// sub-folders, depth first) whose name matches the mask; an empty mask matches every file.
// Hidden files are included. Folders reached through symbolic links are not entered, so a
// link loop on a disc cannot make the search endless. Returns false when the yield stopped it.
bool FindFiles(const QString &folder, const QString &mask, bool recurse, QStringList &list,
               const TScanYield &yield = {});

// One recursive search for every mask of a ";"-separated list. The tree is walked once,
// but the results come grouped by mask in list order, each group in walk order, as if
// each mask had been searched on its own; a file matching two masks appears in both groups.
bool FindFilesByMasks(const QString &folder, const QString &maskList, QStringList &list,
                      const TScanYield &yield = {});
