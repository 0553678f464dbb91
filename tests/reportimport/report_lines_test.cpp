// Telling report lines apart, and reading region headers, their coordinates and directions.
#include "reportimport/report_lines.h"
#include "reportimport/report_reader.h"
#include "world/map.h"

#include "support/param_names.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::Quoted;

TEST(ClassifyReportLine, GivesTheCodeOfEachKindOfLine)
{
    const TMap map;
    using R = std::pair<int, std::vector<const char*>>;  // a code and lines of that kind
    for (const auto& [code, lines] :
         {R(0,
            {"", "XXXXXXX", "plain (2,5) in Ravenmoor.",
             "Scouts (12) walks from plain (2,4) in Ravenmoor to forest (3,5) in Elm.", " plain (2,4) in Ravenmoor."}),
          R(1, {"ATLANTIS REPORT FOR:"}), R(2, {"Errors during turn:"}), R(4, {"Events during turn:"}),
          R(5, {"plain (2,4) in Ravenmoor rides on"}), R(9, {"Unclaimed silver: 200."}),
          R(10, {"  The weather was clear last month; it will be clear next month.", "  IT WAS winter last month"}),
          R(12, {"  Wanted: none."}), R(13, {"  For Sale: none."}), R(16, {"Exits:"}),
          R(17, {"There is a Gate here (Gate 3 of 9)."}), R(18, {"* Scouts (5), 2 men [MEN]."}),
          R(19, {"- Scouts (5)"}), R(20, {"  * Inside (6)"}), R(21, {"  - Inside (6)"}), R(22, {"+ Keep [1] : Tower."}),
          R(23, {"Orders Template (Long Format):"}),
          R(24, {"plain (2,4) in Ravenmoor, 100 peasants (nomads), $300.", "cavern (1,3,underworld) in Deepdark."})})
        for (const char* line : lines)
            EXPECT_EQ(ClassifyReportLine(map, line), code) << Quoted(line);
}

TEST(MonthNumber, NamesAndShortNames)
{
    for (const auto& [name, month] :
         {std::pair{"January", 1}, {"dec", 12}, {"SEPTEMBER", 9}, {"May", 5}, {"Sept", -1}, {"", -1}})
        EXPECT_EQ(MonthNumber(name), month) << name;
}

TEST(ParseRegionHeader, FillsWhatAHeaderNamesOnEitherLevelAndRefusesPlacesOffTheGrid)
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
    ASSERT_TRUE(map.ParseRegionHeader("forest (10,12) in Ravenmoor.", level, x, y));
    EXPECT_EQ(std::tuple(cell.Terrain, cell.PopCenter, cell.Silver), std::tuple(3, "Oakbridge", 5678));
    EXPECT_EQ(map.RegionList.Count(), 2);

    ASSERT_TRUE(
        map.ParseRegionHeader("undercavern (3,5,deep  underworld) in Gloom, contains Grot [village].", level, x, y));
    EXPECT_EQ(std::tuple(level, x, y), std::tuple(1, 6, 12));
    EXPECT_EQ(std::tuple(map.Cell(1, 6, 12)->Terrain, map.Cell(1, 6, 12)->PopCenterType), std::tuple(10, kVillage));
    for (const char* header :
         {"plain (3,4) in Odd.", "plain (-2,4) in Negative.", "plain (400,4) in Far.", "plain (beta) in Odd.",
          "cavern (200,4,underworld) in Far.", "nexus (0,0,nexus) in Unnamed.", "plain in nowhere"})
        EXPECT_FALSE(map.ParseRegionHeader(header, level, x, y)) << header;
    EXPECT_EQ(map.Cell(1, 0, 2), nullptr) << "the Nexus must not overwrite underworld (0,0)";
    EXPECT_EQ(map.CellCount(), 2);
}

// Each direction's code, as the name is cut in reports, and its neighbour of hex (5,5).
TEST(Directions, CodesAndNeighbours)
{
    const std::tuple<const char*, int, int> directions[] = {{"Up", 5, 5},       {"  North", 5, 3}, {"ortheast", 6, 4},
                                                            {"outheast", 6, 6}, {"  South", 5, 7}, {"outhwest", 4, 6},
                                                            {"orthwest", 4, 4}};
    for (int code = 0; code <= 6; ++code) {
        const auto& [name, nx, ny] = directions[code];
        int x = 5, y = 5;
        TMap::NeighbourCoords(x, y, code);
        EXPECT_EQ(std::tuple(DirectionCode(name), x, y), std::tuple(code, nx, ny)) << name;
    }
}

}  // namespace
}  // namespace korvane
