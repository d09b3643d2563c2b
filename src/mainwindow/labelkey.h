#pragma once

#include <QString>

class TVLabel;

// Labels paint a solid background in their Color; over the picture only the text and its halo
// should show, so the background colour is cut out of the label's shape.
void KeyOutBackground(TVLabel *label);
// A new caption with the shape cut to it.
void SetKeyedCaption(TVLabel *label, const QString &caption);
