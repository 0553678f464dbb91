// Drawing a rectangle of the hex map: on the screen (directly or through a buffer), into
// bitmaps, one hex for the flash, and the coordinate rulers.
#pragma once

#include "mapview/render/map_scene.h"

#include <QColor>
#include <QRect>

class QImage;
class QPainter;

namespace korvane {

struct HexGeometry;
struct MapBuffer;

/// The screen's colour where no hex is drawn (between the hex tips, in the margins), the same
/// for direct and buffered drawing.
inline const QColor kMapBackground(0xF0, 0xF0, 0xF0);

/// The screen map: rulers (when "999" fits a hex side) instead of coordinates on the hexes,
/// then the hexes right to left, then the troop marks from zoom 3 on.
void DrawMap(QPainter& painter, const MapScene& scene, const MapFrame& frame);

/// The same picture, with the hexes taken from `buffer` when it already holds the view at
/// the same zoom, level and options, drawn from the world as it is now (and `forceRedraw` is
/// false); otherwise the buffer is redrawn with a margin around the view first. Its image
/// grows when it is too small.
void DrawMapBuffered(QPainter& painter, MapBuffer& buffer, const MapScene& scene, const MapFrame& frame,
                     bool forceRedraw);

/// A bitmap's hexes: no rulers, each hex carries its own coordinates when asked. Only the
/// hexes that reach the rows of `area` are drawn (all, when `area` is null), so a large
/// bitmap can be drawn band by band with the same result.
void DrawMapBitmap(QPainter& painter, const MapScene& scene, const MapFrame& frame, const QRect& area = QRect());

/// The hexes of the frame as options say, without rulers and without troop marks (the
/// troops option only keeps labels off the wings the marks will take).
void DrawHexLayer(QPainter& painter, const MapScene& scene, const MapFrame& frame);

/// True when the frame's troop marks are drawn: asked for, and hexes large enough (zoom 3+).
bool WantsTroopMarks(const MapFrame& frame);
/// The troop triangles of every cell in the frame.
void DrawTroopMarks(QPainter& painter, const MapScene& scene, const MapFrame& frame);

/// Redraws hex (x, y) of the frame for the flash: phase 1 as usual, phase 0 highlighted.
void DrawOneHex(QPainter& painter, const MapScene& scene, const MapFrame& frame, int x, int y, int phase);

/// The screen shows rulers instead of coordinates on the hexes: when they fit, `clip` gives
/// up a strip at its right and bottom for them. Gives the options to draw the hexes with.
int ReserveRulers(const MapFrame& frame, const HexGeometry& hex, QRect& clip);
/// Draws the rulers in the strip `ReserveRulers` took from the frame's clip, if it took one.
void DrawScreenRulers(QPainter& painter, const MapFrame& frame, const HexGeometry& hex, const QRect& clip);

/// True when the rulers' numbers fit the hexes of this size.
bool RulersFit(const HexGeometry& hex);
/// Column numbers along `bottom` and row numbers right of `right` (both already moved in
/// to make room for them); the underworld shows its own numbers on its real hexes only.
void DrawRulers(QPainter& painter, const MapFrame& frame, const HexGeometry& hex, int right, int bottom);

}  // namespace korvane
