#include "playback/playliststart.h"

namespace PlaylistStart {

TPlaylistStart Decide(const TPlaylistStartInput &input, const std::function<QString()> &takeFirst)
{
    TPlaylistStart start;
    if (input.playlistEmpty) {
        start.runOpenDialog = true;
        return start;
    }
    start.name = input.currentName;
    if (start.name.isEmpty() && input.playlistShowing) {
        start.name = input.selectedName;
        start.makeSelectedCurrent = !start.name.isEmpty();
    }
    if (start.name.isEmpty() && takeFirst)
        start.name = takeFirst();
    return start;
}

} // namespace PlaylistStart
