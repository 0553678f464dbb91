// The shapes of the map's settlement and feature icons.
#pragma once

#include <cstdint>

class QPainter;

namespace korvane {

/// Styles 0 to 14; any other style is a hollow circle with a plus.
inline constexpr int kIconStyleCount = 15;

/// Draws icon `style` in `colour` centred on (cx, cy) for hexes of side `side`. Silver
/// ($C0C0C0) draws the shape hollow. Leaves the painter's pen and brush changed.
void DrawIcon(QPainter& painter, int cx, int cy, std::int32_t colour, int style, int side);

}  // namespace korvane
