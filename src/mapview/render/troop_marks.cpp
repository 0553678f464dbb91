// Troop triangles.
#include "mapview/render/troop_marks.h"

#include "mapview/render/colour.h"
#include "mapview/render/hex_geometry.h"
#include "mapview/render/map_scene.h"
#include "mapview/render/troop_groups.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace korvane {

void DrawTroops(QPainter& painter, const MapScene& scene, const TMapCell& cell, const HexGeometry& hex, int left,
                int top)
{
    const std::vector<TroopGroup> groups = CollectTroopGroups(cell, scene.display, scene.factions, scene.alliances,
                                                              scene.currentTurn);
    const int s = hex.S, hh = hex.Hh;
    // Left top, right top, left bottom, right bottom wing.
    const QPolygon wings[4] = {
        QPolygon({QPoint(left + 1, top + 3), QPoint(left + 1, top + hh), QPoint(left - s / 2 + 3, top + hh)}),
        QPolygon({QPoint(left + s, top + 2), QPoint(left + s, top + hh), QPoint(left + s + s / 2 - 2, top + hh)}),
        QPolygon({QPoint(left + 1, top + 2 * hh - 3), QPoint(left + 1, top + hh), QPoint(left - s / 2 + 3, top + hh)}),
        QPolygon(
            {QPoint(left + s, top + 2 * hh - 2), QPoint(left + s, top + hh), QPoint(left + s + s / 2 - 2, top + hh)}),
    };
    const std::size_t count = std::min<std::size_t>(groups.size(), 4);
    for (std::size_t i = 0; i < count; ++i) {
        const TroopGroup& group = groups[i];
        if (group.Colour < 0)
            continue;
        const QColor colour = ToQColor(group.Colour);
        if (group.Stale >= 0) {
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(colour);
        } else {
            painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter.setBrush(QBrush(colour, Qt::Dense4Pattern));
        }
        painter.drawPolygon(wings[i]);
    }
}

}  // namespace korvane
