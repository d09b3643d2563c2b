#include "vidmenulayout.h"

#include "skinfonts.h"

#include <QFontMetrics>
#include <algorithm>

namespace {

constexpr int FirstRowTop = 15;
constexpr int RowPadding = 10;
constexpr int SeparatorStep = 6;
constexpr int BottomMargin = 5;
constexpr int RowInset = 5;
constexpr int AnchorOffset = 30;

} // namespace

TMenuCaption splitMenuCaption(const QString &fullCaption)
{
    const qsizetype bar = fullCaption.indexOf(u'|');
    if (bar < 0)
        return {fullCaption, QString()};
    return {fullCaption.left(bar), fullCaption.mid(bar + 1)};
}

bool isMenuSeparator(const QString &fullCaption)
{
    return fullCaption == u"-";
}

int vidMenuTabWidth(bool wide)
{
    return wide ? 48 : 32;
}

int vidMenuLeft(int anchorX, int width, int clearBorder)
{
    return clearBorder == 2 ? anchorX + AnchorOffset - width : anchorX;
}

QRegion vidMenuShape(QSize size, int clearBorder, bool wide)
{
    const int tab = vidMenuTabWidth(wide);
    QRegion shape(QRect(QPoint(0, 0), size));
    if (clearBorder == 1 && size.width() > tab)
        shape -= QRegion(tab, 0, size.width() - tab, kVidMenuTopStrip);
    else if (clearBorder == 2 && size.width() > tab)
        shape -= QRegion(0, 0, size.width() - tab, kVidMenuTopStrip);
    return shape;
}

TVidMenuGeometry layoutVidMenu(const std::vector<TVidMenuEntry> &entries, const QFont &font,
                               int clearBorder, bool wide, QPoint anchor)
{
    const QFontMetrics metrics(font);
    TVidMenuGeometry geometry;
    int shortCutWidth = 0;
    for (const TVidMenuEntry &entry : entries) {
        const TMenuCaption text = splitMenuCaption(entry.fullCaption);
        geometry.captionWidth
            = std::max(geometry.captionWidth, metrics.horizontalAdvance(text.caption));
        shortCutWidth = std::max(shortCutWidth, metrics.horizontalAdvance(text.shortCut));
    }
    const int width = geometry.captionWidth + shortCutWidth + 20;
    const int rowHeight = fontPixelHeight(font) + RowPadding;
    int y = FirstRowTop;
    for (const TVidMenuEntry &entry : entries) {
        const bool separator = isMenuSeparator(entry.fullCaption);
        TVidMenuRowGeometry row;
        row.rect = QRect(RowInset, y, width - 2 * RowInset, rowHeight);
        row.text = separator ? TMenuCaption() : splitMenuCaption(entry.fullCaption);
        row.itemIndex = entry.itemIndex;
        geometry.rows.push_back(row);
        y += separator ? SeparatorStep : rowHeight;
    }
    const QSize size(width, y + BottomMargin);
    geometry.window = QRect(QPoint(vidMenuLeft(anchor.x(), width, clearBorder), anchor.y()), size);
    geometry.shape = vidMenuShape(size, clearBorder, wide);
    return geometry;
}
