#include "glyphs.h"

#include <QFont>
#include <QPolygonF>
#include <QTransform>
#include <map>

namespace {

using Builder = QPainterPath (*)();

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath rect(qreal x, qreal y, qreal w, qreal h, qreal radius = 1.5)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

// A stroke of the given width turned into an outline, so every glyph is a filled shape.
QPainterPath stroke(const QPainterPath &line, qreal width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

QPainterPath line(QPointF a, QPointF b, qreal width)
{
    QPainterPath path(a);
    path.lineTo(b);
    return stroke(path, width);
}

QPainterPath play()
{
    return polygon({{18, 13}, {36, 24}, {18, 35}});
}

QPainterPath pause()
{
    return rect(15, 14, 7, 20) + rect(26, 14, 7, 20);
}

QPainterPath stop()
{
    return rect(15, 15, 18, 18, 2);
}

QPainterPath openFolder()
{
    QPainterPath back = polygon({{12, 15}, {20, 15}, {23, 18}, {36, 18}, {36, 33}, {12, 33}});
    QPainterPath flap = polygon({{15, 22}, {39, 22}, {34, 34}, {11, 34}});
    return back + flap;
}

QPainterPath eject()
{
    return polygon({{24, 12}, {36, 26}, {12, 26}}) + rect(12, 30, 24, 5);
}

QPainterPath list()
{
    QPainterPath path;
    for (int i = 0; i < 3; ++i) {
        path += rect(13, 14.5 + i * 8, 4, 4, 1);
        path += rect(20, 14.5 + i * 8, 16, 4, 1);
    }
    return path;
}

QPainterPath properties()
{
    QPainterPath path;
    const qreal knobs[] = {30, 18, 26};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 16 + i * 8;
        path += line({13, y}, {35, y}, 2.5);
        QPainterPath knob;
        knob.addEllipse(QPointF(knobs[i], y), 3.6, 3.6);
        path += knob;
    }
    return path;
}

QPainterPath help()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(28);
    font.setBold(true);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("?"));
    const QRectF box = text.boundingRect();
    return QTransform::fromTranslate(24 - box.center().x(), 24 - box.center().y()).map(text);
}

QPainterPath minimise()
{
    return rect(14, 30, 20, 5);
}

QPainterPath fullScreen()
{
    QPainterPath path;
    const qreal a = 13, b = 35, l = 8, w = 3.5;
    path += line({a, a + l}, {a, a}, w) + line({a, a}, {a + l, a}, w);
    path += line({b - l, a}, {b, a}, w) + line({b, a}, {b, a + l}, w);
    path += line({a, b - l}, {a, b}, w) + line({a, b}, {a + l, b}, w);
    path += line({b - l, b}, {b, b}, w) + line({b, b}, {b, b - l}, w);
    return path;
}

QPainterPath close()
{
    return line({16, 16}, {32, 32}, 5) + line({32, 16}, {16, 32}, 5);
}

QPainterPath volume()
{
    QPainterPath path = polygon({{11, 20}, {17, 20}, {25, 13}, {25, 35}, {17, 28}, {11, 28}});
    for (int i = 0; i < 2; ++i) {
        const qreal r = 6 + i * 5;
        QPainterPath arc;
        arc.arcMoveTo(QRectF(24 - r, 24 - r, 2 * r, 2 * r), -45);
        arc.arcTo(QRectF(24 - r, 24 - r, 2 * r, 2 * r), -45, 90);
        path += stroke(arc, 3);
    }
    return path;
}

QPainterPath zoom()
{
    QPainterPath ring;
    ring.addEllipse(QPointF(21, 21), 9, 9);
    return stroke(ring, 4) + line({28, 28}, {36, 36}, 6);
}

QPainterPath home()
{
    return rect(13, 14, 5, 20) + polygon({{35, 14}, {35, 34}, {19, 24}});
}

QPainterPath previous()
{
    return polygon({{24, 14}, {24, 34}, {10, 24}}) + polygon({{38, 14}, {38, 34}, {24, 24}});
}

QPainterPath next()
{
    return polygon({{10, 14}, {10, 34}, {24, 24}}) + polygon({{24, 14}, {24, 34}, {38, 24}});
}

QPainterPath plus()
{
    return line({24, 13}, {24, 35}, 6) + line({13, 24}, {35, 24}, 6);
}

QPainterPath minus()
{
    return line({13, 24}, {35, 24}, 6);
}

QPainterPath arrowUp()
{
    return polygon({{24, 11}, {37, 29}, {11, 29}}) + rect(19, 28, 10, 8, 1);
}

QPainterPath arrowDown()
{
    return QTransform(1, 0, 0, -1, 0, 48).map(arrowUp());
}

QPainterPath shuffle()
{
    QPainterPath a(QPointF(11, 16));
    a.cubicTo({22, 16}, {24, 32}, {33, 32});
    QPainterPath b(QPointF(11, 32));
    b.cubicTo({22, 32}, {24, 16}, {33, 16});
    return stroke(a, 4) + stroke(b, 4) + polygon({{32, 10}, {39, 16}, {32, 22}})
           + polygon({{32, 26}, {39, 32}, {32, 38}});
}

QPainterPath swap()
{
    return polygon({{17, 10}, {26, 21}, {8, 21}}) + rect(14, 20, 6, 17, 1)
           + polygon({{31, 38}, {40, 27}, {22, 27}}) + rect(28, 11, 6, 17, 1);
}

QPainterPath brightness()
{
    QPainterPath path;
    path.addEllipse(QPointF(24, 24), 7, 7);
    for (int i = 0; i < 8; ++i) {
        const QTransform turn = QTransform().translate(24, 24).rotate(45.0 * i);
        path += line(turn.map(QPointF(0, -11)), turn.map(QPointF(0, -15)), 3);
    }
    return path;
}

QPainterPath contrast()
{
    QPainterPath ring;
    ring.addEllipse(QPointF(24, 24), 11, 11);
    QPainterPath half;
    half.moveTo(24, 13);
    half.arcTo(QRectF(13, 13, 22, 22), 90, 180);
    half.closeSubpath();
    return stroke(ring, 3) + half;
}

QPainterPath saturation()
{
    QPainterPath drop;
    drop.moveTo(24, 10);
    drop.cubicTo({30, 19}, {35, 24}, {35, 29});
    drop.arcTo(QRectF(13, 18, 22, 22), 0, -180);
    drop.cubicTo({13, 24}, {18, 19}, {24, 10});
    drop.closeSubpath();
    return drop;
}

const std::map<QString, Builder> &builders()
{
    static const std::map<QString, Builder> table = {
        {QStringLiteral("IOPEN"), openFolder},    {QStringLiteral("IPLAY"), play},
        {QStringLiteral("IPLAYLIST"), list},      {QStringLiteral("IPROP"), properties},
        {QStringLiteral("IHELP"), help},          {QStringLiteral("IMINIM"), minimise},
        {QStringLiteral("IFULLSCR"), fullScreen}, {QStringLiteral("ICLOSE"), close},
        {QStringLiteral("IVOLUME"), volume},      {QStringLiteral("IZOOM"), zoom},
        {QStringLiteral("PPLAY"), play},          {QStringLiteral("PSTOP"), stop},
        {QStringLiteral("PPAUSE"), pause},        {QStringLiteral("PHOME"), home},
        {QStringLiteral("PPREV"), previous},      {QStringLiteral("PNEXT"), next},
        {QStringLiteral("POPEN"), eject},         {QStringLiteral("PLIST"), list},
        {QStringLiteral("PFULLSCR"), fullScreen}, {QStringLiteral("PBADD"), plus},
        {QStringLiteral("PBDEL"), minus},         {QStringLiteral("PBRAND"), shuffle},
        {QStringLiteral("PBUP"), arrowUp},        {QStringLiteral("PBDOWN"), arrowDown},
        {QStringLiteral("PBPLSWP"), swap},        {QStringLiteral("CBRIG"), brightness},
        {QStringLiteral("CCONT"), contrast},      {QStringLiteral("CSAT"), saturation},
    };
    return table;
}

} // namespace

namespace Glyphs {

QPainterPath ForName(const QString &name)
{
    const auto found = builders().find(name);
    return found == builders().end() ? QPainterPath() : found->second();
}

bool UsesAccent(const QString &name)
{
    return name == u"IPLAY" || name == u"PPLAY" || name == u"PBADD" || name == u"CSAT";
}

} // namespace Glyphs
