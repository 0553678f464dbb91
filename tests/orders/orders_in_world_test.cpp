// The map's warnings on orders: each warning and its "no warning" twin, on one small world.
#include "orders/orders_in_world.h"

#include "core/key_string_list.h"
#include "core/settings.h"
#include "orders/order_vocabulary.h"
#include "support/record_builders.h"
#include "world/map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

constexpr int kOcean = 1, kPlain = 2, kSolid = 11;
constexpr int kOwn = 3;

// Faction 3's units in turn 9: 10 (a leader, 4 horses, $100) and 11 (items unknown) at (2,2);
// 12 at (4,2); 14 in the underworld's (1,3), 15 at its top row; 20 of another faction at (2,2);
// 40, last seen in turn 8, at (4,2). Ocean lies north of (2,2); plain at (3,1) on the top row.
class OrdersInWorldTest : public ::testing::Test
{
protected:
    OrdersInWorldTest()
    {
        settings.FactionNo = kOwn, settings.CurrentTurn = 9;
        troops.AddKey("LEAD", "leader", "leaders");
        for (auto [key, name] : {std::pair{"VIKI", "viking"}, {"BARB", "barbarian"}, {"GNOM", "gnome"}})
            troops.AddKey(key, name, std::string(name) + "s");
        for (auto [key, name] : {std::pair{"COMB", "combat"}, {"SAIL", "sailing"}, {"MINI", "mining"}})
            skills.AddKey(key, name, name);
        equipment.AddKey("HORS", "horse", "horses");
        vocabulary.AddKeywordLists(skills, troops, equipment);
        for (auto [x, y, terrain] : {std::tuple{2, 2, kPlain}, {4, 2, kPlain}, {2, 0, kOcean}, {3, 1, kPlain}})
            map.EnsureCell(0, x, y)->Terrain = terrain;
        TUnit* leader = Place(0, 2, 2, 10, kOwn, 9);
        leader->Troops = {{0, 1}}, leader->Equipment = {{0, 4}}, leader->Silver = 100;
        Place(0, 2, 2, 11, kOwn, 9);
        Place(0, 4, 2, 12, kOwn, 9);
        Place(0, 2, 2, 20, 5, 9);
        Place(0, 4, 2, 40, kOwn, 8);
        // Underworld (1,3) at grid (2,8): rock to the north without a passage, to the northeast with one.
        Place(1, 2, 8, 14, kOwn, 9);
        Place(1, 4, 2, 15, kOwn, 9);
        for (auto [x, y, passage] : {std::tuple{2, 6, false}, {3, 7, true}}) {
            TMapCell* rock = map.EnsureCell(1, x, y);
            rock->Terrain = kSolid, rock->Unconfirmed = false, rock->Pathway[1] = passage;
        }
    }

    TUnit* Place(int level, int x, int y, int number, int faction, int turn)
    {
        map.UnitFileList.Add(testing::UnitAt(number, faction, level, x, y, turn));
        return map.EnsureCell(level, x, y)->Units.Add(testing::UnitAt(number, faction, level, x, y, turn));
    }

    /// The warnings on a unit's lines as "LINE: MESSAGE".
    std::vector<std::string> UnitWarnings(int unit, const std::string& lines) const
    {
        std::vector<std::string> warnings;
        for (const OrderProblem& problem : CheckUnitOrdersInWorld(lines, unit, map, settings, vocabulary))
            if (problem.Severity == OrderSeverity::Warning)
                warnings.push_back(std::to_string(problem.Line) + ": " + problem.Message);
        return warnings;
    }
    /// The problems of a whole file as "UNIT LINE: MESSAGE".
    std::vector<std::string> FileProblems(const std::string& file) const
    {
        std::vector<std::string> found;
        for (const OrdersFileProblem& problem : CheckOrdersInWorld(file, map, settings, vocabulary))
            found.push_back(std::to_string(problem.Unit) + " " + std::to_string(problem.Problem.Line) + ": "
                            + problem.Problem.Message);
        return found;
    }

    TMap map;
    TrecINI settings{"/nonexistent/ATLANTIS.INI"};
    TKeyStringList skills, troops, equipment;
    OrderVocabulary vocabulary = OrderVocabulary::Standard();
};

struct Row
{
    int unit;
    const char* lines;
    std::vector<std::string> warnings;  // "LINE: MESSAGE"
};

TEST_F(OrdersInWorldTest, EachWarningAndItsTwin)
{
    const Row rows[] = {
        // GIVE, TEACH, ATTACK to a unit elsewhere; not to one here, new, 0, unknown or not shown.
        {10, "give 12 1 horse", {"1: GIVE: Not in the same hex: unit 12 is in (4,2) this turn, not in (2,2)."}},
        {10, "give 11 1 horse\ngive 20 1 horse\ngive new 1 1 horse\ngive faction 4 new 1 1 horse", {}},
        {10, "give 0 1 horse\ngive 99 1 horse\ngive 40 1 horse\n", {}},
        {10, "teach 11 12 new 2", {"1: TEACH: Not in the same hex: unit 12 is in (4,2) this turn, not in (2,2)."}},
        {10,
         "attack 20 faction 4 new 1 12 14",
         {"1: ATTACK: Not in the same hex: unit 12 is in (4,2) this turn, not in (2,2).",
          "1: ATTACK: Not in the same hex: unit 14 is in (1,3,underworld) this turn, not in (2,2)."}},
        {10,
         "form 1\n  give 12 1 horse\nend",
         {"2: GIVE: Not in the same hex: unit 12 is in (4,2) this turn, not in (2,2)."}},
        {10, "turn\n  give 12 1 horse\nendturn", {}},  // a later month: units will have moved
        {40, "give 10 1 horse", {}},  // the giver itself is not shown this turn
        // More than held, by any name; what is held, ALL, a CLAIM and unknown items pass.
        {10,
         "give 11 5 HORS\nsell 2 leaders\ngive 11 1 wood",
         {"1: GIVE: More than held: 5 HORS, but the unit holds 4.",
          "2: SELL: More than held: 2 leaders, but the unit holds 1.",
          "3: GIVE: More than held: 1 wood, but the unit holds 0."}},
        {10, "give 11 4 horses\nsell all horse\ngive 0 1 leader\ngive 11 unit", {}},
        {10, "give 10 4 horses\ngive 0 5 horses", {"2: GIVE: More than held: 5 horses, but the unit holds 4."}},
        {10, "give 11 101 silver", {"1: GIVE: More than held: 101 silver, but the unit holds 100."}},
        {10,
         "give 11 150 silver\nclaim 50\nsell 151 silver",
         {"3: SELL: More than held: 151 silver, but the unit holds 100 and receives 50."}},
        {11, "give 10 1 horse", {}},
        {10, "form 1\n  give 10 1 horse\nend", {}},  // a new unit holds what it is given first
        // Into the ocean, off the top row; an unknown hex, west of column 0 (wraps) and IN end the trail.
        {10, "move n", {"1: MOVE: Into the ocean: n from (2,2) enters the ocean at (2,0); only SAIL crosses it."}},
        {10, "advance ne n", {"1: ADVANCE: Off the map: n from (3,1) leaves the map."}},
        {10, "@move p ne", {}},
        {10, "move se se n", {}},
        {12, "move sw sw sw sw sw", {}},
        {10, "move in n\nturn\nmove n\nendturn", {}},
        // The underworld: a hex two grid steps on, the rock between with or without a passage.
        {14, "move n", {"1: MOVE: No passage: (1,3,underworld) has no exit n."}},
        {14, "move ne", {}},
        {15, "move n", {"1: MOVE: Off the map: n from (2,0,underworld) leaves the map."}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.unit) + ": " + row.lines);
        EXPECT_EQ(UnitWarnings(row.unit, row.lines), row.warnings);
    }
}

TEST_F(OrdersInWorldTest, FileNamesUnitsNotYoursAndEachProblemsUnit)
{
    const std::string file = "#atlantis 3 \"pw\"\nunit 10\ngive 12 1 horse\nunit 20\nwork\nunit 99\nbogus\n#end\n";
    EXPECT_EQ(FileProblems(file),
              (std::vector<std::string>{
                  "10 3: GIVE: Not in the same hex: unit 12 is in (4,2) this turn, not in (2,2).",
                  "20 4: UNIT: Not your unit: 20 is not one of your units in turn 9.",
                  "99 6: UNIT: Not your unit: 99 is not one of your units in turn 9.",
                  "99 7: bogus is not a valid order.",
              }));
    EXPECT_EQ(CheckOrdersInWorld(file, map, settings, vocabulary)[3].Problem.Severity, OrderSeverity::Error);

    // What the player's other units here give counts: from the file, or from their kept orders.
    EXPECT_EQ(FileProblems("unit 10\nsell 9 horses\nsell 10 horses\nunit 11\ngive 10 5 horses\n"),
              std::vector<std::string>{"10 3: SELL: More than held: 10 horses, but the unit holds 4 and receives 5."});
    EXPECT_EQ(FileProblems("unit 11\ngive 10 all horses\nunit 10\nsell 99 horses\n"), std::vector<std::string>{});
    map.UnitFileList.Find(11)->Orders = {"give 10 2 horses"};
    EXPECT_EQ(UnitWarnings(10, "sell 6 horses\nsell 7 horses"),
              std::vector<std::string>{"2: SELL: More than held: 7 horses, but the unit holds 4 and receives 2."});

    // No own unit shown: none is told apart; with the game's names alone, no unit's items are known.
    settings.FactionNo = 8;
    EXPECT_EQ(FileProblems(file).size(), 1u);
    settings.FactionNo = kOwn;
    vocabulary = OrderVocabulary::Standard();
    EXPECT_EQ(UnitWarnings(10, "give 11 9 horses"), std::vector<std::string>{});
}

// Men by race (LEAD, VIKI, BARB, GNOM from 0) and skills (COMB, SAIL, MINI from 0) by position.
TEST_F(OrdersInWorldTest, StudyBeyondWhatItsRacesMayLearn)
{
    map.StudyLimits.Set("VIKI", {2, {{"SAIL", 3}, {"COMB", 3}}});
    map.StudyLimits.Set("BARB", {2, {{"COMB", 3}}});
    struct StudyRow
    {
        std::vector<TUnitTroopGroup> men;
        TUnitSkill skill;  // days of study
        const char* lines;
        std::vector<std::string> warnings;
    };
    const StudyRow rows[] = {
        {{{1, 2}}, {0, 90}, "study comb", {}},
        {{{1, 2}}, {0, 180}, "study combat", {"1: STUDY: Race limit: COMB is at level 3, the limit for VIKI."}},
        {{{1, 2}}, {2, 90}, "@study MINING", {"1: STUDY: Race limit: MINI is at level 2, the limit for VIKI."}},
        {{{1, 2}}, {2, 90}, "study sailing", {}},  // not the skill it knows
        {{{1, 2}, {2, 1}},
         {1, 180},
         "work\nstudy sail",
         {"2: STUDY: Race limit: SAIL is at level 3, the limit for BARB."}},
        {{{1, 2}, {3, 1}}, {0, 180}, "study comb", {}},  // how far gnomes may study, no report said
        {{}, {0, 180}, "study comb", {}},
        {{{1, 2}}, {0, 180}, "study bogus\nform 1\n  study comb\nend\nturn\n  study comb\nendturn", {}},
    };
    for (const StudyRow& row : rows) {
        SCOPED_TRACE(row.lines);
        TUnit* unit = map.Cell(0, 2, 2)->Units.Find(11);
        unit->ClearTroops();
        for (const TUnitTroopGroup& men : row.men)
            unit->AddTroops(men);
        unit->ClearSkills();
        unit->AddSkill(row.skill);
        EXPECT_EQ(UnitWarnings(11, row.lines), row.warnings);
    }
    EXPECT_EQ(UnitWarnings(99, "study comb"), std::vector<std::string>{});
}

}  // namespace
}  // namespace korvane
