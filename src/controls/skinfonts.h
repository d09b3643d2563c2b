#pragma once

#include <QFont>
#include <QString>

// Forms name Windows font families; these map them onto installed metric-compatible families.
QString skinFamily(const QString &family);

// A font as forms describe it: a family and a height, negative for the character height in
// pixels (the usual form), positive for the cell height. Text is drawn without anti-aliasing,
// as the skin smooths its own pictures.
QFont skinFont(const QString &family, int height, bool bold = false);

// The character height in pixels (the absolute font height of the forms).
int fontPixelHeight(const QFont &font);
