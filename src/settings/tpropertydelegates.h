#pragma once

#include <QStyledItemDelegate>

// The settings tree's nodes: the selected node on silver, a node under the mouse underlined
// in blue, the text 4 pixels from the left.
class TTreeNodeDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};

// The general page's check list: word-wrapped rows as tall as their text plus 4 pixels;
// header rows (no check box) in teal.
class TCheckListDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int kHeaderRole = Qt::UserRole + 1;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    static QRect TextRect(const QStyleOptionViewItem &option, bool header);
};
