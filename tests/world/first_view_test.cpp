// Where a player without a saved home first looks.
#include "world/first_view.h"

#include "support/record_builders.h"
#include "world/map.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::UnitAt;

TMapCell& Known(TMap& map, int level, int x, int y)
{
    TMapCell& cell = *map.EnsureCell(level, x, y);
    cell.Terrain = 1;
    return cell;
}

TEST(PlayersWorldCentre, TheirUnitsThenSettlementsThenTheMiddleOfWhatIsKnown)
{
    TMap map;
    EXPECT_EQ(PlayersWorldCentre(map, 3), std::nullopt) << "nothing known";

    // The overworld knows more hexes; the nearest to their middle, never a gap between them.
    for (int x = 10; x <= 30; x += 4)
        Known(map, 0, x, 4);
    Known(map, 1, 5, 5);
    EXPECT_EQ(PlayersWorldCentre(map, 3), (GridPlace{0, 18, 4}));

    // Settlements win over the middle, on the level that has more of them.
    Known(map, 0, 30, 4).PopCenterType = kCity;
    Known(map, 1, 40, 40).PopCenterType = kTown;
    Known(map, 1, 46, 40).PopCenterType = kVillage;
    Known(map, 1, 44, 42).PopCenterType = kCity;
    EXPECT_EQ(PlayersWorldCentre(map, 3), (GridPlace{1, 44, 42}));

    // The player's units win over both: the hex with most of them; others' units do not count.
    Known(map, 0, 10, 4).Units.Add(UnitAt(1, 3, 0, 10, 4));
    TMapCell& camp = Known(map, 1, 5, 5);
    camp.Units.Add(UnitAt(2, 3, 1, 5, 5));
    camp.Units.Add(UnitAt(3, 3, 1, 5, 5));
    for (int n = 4; n < 9; ++n)
        Known(map, 0, 30, 4).Units.Add(UnitAt(n, 7, 0, 30, 4));
    EXPECT_EQ(PlayersWorldCentre(map, 3), (GridPlace{1, 5, 5}));
    EXPECT_EQ(PlayersWorldCentre(map, 0), (GridPlace{1, 44, 42})) << "no faction number: no units of the player's";
}

}  // namespace
}  // namespace korvane
