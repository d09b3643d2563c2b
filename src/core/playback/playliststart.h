#pragma once

#include <QString>
#include <functional>

// Play with nothing paused or playing: what to open from the playlist.
struct TPlaylistStartInput
{
    bool playlistEmpty = true;
    QString currentName;          // playlist CurrentFileName
    bool playlistShowing = false; // the playlist window is showing
    QString selectedName;         // playlist SelectedFileName
};

struct TPlaylistStart
{
    bool runOpenDialog = false;       // empty playlist: command 323 instead
    bool makeSelectedCurrent = false; // the focused entry becomes current before opening
    QString name;                     // OpenFile(name)
};

namespace PlaylistStart {

// takeFirst is the playlist's First; it is called only when neither the current nor the
// selected entry gives a name.
TPlaylistStart Decide(const TPlaylistStartInput &input, const std::function<QString()> &takeFirst);

} // namespace PlaylistStart
