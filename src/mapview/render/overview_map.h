// The small overview of a whole level: one pixel per grid column and y unit.
#pragma once

#include <QImage>

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

/// The view's rectangle as a red frame on `overview`, in its logical pixels.
void DrawViewFrame(QImage& overview, const MapViewport& view);

/// The overview as a screen of `ratio` device pixels per logical pixel shows it: the same
/// logical size, each terrain pixel enlarged to a sharp block and the view's frame drawn at
/// the screen's own resolution.
QImage OverviewForScreen(const QImage& overview, const MapViewport& view, qreal ratio);

}  // namespace korvane
