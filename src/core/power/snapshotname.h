#pragma once

#include <QString>
#include <functional>

// Where a snapshot of a medium goes: "<folder><file name>.scr_<n>.bmp" with the smallest n
// from 0 to 10000 whose file does not exist yet; empty when every one of them exists.
QString SnapshotFileName(const QString &folder, const QString &mediumName,
                         const std::function<bool(const QString &)> &exists);
