#pragma once

#include <QImage>

// The colour table of the amber theme: 20 x 4 pixels in the layout every window reads.
QImage AmberColorTable();
