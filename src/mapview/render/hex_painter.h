// HexPainter: draws single hexes (terrain, settlement, features, marks) for one drawing.
#pragma once

#include "mapview/render/hex_geometry.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPolygon>

#include <cstdint>
#include <vector>

class QPainter;

namespace korvane {

class TMap;
class TMapCell;

/// Everything a hex drawing looks up more than once (fonts, brushes, the "solid" terrain) is
/// prepared once per drawing rather than per hex.
class HexPainter
{
public:
    /// `ownFaction` decides the done-orders cross.
    HexPainter(QPainter& painter, const TMap& map, const HexGeometry& hex, int options, std::int32_t ownFaction);

    /// Draws the hex whose top edge starts at (left, top). `cell` may be null: the grid holds
    /// nothing at (x, y) and the hex is drawn as unknown terrain.
    void Draw(const TMapCell* cell, int x, int y, int level, int left, int top);
    /// The flash highlight: the outline filled white, or black where the terrain is white.
    void DrawFlash(const TMapCell* cell, int left, int top);

    /// The outline of a hex whose top edge starts at (left, top).
    QPolygon Outline(int left, int top) const;

private:
    void FillTerrain(const TMapCell* cell, int left, int top);
    void DrawCoordinates(int x, int y, int level, int left, int top);
    void DrawSettlement(const TMapCell& cell, int left, int top);
    void DrawFeature(const TMapCell& cell, int left, int top);
    void DrawFeatureIcon(int icon, int cx, int cy);
    void DrawDoneCross(const TMapCell& cell, int left, int top);
    void DrawPassages(const TMapCell& cell, int left, int top);
    QBrush TerrainBrush(int terrain) const;
    const QImage& TerrainSprite(int terrain, bool hatched);

    QPainter& painter_;
    const TMap& map_;
    HexGeometry hex_;
    int options_;
    std::int32_t ownFaction_;
    int solidTerrain_;
    bool writeCoordinates_;
    bool writeLabels_;
    std::vector<QBrush> terrainBrushes_;
    // One finished hex (outline and fill) per terrain, plain and hatched: copying it is several
    // times faster than filling a polygon, with the same pixels.
    std::vector<QImage> plainSprites_, hatchedSprites_, iconSprites_;
    QFont coordinateFont_, nameFont_, labelFont_;
};

}  // namespace korvane
