#pragma once

#include <cmath>

// Positions and sizes in the program's files and rules are in twips: 15 twips
// to a pixel on the usual 96 dpi screen.
namespace Twips {

constexpr int PerPixel = 15;

inline int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / PerPixel));
}
inline int fromPixels(int pixels)
{
    return pixels * PerPixel;
}

} // namespace Twips
