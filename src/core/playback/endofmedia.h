#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

// What the player does once a medium has played to its end, after it was closed, its
// resume position forgotten and the power-off-at-end-of-film request handled.
struct TEndOfMediaInput
{
    bool isLastPlayable = false; // no playable entry after the current one
    bool exitAtEnd = false;      // "-EEND"
    bool onEndToPlay = false;    // OnEndToPlay: go round the list again
    QString currentName;         // playlist CurrentFileName
    qint64 durationSeconds = 0;  // of the medium that ended, taken before closing
};

enum class TEndOfMediaAction {
    Exit,    // command 75
    Idle,    // close, show the main menu icons, clear the media-open flag
    OpenNext // OpenFile(next)
};

struct TEndOfMediaDecision
{
    // The list has ended: plug-ins event 9 and the power-off-at-end-of-list request come
    // before the action.
    bool listEnded = false;
    TEndOfMediaAction action = TEndOfMediaAction::Idle;
    QString next;
};

namespace EndOfMedia {

// takeNext is the playlist's Next (it moves the current entry and wraps to the start); it is
// called only when the list goes on. A list that comes back to the same file repeats it only
// when it lasted more than a second, so a broken or empty file does not restart for ever.
TEndOfMediaDecision Decide(const TEndOfMediaInput &input, const std::function<QString()> &takeNext);

} // namespace EndOfMedia
