#pragma once

#include <QString>

// The folder of the executable with a trailing separator: the player reads
// lang/, theme/, Plugins/ and "tavrel.ini" from there.
QString AppFolder();

// Where the player writes files it would keep beside the executable (the ini
// file, snapshots): the program folder when it is writable, else the user's
// data folder.
QString WritableAppFolder();
