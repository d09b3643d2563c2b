#pragma once

#include <QPainterPath>
#include <QString>

// The symbols of the pictures as outlines in a 48 x 48 design square, centred on (24, 24) and
// kept within the badge's inner circle. An unknown name gives an empty path.
namespace Glyphs {

QPainterPath ForName(const QString &name);
// Whether the symbol is drawn in the accent colour rather than the glyph colour.
bool UsesAccent(const QString &name);

} // namespace Glyphs
