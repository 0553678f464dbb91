// Grouping a hex's units for the troop marks.
#include "mapview/map_builders.h"

#include "mapview/render/troop_groups.h"
#include "people/alliance.h"

namespace korvane::testing {
namespace {

class TroopGroupsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int number : {3, 7, 12})
            AddFaction(factions, number, number * 1000);
        auto alliance = std::make_unique<TAlliance>();
        alliance->Colour = 4242;
        alliance->AddMember(7);
        alliance->AddMember(12);
        allies = alliances.Add(std::move(alliance))->Number;
    }
    // Each group's key, men, colour and staleness.
    std::vector<std::tuple<std::string, int, int, int>> Groups(const TroopDisplay& display) const
    {
        std::vector<std::tuple<std::string, int, int, int>> groups;
        for (const auto& g : CollectTroopGroups(cell, display, factions, alliances, 9))
            groups.emplace_back(g.Key, g.Men, g.Colour, g.Stale);
        return groups;
    }

    TFactionList factions;
    TAllianceList alliances;
    int allies = -1;
    TMapCell cell;
};

TEST_F(TroopGroupsTest, ByFactionLargestFirstTiesInKeyOrder)
{
    for (const auto& [number, faction, men, turn] : {std::tuple(1, 12, 5, 9),
                                                     {2, 3, 5, 9},
                                                     {3, 7, 40, 9},
                                                     {4, 99, 100, 9},  // a faction the registry does not know
                                                     {5, 3, 1, 8}})  // the last unit added decides staleness
        cell.Units.Add(NewUnit(number, faction, men, turn));
    using Group = std::tuple<std::string, int, int, int>;
    EXPECT_EQ(Groups({}), (std::vector<Group>{{"00007", 40, 7000, 0}, {"00003", 6, 3000, -1}, {"00012", 5, 12000, 0}}));
}

TEST_F(TroopGroupsTest, DisplayListsChooseWhoIsMarked)
{
    for (const auto& [faction, men] : {std::pair(3, 10), {7, 20}, {12, 30}})
        cell.Units.Add(NewUnit(faction, faction, men, 9));
    const auto byFaction = Groups({{" 12", "3"}, false});
    ASSERT_EQ(byFaction.size(), 2u);
    EXPECT_EQ(std::tuple(std::get<0>(byFaction[0]), std::get<0>(byFaction[1])), std::tuple("00012", "00003"));
    const auto byAlliance = Groups({{std::to_string(allies)}, true});
    ASSERT_EQ(byAlliance.size(), 1u);
    EXPECT_EQ(std::tuple(std::get<1>(byAlliance[0]), std::get<2>(byAlliance[0])), std::tuple(50, 4242));
    // An empty alliance list marks nobody (no fall back to factions), nor does an alliance now gone.
    EXPECT_TRUE(Groups({{}, true}).empty());
    EXPECT_TRUE(Groups({{"77"}, true}).empty());
}

}  // namespace
}  // namespace korvane::testing
