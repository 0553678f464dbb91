// Unit lists: order, merging across turns, and the summaries the unit windows show.
#include "core/key_string_list.h"
#include "people/faction.h"
#include "people/faction_list.h"
#include "people/unit_list.h"
#include "world/vocabulary.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

class UnitListTest : public ::testing::Test
{
protected:
    UnitListTest()
    {
        AddRaceTable(troops);
        skills.AddKey("COMB", "combat", "");
    }

    static std::unique_ptr<TUnit> Unit(int number, int faction, int turn = 1)
    {
        auto unit = std::make_unique<TUnit>();
        unit->Number = number;
        unit->Faction = faction;
        unit->Turn = turn;
        return unit;
    }

    std::unique_ptr<TUnit> Men(int number, int faction, const char* race, int count)
    {
        auto unit = Unit(number, faction);
        unit->AddTroops({troops.IndexOfKey(race), count});
        return unit;
    }

    TKeyStringList troops, skills;
};

TEST_F(UnitListTest, AscendingNumberOrderAndLookups)
{
    TUnitList list;
    list.Add(Unit(120, 1));
    list.Add(Unit(7, 1));
    list.Add(Unit(33, 1));
    EXPECT_EQ(list.Items(2)->Number, 120);
    EXPECT_EQ(list.Find(33)->Number, 33);
    EXPECT_EQ(list.Find(34), nullptr);
    list.Delete(10);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 2);

    // A list that does not own lists records that live elsewhere.
    TUnit outside;
    outside.Number = 5;
    {
        TUnitList view(false);
        view.AddRef(&outside);
        EXPECT_EQ(view.Find(5), &outside);
    }
    EXPECT_EQ(outside.Number, 5);
}

TEST_F(UnitListTest, MergeKeepsTheLatestTurnAndTheLastFactionSeen)
{
    TUnitList list;
    list.Merge(Unit(1, 3, 14), 9);
    auto older = Unit(1, 4, 12);
    EXPECT_EQ(list.Merge(std::move(older), 9), nullptr);
    EXPECT_EQ(list.Find(1)->Faction, 3);
    EXPECT_EQ(list.Merge(Unit(1, 4, 14), 9), nullptr) << "the same turn again never replaces";
    ASSERT_NE(list.Merge(Unit(1, 5, 15), 9), nullptr);
    EXPECT_EQ(list.Find(1)->Faction, 5);
    EXPECT_EQ(list.Count(), 1);

    // A newer record of a unit whose faction is hidden keeps the faction last seen, unless own.
    auto seen = Unit(2, 15, 10);
    seen->LastFaction = 15;
    list.Merge(std::move(seen), 9);
    list.Merge(Unit(2, -1, 11), 9);
    EXPECT_EQ(list.Find(2)->LastFaction, 15);

    TUnitList own;
    auto mine = Unit(2, 15, 10);
    mine->LastFaction = 15;
    own.Merge(std::move(mine), 15);
    own.Merge(Unit(2, -1, 11), 15);
    EXPECT_EQ(own.Find(2)->LastFaction, 0);
}

// Filters, "man" and "men" and the men count: the hex units window's tests.
TEST_F(UnitListTest, UnitLineCutsALongNameToItsColumn)
{
    TUnitList list;
    auto leader = Men(12, 3, "LEAD", 1);
    leader->Name = "A very long unit name that is cut at thirty";
    leader->Structure = 4;
    list.Add(std::move(leader));
    std::int64_t men = 0;
    EXPECT_EQ(list.ListUnits(0, -1, troops, men),
              std::vector<std::string>{"    12    3 A very long unit name that is  1 LEAD     In structure 4"});
}

TEST_F(UnitListTest, ForcesSilverMaintenanceAndSkillLevels)
{
    TUnitList list;
    auto leaders = Men(1, 7, "LEAD", 2);
    leaders->Silver = 100;
    leaders->AddSkill({0, 95});
    list.Add(std::move(leaders));
    auto men = Men(2, 7, "HDWA", 5);
    men->Silver = 25;
    men->AddSkill({0, 30});
    list.Add(std::move(men));
    auto others = Men(3, 8, "ORC", 4);
    others->AddSkill({0, 30});
    list.Add(std::move(others));

    EXPECT_EQ(list.Maintenance(7, troops), 90);
    EXPECT_EQ(list.Maintenance(-1, troops), 130);
    EXPECT_EQ(list.SilverOfFaction(7), 125);
    const ForceCounts forces = list.CountForces(7, troops);
    EXPECT_EQ(std::tuple(forces.LeaderUnits, forces.LeaderMen, forces.OtherUnits, forces.OtherMen),
              std::tuple(1, 2, 1, 5));
    EXPECT_EQ(list.CountForces(-1, troops).OtherMen, 9);
    // Leaders and other men per level 1 to 5, of the one faction only.
    EXPECT_EQ(list.SkillLevelCounts(7, "COMB", skills, troops),
              (std::vector<std::string>{"0;5", "2;0", "0;0", "0;0", "0;0"}));
}

TEST_F(UnitListTest, FactionChoices)
{
    TFactionList factions;
    for (auto [number, name] : {std::pair{12, "Twelve"}, std::pair{3, "Three"}}) {
        auto faction = std::make_unique<TFaction>();
        faction->Number = number;
        faction->Name = name;
        factions.Add(std::move(faction));
    }
    TUnitList list;
    for (auto [number, faction] : {std::pair{1, 12}, {2, 3}, {3, 12}, {4, 40}, {5, -1}})  // 40: not in the registry
        list.Add(Unit(number, faction));
    EXPECT_EQ(list.ListFactions(false, factions),
              (std::vector<std::string>{"All factions", "Unknown", "    3- Three", "   12- Twelve"}));
    EXPECT_EQ(list.ListFactions(true, factions).size(), 2u);
}

}  // namespace
}  // namespace korvane
