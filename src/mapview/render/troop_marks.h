// The triangles in a hex's wings that show whose troops stand there.
#pragma once

class QPainter;

namespace korvane {

class TMapCell;
struct HexGeometry;
struct MapScene;

/// Marks the four largest troop groups of the cell drawn at (left, top): filled in the group's
/// colour when seen in the turn shown, faded with a dotted edge when only known from before.
void DrawTroops(QPainter& painter, const MapScene& scene, const TMapCell& cell, const HexGeometry& hex, int left,
                int top);

}  // namespace korvane
