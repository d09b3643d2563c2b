#include "tplaylistmodel.h"

#include "playlist/entryline.h"

#include <QRandomGenerator>

TPlayListModel::TPlayListModel(QString appFolder, QObject *parent)
    : QAbstractListModel(parent)
    , m_appFolder(std::move(appFolder))
    , m_random(QRandomGenerator::global()->generate())
{}

int TPlayListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Count();
}

QVariant TPlayListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= Count())
        return {};
    const TPlayListEntry &entry = m_entries[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return entry.Title;
    case FileNameRole:
        return entry.Info.FileName;
    case IsCurrentRole:
        return (entry.Info.IsCurrent & 1) != 0;
    case SelectedRole:
        return entry.Selected;
    case FocusedRole:
        return index.row() == m_itemIndex;
    default:
        return {};
    }
}

QHash<int, QByteArray> TPlayListModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(FileNameRole, "fileName");
    names.insert(IsCurrentRole, "isCurrent");
    names.insert(SelectedRole, "selected");
    names.insert(FocusedRole, "focused");
    return names;
}

void TPlayListModel::Clear()
{
    beginResetModel();
    m_entries.clear();
    m_entries.shrink_to_fit();
    m_itemIndex = -1;
    endResetModel();
}

bool TPlayListModel::AddEntry(QStringView line, QStringView title)
{
    std::optional<TPlayListEntry> entry = EntryLine::makeEntry(line, title, m_appFolder);
    if (!entry)
        return false;
    beginInsertRows(QModelIndex(), Count(), Count());
    m_entries.push_back(std::move(*entry));
    endInsertRows();
    return true;
}

void TPlayListModel::AppendEntries(std::vector<TPlayListEntry> &&entries)
{
    if (entries.empty())
        return;
    // The mark arrives only through SetCurrent, so at most one entry carries it.
    for (TPlayListEntry &entry : entries) {
        entry.Info.IsCurrent = 0;
        entry.Selected = false;
    }
    beginInsertRows(QModelIndex(), Count(), Count() + static_cast<int>(entries.size()) - 1);
    m_entries.insert(m_entries.end(), std::make_move_iterator(entries.begin()),
                     std::make_move_iterator(entries.end()));
    endInsertRows();
    entries.clear();
}

QString TPlayListModel::FileNameAt(int index) const
{
    return index >= 0 && index < Count() ? m_entries[static_cast<size_t>(index)].Info.FileName
                                         : QString();
}

QString TPlayListModel::TitleAt(int index) const
{
    return index >= 0 && index < Count() ? m_entries[static_cast<size_t>(index)].Title : QString();
}

void TPlayListModel::SetTitleAt(int index, const QString &title)
{
    if (index < 0 || index >= Count())
        return;
    m_entries[static_cast<size_t>(index)].Title = title;
    NotifyRow(index, {Qt::DisplayRole});
}

void TPlayListModel::SetCurrent(int index)
{
    const int old = CurrentIndex();
    if (old == index)
        return;
    if (old >= 0)
        SetMark(old, false);
    if (index >= 0 && index < Count())
        SetMark(index, true);
}

void TPlayListModel::SetMark(int index, bool current)
{
    quint8 &flags = m_entries[static_cast<size_t>(index)].Info.IsCurrent;
    flags = current ? quint8(flags | 1) : quint8(flags & ~1);
    NotifyRow(index, {IsCurrentRole});
}

int TPlayListModel::CurrentIndex() const
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].Info.IsCurrent & 1)
            return static_cast<int>(i);
    }
    return -1;
}

QString TPlayListModel::CurrentFileName() const
{
    return FileNameAt(CurrentIndex());
}

QString TPlayListModel::CurrentTitle() const
{
    return TitleAt(CurrentIndex());
}

void TPlayListModel::SetItemIndex(int index)
{
    const int target = index >= 0 && index < Count() ? index : -1;
    if (target == m_itemIndex)
        return;
    const int old = m_itemIndex;
    m_itemIndex = target;
    if (old >= 0)
        NotifyRow(old, {FocusedRole});
    if (target >= 0)
        NotifyRow(target, {FocusedRole});
}

bool TPlayListModel::IsSelected(int index) const
{
    return index >= 0 && index < Count() && m_entries[static_cast<size_t>(index)].Selected;
}

void TPlayListModel::SetSelected(int index, bool selected)
{
    if (index < 0 || index >= Count() || IsSelected(index) == selected)
        return;
    m_entries[static_cast<size_t>(index)].Selected = selected;
    NotifyRow(index, {SelectedRole});
}

QString TPlayListModel::SelectedFileName() const
{
    return FileNameAt(m_itemIndex);
}

bool TPlayListModel::DeleteCurrent()
{
    const int current = CurrentIndex();
    if (current < 0)
        return false;
    RemoveRows(current, current);
    return true;
}

bool TPlayListModel::DeleteSelected()
{
    bool removed = false;
    int last = Count() - 1;
    while (last >= 0) {
        if (!m_entries[static_cast<size_t>(last)].Selected) {
            --last;
            continue;
        }
        int first = last;
        while (first > 0 && m_entries[static_cast<size_t>(first - 1)].Selected)
            --first;
        RemoveRows(first, last);
        removed = true;
        last = first - 1;
    }
    return removed;
}

void TPlayListModel::RemoveRows(int first, int last)
{
    beginRemoveRows(QModelIndex(), first, last);
    m_entries.erase(m_entries.begin() + first, m_entries.begin() + last + 1);
    const int removed = last - first + 1;
    if (m_itemIndex > last)
        m_itemIndex -= removed;
    else if (m_itemIndex >= first)
        m_itemIndex = std::min(first, Count() - 1);
    endRemoveRows();
}

void TPlayListModel::NotifyRow(int row, const QList<int> &roles)
{
    const QModelIndex at = index(row);
    emit dataChanged(at, at, roles);
}
