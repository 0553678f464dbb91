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

// Ticks with the cursor at one point; the actions they gave.
std::vector<Action> Rest(HexBalloonState& state, int x, int y, int ticks, bool overKnownHex = true)
{
    std::vector<Action> actions;
    for (int i = 0; i < ticks; ++i)
        actions.push_back(state.Tick(x, y, [overKnownHex] { return overKnownHex; }));
    return actions;
}

TEST(HexBalloonState, ComesAfterARestOverAKnownHexAndGoesOnAMove)
{
    HexBalloonState state;
    // The first tick only finds where the cursor is; five resting ticks follow.
    const std::vector<Action> rest = Rest(state, 100, 100, 6);
    EXPECT_EQ(rest.back(), Action::Show);
    EXPECT_EQ(std::count(rest.begin(), rest.end(), Action::Show), 1);
    EXPECT_EQ(Rest(state, 101, 99, 3), std::vector<Action>(3, Action::None)) << "a one-pixel tremor is rest";
    EXPECT_TRUE(state.Showing());
    EXPECT_EQ(state.Tick(103, 99, [] { return true; }), Action::Hide);
    EXPECT_FALSE(state.Showing());
    EXPECT_EQ(Rest(state, 103, 99, 4), std::vector<Action>(4, Action::None)) << "the count starts again";
    EXPECT_EQ(state.Tick(103, 99, [] { return true; }), Action::Show);

    HexBalloonState creeping;  // moving by two pixels at every tick never rests
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(creeping.Tick(2 * i, 0, [] { return true; }), Action::None);
    HexBalloonState unknown;
    EXPECT_EQ(Rest(unknown, 10, 10, 12, false), std::vector<Action>(12, Action::None)) << "over an unknown hex";
}

TEST(HexBalloonState, PlacedBesideTheCursorAwayFromTheScreensEdges)
{
    struct Case
    {
        int cx, cy, x, y, corner;
    };
    for (const Case& c : {Case{100, 100, 101, 101, 1}, Case{900, 100, 719, 101, 2}, Case{100, 700, 101, 559, 3},
                          Case{900, 700, 719, 559, 4}, Case{512, 384, 513, 385, 1}}) {
        const BalloonPlace place = PlaceBalloon(c.cx, c.cy, 1024, 768, 180, 140);
        EXPECT_EQ(std::tuple(place.x, place.y, place.corner), std::tuple(c.x, c.y, c.corner)) << c.cx << "," << c.cy;
    }
}

TEST(HexBalloonTexts, ProductsOfAKnownHexOnly)
{
    TMap map;
    EXPECT_FALSE(BalloonTextsOf(map, 0, 4, 6).has_value()) << "no cell";
    TMapCell& cell = *map.EnsureCell(0, 4, 6);
    const int grain = map.ProductList.Add("GRAI", "grain");
    cell.Products = {{grain, 25, 0}, {grain + 7, -1, 0}};
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
