// Reordering the playlist and moving its focus. Records travel with their
// entries, so the current entry, the selection and the focus stay on the same
// entries whatever the order.
#include "tplaylistmodel.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>
#include <algorithm>
#include <numeric>

namespace {

// Titles sort in the user's language. The "C" locale has no collation rules of
// its own (and its sort keys would tell letter case apart), so it falls back to
// the common multilingual order.
QCollator titleCollator()
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

} // namespace

void TPlayListModel::Shuffle()
{
    const int count = Count();
    if (count < 2)
        return;
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::uniform_int_distribution<int> draw(0, count - 1);
    for (size_t i = 0; i < order.size(); ++i)
        std::swap(order[i], order[static_cast<size_t>(draw(m_random))]);
    Reorder(order);
}

void TPlayListModel::Sort()
{
    const int count = Count();
    if (count < 2)
        return;
    const QCollator collator = titleCollator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<size_t>(count));
    for (const TPlayListEntry &entry : m_entries)
        keys.push_back(collator.sortKey(entry.Title));
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        return keys[static_cast<size_t>(a)].compare(keys[static_cast<size_t>(b)]) < 0;
    });
    Reorder(order);
}

void TPlayListModel::Reorder(const std::vector<int> &newOrder)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newPosition(newOrder.size());
    for (size_t i = 0; i < newOrder.size(); ++i)
        newPosition[static_cast<size_t>(newOrder[i])] = static_cast<int>(i);

    std::vector<TPlayListEntry> reordered;
    reordered.reserve(m_entries.size());
    for (const int old : newOrder)
        reordered.push_back(std::move(m_entries[static_cast<size_t>(old)]));
    m_entries = std::move(reordered);
    if (m_itemIndex >= 0)
        m_itemIndex = newPosition[static_cast<size_t>(m_itemIndex)];

    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &at : before)
        after.append(index(newPosition[static_cast<size_t>(at.row())]));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TPlayListModel::MoveEntry(int from, int to)
{
    if (from == to)
        return;
    // Moving down, the destination row is counted before the removal.
    const int destination = to > from ? to + 1 : to;
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), destination);
    const auto begin = m_entries.begin();
    if (from < to)
        std::rotate(begin + from, begin + from + 1, begin + to + 1);
    else
        std::rotate(begin + to, begin + from, begin + from + 1);
    m_itemIndex = to;
    endMoveRows();
}

void TPlayListModel::MoveUp(bool toTop)
{
    const int focused = m_itemIndex;
    if (focused <= 0 || !IsSelected(focused))
        return;
    MoveEntry(focused, toTop ? 0 : focused - 1);
}

void TPlayListModel::MoveDown(bool toBottom)
{
    const int focused = m_itemIndex;
    if (focused < 0 || focused >= Count() - 1 || !IsSelected(focused))
        return;
    MoveEntry(focused, toBottom ? Count() - 1 : focused + 1);
}

void TPlayListModel::SelectOnly(int index)
{
    for (size_t i = 0; i < m_entries.size(); ++i)
        m_entries[i].Selected = static_cast<int>(i) == index;
    emit dataChanged(this->index(0), this->index(Count() - 1), {SelectedRole});
    SetItemIndex(index);
}

void TPlayListModel::SelectRange(int from, int to)
{
    if (Count() == 0)
        return;
    const int low = qBound(0, qMin(from, to), Count() - 1);
    const int high = qBound(0, qMax(from, to), Count() - 1);
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const int at = static_cast<int>(i);
        m_entries[i].Selected = at >= low && at <= high;
    }
    emit dataChanged(index(0), index(Count() - 1), {SelectedRole});
}

void TPlayListModel::SelectNext()
{
    if (m_itemIndex < Count() - 1)
        SelectOnly(m_itemIndex + 1);
}

void TPlayListModel::SelectPrevious()
{
    if (m_itemIndex > 0)
        SelectOnly(m_itemIndex - 1);
    else if (m_itemIndex < 0 && Count() > 0)
        SelectOnly(0);
}
