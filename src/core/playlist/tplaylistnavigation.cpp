// Navigation over the playlist: which entry plays first, next and previous.
#include "playlist/playablefile.h"
#include "tplaylistmodel.h"

QString TPlayListModel::First()
{
    if (m_entries.empty()) {
        SetCurrent(-1);
        return {};
    }
    SetCurrent(0);
    const QString path = FileNameAt(0);
    return IsPlayableFile(path) ? path : Next();
}

QString TPlayListModel::Next()
{
    return Step(1);
}

QString TPlayListModel::Previous()
{
    return Step(-1);
}

// Walks from the current entry (entry 0 when none) in the given direction,
// wrapping around, until a playable entry is found; the start entry itself is
// tried last. The mark is moved only once the walk has ended.
QString TPlayListModel::Step(int direction)
{
    const int count = Count();
    if (count == 0)
        return {};
    const int start = std::max(CurrentIndex(), 0);
    int index = start;
    do {
        index = (index + direction + count) % count;
        const QString path = m_entries[static_cast<size_t>(index)].Info.FileName;
        if (IsPlayableFile(path)) {
            SetCurrent(index);
            return path;
        }
    } while (index != start);
    SetCurrent(-1);
    return {};
}

bool TPlayListModel::IsLastPlayable() const
{
    const int current = CurrentIndex();
    if (current < 0)
        return true;
    for (int i = current + 1; i < Count(); ++i) {
        if (IsPlayableFile(m_entries[static_cast<size_t>(i)].Info.FileName))
            return false;
    }
    return true;
}

QString TPlayListModel::PlaySelected(bool mediaActive)
{
    if (m_entries.empty())
        return {};
    if (m_itemIndex < 0)
        SetItemIndex(0);
    const int focused = m_itemIndex;
    QString path = FileNameAt(focused);
    bool markMoved = false;
    if (!IsPlayableFile(path)) {
        SetCurrent(focused);
        path = Next();
        markMoved = true;
    }
    if (path.isEmpty())
        return {};
    if (CurrentIndex() == focused && mediaActive)
        return {}; // the entry already playing
    if (!markMoved)
        SetCurrent(focused);
    return path;
}
