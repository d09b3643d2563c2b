#include "playback/endofmedia.h"

namespace {

// A file coming round again must have lasted longer than this to be repeated.
constexpr qint64 kShortestRepeatSeconds = 1;
// Stands for the duration when the list moves to another file: any file may follow.
constexpr qint64 kAnotherFileSeconds = 10;

} // namespace

namespace EndOfMedia {

TEndOfMediaDecision Decide(const TEndOfMediaInput &input, const std::function<QString()> &takeNext)
{
    TEndOfMediaDecision decision;
    if (input.isLastPlayable) {
        decision.listEnded = true;
        if (input.exitAtEnd) {
            decision.action = TEndOfMediaAction::Exit;
            return decision;
        }
        if (!input.onEndToPlay)
            return decision;
    }
    const QString next = takeNext ? takeNext() : QString();
    const qint64 duration = next != input.currentName ? kAnotherFileSeconds : input.durationSeconds;
    if (duration > kShortestRepeatSeconds && !next.isEmpty()) {
        decision.action = TEndOfMediaAction::OpenNext;
        decision.next = next;
    }
    return decision;
}

} // namespace EndOfMedia
