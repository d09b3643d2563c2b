#pragma once

#include <QString>

// Opens a DVD folder with the same navigator the player uses, with nothing shown or heard,
// and tells whether it got as far as a first picture. Meant for a process of its own: the disc
// reader library crashes on some damaged navigation files, and that must not take the player
// with it. An empty folder means the default drive.
namespace DiscProbe {

enum Result { Opened = 0, Refused = 1, TimedOut = 2 };

Result OpenDvd(const QString &folder, int timeoutMs);

} // namespace DiscProbe
