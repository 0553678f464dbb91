// The hex balloon: when it comes and goes, where it goes, and what it says.
#include "mapview/windows/hex_balloon_state.h"

#include "mapview/windows/hex_pages.h"
#include "world/map.h"
#include "world/map_cell.h"

#include <gtest/gtest.h>

#include <tuple>

namespace korvane {
namespace {

using Action = HexBalloonState::Action;
using Actions = std::vector<Action>;

// Ticks with the cursor at one point; the actions they gave.
Actions Rest(HexBalloonState& state, int x, int y, int ticks, bool overKnownHex = true)
{
    Actions actions;
    for (int i = 0; i < ticks; ++i)
        actions.push_back(state.Tick(x, y, [overKnownHex] { return overKnownHex; }));
    return actions;
}

TEST(HexBalloonState, ComesAfterARestOverAKnownHexGoesOnAMoveAndKeepsOnTheScreen)
{
    HexBalloonState state;
    // The first tick only finds where the cursor is; five resting ticks follow.
    EXPECT_EQ(Rest(state, 100, 100, 6),
              (Actions{Action::None, Action::None, Action::None, Action::None, Action::None, Action::Show}));
    EXPECT_EQ(Rest(state, 101, 99, 3), Actions(3, Action::None)) << "a one-pixel tremor is rest";
    EXPECT_TRUE(state.Showing());
    EXPECT_EQ(Rest(state, 103, 99, 1), Actions{Action::Hide});
    EXPECT_FALSE(state.Showing());
    EXPECT_EQ(Rest(state, 103, 99, 5), (Actions{Action::None, Action::None, Action::None, Action::None, Action::Show}))
        << "the count starts again";

    HexBalloonState creeping;  // moving by two pixels at every tick never rests
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(Rest(creeping, 2 * i, 0, 1), Actions{Action::None}) << i;
    HexBalloonState unknown;
    EXPECT_EQ(Rest(unknown, 10, 10, 12, false), Actions(12, Action::None)) << "over an unknown hex";

    // Placed beside the cursor, away from the screen's edges.
    const std::tuple<int, int, int, int, int> cases[] = {{100, 100, 101, 101, 1},
                                                         {900, 100, 719, 101, 2},
                                                         {100, 700, 101, 559, 3},
                                                         {900, 700, 719, 559, 4},
                                                         {512, 384, 513, 385, 1}};
    for (const auto& [cx, cy, x, y, corner] : cases) {
        const BalloonPlace place = PlaceBalloon(cx, cy, 1024, 768, 180, 140);
        EXPECT_EQ(std::tuple(place.x, place.y, place.corner), std::tuple(x, y, corner)) << cx << "," << cy;
    }
}

TEST(HexBalloonTexts, ProductsOfAKnownHexOnly)
{
    TMap map;
    EXPECT_FALSE(BalloonTextsOf(map, 0, 4, 6).has_value()) << "no cell";
    const int grain = map.ProductList.Add("GRAI", "grain");
    map.EnsureCell(0, 4, 6)->Products = {{grain, 25, 0}, {grain + 7, -1, 0}};
    const std::optional<BalloonTexts> texts = BalloonTextsOf(map, 0, 4, 6);
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->Title, "Hex Products (4,6)");
    using Line = std::pair<std::string, std::string>;
    EXPECT_EQ(texts->Products, (std::vector<Line>{{"25", "grain"}, {"unlim", "?"}}));
    map.EnsureCell(1, 6, 8);  // underworld hex 3,3
    EXPECT_EQ(BalloonTextsOf(map, 1, 6, 8)->Title, "Hex Products (3,3)");
    map.EnsureCell(1, 7, 9);  // a passage between underworld hexes
    EXPECT_FALSE(BalloonTextsOf(map, 1, 7, 9).has_value());
}

}  // namespace
}  // namespace korvane
