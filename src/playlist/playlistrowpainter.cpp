#include "playlistrowpainter.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

int channel(TColor color, int shift)
{
    return static_cast<int>((color >> shift) & 0xFF);
}

} // namespace

namespace PlayListRowPainter {

QImage SelectionStrip(TColor top, TColor bottom, int rows)
{
    rows = qMax(rows, 1);
    QImage strip(1, rows, QImage::Format_RGB32);
    for (int r = 0; r < rows; ++r) {
        int rgb[3];
        for (int c = 0; c < 3; ++c) {
            const int from = channel(top, 8 * c);
            const int to = channel(bottom, 8 * c);
            rgb[c] = from + r * (to - from) / rows;
        }
        strip.setPixel(0, r, qRgb(rgb[0], rgb[1], rgb[2]));
    }
    return strip;
}

QPoint TextOrigin(const QRect &row, const QFont &font)
{
    const QFontMetrics metrics(font);
    return {row.left() + 4, row.top() + (row.height() - metrics.boundingRect(u'0').height()) / 2};
}

void Paint(QPainter &painter, const TPlayListRow &row, const TPlayListColors &colors,
           std::optional<TColor> background, int stripRows)
{
    if (row.selected) {
        const QImage strip
            = row.focused ? SelectionStrip(colors.focusedTop, colors.focusedBottom, stripRows)
                          : SelectionStrip(colors.unfocusedTop, colors.unfocusedBottom, stripRows);
        painter.drawImage(row.rect, strip);
    } else if (background) {
        painter.fillRect(row.rect, toQColor(*background));
    }

    // Titles are outlined so that they stay readable over any background.
    const QPoint origin = TextOrigin(row.rect, painter.font());
    const QPoint baseline = origin + QPoint(0, QFontMetrics(painter.font()).ascent());
    painter.setPen(toQColor(row.current ? colors.currentOutline : colors.textOutline));
    for (const QPoint shift : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
        painter.drawText(baseline + shift, row.title);
    painter.setPen(toQColor(row.current ? colors.currentText : colors.text));
    painter.drawText(baseline, row.title);

    if (row.focused) {
        QPen dotted(toQColor(row.current ? colors.currentText : colors.text), 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(row.rect.adjusted(0, 0, -1, -1));
    }
}

} // namespace PlayListRowPainter
