// Named builders of the worlds the map tests draw and the map window shows.
#pragma once

#include "mapview/render/map_scene.h"
#include "people/alliance_list.h"
#include "people/faction.h"
#include "people/faction_list.h"
#include "people/unit.h"
#include "world/map.h"
#include "world/map_cell.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

namespace korvane::testing {

/// A faction added to the registry.
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

/// A known hex of `terrain`, confirmed.
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

/// A world with its registries, drawn through one scene.
class RenderTest : public ::testing::Test
{
protected:
    TMap map;
    TFactionList factions;
    TAllianceList alliances;
    MapScene scene{map, factions, alliances};
};

}  // namespace korvane::testing
