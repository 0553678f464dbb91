// Reading back the lines of the unit windows: filter codes, and the numbers of unit and faction lines.
#include "core/key_string_list.h"
#include "people/unit_list.h"
#include "people/unit_list_lines.h"
#include "world/vocabulary.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

struct FilterCase
{
    const char* name;
    int position;
    const char* line;
    int factionCode;
    int structureCode;
};

class FilterCodes : public ::testing::TestWithParam<FilterCase>
{
};

TEST_P(FilterCodes, ChoiceGivesCode)
{
    const FilterCase& c = GetParam();
    EXPECT_EQ(FactionFilterCode(c.position, c.line), c.factionCode);
    EXPECT_EQ(StructureFilterCode(c.position, c.line), c.structureCode);
}

INSTANTIATE_TEST_SUITE_P(
    UnitWindows, FilterCodes,
    ::testing::Values(FilterCase{"AllOrNone", 0, "All factions", 0, -1}, FilterCase{"UnknownOrOutside", 1, "Unknown", -1, 0},
                      FilterCase{"NothingChosen", -1, "", 0, -1},
                      // "   12- Name" for a faction, "   12 - Keep: Tower" for a structure.
                      FilterCase{"FactionLine", 2, "   12- Red Riders", 12, 12},
                      FilterCase{"StructureLine", 3, "  105 - Keep: Tower", 105, 105},
                      FilterCase{"LongFactionNumber", 2, "12345- Big", 12345, 12345},
                      FilterCase{"ShortLine", 4, "7", 7, 7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnitLineNumbers, ReadFromTheLinesTheListsBuild)
{
    TKeyStringList troops;
    AddRaceTable(troops);
    TUnit unit;
    unit.Number = 4711;
    unit.Faction = 12;
    unit.Name = "Scouts (2)";
    unit.AddTroops({troops.IndexOfKey("VIKI"), 3});
    const std::string line = UnitLineHead(unit, troops);
    EXPECT_EQ(UnitNumberOfLine(line), 4711);
    EXPECT_EQ(FactionOfUnitLine(line), 12);

    unit.Faction = -1;  // not revealed
    EXPECT_EQ(FactionOfUnitLine(UnitLineHead(unit, troops)), -1);
    EXPECT_EQ(FactionOfUnitLine("  12"), 0) << "a line cut short names no faction";

    EXPECT_EQ(FactionOfFactionLine("   12- Red Riders"), 12);
    EXPECT_EQ(FactionOfFactionLine("All factions"), 0);
    EXPECT_EQ(FactionOfFactionLine("Unknown"), 0);
}

}  // namespace
}  // namespace korvane
