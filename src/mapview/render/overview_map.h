// The small overview of a level: one pixel per grid column and y unit, or the known part of
// the level enlarged.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

namespace korvane {

class TMap;
struct MapViewport;

inline constexpr int kOverviewWidth = 321;
inline constexpr int kOverviewHeight = 193;

/// A blank overview: silver all over.
QImage NewOverviewImage();

/// Redraws grid rectangle (left, top)–(right, bottom) of `level` into `overview`: unknown
/// terrain colour first, then each known hex's terrain colour over its two pixels.
void RefreshGlobalMap(QImage& overview, const TMap& map, int level, int left, int top, int right, int bottom);

/// The part of the grid the overview shows, and where it lands in the overview's logical
/// pixels: the same scale across and down, so hexes keep their shape.
struct OverviewArea
{
    QRect Grid{0, 0, kOverviewWidth, kOverviewHeight};  // grid columns and y units shown
    double Scale = 1;  // overview pixels per grid unit
    QPointF Offset;  // where the top-left of Grid lands

    bool IsWholeGrid() const { return Grid == OverviewArea().Grid; }
    QPointF ToOverview(QPointF grid) const { return Offset + (grid - QPointF(Grid.topLeft())) * Scale; }
    QPointF ToGrid(QPointF overview) const { return QPointF(Grid.topLeft()) + (overview - Offset) / Scale; }
};

/// The whole grid; with `knownWorld`, the rectangle around the known hexes of `level` with a
/// hex to spare on each side, as large as the overview allows. The whole grid still when the
/// level knows no hex.
OverviewArea OverviewAreaOf(const TMap& map, int level, bool knownWorld);

/// The view's rectangle as a red frame on `overview`, in its logical pixels.
void DrawViewFrame(QImage& overview, const MapViewport& view, const OverviewArea& area = {});

/// The overview as a screen of `ratio` device pixels per logical pixel shows it: the same
/// logical size, the area's part enlarged with each terrain pixel a sharp block, and the view's
/// frame drawn at the screen's own resolution.
QImage OverviewForScreen(const QImage& overview, const MapViewport& view, qreal ratio, const OverviewArea& area = {});

}  // namespace korvane
