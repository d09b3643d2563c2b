#include "tpropertydelegates.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kTextIndent = 4;
constexpr int kRowPadding = 4;
constexpr int kCheckSize = 13;
const QColor kSelectedBack(0xC0, 0xC0, 0xC0);
const QColor kHeaderText(0x00, 0x80, 0x80);

int ViewWidth(const QStyleOptionViewItem &option)
{
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    return view ? view->viewport()->width() : option.rect.width();
}

} // namespace

void TTreeNodeDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    const bool hot = option.state & QStyle::State_MouseOver;
    painter->fillRect(option.rect, selected ? kSelectedBack : option.palette.base().color());
    QFont font = option.font;
    font.setUnderline(hot);
    painter->setFont(font);
    painter->setPen(hot ? QColor(Qt::blue) : option.palette.text().color());
    painter->drawText(option.rect.adjusted(kTextIndent, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QRect TCheckListDelegate::TextRect(const QStyleOptionViewItem &option, bool header)
{
    const int left = header ? kTextIndent : kTextIndent + kCheckSize + kTextIndent;
    return QRect(option.rect.left() + left, option.rect.top() + kRowPadding / 2,
                 ViewWidth(option) - left - kTextIndent, option.rect.height() - kRowPadding);
}

void TCheckListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    painter->save();
    const bool header = index.data(kHeaderRole).toBool();
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect,
                      selected && !header ? option.palette.highlight() : option.palette.base());
    if (!header) {
        QStyleOptionButton check;
        check.rect = QRect(option.rect.left() + kTextIndent,
                           option.rect.top() + (option.rect.height() - kCheckSize) / 2, kCheckSize,
                           kCheckSize);
        check.state = QStyle::State_Enabled
                      | (index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On
                                                                               : QStyle::State_Off);
        const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &check, painter, option.widget);
    }
    QFont font = option.font;
    font.setBold(header);
    painter->setFont(font);
    painter->setPen(header     ? kHeaderText
                    : selected ? option.palette.highlightedText().color()
                               : option.palette.text().color());
    painter->drawText(TextRect(option, header), Qt::TextWordWrap | Qt::AlignVCenter,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize TCheckListDelegate::sizeHint(const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    const bool header = index.data(kHeaderRole).toBool();
    QFont font = option.font;
    font.setBold(header);
    const QRect text = TextRect(option, header);
    const QRect needed = QFontMetrics(font).boundingRect(
        QRect(0, 0, text.width(), 10000), Qt::TextWordWrap, index.data(Qt::DisplayRole).toString());
    return QSize(ViewWidth(option), std::max(needed.height(), kCheckSize) + kRowPadding);
}

bool TCheckListDelegate::editorEvent(QEvent *event, QAbstractItemModel *model,
                                     const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (index.data(kHeaderRole).toBool())
        return false;
    // A click anywhere on the row flips its check mark, as on the row's text in a list box.
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
        && option.rect.contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
        const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
