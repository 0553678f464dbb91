// Telling report lines apart, and reading coordinates, region headers and directions.
#include "reportimport/report_lines.h"
#include "reportimport/report_reader.h"
#include "world/map.h"

#include "support/param_names.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::NameFromText;
using testing::Quoted;

struct LineCase
{
    const char* line;
    int code;
};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << Quoted(c.line) << " -> " << c.code;
}

class ClassifyReportLineTest : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(ClassifyReportLineTest, GivesCode)
{
    const TMap map;
    EXPECT_EQ(ClassifyReportLine(map, GetParam().line), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassifyReportLineTest,
    ::testing::Values(LineCase{"", 0}, LineCase{"    ", 0}, LineCase{"ATLANTIS REPORT FOR:", 1},
                      LineCase{"Errors during turn:", 2}, LineCase{"Events during turn:", 4}, LineCase{"XXXXXXX", 0},
                      LineCase{"Unclaimed silver: 200.", 9},
                      LineCase{"  The weather was clear last month; it will be clear next month.", 10},
                      LineCase{"  IT WAS winter last month", 10}, LineCase{"  Wanted: none.", 12},
                      LineCase{"  For Sale: none.", 13}, LineCase{"Exits:", 16},
                      LineCase{"There is a Gate here (Gate 3 of 9).", 17}, LineCase{"* Scouts (5), 2 men [MEN].", 18},
                      LineCase{"- Scouts (5)", 19}, LineCase{"  * Inside (6)", 20}, LineCase{"  - Inside (6)", 21},
                      LineCase{"+ Keep [1] : Tower.", 22}, LineCase{"Orders Template (Long Format):", 23},
                      LineCase{"plain (2,4) in Ravenmoor, 100 peasants (nomads), $300.", 24},
                      LineCase{"cavern (1,3,underworld) in Deepdark.", 24},
                      LineCase{"plain (2,4) in Ravenmoor rides on", 5}, LineCase{"plain (2,5) in Ravenmoor.", 0},
                      LineCase{"Scouts (12) walks from plain (2,4) in Ravenmoor to forest (3,5) in Elm.", 0},
                      LineCase{"Atlantis Engine Version: 5.2.5 (beta)", 0}, LineCase{" plain (2,4) in Ravenmoor.", 0}),
    [](const auto& info) { return NameFromText(info.param.line); });

TEST(MonthNumber, NamesAndShortNames)
{
    for (const auto& [name, month] :
         {std::pair{"January", 1}, {"dec", 12}, {"SEPTEMBER", 9}, {"May", 5}, {"Sept", -1}, {"", -1}})
        EXPECT_EQ(MonthNumber(name), month) << name;
}

TEST(ParseCoords, LevelsAndTheNexus)
{
    int x, y, level;
    TMap::ParseCoords("(3,5,underworld)", x, y, level);
    EXPECT_EQ(std::tuple(x, y, level), std::tuple(3, 5, 1));
    TMap::ParseCoords("(0,8,deep  underworld)", x, y, level);
    EXPECT_EQ(std::tuple(x, y, level), std::tuple(0, 8, 1));
    TMap::ParseCoords("(3,5,2)", x, y, level);
    EXPECT_EQ(level, 1) << "any third element is the underworld";
    TMap::ParseCoords("x (3,5) y", x, y, level);
    EXPECT_EQ(std::tuple(x, y, level), std::tuple(3, 5, 0));
    TMap::ParseCoords("(0,0,nexus)", x, y, level);
    EXPECT_EQ(level, -1) << "the Nexus is on neither mapped level";
    TMap::ParseCoords("(beta)", x, y, level);
    EXPECT_EQ(std::pair(x, y), std::pair(-1, -1));
    TMap::ParseCoords("no brackets", x, y, level);
    EXPECT_EQ(std::pair(x, y), std::pair(-1, -1));
}

TEST(ParseRegionHeader, FillsEveryItemOfAFullHeader)
{
    TMap map;
    int level, x, y;
    ASSERT_TRUE(map.ParseRegionHeader(
        "plain (10,12) in Ravenmoor, contains Oakbridge [town], 1234 peasants  (high elves), $5678.", level, x, y));
    EXPECT_EQ(std::tuple(level, x, y), std::tuple(0, 10, 12));
    const TMapCell& cell = *map.Cell(0, 10, 12);
    EXPECT_EQ(std::tuple(cell.Terrain, map.RegionList[cell.Region], cell.PopCenter, cell.PopCenterType),
              std::tuple(2, "Ravenmoor", "Oakbridge", kTown));
    EXPECT_EQ(std::tuple(cell.Population, map.RaceList[cell.Race], cell.Silver), std::tuple(1234, "high elves", 5678));
    EXPECT_TRUE(cell.Unconfirmed) << "only the reader's region blocks confirm a hex";

    // A shorter text for the same hex changes only what it names.
    ASSERT_TRUE(map.ParseRegionHeader("forest (10,12) in Ravenmoor.", level, x, y));
    EXPECT_EQ(std::tuple(cell.Terrain, cell.PopCenter, cell.Silver), std::tuple(3, "Oakbridge", 5678));
    EXPECT_EQ(map.RegionList.Count(), 2);
}

TEST(ParseRegionHeader, UnderworldAndFailures)
{
    TMap map;
    int level = 9, x = 9, y = 9;
    ASSERT_TRUE(
        map.ParseRegionHeader("undercavern (3,5,deep  underworld) in Gloom, contains Grot [village].", level, x, y));
    EXPECT_EQ(std::tuple(level, x, y), std::tuple(1, 6, 12));
    EXPECT_EQ(std::tuple(map.Cell(1, 6, 12)->Terrain, map.Cell(1, 6, 12)->PopCenterType), std::tuple(10, kVillage));

    for (const char* header :
         {"plain (3,4) in Odd.", "plain (-2,4) in Negative.", "plain (400,4) in Far.",
          "cavern (200,4,underworld) in Far.", "nexus (0,0,nexus) in Unnamed.", "plain in nowhere"})
        EXPECT_FALSE(map.ParseRegionHeader(header, level, x, y)) << header;
    EXPECT_EQ(map.Cell(1, 0, 2), nullptr) << "the Nexus must not overwrite underworld (0,0)";
    EXPECT_EQ(map.CellCount(), 1);
}

TEST(Directions, CodesAndNeighbours)
{
    int code = 0;
    for (const char* name : {"Up", "  North", "ortheast", "outheast", "  South", "outhwest", "orthwest"})
        EXPECT_EQ(DirectionCode(name), code++) << name;
    const int expected[7][2] = {{5, 5}, {5, 3}, {6, 4}, {6, 6}, {5, 7}, {4, 6}, {4, 4}};
    for (int direction = 0; direction <= 6; ++direction) {
        int x = 5, y = 5;
        TMap::NeighbourCoords(x, y, direction);
        EXPECT_EQ(std::pair(x, y), std::pair(expected[direction][0], expected[direction][1])) << direction;
    }
}

}  // namespace
}  // namespace korvane
