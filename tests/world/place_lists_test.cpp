// Places listed by the windows: gate and city items and the position read back from one, a
// hex's structure choices, and the all-units listing with the hex of each line.
#include "core/key_string_list.h"
#include "world/map.h"
#include "world/place_lists.h"
#include "world/unit_window_places.h"
#include "world/vocabulary.h"

#include "support/record_builders.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Items = std::vector<std::string>;

TEST(PlaceLists, GateItemsAreOverworldGatesWithPaddedNumbers)
{
    TMap map;
    EXPECT_EQ(GateListItems(map), Items{});
    for (const auto& [level, x, y, gate] : {std::tuple{0, 12, 34, 7},
                                            {0, 12, 2, 45},
                                            {0, 320, 192, 1234},
                                            {0, 0, 0, 123},
                                            {1, 4, 6, 9},
                                            {0, 8, 8, 0},
                                            {0, 8, 10, -3}})
        map.EnsureCell(level, x, y)->Gate = gate;
    // The grid's edge holds hexes too; a 4-digit number keeps its first 3 characters.
    EXPECT_EQ(GateListItems(map), (Items{"123  (0,0)", " 45  (12,2)", "  7  (12,34)", "123  (320,192)"}));
}

TEST(PlaceLists, CityItemsContainTheTextInAnyCaseOnBothLevels)
{
    TMap map;
    for (const auto& [level, x, y, name] : {std::tuple{1, 6, 4, "Portsmouth"},
                                            {0, 20, 10, "  Newport "},
                                            {0, 4, 4, "Harbour"},
                                            {0, 5, 5, "   "},
                                            {1, 0, 2, "Deep Port"}})
        map.EnsureCell(level, x, y)->PopCenter = name;
    EXPECT_EQ(CityListItems(map, "PORT"),
              (Items{"Newport  (20,10)", "Deep Port  (0,2,underground)", "Portsmouth  (6,4,underground)"}));
    // Blank names never match, not even a space; an empty text finds nothing, as in every search.
    EXPECT_EQ(CityListItems(map, " "), Items{"Deep Port  (0,2,underground)"});
    EXPECT_EQ(CityListItems(map, ""), Items{});
}

TEST(PlaceLists, ItemPositionIsReadFromTheLastBracketGroup)
{
    using XY = std::optional<std::pair<int, int>>;
    for (const auto& [item, expected] : {std::pair{"  7  (12,34)", XY{{12, 34}}},
                                         {"Deep Port  (0,2,underground)", XY{{0, 2}}},
                                         {"Fort (Old), North  (8,6)", XY{{8, 6}}},
                                         {"X  (12a,b)", XY{{12, 0}}},
                                         {"Newport", XY{}},
                                         {"Newport  (12)", XY{}},
                                         {"Newport  (12,34", XY{}}})
        EXPECT_EQ(ListItemPosition(item), expected) << item;
}

TEST(StructureChoices, NoneOutsideThenEachStructureInNumberOrder)
{
    const NameList types{"UNKNOWN", "magical  TOWER", "galleon"};
    TMapCell cell;
    // A code past the named types, one the vocabulary lacks, and a number wider than its column.
    for (const auto& [number, name, type] :
         {std::tuple{12, "  Sea Wolf ", 2}, {3, "Keep", 1}, {7, "Odd", 500}, {9, "Lost", 3}, {123456, "Far", -1}})
        cell.AddStructure(std::make_unique<TStructure>(TStructure{number, type, name, ""}));
    EXPECT_EQ(FillStructureList(cell, types),
              (Items{"None", "Outside", "    3 - Keep: Magical  Tower", "    7 - Odd: Unknown", "    9 - Lost: Unknown",
                     "   12 - Sea Wolf: Galleon", "123456 - Far: Unknown"}));
    EXPECT_EQ(FillStructureList(TMapCell(), types), (Items{"None", "Outside"}));
}

TEST(AllUnitsListing, ListsLevelByLevelRowByRowWithTheirUnitsAndHexes)
{
    TMap map;
    TKeyStringList troops;
    AddRaceTable(troops);
    for (const auto& [level, x, y, number, faction, name, race, men, structure] :
         {std::tuple{1, 12, 8, 30, 5, "Miners (of (the) deep)", "VIKI", 1234567, 0},  // men wider than their column
          {0, 14, 2, 20, -1, "Strangers", "VIKI", 1, 0},
          {0, 12, 8, 10, 3, "Guards", "LEAD", 2, 4},
          {0, 2, 0, 40, 3, "Edge watch", "VIKI", 3, 0}}) {  // row 0 holds hexes too
        TUnit& unit = *map.EnsureCell(level, x, y)->Units.Add(testing::NewUnit(number, faction));
        std::tie(unit.Name, unit.Structure) = std::tuple(name, structure);
        unit.AddTroops({troops.IndexOfKey(race), men});
    }
    std::int64_t men = 0;
    std::vector<UnitLineKey> keys;
    const Items lines = map.ListAllUnits(0, troops, men, &keys);
    EXPECT_EQ(lines,
              (Items{"    40    3 Edge watch                     3 men      (2,0)      ",
                     "    20   -1 Strangers                      1 man      (14,2)     ",
                     "    10    3 Guards                         2 LEAD     (12,8)      In 4",
                     "    30    5 Miners (of (the) deep)         1234567 men (12,8,u)   "}));
    EXPECT_EQ(men, 1234573);
    const std::vector<std::tuple<int, int, int, int>> expected = {
        {40, 0, 2, 0}, {20, 0, 14, 2}, {10, 0, 12, 8}, {30, 1, 12, 8}};
    ASSERT_EQ(keys.size(), expected.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(std::tuple(keys[i].Unit, keys[i].Level, keys[i].X, keys[i].Y), expected[i]) << i;
}

}  // namespace
}  // namespace korvane
