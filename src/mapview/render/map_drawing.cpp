// Drawing the visible rectangle of the map.
#include "mapview/render/map_drawing.h"

#include "mapview/render/draw_options.h"
#include "mapview/render/hex_painter.h"
#include "mapview/render/map_fonts.h"
#include "mapview/render/troop_marks.h"
#include "world/map.h"
#include "world/map_cell.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace korvane {

namespace {

// About 10 points on a screen of 96 dots per inch.
QFont RulerFont()
{
    return MapFont(kMapSansFont, 15);
}

// Visits the grid positions of a frame in drawing order: columns right to left, each from
// the top down, one column and two y units beyond every edge so that partly visible hexes
// appear; rows whose hexes miss `area` vertically are left out.
template <typename F>
void ForEachFramePosition(const MapFrame& frame, const HexGeometry& hex, const QRect& area, F&& visit)
{
    int yFirst = frame.top - 2;
    int yLast = frame.top + frame.rows + 1;
    if (!area.isNull()) {
        // A hex and everything written on it stays within 4 pixels of its box.
        yFirst = std::max(yFirst, frame.top + (area.top() - frame.marginY - 4) / hex.Hh - 3);
        yLast = std::min(yLast, frame.top + (area.bottom() - frame.marginY + 4) / hex.Hh + 1);
    }
    for (int x = std::min(frame.left + frame.cols + 1, TMap::kMaxX); x >= std::max(frame.left - 1, 0); --x) {
        for (int y = std::max(yFirst, 0); y <= std::min(yLast, TMap::kMaxY); ++y) {
            if ((x + y) % 2 == 0)
                visit(x, y, hex.BoxLeft(x, frame.left, frame.marginX), hex.BoxTop(y, frame.top, frame.marginY));
        }
    }
}

void DrawHexes(QPainter& painter, const MapScene& scene, const MapFrame& frame, int options, const QRect& area)
{
    const HexGeometry hex = HexGeometry::ForZoom(frame.zoom);
    HexPainter hexPainter(painter, scene.map, hex, options, scene.ownFaction);
    ForEachFramePosition(frame, hex, area, [&](int x, int y, int left, int top) {
        hexPainter.Draw(scene.map.Cell(frame.level, x, y), x, y, frame.level, left, top);
    });
}

// Hexes (and troop marks when wanted) inside `clip`.
void DrawClipped(QPainter& painter, const MapScene& scene, const MapFrame& frame, const QRect& clip, int options,
                 const QRect& area, bool troops)
{
    painter.save();
    painter.setClipRect(clip);
    DrawHexes(painter, scene, frame, options, area);
    if (troops && WantsTroopMarks(frame))
        DrawTroopMarks(painter, scene, frame);
    painter.restore();
}

}  // namespace

int ReserveRulers(const MapFrame& frame, const HexGeometry& hex, QRect& clip)
{
    if (!(frame.options & doHexCoords))
        return frame.options;
    if (RulersFit(hex)) {
        clip.setRight(clip.right() - 20);
        clip.setBottom(clip.bottom() - 10);
    }
    return frame.options & ~doHexCoords;
}

void DrawScreenRulers(QPainter& painter, const MapFrame& frame, const HexGeometry& hex, const QRect& clip)
{
    if (clip != frame.clip)
        DrawRulers(painter, frame, hex, clip.right(), clip.bottom());
}

bool WantsTroopMarks(const MapFrame& frame)
{
    return (frame.options & doTroops) && frame.zoom >= 3;
}

void DrawMap(QPainter& painter, const MapScene& scene, const MapFrame& frame)
{
    const HexGeometry hex = HexGeometry::ForZoom(frame.zoom);
    QRect clip = frame.clip;
    const int options = ReserveRulers(frame, hex, clip);
    DrawScreenRulers(painter, frame, hex, clip);
    DrawClipped(painter, scene, frame, clip, options, QRect(), true);
}

void DrawMapBitmap(QPainter& painter, const MapScene& scene, const MapFrame& frame, const QRect& area)
{
    DrawClipped(painter, scene, frame, frame.clip, frame.options, area, true);
}

void DrawHexLayer(QPainter& painter, const MapScene& scene, const MapFrame& frame)
{
    DrawClipped(painter, scene, frame, frame.clip, frame.options, QRect(), false);
}

void DrawTroopMarks(QPainter& painter, const MapScene& scene, const MapFrame& frame)
{
    const HexGeometry hex = HexGeometry::ForZoom(frame.zoom);
    ForEachFramePosition(frame, hex, QRect(), [&](int x, int y, int left, int top) {
        if (const TMapCell* cell = scene.map.Cell(frame.level, x, y))
            DrawTroops(painter, scene, *cell, hex, left, top);
    });
}

void DrawOneHex(QPainter& painter, const MapScene& scene, const MapFrame& frame, int x, int y, int phase)
{
    if (!TMap::IsValidPosition(frame.level, x, y))
        return;
    const HexGeometry hex = HexGeometry::ForZoom(frame.zoom);
    const int left = hex.BoxLeft(x, frame.left, frame.marginX);
    const int top = hex.BoxTop(y, frame.top, frame.marginY);
    QRect clip = frame.clip;
    const int options = ReserveRulers(frame, hex, clip);
    painter.save();
    painter.setClipRect(clip);
    const TMapCell* cell = scene.map.Cell(frame.level, x, y);
    HexPainter hexPainter(painter, scene.map, hex, options, scene.ownFaction);
    if (phase == 0)
        hexPainter.DrawFlash(cell, left, top);
    else
        hexPainter.Draw(cell, x, y, frame.level, left, top);
    if (cell && WantsTroopMarks(frame))
        DrawTroops(painter, scene, *cell, hex, left, top);
    painter.restore();
}

bool RulersFit(const HexGeometry& hex)
{
    return QFontMetrics(RulerFont()).horizontalAdvance(QStringLiteral("999")) <= hex.S;
}

void DrawRulers(QPainter& painter, const MapFrame& frame, const HexGeometry& hex, int right, int bottom)
{
    painter.save();
    painter.setFont(RulerFont());
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    const QFontMetrics metrics = painter.fontMetrics();
    const bool under = frame.level == TMap::kUnderworld;
    for (int x = frame.left; x <= std::min(frame.left + frame.cols - 1, TMap::kMaxX); ++x) {
        if (under && x % 2 != 0)
            continue;
        const int px = RoundHalfEven(1.5 * hex.S * (x - frame.left) + frame.marginX + hex.S);
        const QString label = QString::number(under ? x / 2 : x);
        if (px < right)
            DrawTextAt(painter, px - metrics.horizontalAdvance(label) / 2, bottom - 3, label);
    }
    const int textX = right + 9;
    for (int y = frame.top; y <= std::min(frame.top + frame.rows - 2, TMap::kMaxY); ++y) {
        if (under && (y % 2 != 0 || y < 2))
            continue;
        const int py = (y - frame.top + 1) * hex.Hh - 3;
        const QString label = QString::number(under ? y / 2 - 1 : y);
        if (py < bottom - 10)
            DrawTextAt(painter, textX - metrics.horizontalAdvance(label) / 2, py, label);
    }
    painter.restore();
}

}  // namespace korvane
