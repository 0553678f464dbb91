// The off-screen picture of the hexes around the screen's view, and what it holds.
#pragma once

#include <QImage>

#include <cstdint>

namespace korvane {

/// Scrolling within the margin the buffer holds beyond the view copies its pixels instead of
/// drawing the hexes again. It belongs to the view it is drawn for, not to the world.
struct MapBuffer
{
    QImage image;
    // The grid rectangle drawn into `image` (-1 while nothing is), and how it was drawn.
    int left = -1, top = -1, right = -1, bottom = -1;
    int zoom = 0, level = 0, options = 0;
    std::uint64_t generation = 0;  // the world's change count when drawn

    /// The next buffered paint draws the hexes again.
    void Invalidate() { left = top = right = bottom = -1; }
};

}  // namespace korvane
