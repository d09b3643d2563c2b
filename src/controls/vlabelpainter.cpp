#include "vlabelpainter.h"

#include "smoothing.h"

#include <QFontMetrics>
#include <QPainter>

void drawTextAt(QPainter &painter, QPoint topLeft, const QString &text)
{
    painter.drawText(topLeft + QPoint(0, painter.fontMetrics().ascent()), text);
}

QImage renderVLabel(const TVLabelLook &look)
{
    QImage bitmap(look.size.expandedTo(QSize(0, 0)), QImage::Format_RGB888);
    if (bitmap.isNull())
        return bitmap;
    bitmap.fill(toQColor(look.color));
    {
        QPainter painter(&bitmap);
        // The halo and the smoothing pass shape the glyph edges; grey font edges would blur them.
        QFont font = look.font;
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        painter.setPen(toQColor(look.colorShare));
        for (const QPoint offset : {QPoint(2, 0), QPoint(0, 0), QPoint(1, 1), QPoint(1, -1)})
            drawTextAt(painter, offset, look.caption);
        painter.setPen(toQColor(look.fontColor));
        drawTextAt(painter, QPoint(1, 0), look.caption);
    }
    if (look.antiAlias)
        smoothPass(bitmap, look.color);
    if (look.flat) {
        const QRgb background = toRgb(look.color);
        for (int y = 0; y < bitmap.height(); ++y) {
            for (int x = (y + 1) % 2; x < bitmap.width(); x += 2)
                bitmap.setPixel(x, y, background);
        }
    }
    return bitmap;
}
