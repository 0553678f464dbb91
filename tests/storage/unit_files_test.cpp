// The unit list's files: unit lines after one header, appending, and the orders layout.
#include "storage/unit_list_files.h"

#include "people/unit_list.h"

#include "support/record_builders.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;

std::unique_ptr<TUnit> Unit(int number, int faction, Lines orders = {}, int turn = 3)
{
    auto unit = testing::NewUnit(number, faction, turn);
    unit->Name = "Unit " + std::to_string(number);
    unit->Troops = {{2, 10}};
    unit->Skills = {{4, 95}};
    unit->Orders = std::move(orders);
    return unit;
}

TEST(UnitFiles, SaveWritesOneHeaderAppendAddsLinesLoadReadsThemBack)
{
    testing::TempDir dir;
    TUnitList first, second;
    first.Add(Unit(120, 5));
    first.Add(Unit(7, 5));
    second.Add(Unit(33, 8));
    ASSERT_TRUE(SaveUnitFile(first, dir.File("Units.dat"), false));
    const std::string saved = dir.Read("Units.dat");
    EXPECT_EQ(saved, "VERSION,2.31\r\n" + first.Items(0)->ToLine() + "\r\n" + first.Items(1)->ToLine() + "\r\n");

    // Appending adds lines without a second header, also after a last line without a line end.
    dir.Write("Units.dat", saved.substr(0, saved.size() - 2));
    ASSERT_TRUE(SaveUnitFile(second, dir.File("Units.dat"), true));
    EXPECT_EQ(dir.Read("Units.dat"), saved + second.Items(0)->ToLine() + "\r\n");
    TUnitList loaded;
    ASSERT_TRUE(LoadUnitFile(loaded, dir.File("Units.dat"), 5));
    ASSERT_EQ(loaded.Count(), 3);
    EXPECT_EQ(loaded.Items(2)->ToLine(), first.Items(1)->ToLine());

    // Appending to a missing file makes it, headerless; readers take that as it is.
    ASSERT_TRUE(SaveUnitFile(second, dir.File("New.dat"), true));
    EXPECT_EQ(dir.Read("New.dat"), second.Items(0)->ToLine() + "\r\n");
}

TEST(UnitFiles, LoadSkipsHeadersAndShortLinesAndMergesByTurn)
{
    testing::TempDir dir;
    auto older = Unit(9, 5, {}, 2);
    older->Name = "Older";
    dir.Write("Units.dat",
              "version,2.00\n" + Unit(9, 5)->ToLine() + "\n1\"short\"\n\n" + older->ToLine() + "\nVERSION,2.31\n"
                  + Unit(4, 6)->ToLine() + "\n");
    TUnitList list;
    ASSERT_TRUE(LoadUnitFile(list, dir.File("Units.dat"), 5));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Find(9)->Name, "Unit 9") << "the turn 3 record stays";

    EXPECT_FALSE(LoadUnitFile(list, dir.File("missing.dat"), 5));
    std::filesystem::create_directory(dir.File("folder.dat"));
    EXPECT_FALSE(LoadUnitFile(list, dir.File("folder.dat"), 5));
    EXPECT_EQ(list.Count(), 2);
}

TEST(OrdersFile, WritesCountAndLinesOfUnitsWithOrdersOnly)
{
    testing::TempDir dir;
    TUnitList list;
    list.Add(Unit(12, 5, {"WORK", "  @TAX", "CLAIM 100"}));
    list.Add(Unit(3, 5));
    list.Add(Unit(40, 5, {"MOVE N\r\nSTUDY COMB"}));
    ASSERT_TRUE(SaveOrdersFile(list, dir.File("Ords0004.dat"), false));
    // A stored line break would put the count out of step: it is written as a space.
    EXPECT_EQ(dir.Read("Ords0004.dat"),
              "VERSION,2.31\r\n12,3\r\nWORK\r\n  @TAX\r\nCLAIM 100\r\n40,1\r\nMOVE N  STUDY COMB\r\n");

    list.Find(12)->ClearOrders();
    list.Find(3)->SetOrders({"stale"});
    ASSERT_TRUE(LoadOrdersFile(list, dir.File("Ords0004.dat")));
    EXPECT_EQ(list.Find(12)->Orders, (Lines{"WORK", "@TAX", "CLAIM 100"}));
    EXPECT_TRUE(list.Find(3)->Orders.empty()) << "orders not in the file are cleared";
    EXPECT_EQ(list.Find(40)->Orders.size(), 1u);
}

TEST(OrdersFile, ReadsOnlyWhatIsThere)
{
    testing::TempDir dir;
    TUnitList list;
    for (int number : {1, 2, 3})
        list.Add(Unit(number, 5));
    // Unit 77 is not listed: its lines are read and dropped, not given to the next unit. A line
    // without a comma is no record; a negative count takes nothing.
    dir.Write("Ords.dat",
              "VERSION,2.31\r\n77,2\r\nMOVE N\r\nSTUDY COMB\r\n2,1\r\nWORK\r\nstray\r\n"
              "1,-4\r\n3,3\r\n  ENTERTAIN  ");
    ASSERT_TRUE(LoadOrdersFile(list, dir.File("Ords.dat")));
    EXPECT_TRUE(list.Find(1)->Orders.empty());
    EXPECT_EQ(list.Find(2)->Orders, Lines{"WORK"});
    EXPECT_EQ(list.Find(3)->Orders, Lines{"ENTERTAIN"}) << "count 3, one line left";

    list.Find(2)->SetOrders({"x"});
    EXPECT_TRUE(LoadOrdersFile(list, dir.File("Ords0099.dat"))) << "a missing file is no error";
    EXPECT_TRUE(list.Find(2)->Orders.empty());
    std::filesystem::create_directory(dir.File("Ords0005.dat"));
    EXPECT_FALSE(LoadOrdersFile(list, dir.File("Ords0005.dat")));
}

}  // namespace
}  // namespace korvane
