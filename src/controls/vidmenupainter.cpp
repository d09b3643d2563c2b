#include "vidmenupainter.h"

#include "skinfonts.h"
#include "vlabelpainter.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int TabHeight = 14;
constexpr int CornerRadius = 5;
constexpr TColor DisabledTextColor = clGray;

QFont withoutSmoothing(QFont font)
{
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void paintGradient(QPainter &painter, QSize size, TColor top, TColor bottom)
{
    for (int y = 0; y < size.height(); ++y)
        painter.fillRect(0, y, size.width(), 1,
                         vidMenuGradientAt(top, bottom, y, size.height(), size.width()));
}

} // namespace

QColor vidMenuGradientAt(TColor top, TColor bottom, int y, int height, int steps)
{
    if (steps <= 0 || height <= 0)
        return toQColor(top);
    // The bands are stretched over the row's height; each pixel row takes the band it starts in.
    const int band = std::min(steps - 1, static_cast<int>(static_cast<qint64>(y) * steps / height));
    const QColor from = toQColor(top);
    const QColor to = toQColor(bottom);
    auto channel = [&](int a, int b) { return a + (b - a) * band / steps; };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

void paintVidMenuFrame(QPainter &painter, QSize size, const TVidMenuLook &look)
{
    const int w = size.width();
    const int h = size.height();
    const int tab = vidMenuTabWidth(look.wide);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), size), toQColor(look.color));
    painter.setPen(toQColor(look.colorBorder));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRect(0, kVidMenuTopStrip, w - 1, h - kVidMenuTopStrip - 1),
                            CornerRadius, CornerRadius);
    // Line ends are exclusive, as the frame's own corners are.
    if (look.clearBorder == 1) {
        painter.fillRect(0, 0, tab, TabHeight, toQColor(look.color));
        painter.drawLine(0, 0, 0, TabHeight - 1);
        painter.drawLine(tab - 1, 0, tab - 1, 7);
        painter.drawLine(tab - 1, 8, tab, 10);
    } else if (look.clearBorder == 2) {
        painter.fillRect(w - tab, 0, tab, TabHeight, toQColor(look.color));
        painter.drawLine(w - 1, 0, w - 1, TabHeight - 1);
        painter.drawLine(w - tab, 0, w - tab, kVidMenuTopStrip - 1);
    }
}

void paintVidMenuRow(QPainter &painter, QSize size, const TVidMenuRowState &row,
                     const TVidMenuLook &look, int captionWidth)
{
    const QRect area(QPoint(0, 0), size);
    if (row.text.caption.isEmpty() && row.text.shortCut.isEmpty()) {
        painter.fillRect(area, toQColor(look.color));
        painter.setPen(toQColor(look.fontColor));
        painter.drawLine(0, 3, size.width(), 3);
        return;
    }
    if (row.hot && row.enabled)
        paintGradient(painter, size, look.gradColor1, look.gradColor2);
    else
        painter.fillRect(area, toQColor(look.color));

    const QFont font = withoutSmoothing(look.font);
    painter.setFont(font);
    const int top = (size.height() - painter.fontMetrics().height()) / 2;
    painter.setPen(toQColor(row.checked ? look.fontColorCheckedBorder : look.fontColorBorder));
    for (const QPoint offset :
         {QPoint(0, top), QPoint(2, top), QPoint(1, top - 1), QPoint(1, top + 1)})
        drawTextAt(painter, offset, row.text.caption);
    TColor captionColor = look.fontColor;
    if (!row.enabled)
        captionColor = DisabledTextColor;
    else if (row.checked)
        captionColor = look.fontColorChecked;
    painter.setPen(toQColor(captionColor));
    drawTextAt(painter, QPoint(1, top), row.text.caption);

    if (!row.text.shortCut.isEmpty()) {
        QFont shortCutFont = withoutSmoothing(look.fontShortCut);
        shortCutFont.setPixelSize(fontPixelHeight(font));
        painter.setFont(shortCutFont);
        painter.setPen(toQColor(look.fontShortCutColor));
        drawTextAt(painter, QPoint(captionWidth + 5, top), row.text.shortCut);
    }
}
