#include "painter.h"

#include "glyphs.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QRgb kKey = qRgb(255, 0, 255);

// Pixels at least half covered take their colour laid over the outline colour; the rest become
// the key colour. Anti-aliased edges therefore darken instead of turning pink.
QImage flattenOnKey(const QImage &art, const QColor &outline)
{
    QImage out(art.size(), QImage::Format_RGB32);
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width(); ++x) {
            const QRgb p = art.pixel(x, y);
            const int a = qAlpha(p);
            if (a < 128) {
                out.setPixel(x, y, kKey);
                continue;
            }
            auto mix = [&](int c, int o) { return (c * a + o * (255 - a)) / 255; };
            out.setPixel(x, y,
                         qRgb(mix(qRed(p), outline.red()), mix(qGreen(p), outline.green()),
                              mix(qBlue(p), outline.blue())));
        }
    }
    // The buttons take the bottom-left pixel as their transparent colour.
    out.setPixel(0, art.height() - 1, kKey);
    return out;
}

} // namespace

namespace ArtPainter {

QImage Picture(const QString &name, QSize size, const TArtStyle &style)
{
    constexpr qreal design = 48.0;
    QImage art(size, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / design, size.height() / design);

    // Badge: a dark disc with a soft top light and a thin coloured ring.
    const QRectF disc(2, 2, 44, 44);
    QLinearGradient body(0, 2, 0, 46);
    body.setColorAt(0, style.bodyTop);
    body.setColorAt(1, style.bodyBottom);
    p.setPen(QPen(style.outline, 2));
    p.setBrush(body);
    p.drawEllipse(disc);
    p.setPen(QPen(style.rim, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc.adjusted(2, 2, -2, -2));
    QRadialGradient shine(QPointF(24, 12), 20);
    shine.setColorAt(0, QColor(255, 255, 255, 70));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(disc.adjusted(4, 3, -4, -18));

    // Symbol with a dark edge, so it reads on the badge and on bright video alike.
    const QPainterPath glyph = Glyphs::ForName(name);
    p.setPen(QPen(style.outline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Glyphs::UsesAccent(name) ? style.accent : style.glyph);
    p.drawPath(glyph);
    p.end();
    return flattenOnKey(art, style.outline);
}

QImage Logo(const TArtStyle &style)
{
    QImage logo(151, 53, QImage::Format_RGB32);
    logo.fill(Qt::black);
    QPainter p(&logo);
    // Two colours only: no anti-aliasing.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(style.logo, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRect(1, 1, 148, 50), 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(style.logo);
    p.drawPolygon(QPolygon({QPoint(14, 14), QPoint(36, 26), QPoint(14, 38)}));

    // T, V and L as plain strokes keep to two colours at this size.
    const int top = 12, bottom = 40, w = 6;
    p.drawRect(46, top, 26, w);
    p.drawRect(56, top, w, bottom - top);
    p.drawPolygon(
        QPolygon({QPoint(76, top), QPoint(83, top), QPoint(92, bottom - 8), QPoint(101, top),
                  QPoint(108, top), QPoint(95, bottom), QPoint(89, bottom)}));
    p.drawRect(113, top, w, bottom - top);
    p.drawRect(113, bottom - w, 24, w);
    return logo;
}

} // namespace ArtPainter
