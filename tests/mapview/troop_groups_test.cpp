// Grouping a hex's units for the troop marks.
#include "mapview/render/troop_groups.h"
#include "people/alliance.h"
#include "people/alliance_list.h"
#include "people/faction.h"
#include "people/faction_list.h"
#include "world/map_cell.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

class TroopGroupsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int number : {3, 7, 12}) {
            auto faction = std::make_unique<TFaction>();
            std::tie(faction->Number, faction->Colour) = std::tuple(number, number * 1000);
            factions.Add(std::move(faction));
        }
        auto alliance = std::make_unique<TAlliance>();
        alliance->Colour = 4242;
        alliance->AddMember(7);
        alliance->AddMember(12);
        allies = alliances.Add(std::move(alliance))->Number;
    }

    void AddUnit(int number, int faction, int men, int turn)
    {
        auto unit = std::make_unique<TUnit>();
        std::tie(unit->Number, unit->Faction, unit->Turn) = std::tuple(number, faction, turn);
        unit->Troops.push_back({0, men});
        cell.Units.Add(std::move(unit));
    }

    TFactionList factions;
    TAllianceList alliances;
    int allies = -1;
    TMapCell cell;
};

TEST_F(TroopGroupsTest, ByFactionLargestFirstTiesInKeyOrder)
{
    AddUnit(1, 12, 5, 9);
    AddUnit(2, 3, 5, 9);
    AddUnit(3, 7, 40, 9);
    AddUnit(4, 99, 100, 9);  // a faction the registry does not know is not marked
    AddUnit(5, 3, 1, 8);  // the last unit added decides whether the group is stale
    const auto groups = CollectTroopGroups(cell, {}, factions, alliances, 9);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(std::tuple(groups[0].Key, groups[0].Colour), std::tuple("00007", 7000));
    EXPECT_EQ(std::tuple(groups[1].Key, groups[1].Men, groups[1].Stale), std::tuple("00003", 6, -1));
    EXPECT_EQ(std::tuple(groups[2].Key, groups[2].Stale), std::tuple("00012", 0));
}

TEST_F(TroopGroupsTest, DisplayListsChooseWhoIsMarked)
{
    AddUnit(1, 3, 10, 9);
    AddUnit(2, 7, 20, 9);
    AddUnit(3, 12, 30, 9);

    TroopDisplay factionList{{" 12", "3"}, false};
    auto groups = CollectTroopGroups(cell, factionList, factions, alliances, 9);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(std::tuple(groups[0].Key, groups[1].Key), std::tuple("00012", "00003"));

    TroopDisplay allianceList{{std::to_string(allies)}, true};
    groups = CollectTroopGroups(cell, allianceList, factions, alliances, 9);
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(std::tuple(groups[0].Men, groups[0].Colour), std::tuple(50, 4242));

    // An alliance list without entries marks nobody (it must not fall back to factions and
    // then colour them by whatever alliance shares their number).
    EXPECT_TRUE(CollectTroopGroups(cell, TroopDisplay{{}, true}, factions, alliances, 9).empty());
    // An alliance that no longer exists marks nothing either.
    EXPECT_TRUE(CollectTroopGroups(cell, TroopDisplay{{"77"}, true}, factions, alliances, 9).empty());
}

}  // namespace
}  // namespace korvane
