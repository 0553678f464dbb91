// The grid: valid positions, underworld coordinates, walk orders, clearing and unseen units.
#include "core/key_string_list.h"
#include "people/faction_list.h"
#include "world/map.h"

#include "support/record_builders.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::NewUnit;
using P = std::tuple<int, int, int>;

TEST(MapGrid, UnderworldCoordinatesAndCellKinds)
{
    int x = 3, y = 1;  // underworld coordinates doubled, two rows down
    TMap::UnderToGrid(x, y);
    EXPECT_EQ(std::pair(x, y), std::pair(6, 4));
    // Typed into "Goto coordinate": far off the grid, never wrapped onto it.
    for (auto [x, y] : {std::pair{1 << 30, 5}, {5, -(1 << 30) - 1}, {2147483647, -2147483647 - 1}}) {
        TMap::UnderToGrid(x, y);
        EXPECT_FALSE(TMap::IsValidPosition(1, x, y)) << x << "," << y;
    }
    for (const auto& [x, y, kind] : {P{0, 2, 0}, P{2, 0, 0}, P{4, 2, 0}, P{6, 4, 0}, P{0, 0, 1}, P{2, 2, 1}, P{1, 1, 2},
                                     P{1, 3, 3}, P{3, 1, 3}, P{3, 3, 2}, P{5, 5, 2}, P{7, 5, 3}})
        EXPECT_EQ(TMap::UnderCellKind(x, y), kind) << "(" << x << "," << y << ")";
}

TEST(MapGrid, OnlyEvenSumPositionsInsideTheGridHoldCellsWalkedByColumnsOrRowsAndCleared)
{
    TMap map;
    for (const auto& [level, x, y] : {P{0, 5, 4}, {0, -2, 0}, {0, 322, 0}, {0, 0, 194}, {2, 0, 0}})
        EXPECT_EQ(map.EnsureCell(level, x, y), nullptr) << level << " " << x << "," << y;
    // The grid's corners and both parities of column, on both levels.
    for (const auto& [level, x, y] : {P{1, 0, 0}, P{0, 320, 192}, P{0, 319, 191}, P{0, 2, 0}, P{0, 0, 2}, P{0, 1, 1},
                                      P{0, 0, 192}, P{0, 7, 3}, P{1, 319, 1}})
        map.EnsureCell(level, x, y);
    TMapCell* corner = map.Cell(0, 320, 192);
    EXPECT_EQ(map.EnsureCell(0, 320, 192), corner) << "an existing cell is returned";
    EXPECT_EQ(std::tuple(map.Cell(1, 320, 192), map.Cell(0, 5, 4)), std::tuple(nullptr, nullptr));
    map.RemoveCell(0, 7, 3);
    map.RemoveCell(0, 7, 3);  // nothing left to remove
    map.RemoveCell(0, 5, 4);  // no position at all
    EXPECT_EQ(std::tuple(map.Cell(0, 7, 3), map.CellCount()), std::tuple(nullptr, 8));
    const auto walk = [&map](bool byRows) {
        std::string seen;
        const auto note = [&seen](const TMapCell& c) {
            seen += std::to_string(c.Level) + ":" + std::to_string(c.X) + "," + std::to_string(c.Y) + " ";
        };
        byRows ? map.ForEachCellByRows(note) : map.ForEachCell(note);
        return seen;
    };
    EXPECT_EQ(walk(false), "0:0,2 0:0,192 0:1,1 0:2,0 0:319,191 0:320,192 1:0,0 1:319,1 ");
    EXPECT_EQ(walk(true), "0:2,0 0:1,1 0:0,2 0:319,191 0:0,192 0:320,192 1:0,0 1:319,1 ");
    map.Clear();
    EXPECT_EQ(std::tuple(map.CellCount(), map.Cell(1, 0, 0), walk(false) + walk(true)), std::tuple(0, nullptr, ""))
        << "row 0 and column 0 are cleared too";
    map.EnsureCell(0, 1, 1);
    EXPECT_EQ(walk(true), "0:1,1 ") << "a cleared map fills again";
}

class MapUnits : public ::testing::Test
{
protected:
    TUnit* Record(int number, int faction, int turn = 0)
    {
        return map.UnitFileList.Add(NewUnit(number, faction, turn));
    }
    void Reconcile() { map.ReconcileUnseenUnits(9, factions, skills); }

    TMap map;
    TFactionList factions;
    TKeyStringList skills;
};

TEST_F(MapUnits, ReconcileUnseenUnits)
{
    Record(22, 9, 14)->SetOrders({"WORK"});  // own, of a turn later than the one reconciled: kept
    map.UnitFileList.ClearSeen(13);
    for (const auto& [number, faction, x, y] : {std::tuple{1, 9, 2, 2},  // own and gone
                                                {2, 5, 4, 4},  // other faction, its hex empty: shown there
                                                {3, 5, 4, 4},  // same hex: returns with unit 2
                                                {4, 5, 6, 6},  // its hex has units this turn
                                                {5, 9, 8, 8},  // own and seen
                                                {6, 5, 5, 4}})  // odd position: kept, not placed
        map.UnitFileList.Add(testing::UnitAt(number, faction, 0, x, y))->Seen = number == 5;
    map.EnsureCell(0, 6, 6)->Units.Add(NewUnit(77));
    Reconcile();
    EXPECT_TRUE(!map.UnitFileList.Find(1) && map.UnitFileList.Find(5) && map.UnitFileList.Find(6));
    EXPECT_EQ(map.UnitFileList.Find(22)->Orders, std::vector<std::string>{"WORK"});
    EXPECT_EQ(map.UnitFileList.Count(), 6);
    ASSERT_NE(map.Cell(0, 4, 4), nullptr);
    EXPECT_EQ(testing::Numbers(map.Cell(0, 4, 4)->Units), (std::vector<int>{2, 3}))
        << "every unit of a hex empty before the put-back";
    EXPECT_NE(map.Cell(0, 4, 4)->Units.Items(0), map.UnitFileList.Find(2)) << "the hex gets a copy";
    EXPECT_EQ(std::tuple(map.Cell(0, 6, 6)->Units.Count(), map.Cell(0, 8, 8)), std::tuple(1, nullptr));
}

TEST_F(MapUnits, ANextTurnWorksOutPositionsAConstantNumberOfTimes)
{
    // Reworking positions per unit made a second import of a large report take minutes.
    constexpr int kUnits = 4000;
    const auto faction = [](int number) { return number % 4 < 2 ? 9 : 5; };
    for (int number = 1; number <= kUnits; ++number)
        Record(number, faction(number), 1);
    map.ClearCellLists();
    map.UnitFileList.ClearSeen(2);
    const long long before = map.UnitFileList.Records().PositionRebuilds();
    TMapCell& cell = *map.EnsureCell(0, 2, 2);
    for (int i = 0; i < kUnits / 2; ++i) {
        const int number = i % 2 ? kUnits - i : i + 1;  // from both ends, as factions' numbers are in a hex
        map.AddSeenUnit(cell, NewUnit(number, faction(number), 2), 9, factions, skills);
        ASSERT_GE(map.UnitFileList.IndexOf(number), 0);
    }
    Reconcile();
    EXPECT_EQ(map.UnitFileList.Count(), kUnits * 3 / 4) << "the player's unseen units are gone";
    EXPECT_LE(map.UnitFileList.Records().PositionRebuilds() - before, 4);
}

}  // namespace
}  // namespace korvane
