#pragma once

#include "artstyle.h"

#include <QImage>
#include <QString>

// Draws one picture of the skin: a round badge with its symbol, on the magenta field that the
// buttons treat as transparent. Edges are hard against the field (no magenta-tinted fringe)
// and the bottom-left pixel is always the field colour.
namespace ArtPainter {

QImage Picture(const QString &name, QSize size, const TArtStyle &style);
// The idle logo: two colours, black and the style's logo colour.
QImage Logo(const TArtStyle &style);

} // namespace ArtPainter
