#include "tplaylistbox.h"

#include "playlist/tplaylistmodel.h"
#include "playlistrowpainter.h"
#include "skinfonts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

TPlayListBox::TPlayListBox(TPlayListModel &model, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_model(model)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(1);
    setFont(skinFont(QStringLiteral("MS Sans Serif"), -13));

    const auto repaint = [this] { viewport()->update(); };
    const auto reshape = [this] {
        updateScrollRange();
        viewport()->update();
    };
    connect(&m_model, &QAbstractItemModel::dataChanged, this, repaint);
    connect(&m_model, &QAbstractItemModel::rowsInserted, this, reshape);
    connect(&m_model, &QAbstractItemModel::rowsRemoved, this, reshape);
    connect(&m_model, &QAbstractItemModel::rowsMoved, this, reshape);
    connect(&m_model, &QAbstractItemModel::modelReset, this, reshape);
    connect(&m_model, &QAbstractItemModel::layoutChanged, this, reshape);
    updateScrollRange();
}

void TPlayListBox::SetColors(const TPlayListColors &colors)
{
    m_colors = colors;
    viewport()->update();
}

void TPlayListBox::SetBackground(std::optional<TColor> color)
{
    m_background = color;
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent, color.has_value());
    viewport()->update();
}

void TPlayListBox::SetLook(int fontPoints, int itemHeight)
{
    // Points of the forms are at 96 dots per inch.
    setFont(skinFont(QStringLiteral("MS Sans Serif"), -((fontPoints * 96 + 36) / 72)));
    m_itemHeight = qMax(1, itemHeight);
    updateScrollRange();
    viewport()->update();
}

int TPlayListBox::TopIndex() const
{
    return verticalScrollBar()->value();
}

int TPlayListBox::rowsPerPage() const
{
    return qMax(1, viewport()->height() / m_itemHeight);
}

int TPlayListBox::ItemAt(QPoint viewportPoint) const
{
    if (viewportPoint.y() < 0)
        return -1;
    const int row = TopIndex() + viewportPoint.y() / m_itemHeight;
    return row < m_model.Count() ? row : -1;
}

QRect TPlayListBox::ItemRect(int row) const
{
    return {0, (row - TopIndex()) * m_itemHeight, viewport()->width(), m_itemHeight};
}

void TPlayListBox::ScrollToItem(int row)
{
    if (row < 0)
        return;
    QScrollBar *bar = verticalScrollBar();
    if (row < bar->value())
        bar->setValue(row);
    else if (row >= bar->value() + rowsPerPage())
        bar->setValue(row - rowsPerPage() + 1);
}

void TPlayListBox::updateScrollRange()
{
    QScrollBar *bar = verticalScrollBar();
    bar->setPageStep(rowsPerPage());
    bar->setRange(0, qMax(0, m_model.Count() - rowsPerPage()));
}

void TPlayListBox::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void TPlayListBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.setFont(font());
    const QRect area = event->rect();
    const int first = ItemAt(QPoint(0, area.top()));
    const bool listFocused = hasFocus();
    int bottom = 0;
    if (first >= 0) {
        const int last = qMin(m_model.Count() - 1, TopIndex() + area.bottom() / m_itemHeight);
        for (int row = first; row <= last; ++row) {
            TPlayListRow item;
            item.rect = ItemRect(row);
            const TPlayListEntry &entry = m_model.EntryAt(row);
            item.title = entry.Title;
            item.current = (entry.Info.IsCurrent & 1) != 0;
            item.selected = entry.Selected;
            item.focused = listFocused && row == m_model.ItemIndex();
            PlayListRowPainter::Paint(painter, item, m_colors, m_background, area.right() + 1);
            bottom = item.rect.bottom() + 1;
        }
    }
    if (m_background && bottom <= area.bottom())
        painter.fillRect(QRect(area.left(), bottom, area.width(), area.bottom() - bottom + 1),
                         toQColor(*m_background));
}

void TPlayListBox::focusRow(int row)
{
    row = qBound(0, row, m_model.Count() - 1);
    m_model.SelectOnly(row);
    m_anchor = row;
    ScrollToItem(row);
}

void TPlayListBox::mousePressEvent(QMouseEvent *event)
{
    const int row = ItemAt(event->position().toPoint());
    if (row < 0 || event->button() != Qt::LeftButton) {
        if (row >= 0 && !m_model.IsSelected(row))
            m_model.SetItemIndex(row);
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & Qt::ShiftModifier) {
        m_model.SelectRange(m_anchor >= 0 ? m_anchor : row, row);
        m_model.SetItemIndex(row);
    } else if (modifiers & Qt::ControlModifier) {
        m_model.SetSelected(row, !m_model.IsSelected(row));
        m_model.SetItemIndex(row);
        m_anchor = row;
    } else {
        m_model.SelectOnly(row);
        m_anchor = row;
    }
}

void TPlayListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int row = ItemAt(event->position().toPoint());
    if (row >= 0 && event->button() == Qt::LeftButton) {
        m_model.SetItemIndex(row);
        emit ItemDoubleClicked(row);
    }
}

void TPlayListBox::keyPressEvent(QKeyEvent *event)
{
    if (m_model.Count() == 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const int focus = m_model.ItemIndex();
    switch (event->key()) {
    case Qt::Key_Up:
        focusRow(focus < 0 ? 0 : focus - 1);
        break;
    case Qt::Key_Down:
        focusRow(focus + 1);
        break;
    case Qt::Key_Home:
        focusRow(0);
        break;
    case Qt::Key_End:
        focusRow(m_model.Count() - 1);
        break;
    case Qt::Key_PageUp:
        focusRow(focus - rowsPerPage());
        break;
    case Qt::Key_PageDown:
        focusRow(focus + rowsPerPage());
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TPlayListBox::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TPlayListBox::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}
