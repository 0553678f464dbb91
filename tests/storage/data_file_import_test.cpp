// Data files of region descriptions: how lines make records, and the cells they fill.
#include "storage/data_file_import.h"
#include "world/map.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;

TEST(DataFileRecords, IndentedLinesContinueTheRecordAboveAndEachRecordFillsACell)
{
    const std::pair<Lines, Lines> rows[] = {
        {{"forest (3,5) in Lavan, 120 peasants", "   (elves), $300."},
         {"forest (3,5) in Lavan, 120 peasants (elves), $300."}},
        {{"", "hill (1,1) in C.  ", "   ", "", "  ", "swamp (5,7) in D"}, {"hill (1,1) in C.", "swamp (5,7) in D"}},
        {{"  desert (6,6) in E,", "  with sand"}, {"desert (6,6) in E, with sand"}},
        {{}, {}},
    };
    for (const auto& [lines, records] : rows)
        EXPECT_EQ(DataFileRecords(lines), records) << ::testing::PrintToString(lines);

    testing::TempDir dir;
    TMap map;
    EXPECT_FALSE(ImportDataFile(map, dir.File("missing.txt")));
    // A wrapped description, then one on the last line without a line end.
    dir.Write("regions.txt", "forest (3,5) in Lavan, 120 peasants (elves),\r\n  $300.\r\nmountain (4,6) in Borr.");
    ASSERT_TRUE(ImportDataFile(map, dir.File("regions.txt")));
    EXPECT_EQ(map.CellCount(), 2);
    ASSERT_TRUE(map.Cell(0, 3, 5) && map.Cell(0, 4, 6));
    EXPECT_EQ(map.Cell(0, 3, 5)->Terrain, map.TerrainIndex("forest"));
    EXPECT_EQ(map.Cell(0, 4, 6)->Terrain, map.TerrainIndex("mountain"));
}

}  // namespace
}  // namespace korvane
