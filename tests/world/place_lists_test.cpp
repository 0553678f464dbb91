// Gate and city list items: which cells give one, their exact texts, and reading a position back.
#include "world/place_lists.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Items = std::vector<std::string>;

TEST(PlaceLists, GateItemsAreOverworldGatesWithPaddedNumbers)
{
    TMap map;
    EXPECT_EQ(GateListItems(map), Items{});
    for (const auto& [level, x, y, gate] : {std::tuple{0, 12, 34, 7},
                                            {0, 12, 2, 45},
                                            {0, 320, 192, 1234},
                                            {0, 0, 0, 123},
                                            {1, 4, 6, 9},
                                            {0, 8, 8, 0},
                                            {0, 8, 10, -3}})
        map.EnsureCell(level, x, y)->Gate = gate;
    // The grid's edge holds hexes too; a 4-digit number keeps its first 3 characters.
    EXPECT_EQ(GateListItems(map), (Items{"123  (0,0)", " 45  (12,2)", "  7  (12,34)", "123  (320,192)"}));
}

TEST(PlaceLists, CityItemsContainTheTextInAnyCaseOnBothLevels)
{
    TMap map;
    for (const auto& [level, x, y, name] : {std::tuple{1, 6, 4, "Portsmouth"},
                                            {0, 20, 10, "  Newport "},
                                            {0, 4, 4, "Harbour"},
                                            {0, 5, 5, "   "},
                                            {1, 0, 2, "Deep Port"}})
        map.EnsureCell(level, x, y)->PopCenter = name;
    EXPECT_EQ(CityListItems(map, "PORT"),
              (Items{"Newport  (20,10)", "Deep Port  (0,2,underground)", "Portsmouth  (6,4,underground)"}));
    // Blank names never match, not even a space; an empty text finds nothing, as in every search.
    EXPECT_EQ(CityListItems(map, " "), Items{"Deep Port  (0,2,underground)"});
    EXPECT_EQ(CityListItems(map, ""), Items{});
}

TEST(PlaceLists, ItemPositionIsReadFromTheLastBracketGroup)
{
    using XY = std::optional<std::pair<int, int>>;
    for (const auto& [item, expected] : {std::pair{"  7  (12,34)", XY{{12, 34}}},
                                         {"Deep Port  (0,2,underground)", XY{{0, 2}}},
                                         {"Fort (Old), North  (8,6)", XY{{8, 6}}},
                                         {"X  (12a,b)", XY{{12, 0}}},
                                         {"Newport", XY{}},
                                         {"Newport  (12)", XY{}},
                                         {"Newport  (12,34", XY{}}})
        EXPECT_EQ(ListItemPosition(item), expected) << item;
}

}  // namespace
}  // namespace korvane
