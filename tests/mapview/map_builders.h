// Named builders of the worlds the map tests draw and the map window shows.
#pragma once

#include "mapview/render/map_buffer.h"
#include "mapview/render/map_drawing.h"
#include "mapview/render/map_scene.h"
#include "mapview/render/map_viewport.h"
#include "people/alliance_list.h"
#include "people/faction.h"
#include "people/faction_list.h"
#include "people/unit.h"
#include "world/map.h"
#include "world/map_cell.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <memory>
#include <string>
#include <tuple>

namespace korvane::testing {

inline TFaction& AddFaction(TFactionList& factions, int number, std::int32_t colour = 0, std::string name = "")
{
    auto faction = std::make_unique<TFaction>();
    std::tie(faction->Number, faction->Colour, faction->Name) = std::tuple(number, colour, std::move(name));
    return *factions.Add(std::move(faction));
}

/// A unit of `faction` seen in `turn`, with `men` of troop type `race` when there are any.
inline std::unique_ptr<TUnit> NewUnit(int number, int faction, int men = 0, int turn = 0, int race = 0)
{
    auto unit = std::make_unique<TUnit>();
    std::tie(unit->Number, unit->Faction, unit->Turn) = std::tuple(number, faction, turn);
    if (men > 0)
        unit->AddTroops({race, men});
    return unit;
}

inline TMapCell& Land(TMap& map, int x, int y, int terrain, int level = 0)
{
    TMapCell& cell = *map.EnsureCell(level, x, y);
    std::tie(cell.Terrain, cell.Unconfirmed) = std::tuple(terrain, false);
    return cell;
}

/// Every hex of columns 0..cols and rows 0..rows, each made by `make(cell, x, y)`.
template <typename Make>
void FillHexes(TMap& map, int cols, int rows, Make make)
{
    for (int x = 0; x <= cols; ++x)
        for (int y = x % 2; y <= rows; y += 2)
            make(*map.EnsureCell(0, x, y), x, y);
}

inline int CountColour(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

/// A world with its registries, drawn through one scene on a paint box of `size`, inside `clip`.
class RenderTest : public ::testing::Test
{
protected:
    MapFrame Frame(int zoom, int options, int level = 0) const
    {
        return {.cols = ViewColsFor(size.width(), zoom),
                .rows = ViewRowsFor(size.height(), zoom),
                .zoom = zoom,
                .level = level,
                .clip = clip,
                .options = options};
    }
    /// `frame` drawn over the window's background, which the buffer also has outside the world, with
    /// `ratio` device pixels to a logical one, directly or through `buffer`.
    QImage Draw(const MapFrame& frame, qreal ratio = 1, MapBuffer* buffer = nullptr)
    {
        QImage image(std::ceil(size.width() * ratio), std::ceil(size.height() * ratio), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(kMapBackground);
        QPainter painter(&image);
        if (buffer)
            DrawMapBuffered(painter, *buffer, scene, frame, false);
        else
            DrawMap(painter, scene, frame);
        return image;
    }

    TMap map;
    TFactionList factions;
    TAllianceList alliances;
    MapScene scene{map, factions, alliances};
    // Clipped inside: where the image cuts a slanted edge, Qt may place its last pixel differently.
    QSize size{640, 480};
    QRect clip{4, 4, 628, 468};
};

}  // namespace korvane::testing
