// Hex sizes and the point-in-hex test.
#include "mapview/render/hex_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace korvane {

int RoundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        rounded += 1.0;
    return static_cast<int>(rounded);
}

HexGeometry HexGeometry::ForZoom(int zoom)
{
    return ForSide(6 * std::clamp(zoom, 1, 10));
}

HexGeometry HexGeometry::ForSide(int side)
{
    HexGeometry hex;
    hex.S = side;
    hex.C = RoundHalfEven(1.5 * side);
    // The product in single precision, then rounded: half heights 5, 10, 16 ... 52.
    hex.Hh = RoundHalfEven(static_cast<float>(0.866025) * static_cast<float>(side));
    return hex;
}

bool HexBoxContains(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height, int px, int py)
{
    // 64-bit throughout: boxes of far-off hexes may lie well outside any screen.
    const std::int64_t l = left, t = top, w = width, h = height, x = px, y = py;
    // The wings are as wide as drawn: half the side. Rounding half the box width up (the box
    // is one pixel wider than the side) made them a pixel wider at odd zooms, so a click just
    // inside a hex's drawn edge could select its neighbour.
    const std::int64_t e = w / 2;
    if (x < l - e || x > l + w + e || y < t || y > t + h)
        return false;
    const std::int64_t hh = RoundHalfEven(h * 0.5);
    const std::int64_t mid = t + hh;
    if (x >= l && x <= l + w)
        return true;
    const std::int64_t dx = x < l ? e - (l - x) : e - (x - (l + w));
    if (dx < 0)
        return false;
    const std::int64_t dy = std::llabs(y - mid);
    if (dx == 0)
        return dy == 0;
    // Inside exactly when the point lies below the wing's slope; on the slope is outside.
    return static_cast<double>(hh) / static_cast<double>(e) > static_cast<double>(dy) / static_cast<double>(dx);
}

bool HexGeometry::Contains(int left, int top, int px, int py) const
{
    return HexBoxContains(left, top, BoxWidth(), BoxHeight(), px, py);
}

}  // namespace korvane
