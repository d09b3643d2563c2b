#include "tlogo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace TLogo {

QImage image()
{
    static const QImage logo = [] {
        QImage img(151, 53, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);

        QLinearGradient plate(0, 0, 0, 53);
        plate.setColorAt(0, QColor(0x2A, 0x2F, 0x3A));
        plate.setColorAt(1, QColor(0x10, 0x12, 0x18));
        p.setPen(QPen(QColor(0x5A, 0x6A, 0x8A), 1.5));
        p.setBrush(plate);
        p.drawRoundedRect(QRectF(1, 1, 149, 51), 10, 10);

        // A play triangle beside the letters.
        QPainterPath triangle;
        triangle.moveTo(16, 14);
        triangle.lineTo(36, 26.5);
        triangle.lineTo(16, 39);
        triangle.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF0, 0x9A, 0x2A));
        p.drawPath(triangle);

        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(30);
        font.setBold(true);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
        QPainterPath text;
        text.addText(46, 38, font, QStringLiteral("TVL"));
        p.setPen(QPen(QColor(0x08, 0x0A, 0x10), 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(text);
        p.setPen(Qt::NoPen);
        QLinearGradient letters(0, 12, 0, 40);
        letters.setColorAt(0, QColor(0xF4, 0xF6, 0xFA));
        letters.setColorAt(1, QColor(0xA8, 0xB4, 0xC8));
        p.setBrush(letters);
        p.drawPath(text);
        return img;
    }();
    return logo;
}

} // namespace TLogo
