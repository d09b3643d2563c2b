#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>
#include <vector>

// A menu caption split at its first "|": the caption column and the short-cut column.
struct TMenuCaption
{
    QString caption;
    QString shortCut;
};
TMenuCaption splitMenuCaption(const QString &fullCaption);
bool isMenuSeparator(const QString &fullCaption);

// One visible menu item as the layout sees it.
struct TVidMenuEntry
{
    QString fullCaption;
    int itemIndex = 0; // among all items, hidden ones included
};

struct TVidMenuRowGeometry
{
    QRect rect;        // in window coordinates
    TMenuCaption text; // empty for a separator
    int itemIndex = 0;
};

struct TVidMenuGeometry
{
    QRect window;         // in the parent's coordinates
    int captionWidth = 0; // the widest caption column; the short-cut column starts after it
    std::vector<TVidMenuRowGeometry> rows;
    QRegion shape; // in window coordinates
};

// Height of the strip above the menu's frame; only the tab fills it.
constexpr int kVidMenuTopStrip = 10;
// Width of the tab that joins the menu to its icon.
int vidMenuTabWidth(bool wide);
// The window's left edge for an anchor: the tab sits under the anchor at the left end
// (clearBorder 1) or at the right end (clearBorder 2).
int vidMenuLeft(int anchorX, int width, int clearBorder);
// The window without the strip above the frame outside the tab.
QRegion vidMenuShape(QSize size, int clearBorder, bool wide);
// Rows, size and shape of a menu window anchored at the given point.
TVidMenuGeometry layoutVidMenu(const std::vector<TVidMenuEntry> &entries, const QFont &font,
                               int clearBorder, bool wide, QPoint anchor);
