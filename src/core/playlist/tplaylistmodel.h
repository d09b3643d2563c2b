#pragma once

#include "playlist/tplaylistentry.h"

#include <QAbstractListModel>
#include <random>
#include <vector>

// The playlist: ordered entries (title + record), the current mark inside the
// records, and the list's selection and focused item kept beside them. A list
// view shows it through the model interface; every operation reports its changes
// through the model's signals. Entries whose files are missing stay in the list
// and are skipped by navigation.
class TPlayListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { FileNameRole = Qt::UserRole + 1, IsCurrentRole, SelectedRole, FocusedRole };

    // appFolder: the program's folder, ending in a separator; relative entry lines
    // are taken against it.
    explicit TPlayListModel(QString appFolder, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    const QString &AppFolder() const { return m_appFolder; }

    void Clear();
    // Appends one entry from an entry line; title is used only when the line has
    // none. A line that cannot be split is dropped silently; returns whether added.
    bool AddEntry(QStringView line, QStringView title = {});
    // Appends entries already made from lines, in one change notification.
    void AppendEntries(std::vector<TPlayListEntry> &&entries);

    int Count() const { return static_cast<int>(m_entries.size()); }
    QString FileNameAt(int index) const;
    QString TitleAt(int index) const;
    void SetTitleAt(int index, const QString &title);
    const TPlayListEntry &EntryAt(int index) const { return m_entries.at(index); }

    void SetCurrent(int index);
    int CurrentIndex() const;
    QString CurrentFileName() const;
    QString CurrentTitle() const;

    // Selection and focus (the list's ItemIndex, -1 when none).
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);
    bool IsSelected(int index) const;
    void SetSelected(int index, bool selected);
    // Selects this entry alone and focuses it (a plain click, the arrow keys).
    void SelectOnly(int index);
    // Selects the entries from one index to the other, both included, and nothing else.
    void SelectRange(int from, int to);
    QString SelectedFileName() const;

    // Navigation; each returns the path to open, empty when nothing is playable.
    QString First();
    QString Next();
    QString Previous();
    bool IsLastPlayable() const;
    // The list's double-click action. mediaActive: a medium is playing or paused.
    // Returns the path to open, empty when nothing is to be opened.
    QString PlaySelected(bool mediaActive);

    bool DeleteCurrent();
    bool DeleteSelected();

    void Shuffle();
    void SetShuffleSeed(quint32 seed) { m_random.seed(seed); }
    void Sort();
    void MoveUp(bool toTop);
    void MoveDown(bool toBottom);
    void SelectNext();
    void SelectPrevious();

private:
    QString Step(int direction);
    void SetMark(int index, bool current);
    void RemoveRows(int first, int last);
    void MoveEntry(int from, int to);
    // newOrder[i] is the old index of the entry that ends up at i.
    void Reorder(const std::vector<int> &newOrder);
    void NotifyRow(int row, const QList<int> &roles);

    QString m_appFolder;
    std::vector<TPlayListEntry> m_entries;
    int m_itemIndex = -1;
    std::mt19937 m_random;
};
