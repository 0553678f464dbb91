// Unit records: levels, flags, copying, the unit line, edited orders and the text views.
#include "core/key_string_list.h"
#include "people/faction_list.h"
#include "people/unit.h"
#include "people/unit_list.h"
#include "world/vocabulary.h"

#include "support/record_builders.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::KnownUnit;
using Lines = std::vector<std::string>;

class UnitTest : public ::testing::Test
{
protected:
    UnitTest()
    {
        skills.AddKey("COMB", "combat", "");
        skills.AddKey("FIRE", "fire", "");
        AddRaceTable(troops);  // LEAD is 0, HDWA 13
        equipment.AddKey("SWOR", "sword", "swords");
        equipment.AddKey("DYE", "dye", "");
        factions.Add(testing::NewFaction(15, "The Fifteenth"));
    }

    TKeyStringList skills, troops, equipment;
    TFactionList factions;
};

TEST_F(UnitTest, SkillLevelsFromDays)
{
    const std::pair<int, int> table[] = {{0, 0},   {29, 0},  {30, 1},  {89, 1},  {90, 2},   {179, 2}, {180, 3},
                                         {299, 3}, {300, 4}, {449, 4}, {450, 5}, {5000, 5}, {-5, 0}};
    for (auto [days, level] : table)
        EXPECT_EQ((TUnitSkill{0, days}.Level()), level) << days << " days";
    const TUnit unit = KnownUnit();
    EXPECT_EQ(
        std::tuple(unit.SkillLevel("comb", skills), unit.SkillLevel(" FIRE ", skills), unit.SkillLevel("XBOW", skills)),
        std::tuple(2, 1, 0));
}

TEST_F(UnitTest, FactionMenAndCombatSpell)
{
    TUnit unit = KnownUnit();
    ASSERT_EQ(troops.KeyAt(13), "HDWA");
    unit.SetFaction(99, factions);
    EXPECT_EQ(unit.Faction, -1) << "a faction the registry does not know is unknown";
    unit.SetFaction(15, factions);
    EXPECT_EQ(unit.Faction, 15);
    EXPECT_EQ(unit.MenCount(), 5);
    EXPECT_TRUE(unit.HasLeader(troops));
    unit.Troops.erase(unit.Troops.begin());
    EXPECT_FALSE(unit.HasLeader(troops));

    EXPECT_EQ(unit.CombatSpellKey(skills), "FIRE");
    unit.SetCombatSpellByKey(" COMB ", skills);
    EXPECT_EQ(unit.CombatSpell, 0);
    unit.SetCombatSpellByKey("NONE", skills);
    EXPECT_EQ(unit.CombatSpell, 0) << "an unknown key leaves the spell";
}

TEST_F(UnitTest, EffectiveFactionConsultsTheMapsRecord)
{
    TUnitList mapUnits;
    TUnit* record = mapUnits.Add(testing::NewUnit(5));
    record->LastFaction = 12;
    TUnit unit;
    unit.Number = 5;
    EXPECT_EQ(unit.EffectiveFaction(mapUnits), 12);
    record->Faction = 3;
    EXPECT_EQ(unit.EffectiveFaction(mapUnits), 3);
    unit.Faction = 8;
    EXPECT_EQ(unit.EffectiveFaction(mapUnits), 8);
    unit.Faction = -1;
    unit.Number = 6;
    EXPECT_EQ(unit.EffectiveFaction(mapUnits), -1);
}

TEST_F(UnitTest, AssignToCopiesAllButSeenOrdersAndDays)
{
    TUnit source = KnownUnit();
    source.Seen = true;
    source.Orders = {"MOVE N"};
    TUnit target;
    target.Orders = {"WORK"};
    source.AssignTo(target, factions, skills);
    EXPECT_FALSE(target.Seen || target.OrdersDone);
    EXPECT_EQ(target.Orders, Lines{"WORK"});
    EXPECT_EQ(target.LastX, 9);
    target.OrdersDone = true;
    EXPECT_EQ(target.ToLine(), source.ToLine()) << "every stored field is copied";
}

TEST_F(UnitTest, LineRoundTripKeepsEveryStoredFieldHoweverLong)
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
    longer.Description = std::string(5000, 'd') + "\r\n  ";
    for (int i = 0; i < 300; ++i)
        longer.AddSkill({i, -2000000000});
    std::string text = "before\r\n";
    longer.AppendLineTo(text);
    EXPECT_NE(text.find("\"" + std::string(5000, 'd') + "''\""), std::string::npos)
        << "trimmed; line breaks made harmless";
    ASSERT_TRUE(back.FromLine(std::string_view(text).substr(8)));
    ASSERT_EQ(back.Skills.size(), 302u);
    EXPECT_EQ(back.Skills.back().Days, -2000000000);
    EXPECT_EQ(text.substr(0, 8), "before\r\n");
    EXPECT_EQ(back.ToLine(), text.substr(8));
}

TEST_F(UnitTest, LineReadingIsLenient)
{
    TUnit unit;
    unit.Name = "untouched";
    EXPECT_FALSE(unit.FromLine("1\"a\"b\"0\"0\"0\"0\"\"\"\"1\"0\"0\"-1\"0\"1"));  // 16 pieces
    EXPECT_EQ(unit.Name, "untouched");

    // Counts larger than what is there read only what is there; no huge allocation.
    ASSERT_TRUE(unit.FromLine("7\"x\"\"0\"2\"2\"0\"\"\"\"1\"0\"0\"-1\"0\"1\" y \"2000000000\"3\"4\"5"));
    EXPECT_TRUE(unit.OrdersDone) << "\" y \" trimmed and upper-cased is Y";
    ASSERT_EQ(unit.Troops.size(), 1u);
    EXPECT_EQ(std::tuple(unit.Troops[0].Index, unit.Troops[0].Count), std::tuple(3, 4));
    EXPECT_TRUE(unit.Equipment.empty() && unit.Skills.empty());

    ASSERT_TRUE(unit.FromLine("x\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"-3\"1\"1"));
    EXPECT_EQ(unit.Number, 0);
    EXPECT_TRUE(unit.Troops.empty()) << "a negative count reads no entries";

    const std::string huge(3 * 1024 * 1024, 'n');
    ASSERT_TRUE(unit.FromLine("8\"" + huge + "\"\"0\"0\"0\"0\"\"\"\"1\"0\"0\"-1\"0\"1\"N\"0\"0\"0\"0\""));
    EXPECT_EQ(unit.Name.size(), huge.size());

    TUnit quoted, back;
    quoted.Name = "The \"Best\" Unit";
    ASSERT_TRUE(back.FromLine(quoted.ToLine()));
    EXPECT_EQ(back.Name, "The 'Best' Unit") << "a quote in a text must not shift the fields";
}

// The ordinary line of each view: the hex units window's test.
TEST_F(UnitTest, EquipmentWithoutAPluralOrAKnownCodeStillShows)
{
    TUnit unit;
    unit.Equipment = {{1, 1}, {1, 3}, {42, 7}};
    EXPECT_EQ(unit.ListEquipment(equipment), (Lines{"1  dye [DYE]", "3  dye [DYE]", "7  Unknown"}));
}

TEST(UnitOrders, ChangedComparesOnlyWhatTheGameReads)
{
    const Lines orders{"work", "give 31 10 silver"};
    const struct
    {
        Lines stored, edited;
        bool changed;
    } rows[] = {
        {orders, orders, false},
        {orders, {"WORK", "Give 31 10 Silver"}, false},
        {orders, {"  work", "give 31 10 silver   "}, false},
        {orders, {"; first the silver", "work", "give 31 10 silver"}, false},
        {{"work", "; old"}, {"work", ";new"}, false},
        {orders, {"", "work", "   ", "give 31 10 silver", ""}, false},
        {{}, {"", "; nothing yet"}, false},
        {orders, {"work", "give 31 10 silver", "study combat"}, true},
        {orders, {"work"}, true},
        {{}, {"work"}, true},
        {orders, {"; later"}, true},
        {orders, {"work", "give 31  10 silver"}, true},
        {orders, {"give 31 10 silver", "work"}, true},
        {orders, {"work", ";give 31 10 silver"}, true},
    };
    for (const auto& row : rows) {
        TUnit unit;
        unit.SetOrders(row.stored);
        EXPECT_EQ(unit.OrdersChanged(row.edited), row.changed) << ::testing::PrintToString(row.edited);
    }
}

}  // namespace
}  // namespace korvane
