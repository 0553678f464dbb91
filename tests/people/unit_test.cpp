// Unit records and lists: skills, the unit line, edited orders, merging, summaries and text views.
#include "core/key_string_list.h"
#include "core/line_reader.h"
#include "people/faction_list.h"
#include "people/unit.h"
#include "people/unit_list.h"
#include "people/unit_summary.h"
#include "world/vocabulary.h"

#include "support/param_names.h"
#include "support/record_builders.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::KnownUnit;
using testing::NewUnit;
using Lines = std::vector<std::string>;

class UnitTest : public ::testing::Test
{
protected:
    UnitTest()
    {
        for (const char* key : {"COMB", "FIRE", "LBOW", "XBOW", "FORC"})
            skills.AddKey(key, key, "");
        AddRaceTable(troops);  // LEAD is 0, HDWA 13
        equipment.AddKey("SWOR", "sword", "swords");
        equipment.AddKey("DYE", "dye", "");
        factions.Add(testing::NewFaction(15, "The Fifteenth"));
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

    TKeyStringList skills, troops, equipment;
    TFactionList factions;
    TUnitList list;
};

TEST_F(UnitTest, SkillLevelsFactionMenAndCombatSpell)
{
    const std::pair<int, int> table[] = {{0, 0},   {29, 0},  {30, 1},  {89, 1},  {90, 2},   {179, 2}, {180, 3},
                                         {299, 3}, {300, 4}, {449, 4}, {450, 5}, {5000, 5}, {-5, 0}};
    for (auto [days, level] : table)
        EXPECT_EQ((TUnitSkill{0, days}.Level()), level) << days << " days";
    TUnit unit = KnownUnit();
    EXPECT_EQ(
        std::tuple(unit.SkillLevel("comb", skills), unit.SkillLevel(" FIRE ", skills), unit.SkillLevel("NONE", skills)),
        std::tuple(2, 1, 0));

    unit.SetFaction(99, factions);
    EXPECT_EQ(unit.Faction, -1) << "a faction the registry does not know is unknown";
    unit.SetFaction(15, factions);
    EXPECT_EQ(std::tuple(unit.Faction, unit.MenCount(), unit.HasLeader(troops), unit.CombatSpellKey(skills)),
              std::tuple(15, 5, true, "FIRE"));
    unit.Troops.erase(unit.Troops.begin());  // the leader
    EXPECT_FALSE(unit.HasLeader(troops));
    unit.SetCombatSpellByKey(" COMB ", skills);
    unit.SetCombatSpellByKey("NONE", skills);
    EXPECT_EQ(unit.CombatSpell, 0) << "a trimmed key is found; an unknown key leaves the spell";
}

TEST_F(UnitTest, AssignToCopiesAllButSeenOrdersAndDays)
{
    TUnit source = KnownUnit(), target;
    source.Seen = true;
    source.Orders = {"MOVE N"};
    target.Orders = {"WORK"};
    source.AssignTo(target, factions, skills);
    EXPECT_FALSE(target.Seen || target.OrdersDone);
    EXPECT_EQ(std::tuple(target.Orders, target.LastX), std::tuple(Lines{"WORK"}, 9));
    target.OrdersDone = true;
    EXPECT_EQ(target.ToLine(), source.ToLine()) << "every stored field is copied";
}

TEST_F(UnitTest, LineRoundTripKeepsEveryStoredFieldHoweverLongAndReadingIsLenient)
{
    const std::string line = KnownUnit().ToLine();
    EXPECT_EQ(line,
              "1234\"Scouts\"Looking around; quietly.\"1\"6\"4\"3\"one\"two\"three\"15\"257\"-20\"1\"7\"33\"Y\""
              "2\"0\"1\"13\"4\"1\"0\"2\"2\"0\"95\"1\"30\"1\"1\"");
    TUnit back;
    ASSERT_TRUE(back.FromLine(line));
    EXPECT_EQ(back.ToLine(), line);

    // A long description and many skills are written the same way, after what the text holds.
    TUnit longer = KnownUnit();
    longer.Description = std::string(5000, 'd') + "\"\r\n  ";
    for (int i = 0; i < 300; ++i)
        longer.AddSkill({i, -2000000000});
    std::string text = "before\r\n";
    longer.AppendLineTo(text);
    EXPECT_NE(text.find("\"" + std::string(5000, 'd') + "'''\""), std::string::npos)
        << "trimmed; a quote and line breaks inside cannot shift the fields";
    ASSERT_TRUE(back.FromLine(std::string_view(text).substr(8)));
    ASSERT_EQ(back.Skills.size(), 302u);
    EXPECT_EQ(back.Skills.back().Days, -2000000000);
    EXPECT_EQ(back.ToLine(), text.substr(8));

    TUnit unit;
    unit.Name = "untouched";
    EXPECT_FALSE(unit.FromLine("1\"a\"b\"0\"0\"0\"0\"\"\"\"1\"0\"0\"-1\"0\"1"));  // 16 pieces
    EXPECT_EQ(unit.Name, "untouched") << "a line of too few pieces changes nothing";
    ASSERT_TRUE(unit.FromLine("7\"x\"\"0\"2\"2\"0\"\"\"\"1\"0\"0\"-1\"0\"1\" y \"2000000000\"3\"4\"5"));
    EXPECT_TRUE(unit.OrdersDone) << "\" y \" trimmed and upper-cased is Y";
    ASSERT_EQ(unit.Troops.size(), 1u) << "a count beyond the line reads only what is there";
    EXPECT_EQ(std::tuple(unit.Troops[0].Index, unit.Troops[0].Count), std::tuple(3, 4));
    EXPECT_TRUE(unit.Equipment.empty() && unit.Skills.empty());
}

TEST_F(UnitTest, AscendingNumberOrderAndLookups)
{
    for (int number : {120, 7, 33})
        list.Add(NewUnit(number, 1));
    EXPECT_EQ(std::tuple(list.Items(2)->Number, list.Find(33)->Number, list.Find(34)), std::tuple(120, 33, nullptr));
    list.Delete(10);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 2);

    // A list that does not own lists records that live elsewhere.
    TUnit outside = *NewUnit(5);
    {
        TUnitList view(false);
        view.AddRef(&outside);
        EXPECT_EQ(view.Find(5), &outside);
    }
    EXPECT_EQ(outside.Number, 5);
}

TEST_F(UnitTest, MergeKeepsTheLatestTurnAndTheLastFactionSeenWhichTheEffectiveFactionConsults)
{
    list.Merge(NewUnit(1, 3, 14), 9);
    EXPECT_EQ(list.Merge(NewUnit(1, 4, 12), 9), nullptr);
    EXPECT_EQ(list.Merge(NewUnit(1, 4, 14), 9), nullptr) << "the same turn again never replaces";
    EXPECT_EQ(list.Find(1)->Faction, 3);
    ASSERT_NE(list.Merge(NewUnit(1, 5, 15), 9), nullptr);
    EXPECT_EQ(std::tuple(list.Find(1)->Faction, list.Count()), std::tuple(5, 1));
    // A newer record of a unit whose faction is hidden keeps the faction last seen, unless own.
    for (const int own : {9, 15}) {
        TUnitList units;
        units.Merge(NewUnit(2, 15, 10), own)->LastFaction = 15;
        units.Merge(NewUnit(2, -1, 11), own);
        EXPECT_EQ(units.Find(2)->LastFaction, own == 15 ? 0 : 15) << own;
    }
    // The effective faction: the unit's own, else its map record's, else the one last seen there.
    TUnitList mapUnits;
    TUnit* record = mapUnits.Add(NewUnit(5));
    record->LastFaction = 12;
    TUnit unit = *NewUnit(5);
    EXPECT_EQ(unit.EffectiveFaction(mapUnits), 12);
    record->Faction = 3;
    EXPECT_EQ(unit.EffectiveFaction(mapUnits), 3);
    unit.Faction = 8;
    EXPECT_EQ(unit.EffectiveFaction(mapUnits), 8);
    EXPECT_EQ(NewUnit(6)->EffectiveFaction(mapUnits), -1);
}

TEST_F(UnitTest, UnitLineCutsALongNameAndEquipmentWithoutAPluralOrAKnownCodeStillShows)
{
    TUnit unit;
    unit.Equipment = {{1, 1}, {1, 3}, {42, 7}};
    EXPECT_EQ(unit.ListEquipment(equipment), (Lines{"1  dye [DYE]", "3  dye [DYE]", "7  Unknown"}));
    TUnit& leader = Men(12, 3, "LEAD", 1);
    leader.Name = "A very long unit name that is cut at thirty";
    leader.Structure = 4;
    std::int64_t men = 0;
    EXPECT_EQ(list.ListUnits(0, -1, troops, men),
              Lines{"    12    3 A very long unit name that is  1 LEAD     In structure 4"});
}

TEST_F(UnitTest, ForcesSilverSkillRowsAndFactionChoicesCountThePlayersFactionOnly)
{
    TUnit& leaders = Men(1, 3, "LEAD", 2, 300);
    Learn(leaders, "XBOW", 450);  // level 5
    Learn(leaders, "COMB", 95);
    TUnit& soldiers = Men(2, 3, "VIKI", 10, 50);
    for (const auto& [skill, days] : {std::pair{"LBOW", 30}, {"COMB", 30}, {"FORC", 90}})  // FORC: not summed up
        Learn(soldiers, skill, days);
    Learn(Men(4, 12, "VIKI", 40, 999), "COMB", 200);
    Learn(Men(5, 0, "VIKI", 7, 100), "COMB", 180);
    EXPECT_EQ(
        std::tuple(list.Maintenance(3, troops), list.Maintenance(-1, troops), list.CountForces(-1, troops).OtherMen),
        std::tuple(140, 610, 57))
        << "leaders cost 20, other men 10; -1 is every faction";

    const UnitSummary summary = SummariseUnits(list, 3, skills, troops);
    EXPECT_EQ(std::tuple(summary.Silver.value_or(-1), summary.SkillMen[0][0], summary.SkillMen[2][4]),
              std::tuple(350, "0 / 10", "2 / 0"))
        << "COMB level 1, XBOW level 5";
    // Faction 0 is no player's: no units or silver, but the skill grid counts units of faction 0.
    const UnitSummary noFaction = SummariseUnits(list, 0, skills, troops);
    EXPECT_FALSE(noFaction.Forces || noFaction.Silver);
    EXPECT_EQ(noFaction.SkillMen[0][2], "0 / 7");

    factions.Add(testing::NewFaction(3, "Three"));  // 12 is not in the registry
    EXPECT_EQ(list.ListFactions(false, factions), (Lines{"All factions", "Unknown", "    3- Three"}));
    EXPECT_EQ(list.ListFactions(true, factions), Lines{"    3- Three"});
}

TEST(UnitOrders, ChangedComparesOnlyWhatTheGameReads)
{
    const std::string orders = "work\ngive 31 10 silver";
    using R = std::tuple<std::string, std::string, bool>;
    for (const auto& [stored, edited, changed] :
         {R(orders, orders, false), R(orders, "WORK\nGive 31 10 Silver", false),
          R(orders, "  work\ngive 31 10 silver   ", false), R(orders, "; first the silver\n" + orders, false),
          R("work\n; old", "work\n;new", false), R(orders, "\nwork\n   \ngive 31 10 silver\n\n", false),
          R(orders, orders + "\nstudy combat", true), R(orders, "work\n;give 31 10 silver", true),
          R(orders, "work\ngive 31  10 silver", true)}) {
        TUnit unit;
        unit.SetOrders(SplitLines(stored));
        EXPECT_EQ(unit.OrdersChanged(SplitLines(edited)), changed) << testing::Quoted(edited);
    }
}

}  // namespace
}  // namespace korvane
