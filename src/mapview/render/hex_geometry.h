// The pixel geometry of a hex at one size: what drawing, bitmaps and the hit test share.
#pragma once

#include <cstdint>

namespace korvane {

/// Rounds half to even, as every size of the map is rounded.
int RoundHalfEven(double value);

/// The sizes of a flat-topped hex of side S: one column step is C pixels, one y unit (half a
/// hex) Hh pixels. Rebuilt wherever it is needed, so it never goes stale.
struct HexGeometry
{
    /// The hex of a zoom step 1..10 (other values are brought into that range).
    static HexGeometry ForZoom(int zoom);
    /// A hex of any side, as the colour key draws its swatches.
    static HexGeometry ForSide(int side);

    int S = 0;  // side
    int C = 0;  // column step
    int Hh = 0;  // half height, one y unit

    /// The left end of the top edge of column `x` in a view starting at column `ox`.
    int BoxLeft(int x, int ox, int marginX) const { return C * (x - ox) + marginX + RoundHalfEven(S / 2.0); }
    int BoxTop(int y, int oy, int marginY) const { return Hh * (y - oy) + marginY; }
    /// The length of the top edge, both ends counted.
    int BoxWidth() const { return S + 1; }
    int BoxHeight() const { return 2 * Hh; }
    /// True when pixel (px, py) lies in the outline of the hex whose box starts at (left, top).
    bool Contains(int left, int top, int px, int py) const;
};

/// True when pixel (px, py) lies in the hex whose central rectangle is the box; the wings
/// stick out width div 2 pixels on both sides (as drawn), their tips at mid-height.
bool HexBoxContains(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height, int px, int py);

}  // namespace korvane
