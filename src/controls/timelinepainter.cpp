#include "timelinepainter.h"

#include "roundnearest.h"
#include "smoothing.h"

#include <QPainter>
#include <algorithm>

int timeLineFilledLength(TGaugeKind kind, QSize size, int progress, int maxValue)
{
    if (maxValue <= 0)
        return 0;
    const int extent = kind == TGaugeKind::gkHorizontalBar ? size.width() : size.height();
    return roundNearest(static_cast<double>(progress) * (extent + 1) / maxValue);
}

int timeLineValueAt(TGaugeKind kind, QSize size, int maxValue, QPoint point)
{
    // An empty control has no value under any point; dividing by its extent would not be finite.
    if (kind == TGaugeKind::gkHorizontalBar) {
        if (size.width() <= 0)
            return 0;
        return roundNearest(static_cast<double>(point.x()) * maxValue / size.width());
    }
    if (size.height() <= 0)
        return 0;
    return roundNearest(static_cast<double>(maxValue) * (size.height() - point.y())
                        / size.height());
}

namespace {

// Fills the rectangle with left/top inclusive and right/bottom exclusive edges.
void fillEdges(QPainter &painter, int left, int top, int right, int bottom, TColor color)
{
    if (right > left && bottom > top)
        painter.fillRect(left, top, right - left, bottom - top, toQColor(color));
}

} // namespace

QImage renderTimeLine(const TTimeLineLook &look)
{
    const int w = std::max(0, look.size.width());
    const int h = std::max(0, look.size.height());
    const int b = look.backIslessFore;
    const int filled = timeLineFilledLength(look.kind, look.size, look.progress, look.maxValue);
    const TColor fore = look.select ? look.selectForeColor : look.foreColor;
    const TColor back = look.select ? look.selectBackColor : look.backColor;

    QImage bitmap(w + 2, h + 2, QImage::Format_RGB888);
    bitmap.fill(toQColor(look.color));
    {
        QPainter painter(&bitmap);
        if (look.kind == TGaugeKind::gkHorizontalBar) {
            fillEdges(painter, filled + 1, b + 1, w + 1, h + 1 - b, back);
            if (look.progress > 0)
                fillEdges(painter, 1, 1, std::min(filled, w) + 1, h + 1, fore);
        } else {
            fillEdges(painter, b + 1, 1, w + 1 - b, h + 1 - filled, back);
            if (look.progress > 0) {
                const int length = std::min(filled, h);
                fillEdges(painter, 1, h - length + 1, w + 1, h + 1, fore);
            }
        }
        if (look.mode == 2 && look.mode2Div > 0) {
            const double slice = static_cast<double>(bitmap.width()) / look.mode2Div;
            for (int k = 0; k <= (look.mode2Div - 1) / 2; ++k)
                fillEdges(painter, roundNearest(slice * (2 * k + 1)), 0,
                          roundNearest(slice * (2 * k + 2)), h + 1, look.color);
        }
    }
    for (int pass = 0; pass < look.antiAliasLevel; ++pass)
        smoothPass(bitmap, look.color);
    return bitmap;
}
