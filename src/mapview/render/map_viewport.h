// The rectangle of the grid the map window shows, and how it moves: pure arithmetic, so the
// window only turns events into these calls.
#pragma once

#include "world/first_view.h"

#include <optional>

namespace korvane {

class TrecINI;

/// Margins of the map on the screen, left and top.
inline constexpr int kScreenMarginX = 4;
inline constexpr int kScreenMarginY = 4;

/// What `MoveToHex` says about a target outside the grid.
inline constexpr const char* kCoordinateOutOfRange = "Coordinate out of range. Unable to move to hex.";

struct HexPosition
{
    int x = -1;
    int y = -1;
    bool IsValid() const { return x >= 0 && y >= 0; }
};

struct MapViewport
{
    int ViewLevel = 0;
    int Zoom = 5;  // 1..10; 10 draws the largest hexes
    int ViewLeft = 0;  // grid x of the leftmost column drawn
    int ViewTop = 0;  // grid y of the top row drawn
    int ViewCols = 1;  // columns that fit the paint box
    int ViewRows = 1;  // y units that fit the paint box
};

/// Columns and y units that fit a paint box of `width` by `height` pixels.
int ViewColsFor(int width, int zoom);
int ViewRowsFor(int height, int zoom);
/// Recomputes `ViewCols`/`ViewRows` for a paint box size.
void ResizeViewport(MapViewport& view, int width, int height);

/// Zoom position on the zoom bar (1 = "In" = zoom 10) and back.
inline int ZoomOfBarPosition(int position)
{
    return 11 - position;
}
inline int BarPositionOfZoom(int zoom)
{
    return 11 - zoom;
}

/// Changes the zoom and keeps the middle of the view where it was (never scrolling below 0).
void ZoomViewport(MapViewport& view, int zoom, int width, int height);

/// Changes the zoom and scrolls so that the hex under paint-box pixel (px, py) stays under it,
/// as far as the scroll ranges allow; off the hexes, the grid point under the pixel stays.
void ZoomViewportAt(MapViewport& view, int zoom, int px, int py, int width, int height);

/// The hex under a paint-box pixel, (-1, -1) when none. Where two outlines touch the hex with
/// the smaller x, then the smaller y, wins.
HexPosition HexAtPoint(const MapViewport& view, int px, int py);

/// Scrolls so that grid hex (x, y) is in the middle, as far as the grid allows.
void CentreOnHex(MapViewport& view, int x, int y);
/// The checked jump: false (nothing moved) when (x, y) is outside 0..320 by 0..192; otherwise
/// switches to `level` and centres on the hex.
bool MoveToHex(MapViewport& view, int x, int y, int level);

/// The saved home view, sized for a paint box of `width` by `height`; while no home has been
/// saved, centred on `unsavedHome` when given (the player's own world) instead.
void GoHome(MapViewport& view, const TrecINI& settings, int width, int height,
            const std::optional<GridPlace>& unsavedHome = std::nullopt);
/// Stores the view as home (its top-left corner, level and zoom); the caller writes the file.
void SaveHome(const MapViewport& view, TrecINI& settings);

}  // namespace korvane
