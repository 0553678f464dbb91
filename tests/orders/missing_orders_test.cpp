// The search for a hex whose own units still lack complete orders.
#include "orders/missing_orders.h"

#include "world/map.h"

#include <gtest/gtest.h>

#include <tuple>

namespace korvane {
namespace {

constexpr int kOwn = 12;

using Hex = std::tuple<int, int, int>;  // level, x, y

class MissingOrdersTest : public ::testing::Test
{
protected:
    /// A unit shown in a hex, with a record in the map's unit list unless `record` is false.
    TUnit* Place(int level, int x, int y, int number, int faction, bool record = true)
    {
        auto shown = std::make_unique<TUnit>();
        shown->Number = number;
        shown->Faction = faction;
        TUnit* kept = nullptr;
        if (record) {
            auto copy = std::make_unique<TUnit>();
            copy->Number = number;
            copy->Faction = faction;
            kept = map.UnitFileList.Add(std::move(copy));
        }
        map.EnsureCell(level, x, y)->Units.Add(std::move(shown));
        return kept;
    }

    std::optional<Hex> Found() const
    {
        const TMapCell* cell = FindMissingOrders(map, kOwn);
        if (!cell)
            return std::nullopt;
        return Hex{cell->Level, cell->X, cell->Y};
    }

    TMap map;
};

TEST_F(MissingOrdersTest, FirstIncompleteHexInRowsOfEachLevel)
{
    Place(0, 2, 0, 1, 5);  // another faction's unit only, its orders incomplete
    Place(0, 4, 0, 2, kOwn)->OrdersDone = true;
    Place(0, 6, 0, 3, kOwn, false);  // shown, but the map's unit list no longer has it
    TUnit* underworld = Place(1, 0, 2, 4, kOwn);
    TUnit* lowerRow = Place(0, 1, 3, 5, kOwn);
    TUnit* upperRowRight = Place(0, 9, 1, 6, kOwn);
    TUnit* shared = Place(0, 9, 1, 7, kOwn);

    EXPECT_EQ(Found(), (Hex{0, 9, 1})) << "row 1 before row 3, however far right";
    EXPECT_EQ(Found(), (Hex{0, 9, 1})) << "found again until marked";
    upperRowRight->OrdersDone = true;
    EXPECT_EQ(Found(), (Hex{0, 9, 1})) << "one of its own units is still incomplete";
    shared->OrdersDone = true;
    EXPECT_EQ(Found(), (Hex{0, 1, 3}));
    lowerRow->OrdersDone = true;
    EXPECT_EQ(Found(), (Hex{1, 0, 2}));
    underworld->OrdersDone = true;
    EXPECT_EQ(Found(), std::nullopt);
}

}  // namespace
}  // namespace korvane
