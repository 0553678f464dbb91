// Viewport arithmetic of the map window.
#include "mapview/render/map_viewport.h"

#include "core/settings.h"
#include "mapview/render/hex_geometry.h"
#include "world/map.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

// The scroll bars' ranges: a position outside them cannot be set.
int ScrollX(int position)
{
    return std::clamp(position, 0, TMap::kMaxX);
}
int ScrollY(int position)
{
    return std::clamp(position, 0, TMap::kMaxY);
}

}  // namespace

int ViewColsFor(int width, int zoom)
{
    return std::max(width, 0) / (9 * std::clamp(zoom, 1, 10)) + 1;
}

int ViewRowsFor(int height, int zoom)
{
    // One hex row is 10.3923 pixels per zoom step (60·√3 / 10).
    const double rowHeight = std::clamp(zoom, 1, 10) * 103.923 * 0.1;
    return 2 * static_cast<int>(std::max(height, 0) / rowHeight) + 1;
}

void ResizeViewport(MapViewport& view, int width, int height)
{
    view.ViewCols = ViewColsFor(width, view.Zoom);
    view.ViewRows = ViewRowsFor(height, view.Zoom);
}

void ZoomViewport(MapViewport& view, int zoom, int width, int height)
{
    const int oldCols = view.ViewCols;
    const int oldRows = view.ViewRows;
    view.Zoom = std::clamp(zoom, 1, 10);
    ResizeViewport(view, width, height);
    view.ViewLeft = ScrollX(std::max(0, view.ViewLeft - (view.ViewCols - oldCols) / 2));
    view.ViewTop = ScrollY(std::max(0, view.ViewTop - (view.ViewRows - oldRows) / 2));
}

void ZoomViewportAt(MapViewport& view, int zoom, int px, int py, int width, int height)
{
    const HexGeometry before = HexGeometry::ForZoom(view.Zoom);
    const HexPosition anchor = HexAtPoint(view, px, py);
    // The grid point under the pixel, in columns and y units (a hex's middle sits S and Hh past
    // its column's and row's start).
    const double gx = view.ViewLeft + double(px - kScreenMarginX - before.S) / before.C;
    const double gy = view.ViewTop + double(py - kScreenMarginY - before.Hh) / before.Hh;
    view.Zoom = std::clamp(zoom, 1, 10);
    ResizeViewport(view, width, height);
    const HexGeometry after = HexGeometry::ForZoom(view.Zoom);
    const double left = gx - double(px - kScreenMarginX - after.S) / after.C;
    const double top = gy - double(py - kScreenMarginY - after.Hh) / after.Hh;
    view.ViewLeft = ScrollX(static_cast<int>(std::lround(left)));
    view.ViewTop = ScrollY(static_cast<int>(std::lround(top)));
    if (!anchor.IsValid())
        return;
    // Whole columns and rows cannot always put the same spot under the pixel; of the corners
    // next to the ideal one, take the nearest that keeps the hex there.
    MapViewport best = view;
    double bestDistance = -1;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            MapViewport candidate = view;
            candidate.ViewLeft = ScrollX(view.ViewLeft + dx);
            candidate.ViewTop = ScrollY(view.ViewTop + dy);
            const HexPosition hit = HexAtPoint(candidate, px, py);
            if (hit.x != anchor.x || hit.y != anchor.y)
                continue;
            const double distance = std::hypot(candidate.ViewLeft - left, candidate.ViewTop - top);
            if (bestDistance < 0 || distance < bestDistance) {
                best = candidate;
                bestDistance = distance;
            }
        }
    }
    view = best;
}

HexPosition HexAtPoint(const MapViewport& view, int px, int py)
{
    const HexGeometry hex = HexGeometry::ForZoom(view.Zoom);
    // The candidate rows are estimated with the same rounded half height the hexes are drawn
    // with; a truncated one drifts by a row every few dozen rows and missed the lower part
    // of a tall view.
    const int x0 = std::max(0, (px - kScreenMarginX) / hex.C + view.ViewLeft - 2);
    const int x1 = std::min(x0 + 3, TMap::kMaxX);
    const int y0 = std::max(0, static_cast<int>((py - kScreenMarginY) / double(hex.Hh)) + view.ViewTop - 2);
    const int y1 = std::min(y0 + 3, TMap::kMaxY);
    for (int x = x0; x <= x1; ++x) {
        for (int y = y0; y <= y1; ++y) {
            if ((x + y) % 2 != 0)
                continue;
            const int left = hex.BoxLeft(x, view.ViewLeft, kScreenMarginX);
            const int top = hex.BoxTop(y, view.ViewTop, kScreenMarginY);
            if (hex.Contains(left, top, px, py))
                return {x, y};
        }
    }
    return {};
}

void CentreOnHex(MapViewport& view, int x, int y)
{
    // Column 0 and row 0 hold hexes like any other: a jump there must show them.
    x = std::clamp(x, 0, TMap::kMaxX);
    y = std::clamp(y, 0, TMap::kMaxY);
    view.ViewLeft = ScrollX(std::max(0, x - view.ViewCols / 2));
    view.ViewTop = ScrollY(std::max(0, y - view.ViewRows / 2));
}

bool MoveToHex(MapViewport& view, int x, int y, int level)
{
    if (x < 0 || x > TMap::kMaxX || y < 0 || y > TMap::kMaxY)
        return false;
    view.ViewLevel = level;
    CentreOnHex(view, x, y);
    return true;
}

void GoHome(MapViewport& view, const TrecINI& settings, int width, int height,
            const std::optional<GridPlace>& unsavedHome)
{
    view.Zoom = std::clamp(settings.StartZoom, 1, 10);
    ResizeViewport(view, width, height);
    if (!settings.HomeSaved && unsavedHome) {
        view.ViewLevel = unsavedHome->Level;
        CentreOnHex(view, unsavedHome->X, unsavedHome->Y);
        return;
    }
    view.ViewLevel = settings.StartZ == 1 ? 1 : 0;
    view.ViewLeft = ScrollX(settings.StartX);
    view.ViewTop = ScrollY(settings.StartY);
}

void SaveHome(const MapViewport& view, TrecINI& settings)
{
    settings.StartX = view.ViewLeft;
    settings.StartY = view.ViewTop;
    settings.StartZ = view.ViewLevel;
    settings.StartZoom = view.Zoom;
    settings.HomeSaved = true;
}

}  // namespace korvane
