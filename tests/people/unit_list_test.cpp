// Unit lists: order, merging across turns, and the summaries the unit windows show.
#include "core/key_string_list.h"
#include "people/faction_list.h"
#include "people/unit_list.h"
#include "people/unit_summary.h"
#include "world/vocabulary.h"

#include "support/record_builders.h"

#include <gtest/gtest.h>

#include <array>

namespace korvane {
namespace {

using testing::NewUnit;
using Lines = std::vector<std::string>;

class UnitListTest : public ::testing::Test
{
protected:
    UnitListTest()
    {
        AddRaceTable(troops);
        for (const char* key : {"COMB", "LBOW", "XBOW", "FORC"})
            skills.AddKey(key, key, "");
    }

    /// A unit of `count` men of `race`, with `silver`, added to the list.
    TUnit& Men(int number, int faction, const char* race, int count, int silver = 0)
    {
        TUnit& unit = *list.Add(NewUnit(number, faction, 1));
        unit.AddTroops({troops.IndexOfKey(race), count});
        unit.Silver = silver;
        return unit;
    }
    void Learn(TUnit& unit, const char* skill, int days) { unit.AddSkill({skills.IndexOfKey(skill), days}); }

    TKeyStringList troops, skills;
    TUnitList list;
};

TEST_F(UnitListTest, AscendingNumberOrderAndLookups)
{
    for (int number : {120, 7, 33})
        list.Add(NewUnit(number, 1));
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
    list.Merge(NewUnit(1, 3, 14), 9);
    EXPECT_EQ(list.Merge(NewUnit(1, 4, 12), 9), nullptr);
    EXPECT_EQ(list.Find(1)->Faction, 3);
    EXPECT_EQ(list.Merge(NewUnit(1, 4, 14), 9), nullptr) << "the same turn again never replaces";
    ASSERT_NE(list.Merge(NewUnit(1, 5, 15), 9), nullptr);
    EXPECT_EQ(list.Find(1)->Faction, 5);
    EXPECT_EQ(list.Count(), 1);

    // A newer record of a unit whose faction is hidden keeps the faction last seen, unless own.
    for (const int own : {9, 15}) {
        TUnitList units;
        auto seen = NewUnit(2, 15, 10);
        seen->LastFaction = 15;
        units.Merge(std::move(seen), own);
        units.Merge(NewUnit(2, -1, 11), own);
        EXPECT_EQ(units.Find(2)->LastFaction, own == 15 ? 0 : 15) << own;
    }
}

// Filters, "man" and "men" and the men count: the hex units window's tests.
TEST_F(UnitListTest, UnitLineCutsALongNameToItsColumn)
{
    TUnit& leader = Men(12, 3, "LEAD", 1);
    leader.Name = "A very long unit name that is cut at thirty";
    leader.Structure = 4;
    std::int64_t men = 0;
    EXPECT_EQ(list.ListUnits(0, -1, troops, men),
              Lines{"    12    3 A very long unit name that is  1 LEAD     In structure 4"});
}

TEST_F(UnitListTest, ForcesSilverMaintenanceAndSkillLevels)
{
    Learn(Men(1, 7, "LEAD", 2, 100), "COMB", 95);
    Learn(Men(2, 7, "HDWA", 5, 25), "COMB", 30);
    Learn(Men(3, 8, "ORC", 4), "COMB", 30);
    EXPECT_EQ(list.Maintenance(7, troops), 90);
    EXPECT_EQ(list.Maintenance(-1, troops), 130);
    EXPECT_EQ(list.SilverOfFaction(7), 125);
    const ForceCounts forces = list.CountForces(7, troops);
    EXPECT_EQ(std::tuple(forces.LeaderUnits, forces.LeaderMen, forces.OtherUnits, forces.OtherMen),
              std::tuple(1, 2, 1, 5));
    EXPECT_EQ(list.CountForces(-1, troops).OtherMen, 9);
    // Leaders and other men per level 1 to 5, of the one faction only.
    EXPECT_EQ(list.SkillLevelCounts(7, "COMB", skills, troops), (Lines{"0;5", "2;0", "0;0", "0;0", "0;0"}));
}

TEST_F(UnitListTest, FactionChoices)
{
    TFactionList factions;
    factions.Add(testing::NewFaction(12, "Twelve"));
    factions.Add(testing::NewFaction(3, "Three"));
    for (auto [number, faction] : {std::pair{1, 12}, {2, 3}, {3, 12}, {4, 40}, {5, -1}})  // 40: not in the registry
        list.Add(NewUnit(number, faction));
    EXPECT_EQ(list.ListFactions(false, factions), (Lines{"All factions", "Unknown", "    3- Three", "   12- Twelve"}));
    EXPECT_EQ(list.ListFactions(true, factions).size(), 2u);
}

// The counts themselves are checked through the summary window; here what the window cannot
// show apart: which skill each row counts, and whose units count at all.
TEST_F(UnitListTest, SummaryRowsCountTheirOwnSkillForThePlayersFactionOnly)
{
    Learn(Men(1, 3, "LEAD", 2, 300), "XBOW", 450);  // level 5
    TUnit& soldiers = Men(2, 3, "VIKI", 10, 50);
    Learn(soldiers, "LBOW", 30);
    Learn(soldiers, "FORC", 90);  // not a skill the summary shows
    Learn(Men(4, 12, "VIKI", 40, 999), "COMB", 200);
    Learn(Men(5, 0, "VIKI", 7, 100), "COMB", 180);

    const UnitSummary summary = SummariseUnits(list, 3, skills, troops);
    ASSERT_TRUE(summary.Forces && summary.Silver);
    EXPECT_EQ(*summary.Silver, 350);
    using Row = std::array<std::string, 5>;
    EXPECT_EQ(summary.SkillMen[0], (Row{"0 / 0", "0 / 0", "0 / 0", "0 / 0", "0 / 0"})) << "other factions' men";
    EXPECT_EQ(summary.SkillMen[1], (Row{"0 / 10", "0 / 0", "0 / 0", "0 / 0", "0 / 0"})) << "LBOW";
    EXPECT_EQ(summary.SkillMen[2], (Row{"0 / 0", "0 / 0", "0 / 0", "0 / 0", "2 / 0"})) << "XBOW";
    // Faction 0 is no player's: no units or silver, but the skill grid counts units of faction 0.
    const UnitSummary noFaction = SummariseUnits(list, 0, skills, troops);
    EXPECT_FALSE(noFaction.Forces || noFaction.Silver);
    EXPECT_EQ(noFaction.SkillMen[0][2], "0 / 7");
}

}  // namespace
}  // namespace korvane
