// Cells: the blank rule, terrain names and the own-units checks.
#include "world/map_cell.h"
#include "world/vocabulary.h"

#include "support/record_builders.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvane {
namespace {

TEST(MapCell, BlankRuleTerrainNamesAndOwnUnitsOrders)
{
    TMapCell cell;
    cell.PopCenter = "   ";
    cell.Comments = " ";
    cell.Unconfirmed = false;
    EXPECT_TRUE(cell.IsBlank()) << "spaces and the confirmation mark are not worth storing alone";

    // Each mark alone is worth storing; comments too: typed by the player into an otherwise unknown hex, and saved.
    std::vector<TMapCell> marked(16 + 3);
    int at = 0;
    for (auto number : {&TMapCell::Terrain, &TMapCell::Region, &TMapCell::LegacyValue, &TMapCell::Gate,
                        &TMapCell::Silver, &TMapCell::Wages, &TMapCell::Race, &TMapCell::Population,
                        &TMapCell::FactionNo, &TMapCell::Entertainment, &TMapCell::MaxWages})
        marked[at++].*number = 1;
    for (auto text : {&TMapCell::LegacyName, &TMapCell::PopCenter})
        marked[at++].*text = "x";
    for (auto text : {&TMapCell::Comments, &TMapCell::Shaft, &TMapCell::Other})
        marked[at++].*text = "x";
    marked[at++].Products = {{0, 5, 0}};
    marked[at++].Wanted = {{0, 5, 9}};
    marked[at++].ForSale = {{0, 5, 9}};
    for (const TMapCell& one : marked)
        EXPECT_FALSE(one.IsBlank()) << "mark " << &one - marked.data();

    // Terrain codes outside the list read as unknown.
    const NameList terrains = BuiltInTerrainNames();
    for (const auto& [terrain, name] : {std::pair{0, "Unknown"}, {4, "Mountain"}, {-1, "Unknown"}, {99, "Unknown"}}) {
        cell.Terrain = terrain;
        EXPECT_EQ(cell.TerrainName(terrains), name) << terrain;
    }

    TUnitList mapUnits;
    EXPECT_TRUE(!cell.HasOwnUnits(9) && cell.AllOwnUnitsHaveOrders(9, mapUnits));
    cell.Units.Add(testing::NewUnit(1, 9));
    cell.Units.Add(testing::NewUnit(2, 4));
    EXPECT_TRUE(cell.HasOwnUnits(9) && cell.AllOwnUnitsHaveOrders(9, mapUnits))
        << "an own unit without a record counts as done";
    TUnit* record = mapUnits.Add(testing::NewUnit(1, 9));
    EXPECT_FALSE(cell.AllOwnUnitsHaveOrders(9, mapUnits));
    record->OrdersDone = true;
    EXPECT_TRUE(cell.AllOwnUnitsHaveOrders(9, mapUnits));
    mapUnits.Add(testing::NewUnit(2, 4));
    EXPECT_TRUE(cell.AllOwnUnitsHaveOrders(9, mapUnits)) << "other factions' orders do not count";
}

}  // namespace
}  // namespace korvane
