#pragma once

#include "playlistcolors.h"

#include <QAbstractScrollArea>
#include <optional>

class TPlayListModel;

// The playlist's owner-drawn list: a view of the model that paints only the rows on screen
// (a list of any length costs nothing up front) and keeps its selection and focus in the
// model. Clicks select as a multi-select list box does; Up, Down, Home, End and the page keys
// move the focus when the owner lets them through.
class TPlayListBox : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit TPlayListBox(TPlayListModel &model, QWidget *parent = nullptr);

    TPlayListModel &Model() const { return m_model; }
    void SetColors(const TPlayListColors &colors);
    const TPlayListColors &Colors() const { return m_colors; }
    // No colour: the list is see-through, like every panel over the picture.
    void SetBackground(std::optional<TColor> color);
    std::optional<TColor> Background() const { return m_background; }
    // The font's size in points and the height of a row in pixels.
    void SetLook(int fontPoints, int itemHeight);
    int ItemHeight() const { return m_itemHeight; }

    // The row under a point of the viewport, -1 below the last row.
    int ItemAt(QPoint viewportPoint) const;
    QRect ItemRect(int row) const;
    int TopIndex() const;
    void ScrollToItem(int row);

signals:
    void ItemDoubleClicked(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void updateScrollRange();
    int rowsPerPage() const;
    void focusRow(int row);

    TPlayListModel &m_model;
    TPlayListColors m_colors;
    std::optional<TColor> m_background = clBlack;
    int m_itemHeight = 22;
    int m_anchor = -1; // where a Shift-click range starts
};
