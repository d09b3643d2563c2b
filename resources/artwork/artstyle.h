#pragma once

#include <QColor>

// The colours one set of pictures is drawn in. The built-in look and each theme we ship differ
// only here, so their pictures stay one family.
struct TArtStyle
{
    QColor bodyTop;    // the badge behind a glyph, top of its gradient
    QColor bodyBottom; // ... and bottom
    QColor rim;        // the ring around the badge
    QColor glyph;      // the symbol
    QColor accent;     // the play symbol and other highlights
    QColor outline;    // the dark edge that keeps pictures legible on bright video
    QColor logo;       // the one colour of the logo besides black

    static TArtStyle BuiltIn();
    static TArtStyle Amber();
};
