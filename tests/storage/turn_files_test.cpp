// Unit, orders and per-turn hex unit files, turn file names and stepping between turns.
#include "core/line_reader.h"
#include "core/text_helpers.h"
#include "storage/turn_files.h"
#include "storage/turn_stepping.h"
#include "storage/unit_list_files.h"
#include "workspace/workspace.h"

#include "support/record_builders.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

using testing::Numbers;
using testing::UnitAt;
using Ints = std::vector<int>;
using Lines = std::vector<std::string>;

constexpr int kOwn = 5;
constexpr int kOther = 8;

std::unique_ptr<TUnit> Unit(int number, int faction, Lines orders = {}, int turn = 3)
{
    auto unit = testing::NewUnit(number, faction, turn);
    unit->Name = "Unit " + std::to_string(number);
    unit->Orders = std::move(orders);
    return unit;
}

TEST(UnitFiles, SaveWritesOneHeaderAppendAddsLinesLoadSkipsHeadersAndMergesByTurn)
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

    // Appending to a missing file makes it, headerless; readers take that as it is.
    ASSERT_TRUE(SaveUnitFile(second, dir.File("New.dat"), true));
    EXPECT_EQ(dir.Read("New.dat"), second.Items(0)->ToLine() + "\r\n");

    // Loading skips headers and short lines and keeps the latest turn of a unit.
    auto older = Unit(9, 5, {}, 2);
    older->Name = "Older";
    dir.Write("Units.dat",
              "version,2.00\n" + Unit(9, 5)->ToLine() + "\n1\"short\"\n\n" + older->ToLine() + "\nVERSION,2.31\n"
                  + Unit(4, 6)->ToLine() + "\n");
    TUnitList list;
    ASSERT_TRUE(LoadUnitFile(list, dir.File("Units.dat"), 5));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Find(9)->Name, "Unit 9") << "the turn 3 record stays";

    EXPECT_FALSE(LoadUnitFile(list, dir.Path(), 5)) << "a folder: there, but unreadable";
    EXPECT_EQ(list.Count(), 2);
}

TEST(OrdersFile, WritesUnitsWithOrdersOnlyAndReadsOnlyWhatIsThere)
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
    auto orders = [&list](int number) { return list.Find(number)->Orders; };
    list.Find(12)->ClearOrders();
    list.Find(3)->SetOrders({"stale"});
    ASSERT_TRUE(LoadOrdersFile(list, dir.File("Ords0004.dat")));
    EXPECT_EQ(std::tuple(orders(12), orders(3), orders(40)),
              std::tuple(Lines{"WORK", "@TAX", "CLAIM 100"}, Lines{}, Lines{"MOVE N  STUDY COMB"}))
        << "orders not in the file are cleared";

    // Unlisted unit 77's lines are dropped, not given to the next unit; a negative count takes nothing.
    dir.Write("Ords.dat",
              "VERSION,2.31\r\n77,2\r\nMOVE N\r\nSTUDY COMB\r\n3,1\r\nWORK\r\nstray\r\n"
              "12,-4\r\n40,3\r\n  ENTERTAIN  ");
    ASSERT_TRUE(LoadOrdersFile(list, dir.File("Ords.dat")));
    EXPECT_EQ(std::tuple(orders(12), orders(3), orders(40)), std::tuple(Lines{}, Lines{"WORK"}, Lines{"ENTERTAIN"}))
        << "count 3, one line left";
    EXPECT_TRUE(LoadOrdersFile(list, dir.File("Ords0099.dat")) && orders(3).empty()) << "a missing file: no orders";
    // A plain file whose reading fails (here at once) is no file of no orders.
    if (std::filesystem::is_regular_file("/proc/self/mem")) {
        EXPECT_FALSE(LoadOrdersFile(list, "/proc/self/mem"));
    }
}

TEST(TurnFiles, NamesPadTheTurnToFourDigitsAndButtonsStepWithinOneAndTheLatest)
{
    EXPECT_EQ(TurnFileName("Units", 7), "Units0007.dat");
    EXPECT_EQ(TurnFileName("Units", 12345), "Units12345.dat") << "never cut, so never shared";
    using enum TurnButton;
    const std::tuple<TurnButton, int, int, int> rows[] = {
        {Up1, 4, 10, 5},   {Up1, 10, 10, 10}, {Up5, 8, 10, 10},  {Up5, 2, 10, 7},   {Up5, 12, 10, 12},
        {Down1, 4, 10, 3}, {Down1, 1, 10, 1}, {Down5, 3, 10, 1}, {Down5, 9, 10, 4}, {Down5, 0, 10, 0},
    };
    for (const auto& [button, current, max, expected] : rows)
        EXPECT_EQ(SteppedTurn(button, current, max), expected)
            << "button " << static_cast<int>(button) << " from " << current << " of " << max;
}

TEST(HexUnitFile, ConcatenatesCellsInGridOrder)
{
    testing::TempDir dir;
    Workspace ws(dir.Path());
    for (const auto& [number, faction, level, x, y] :
         {std::tuple{50, kOther, 1, 0, 2}, {7, kOwn, 0, 2, 0}, {3, kOwn, 0, 2, 0}, {9, kOther, 0, 0, 4}})
        ws.Map.EnsureCell(level, x, y)->Units.Add(UnitAt(number, faction, level, x, y, 4));
    ws.Map.EnsureCell(0, 0, 0);
    ASSERT_TRUE(SaveHexUnits(ws.Map, dir.Path(), 12, ws.Settings));
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(dir.File("Units0012.dat"), lines));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "VERSION,2.31");
    for (std::size_t i = 1; i < 5; ++i)
        EXPECT_EQ(StrToIntLenient(lines[i]), (Ints{9, 3, 7, 50}[i - 1])) << "line " << i + 1;
}

TEST(StepToTurn, ShowsTheTurnsUnitsAndOrdersATurnWithoutUnitsEmptiesHexesAndUnreadableFilesKeepOwnUnits)
{
    testing::TempDir dir;
    Workspace ws(dir.Path());
    testing::ScriptedInteraction ui;
    ws.Settings.DataDir = dir.Path();
    ws.Settings.FactionNo = kOwn;
    ws.Factions.Add(testing::NewFaction(kOwn, ""));
    ws.Factions.Add(testing::NewFaction(kOther, ""));
    ws.Map.UnitFileList.Add(UnitAt(1, kOwn, 0, 0, 4, 9));
    ws.Map.UnitFileList.Add(UnitAt(2, kOwn, 0, 2, 2, 9));
    ws.Map.UnitFileList.Add(UnitAt(10, kOther, 0, 6, 6, 9));
    ws.Map.UnitFileList.Find(1)->SetOrders({"stale"});
    ws.Map.UnitFileList.MarkSeen(2, 2, 2, 0);  // seen in the turn shown before: stepping must forget it
    ws.Map.EnsureCell(0, 0, 4)->Units.Add(UnitAt(1, kOwn, 0, 0, 4, 9));
    ws.Map.EnsureCell(0, 4, 4)->Units.Add(UnitAt(2, kOwn, 0, 4, 4, 9));

    // Turn 4's hex units: the unit, its faction, and its hex.
    const std::tuple<int, int, int, int, int> turn4[] = {{1, kOwn, 0, 0, 4}, {3, kOwn, 1, 2, 2}, {10, kOther, 0, 8, 8}};
    TMap source;
    for (const auto& [number, faction, level, x, y] : turn4)
        source.EnsureCell(level, x, y)->Units.Add(UnitAt(number, faction, level, x, y, 4));
    ASSERT_TRUE(SaveHexUnits(source, dir.Path(), 4, ws.Settings));
    dir.Write("Ords0004.dat", "VERSION,2.31\r\n1,1\r\nWORK\r\n3,1\r\nSTUDY COMB\r\n");
    ws.StepToTurn(4, ui);
    EXPECT_EQ(ws.Map.Cell(0, 4, 4)->Units.Count(), 0);
    // Unit 2 is own and not in turn 4, but its record is from turn 9: it stays; so does unit 3, new.
    const TUnitList& units = ws.Map.UnitFileList;
    EXPECT_EQ(Numbers(units), (Ints{1, 2, 3, 10}));
    EXPECT_EQ(units.Find(1)->Turn, 9) << "the later record is kept";
    for (const auto& [number, faction, level, x, y] : turn4) {
        EXPECT_EQ(Numbers(ws.Map.Cell(level, x, y)->Units), Ints{number});
        const TUnit& unit = *units.Find(number);
        EXPECT_EQ(std::tuple(unit.Seen, unit.LastLevel, unit.LastX, unit.LastY), std::tuple(true, level, x, y))
            << number;
    }
    EXPECT_EQ(std::tuple(units.Find(1)->Orders, units.Find(3)->Orders), std::tuple(Lines{"WORK"}, Lines{"STUDY COMB"}));

    // Files there but unreadable are named and never written over; they say nothing about who is gone.
    for (const char* file : {"Units0007.dat", "Ords0007.dat"})
        std::filesystem::create_directory(dir.File(file));
    ws.StepToTurn(7, ui);
    EXPECT_EQ(ui.Texts(testing::ScriptedInteraction::Kind::Warning),
              (Lines{"Error loading saved units for turn 7", "Error loading saved orders for turn 7"}));
    EXPECT_EQ(Numbers(units), (Ints{1, 2, 3, 10}));
    EXPECT_TRUE(ws.Refused.Contains(dir.File("Units0007.dat")) && ws.Refused.Contains(dir.File("Ords0007.dat")));
    ui.shown.clear();

    // Turn 6 has no hex unit file; own records from turn 9 say nothing of an earlier turn.
    ws.StepToTurn(6, ui);
    EXPECT_EQ(ws.Map.Cell(0, 0, 4)->Units.Count(), 0);
    EXPECT_EQ(Numbers(units), (Ints{1, 2, 10}));
    ws.StepToTurn(9, ui);
    EXPECT_EQ(Numbers(units), Ints{10});
    EXPECT_EQ(Numbers(ws.Map.Cell(0, 6, 6)->Units), Ints{10}) << "others stay in their last hex";
    EXPECT_TRUE(ui.shown.empty()) << "no orders file is no error";
}

}  // namespace
}  // namespace korvane
