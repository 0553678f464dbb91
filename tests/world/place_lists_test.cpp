// Places the windows list (gates, cities, structures) and where a player first looks.
#include "world/first_view.h"
#include "world/map.h"
#include "world/place_lists.h"
#include "world/unit_window_places.h"
#include "world/vocabulary.h"

#include "support/record_builders.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Items = std::vector<std::string>;
using testing::UnitAt;

TEST(PlaceLists, GateAndCityItemsAndThePositionReadBack)
{
    TMap map;
    EXPECT_EQ(GateListItems(map), Items{});
    const std::tuple<int, int, int, int> gates[] = {{0, 12, 34, 7}, {0, 12, 2, 45}, {0, 320, 192, 1234}, {0, 0, 0, 123},
                                                    {1, 4, 6, 9},   {0, 8, 8, 0},   {0, 8, 10, -3}};
    for (const auto& [level, x, y, gate] : gates)
        map.EnsureCell(level, x, y)->Gate = gate;
    // The grid's edge holds hexes too; a 4-digit number keeps its first 3 characters.
    EXPECT_EQ(GateListItems(map), (Items{"123  (0,0)", " 45  (12,2)", "  7  (12,34)", "123  (320,192)"}));

    using City = std::tuple<int, int, int, const char*>;
    for (const auto& [level, x, y, name] : {City(1, 6, 4, "Portsmouth"), City(0, 20, 10, "  Newport "),
                                            City(0, 4, 4, "Harbour"), City(0, 5, 5, "   "), City(1, 0, 2, "Deep Port")})
        map.EnsureCell(level, x, y)->PopCenter = name;
    EXPECT_EQ(CityListItems(map, "PORT"),
              (Items{"Newport  (20,10)", "Deep Port  (0,2,underground)", "Portsmouth  (6,4,underground)"}));
    EXPECT_EQ(CityListItems(map, " "), Items{"Deep Port  (0,2,underground)"}) << "blank names never match";
    EXPECT_EQ(CityListItems(map, ""), Items{});

    using R = std::pair<const char*, std::optional<std::pair<int, int>>>;
    for (const auto& [item, expected] :
         {R("  7  (12,34)", std::pair(12, 34)), R("Deep Port  (0,2,underground)", std::pair(0, 2)),
          R("Fort (Old), North  (8,6)", std::pair(8, 6)), R("X  (12a,b)", std::pair(12, 0)), R("Newport", std::nullopt),
          R("Newport  (12)", std::nullopt), R("Newport  (12,34", std::nullopt)})
        EXPECT_EQ(ListItemPosition(item), expected) << item;
}

TEST(StructureChoices, NoneOutsideThenEachStructureInNumberOrder)
{
    const NameList types{"UNKNOWN", "magical  TOWER", "galleon"};
    TMapCell cell;
    // A code past the named types, one the vocabulary lacks, a number wider than its column, one seen again.
    const std::tuple<int, const char*, int> structures[] = {
        {12, "  Sea Wolf ", 2}, {3, "Keep", 1}, {7, "Old", 1}, {7, "Odd", 500}, {9, "Lost", 3}, {123456, "Far", -1}};
    for (const auto& [number, name, type] : structures)
        cell.AddStructure(std::make_unique<TStructure>(TStructure{number, type, name, ""}));
    EXPECT_EQ(FillStructureList(cell, types),
              (Items{"None", "Outside", "    3 - Keep: Magical  Tower", "    7 - Odd: Unknown", "    9 - Lost: Unknown",
                     "   12 - Sea Wolf: Galleon", "123456 - Far: Unknown"}));
    EXPECT_EQ(FillStructureList(TMapCell(), types), (Items{"None", "Outside"}));
}

TMapCell& Known(TMap& map, int level, int x, int y)
{
    TMapCell& cell = *map.EnsureCell(level, x, y);
    cell.Terrain = 1;
    return cell;
}

TEST(PlayersWorldCentre, TheirUnitsThenSettlementsThenTheMiddleOfWhatIsKnown)
{
    TMap map;
    EXPECT_EQ(PlayersWorldCentre(map, 3), std::nullopt) << "nothing known";

    for (int x = 10; x <= 30; x += 4)
        Known(map, 0, x, 4);
    Known(map, 1, 5, 5);
    EXPECT_EQ(PlayersWorldCentre(map, 3), (GridPlace{0, 18, 4}))
        << "the level of more known hexes, the known hex nearest their middle";
    Known(map, 0, 30, 4).PopCenterType = kCity;
    Known(map, 1, 40, 40).PopCenterType = kTown;
    Known(map, 1, 46, 40).PopCenterType = kVillage;
    Known(map, 1, 44, 42).PopCenterType = kCity;
    EXPECT_EQ(PlayersWorldCentre(map, 3), (GridPlace{1, 44, 42})) << "settlements, on the level of more of them";
    Known(map, 0, 10, 4).Units.Add(UnitAt(1, 3, 0, 10, 4));
    for (int n : {2, 3})
        Known(map, 1, 5, 5).Units.Add(UnitAt(n, 3, 1, 5, 5));
    for (int n = 4; n < 9; ++n)
        Known(map, 0, 30, 4).Units.Add(UnitAt(n, 7, 0, 30, 4));
    EXPECT_EQ(PlayersWorldCentre(map, 3), (GridPlace{1, 5, 5})) << "the hex of most of the player's units";
    EXPECT_EQ(PlayersWorldCentre(map, 0), (GridPlace{1, 44, 42})) << "no faction number: no units of the player's";
}

}  // namespace
}  // namespace korvane
