// The places of the unit windows: a hex's structure choices, the all-units listing and the
// hex read back from one of its lines.
#include "core/key_string_list.h"
#include "world/map.h"
#include "world/unit_window_places.h"
#include "world/vocabulary.h"

#include <gtest/gtest.h>

#include <tuple>

namespace korvane {
namespace {

TEST(StructureChoices, NoneOutsideThenEachStructureInNumberOrder)
{
    const NameList types{"UNKNOWN", "magical  TOWER", "galleon"};
    TMapCell cell;
    const auto add = [&cell](int number, const char* name, int type) {
        auto structure = std::make_unique<TStructure>();
        std::tie(structure->Number, structure->Name, structure->Type) = std::tuple(number, name, type);
        cell.AddStructure(std::move(structure));
    };
    add(12, "  Sea Wolf ", 2);
    add(3, "Keep", 1);
    add(7, "Odd", 500);  // a code past the named types
    add(9, "Lost", 3);  // a code the vocabulary does not hold
    add(123456, "Far", -1);  // a number wider than its column is shown whole
    EXPECT_EQ(
        FillStructureList(cell, types),
        (std::vector<std::string>{"None", "Outside", "    3 - Keep: Magical  Tower", "    7 - Odd: Unknown",
                                  "    9 - Lost: Unknown", "   12 - Sea Wolf: Galleon", "123456 - Far: Unknown"}));
    EXPECT_EQ(FillStructureList(TMapCell(), types), (std::vector<std::string>{"None", "Outside"}));
}

class AllUnitsListing : public ::testing::Test
{
protected:
    AllUnitsListing() { AddRaceTable(troops); }

    void Add(int level, int x, int y, int number, int faction, const char* name, const char* race, int men,
             int structure = 0)
    {
        auto unit = std::make_unique<TUnit>();
        std::tie(unit->Number, unit->Faction, unit->Name, unit->Structure) = std::tuple(number, faction, name,
                                                                                        structure);
        unit->AddTroops({troops.IndexOfKey(race), men});
        map.EnsureCell(level, x, y)->Units.Add(std::move(unit));
    }

    TMap map;
    TKeyStringList troops;
};

TEST_F(AllUnitsListing, ListsLevelByLevelRowByRowWithTheirUnitsAndHexes)
{
    Add(1, 12, 8, 30, 5, "Miners (of (the) deep)", "VIKI", 1234567);  // a men text wider than its column
    Add(0, 14, 2, 20, -1, "Strangers", "VIKI", 1);
    Add(0, 12, 8, 10, 3, "Guards", "LEAD", 2, 4);
    Add(0, 2, 0, 40, 3, "Edge watch", "VIKI", 3);  // row 0 holds hexes too

    std::int64_t men = 0;
    std::vector<UnitLineKey> keys;
    const std::vector<std::string> lines = map.ListAllUnits(0, troops, men, &keys);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "    40    3 Edge watch                     3 men      (2,0)      ");
    EXPECT_EQ(lines[1], "    20   -1 Strangers                      1 man      (14,2)     ");
    EXPECT_EQ(lines[2], "    10    3 Guards                         2 LEAD     (12,8)      In 4");
    EXPECT_EQ(lines[3], "    30    5 Miners (of (the) deep)         1234567 men (12,8,u)   ");
    EXPECT_EQ(lines[2].find('(', 43), 54u) << "the position column starts at character 55";
    EXPECT_EQ(men, 1234573);

    const std::vector<std::tuple<int, int, int, int>> expected = {
        {40, 0, 2, 0}, {20, 0, 14, 2}, {10, 0, 12, 8}, {30, 1, 12, 8}};
    ASSERT_EQ(keys.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(std::tuple(keys[i].Unit, keys[i].Level, keys[i].X, keys[i].Y), expected[i]) << lines[i];
}

}  // namespace
}  // namespace korvane
