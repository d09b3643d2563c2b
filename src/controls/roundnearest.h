#pragma once

#include <cmath>

// Nearest integer with ties to even, the rounding the skin's pixel rules were made with.
inline int roundNearest(double value)
{
    return static_cast<int>(std::nearbyint(value));
}
