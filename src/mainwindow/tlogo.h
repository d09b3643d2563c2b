#pragma once

#include <QImage>

// The logo shown on the empty video area while nothing is open: the letters
// "TVL" on a dark plate, 151 x 53 pixels, drawn once and kept.
namespace TLogo {

QImage image();

} // namespace TLogo
