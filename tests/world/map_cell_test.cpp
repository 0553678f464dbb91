// Cells: the blank rule, terrain names, structures and the own-units checks.
#include "world/map_cell.h"
#include "world/vocabulary.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

std::unique_ptr<TStructure> Structure(int number, const char* name)
{
    auto structure = std::make_unique<TStructure>();
    structure->Number = number;
    structure->Name = name;
    return structure;
}

TEST(MapCell, BlankRule)
{
    TMapCell cell;
    cell.PopCenter = "   ";
    cell.Comments = " ";
    cell.Unconfirmed = false;
    EXPECT_TRUE(cell.IsBlank()) << "spaces and the confirmation mark are not worth storing alone";

    const std::vector<std::function<void(TMapCell&)>> marks = {
        [](TMapCell& c) { c.Terrain = 2; },
        [](TMapCell& c) { c.LegacyName = "x"; },
        [](TMapCell& c) { c.Region = 1; },
        [](TMapCell& c) { c.LegacyValue = 1; },
        [](TMapCell& c) { c.Gate = 3; },
        [](TMapCell& c) { c.Silver = 1; },
        [](TMapCell& c) { c.Wages = 1; },
        [](TMapCell& c) { c.PopCenter = "Town"; },
        [](TMapCell& c) { c.Race = 1; },
        [](TMapCell& c) { c.Population = 1; },
        [](TMapCell& c) { c.FactionNo = 1; },
        // Typed by the player into an otherwise unknown hex, and saved.
        [](TMapCell& c) { c.Comments = "rumoured city"; },
        [](TMapCell& c) { c.Shaft = "Shaft"; },
        [](TMapCell& c) { c.Other = "Tower"; },
        [](TMapCell& c) { c.Entertainment = 5; },
        [](TMapCell& c) { c.MaxWages = 5; },
        [](TMapCell& c) {
            c.Products.push_back({0, 5, 0});
        },
    };
    for (std::size_t i = 0; i < marks.size(); ++i) {
        TMapCell marked;
        marks[i](marked);
        EXPECT_FALSE(marked.IsBlank()) << "mark " << i;
    }
}

TEST(MapCell, TerrainNamesOutsideTheListAreUnknown)
{
    const NameList terrains = BuiltInTerrainNames();
    TMapCell cell;
    for (const auto& [terrain, name] : {std::pair{0, "Unknown"}, {4, "Mountain"}, {-1, "Unknown"}, {99, "Unknown"}}) {
        cell.Terrain = terrain;
        EXPECT_EQ(cell.TerrainName(terrains), name) << terrain;
    }
}

TEST(MapCell, StructureSeenAgainReplacesTheOld)
{
    TMapCell cell;
    cell.AddStructure(Structure(12, "Tower"));
    cell.AddStructure(Structure(7, "First"));
    cell.AddStructure(Structure(7, "Second"));
    ASSERT_EQ(cell.Structures.Count(), 2);
    EXPECT_EQ(std::tuple(cell.Structures.KeyAt(0), cell.Structures.Items(0)->Name, cell.Structures.KeyAt(1)),
              std::tuple("000007", "Second", "000012"));
    cell.ClearStructures();
    EXPECT_EQ(cell.Structures.Count(), 0);
}

TEST(MapCell, OwnUnitsAndOrders)
{
    TMapCell cell;
    TUnitList mapUnits;
    EXPECT_FALSE(cell.HasOwnUnits(9));
    EXPECT_TRUE(cell.AllOwnUnitsHaveOrders(9, mapUnits));

    auto unit = [](int number, int faction) {
        auto u = std::make_unique<TUnit>();
        u->Number = number;
        u->Faction = faction;
        return u;
    };
    cell.Units.Add(unit(1, 9));
    cell.Units.Add(unit(2, 4));
    EXPECT_TRUE(cell.HasOwnUnits(9));
    EXPECT_TRUE(cell.AllOwnUnitsHaveOrders(9, mapUnits)) << "an own unit without a record counts as done";
    TUnit* record = mapUnits.Add(unit(1, 9));
    EXPECT_FALSE(cell.AllOwnUnitsHaveOrders(9, mapUnits));
    record->OrdersDone = true;
    EXPECT_TRUE(cell.AllOwnUnitsHaveOrders(9, mapUnits));
    mapUnits.Add(unit(2, 4));
    EXPECT_TRUE(cell.AllOwnUnitsHaveOrders(9, mapUnits)) << "other factions' orders do not count";
}

}  // namespace
}  // namespace korvane
