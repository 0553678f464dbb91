// Cells: the blank rule, terrain names, structures and the own-units checks.
#include "world/map_cell.h"
#include "world/vocabulary.h"

#include "support/record_builders.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvane {
namespace {

TEST(MapCell, BlankRule)
{
    TMapCell cell;
    cell.PopCenter = "   ";
    cell.Comments = " ";
    cell.Unconfirmed = false;
    EXPECT_TRUE(cell.IsBlank()) << "spaces and the confirmation mark are not worth storing alone";

    // Comments count: typed by the player into an otherwise unknown hex, and saved.
    const std::function<void(TMapCell&)> marks[] = {
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
        [](TMapCell& c) { c.Comments = "rumoured city"; },
        [](TMapCell& c) { c.Shaft = "Shaft"; },
        [](TMapCell& c) { c.Other = "Tower"; },
        [](TMapCell& c) { c.Entertainment = 5; },
        [](TMapCell& c) { c.MaxWages = 5; },
        [](TMapCell& c) {
            c.Products = {{0, 5, 0}};
        },
    };
    for (const auto& mark : marks) {
        TMapCell marked;
        mark(marked);
        EXPECT_FALSE(marked.IsBlank()) << "mark " << &mark - marks;
    }
}

TEST(MapCell, TerrainNamesOutsideTheListAreUnknownAndAStructureSeenAgainReplacesTheOld)
{
    const NameList terrains = BuiltInTerrainNames();
    TMapCell cell;
    for (const auto& [terrain, name] : {std::pair{0, "Unknown"}, {4, "Mountain"}, {-1, "Unknown"}, {99, "Unknown"}}) {
        cell.Terrain = terrain;
        EXPECT_EQ(cell.TerrainName(terrains), name) << terrain;
    }
    for (const auto& [number, name] : {std::pair{12, "Tower"}, {7, "First"}, {7, "Second"}})
        cell.AddStructure(std::make_unique<TStructure>(TStructure{number, 0, name, ""}));
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
    EXPECT_TRUE(!cell.HasOwnUnits(9) && cell.AllOwnUnitsHaveOrders(9, mapUnits));
    cell.Units.Add(testing::NewUnit(1, 9));
    cell.Units.Add(testing::NewUnit(2, 4));
    EXPECT_TRUE(cell.HasOwnUnits(9));
    EXPECT_TRUE(cell.AllOwnUnitsHaveOrders(9, mapUnits)) << "an own unit without a record counts as done";
    TUnit* record = mapUnits.Add(testing::NewUnit(1, 9));
    EXPECT_FALSE(cell.AllOwnUnitsHaveOrders(9, mapUnits));
    record->OrdersDone = true;
    EXPECT_TRUE(cell.AllOwnUnitsHaveOrders(9, mapUnits));
    mapUnits.Add(testing::NewUnit(2, 4));
    EXPECT_TRUE(cell.AllOwnUnitsHaveOrders(9, mapUnits)) << "other factions' orders do not count";
}

}  // namespace
}  // namespace korvane
