// The grid: valid positions, underworld coordinates, walk orders, clearing and unseen units.
#include "core/key_string_list.h"
#include "people/faction_list.h"
#include "world/map.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(MapGrid, OnlyEvenSumPositionsInsideTheGridHoldCells)
{
    TMap map;
    for (const auto& [level, x, y] : {std::tuple{0, 5, 4}, {0, -2, 0}, {0, 322, 0}, {0, 0, 194}, {2, 0, 0}})
        EXPECT_EQ(map.EnsureCell(level, x, y), nullptr) << level << " " << x << "," << y;
    EXPECT_EQ(map.CellCount(), 0);

    TMapCell* corner = map.EnsureCell(1, 320, 192);
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(std::tuple(corner->Level, corner->X, corner->Y), std::tuple(1, 320, 192));
    EXPECT_EQ(map.EnsureCell(1, 320, 192), corner) << "an existing cell is returned";
    EXPECT_EQ(map.Cell(1, 320, 192), corner);
    EXPECT_EQ(map.Cell(0, 320, 192), nullptr);
    EXPECT_EQ(map.Cell(0, 5, 4), nullptr);
    EXPECT_EQ(map.CellCount(), 1);

    map.RemoveCell(1, 320, 192);
    map.RemoveCell(1, 320, 192);  // nothing left to remove
    map.RemoveCell(0, 5, 4);  // no position at all
    EXPECT_EQ(map.Cell(1, 320, 192), nullptr);
    EXPECT_EQ(map.CellCount(), 0);
}

TEST(MapGrid, UnderworldCoordinatesAndCellKinds)
{
    for (const auto& [under, grid] : {std::pair{std::pair{0, 0}, std::pair{0, 2}}, {{3, 1}, {6, 4}}}) {
        auto [x, y] = under;
        TMap::UnderToGrid(x, y);
        EXPECT_EQ(std::pair(x, y), grid);
        TMap::GridToUnder(x, y);
        EXPECT_EQ(std::pair(x, y), under);
    }
    // Typed into "Goto coordinate": far off the grid, never wrapped onto it.
    for (auto [x, y] : {std::pair{1 << 30, 5}, {5, -(1 << 30) - 1}, {2147483647, -2147483647 - 1}}) {
        TMap::UnderToGrid(x, y);
        EXPECT_FALSE(TMap::IsValidPosition(1, x, y)) << x << "," << y;
    }
    struct Case
    {
        int x, y, kind;
    };
    for (const Case c : {Case{0, 2, 0}, Case{2, 0, 0}, Case{4, 2, 0}, Case{6, 4, 0}, Case{0, 0, 1}, Case{2, 2, 1},
                         Case{1, 1, 2}, Case{1, 3, 3}, Case{3, 1, 3}, Case{3, 3, 2}, Case{5, 5, 2}, Case{7, 5, 3}})
        EXPECT_EQ(TMap::UnderCellKind(c.x, c.y), c.kind) << "(" << c.x << "," << c.y << ")";
}

TEST(MapGrid, WalkOrdersAndClear)
{
    TMap map;
    using P = std::tuple<int, int, int>;
    // The grid's corners and both parities of column, on both levels.
    for (const auto& [level, x, y] : {P{1, 0, 0}, P{0, 320, 192}, P{0, 319, 191}, P{0, 2, 0}, P{0, 0, 2}, P{0, 1, 1},
                                      P{0, 0, 192}, P{0, 7, 3}, P{1, 319, 1}})
        map.EnsureCell(level, x, y);
    map.RemoveCell(0, 7, 3);
    auto walks = [&map] {
        std::pair<std::vector<P>, std::vector<P>> seen;
        map.ForEachCell([&](const TMapCell& c) { seen.first.emplace_back(c.Level, c.X, c.Y); });
        map.ForEachCellByRows([&](const TMapCell& c) { seen.second.emplace_back(c.Level, c.X, c.Y); });
        return seen;
    };
    const auto [byColumns, byRows] = walks();
    EXPECT_EQ(byColumns,
              (std::vector<P>{
                  {0, 0, 2}, {0, 0, 192}, {0, 1, 1}, {0, 2, 0}, {0, 319, 191}, {0, 320, 192}, {1, 0, 0}, {1, 319, 1}}));
    EXPECT_EQ(byRows,
              (std::vector<P>{
                  {0, 2, 0}, {0, 1, 1}, {0, 0, 2}, {0, 319, 191}, {0, 0, 192}, {0, 320, 192}, {1, 0, 0}, {1, 319, 1}}));

    map.Clear();
    EXPECT_EQ(map.CellCount(), 0);
    EXPECT_EQ(map.Cell(1, 0, 0), nullptr) << "row 0 and column 0 are cleared too";
    const auto emptied = walks();
    EXPECT_TRUE(emptied.first.empty() && emptied.second.empty());
    map.EnsureCell(0, 1, 1);
    EXPECT_EQ(walks().second, (std::vector<P>{P{0, 1, 1}})) << "a cleared map fills again";
}

TEST(MapGrid, FullWorldFits)
{
    TMap map;
    for (int level = 0; level < 2; ++level)
        for (int x = 0; x <= 320; ++x)
            for (int y = x % 2; y <= 192; y += 2)
                map.EnsureCell(level, x, y);
    EXPECT_EQ(map.CellCount(), 2 * (321 * 193 + 1) / 2);
}

TEST(MapUnits, ReconcileUnseenUnits)
{
    TMap map;
    TFactionList factions;
    TKeyStringList skills;
    auto add = [&](int number, int faction, int x, int y, bool seen) {
        auto unit = std::make_unique<TUnit>();
        std::tie(unit->Number, unit->Faction, unit->X, unit->Y, unit->Seen) = std::tuple(number, faction, x, y, seen);
        map.UnitFileList.Add(std::move(unit));
    };
    add(1, 9, 2, 2, false);  // own and gone
    add(2, 5, 4, 4, false);  // other faction, its hex empty: shown there
    add(3, 5, 4, 4, false);  // same hex: returns with unit 2
    add(4, 5, 6, 6, false);  // its hex has units this turn
    add(5, 9, 8, 8, true);  // own and seen
    add(6, 5, 5, 4, false);  // odd position: kept, not placed
    auto current = std::make_unique<TUnit>();
    current->Number = 77;
    map.EnsureCell(0, 6, 6)->Units.Add(std::move(current));

    map.ReconcileUnseenUnits(9, factions, skills);
    EXPECT_EQ(map.UnitFileList.Find(1), nullptr);
    EXPECT_TRUE(map.UnitFileList.Find(5) && map.UnitFileList.Find(6));
    EXPECT_EQ(map.UnitFileList.Count(), 5);
    ASSERT_NE(map.Cell(0, 4, 4), nullptr);
    ASSERT_EQ(map.Cell(0, 4, 4)->Units.Count(), 2) << "every unit of a hex empty before the put-back";
    EXPECT_EQ(std::tuple(map.Cell(0, 4, 4)->Units.Items(0)->Number, map.Cell(0, 4, 4)->Units.Items(1)->Number),
              std::tuple(2, 3));
    EXPECT_NE(map.Cell(0, 4, 4)->Units.Items(0), map.UnitFileList.Find(2)) << "the hex gets a copy";
    EXPECT_EQ(map.Cell(0, 6, 6)->Units.Count(), 1);
    EXPECT_EQ(map.Cell(0, 8, 8), nullptr);
}

TEST(MapUnits, OwnUnitsOfALaterTurnOutliveAnOlderPass)
{
    TMap map;
    TFactionList factions;
    TKeyStringList skills;
    auto unit = std::make_unique<TUnit>();
    unit->Number = 22;
    unit->Faction = 9;
    unit->Turn = 14;
    unit->SetOrders({"WORK"});
    map.UnitFileList.Add(std::move(unit));

    for (int older : {13, -1}) {  // an older turn, and a report without a date
        map.UnitFileList.ClearSeen(older);
        map.ReconcileUnseenUnits(9, factions, skills);
        ASSERT_NE(map.UnitFileList.Find(22), nullptr) << older;
        EXPECT_EQ(map.UnitFileList.Find(22)->Orders, std::vector<std::string>{"WORK"});
    }
    map.UnitFileList.ClearSeen(14);
    map.ReconcileUnseenUnits(9, factions, skills);
    EXPECT_EQ(map.UnitFileList.Find(22), nullptr) << "its own turn no longer lists it";
}

TEST(MapUnits, ANextTurnWorksOutPositionsAConstantNumberOfTimes)
{
    // Positions are worked out again after a change in the middle of a list. A next turn that
    // updates half of the units and drops the player's gone ones must not do that per unit:
    // doing so made the second import of a large report take minutes.
    constexpr int kUnits = 4000;
    TMap map;
    TFactionList factions;
    TKeyStringList skills;
    for (int number = 1; number <= kUnits; ++number) {
        auto unit = std::make_unique<TUnit>();
        std::tie(unit->Number, unit->Faction, unit->Turn) = std::tuple(number, number % 4 < 2 ? 9 : 5, 1);
        map.UnitFileList.Add(std::move(unit));
    }
    map.ClearCellLists();
    map.UnitFileList.ClearSeen(2);
    const long long before = map.UnitFileList.Records().PositionRebuilds();
    TMapCell& cell = *map.EnsureCell(0, 2, 2);
    for (int i = 0; i < kUnits / 2; ++i) {
        // Interleaved from both ends, as factions' numbers are in a hex.
        const int number = i % 2 ? kUnits - i : i + 1;
        auto unit = std::make_unique<TUnit>();
        std::tie(unit->Number, unit->Faction, unit->Turn) = std::tuple(number, number % 4 < 2 ? 9 : 5, 2);
        map.AddSeenUnit(cell, std::move(unit), 9, factions, skills);
        ASSERT_GE(map.UnitFileList.IndexOf(number), 0);
    }
    map.ReconcileUnseenUnits(9, factions, skills);
    EXPECT_EQ(map.UnitFileList.Count(), kUnits * 3 / 4) << "the player's unseen units are gone";
    EXPECT_LE(map.UnitFileList.Records().PositionRebuilds() - before, 4);
}

}  // namespace
}  // namespace korvane
