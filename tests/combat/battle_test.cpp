// Whole battles with fixed dice: the report, free rounds, crossbow rounds, routs and the
// battles that could never end.
#include "combat/battle.h"
#include "combat/battle_side.h"

#include "support/scripted_interaction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;

TCombatUnit Unit(std::int32_t quantity, std::int32_t combat = 0, std::int32_t hits = 1)
{
    TCombatUnit unit;
    unit.Quantity = quantity;
    unit.SkillCOMB = combat;
    unit.Hits = hits;
    return unit;
}

TCombatUnit Crossbowmen(std::int32_t quantity)
{
    TCombatUnit unit = Unit(quantity);
    unit.SkillXBOW = 1;
    unit.ItemXBOW = quantity;
    return unit;
}

struct RoundLosses
{
    int left = 0;
    int right = 0;
};

// The rounds of a report up to the first line that is not part of a round.
struct ParsedReport
{
    std::vector<RoundLosses> rounds;
    std::string ending;  // the line after the last round before the results, if any
};

int Number(const std::string& line, const std::string& prefix)
{
    EXPECT_EQ(line.rfind(prefix, 0), 0u) << line;
    return std::stoi(line.substr(prefix.size()));
}

ParsedReport Parse(const Lines& report, std::size_t from, std::size_t count)
{
    ParsedReport parsed;
    std::size_t i = from;
    while (i < count && report[i].rfind("Round ", 0) == 0) {
        EXPECT_EQ(report[i], "Round " + std::to_string(parsed.rounds.size() + 1) + ":");
        if (i + 3 >= report.size())
            break;
        parsed.rounds.push_back({Number(report[i + 1], "Left lost : "), Number(report[i + 2], "Right lost: ")});
        EXPECT_EQ(report[i + 3], "");
        i += 4;
    }
    if (i < count)
        parsed.ending = report[i];
    return parsed;
}

class BattleTest : public ::testing::Test
{
protected:
    Lines Run(const std::vector<TCombatUnit>& left, const std::vector<TCombatUnit>& right,
              TCombatSide advantage = TCombatSide::None, std::uint32_t seed = 1, std::int32_t leftFort = 0,
              std::int32_t rightFort = 0, const TBattleLimits& limits = {})
    {
        Lines report{"an earlier battle"};
        EXPECT_TRUE(RunBattle(left, right, leftFort, rightFort, advantage, false, report, ui, seed, limits));
        return report;
    }

    testing::ScriptedInteraction ui;
};

// The three result lines close every report, with the losses of the whole battle.
void ExpectResults(const Lines& report, const ParsedReport& parsed)
{
    ASSERT_GE(report.size(), 3u);
    RoundLosses total;
    for (const auto& r : parsed.rounds) {
        total.left += r.left;
        total.right += r.right;
    }
    EXPECT_EQ(report[report.size() - 3], "Battle results: ");
    EXPECT_EQ(report[report.size() - 2], "Left lost : " + std::to_string(total.left));
    EXPECT_EQ(report[report.size() - 1], "Right lost: " + std::to_string(total.right));
}

TEST_F(BattleTest, AnEmptyOrOverlargeSideIsRefusedAndTheOldReportKept)
{
    using Kind = testing::ScriptedInteraction::Kind;
    TBattleLimits ten;
    ten.Men = 10;
    struct Row
    {
        std::vector<TCombatUnit> left, right;
        TBattleLimits limits;
        Kind kind;
        std::string message;
    };
    const Row table[] = {
        {{}, {Unit(3)}, {}, Kind::Info, "One side has no troops - no combat occurs."},
        // One record per man: two thousand million men would take more memory than there is.
        {{Unit(2000000000)},
         {Unit(3)},
         {},
         Kind::Error,
         "No combat occurs: Left fields 2000000000 men, but a side can field at most 100000 men. "
         "Lower the number of men and run the battle again."},
        {{Unit(6), Unit(5)},
         {Unit(11), Unit(-5)},
         ten,
         Kind::Error,
         "No combat occurs: Left fields 11 men and Right fields 11 men, but a side can field at most 10 men. "
         "Lower the number of men and run the battle again."},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.message);
        testing::ScriptedInteraction told;
        Lines report{"an earlier battle"};
        EXPECT_EQ(BattleRefusal(row.left, row.right, row.limits), row.message);
        EXPECT_FALSE(RunBattle(row.left, row.right, 0, 0, TCombatSide::None, false, report, told, 1, row.limits));
        EXPECT_EQ(report, Lines{"an earlier battle"});
        EXPECT_EQ(told.Texts(row.kind), Lines{row.message});
    }
    // Up to the bound, and a unit of fewer than no men takes none from the others.
    EXPECT_EQ(BattleRefusal({Unit(10)}, {Unit(10), Unit(-2)}, ten), "");
    EXPECT_EQ(TBattleLimits{}.Men, 100000) << "the bound the player meets";
}

TEST_F(BattleTest, ASideRoutsAtTheEndOfTheRoundItLosesMoreThanHalf)
{
    for (const int men : {10, 11, 1}) {  // 1: a side wiped out still gives the winner its free round
        SCOPED_TRACE(men);
        // One tireless champion kills at most one man a round, so the round of the rout shows.
        const Lines report = Run({Unit(1, 10, 1000000)}, {Unit(men)}, TCombatSide::None, 5);
        const auto rout = std::find(report.begin(), report.end(), "Right is routed. Left gets free round of attacks.");
        ASSERT_NE(rout, report.end());
        const auto routAt = static_cast<std::size_t>(rout - report.begin());
        const ParsedReport before = Parse(report, 0, routAt);
        ASSERT_FALSE(before.rounds.empty());
        int lost = 0;
        for (const auto& r : before.rounds) {
            EXPECT_LE(lost, men / 2) << "should have routed already";
            lost += r.right;
            EXPECT_EQ(r.left, 0);
        }
        EXPECT_EQ(lost, men / 2 + 1);

        // One free round for the winner alone, then the results.
        EXPECT_EQ(report[routAt + 1], "");
        EXPECT_EQ(report[routAt + 2], "Round " + std::to_string(before.rounds.size() + 1) + ":");
        EXPECT_EQ(report[routAt + 3], "Left lost : 0");
        EXPECT_EQ(report[routAt + 6], "Battle results: ");
        EXPECT_EQ(report.size(), routAt + 9);
        EXPECT_EQ(report.back().rfind("Right lost: ", 0), 0u);
    }
}

TEST_F(BattleTest, BothSidesBrokenInOneRoundEndUndecidedWithoutAFreeRound)
{
    bool seen = false;
    for (std::uint32_t seed = 1; seed < 300 && !seen; ++seed) {
        const Lines report = Run({Unit(20, 2)}, {Unit(20, 2)}, TCombatSide::None, seed);
        const ParsedReport parsed = Parse(report, 0, report.size());
        if (parsed.ending != "Battle ends undecided.")
            continue;
        seen = true;
        const std::size_t at = parsed.rounds.size() * 4;
        EXPECT_EQ(report[at + 1], "");
        EXPECT_EQ(report[at + 2], "Battle results: ");
        ExpectResults(report, parsed);
        const RoundLosses& last = parsed.rounds.back();
        int left = 0, right = 0;
        for (const auto& r : parsed.rounds)
            left += r.left, right += r.right;
        EXPECT_GT(left, 10);
        EXPECT_GT(right, 10);
        EXPECT_LE(left - last.left, 10);
        EXPECT_LE(right - last.right, 10);
    }
    EXPECT_TRUE(seen) << "no undecided battle in 300 seeds";
}

TEST_F(BattleTest, TacticalAdvantageAndCrossbowmenShootingEveryOtherRound)
{
    // Crossbowmen alone on both sides: a side's losses show when the other side shot.
    const Lines report = Run({Crossbowmen(1000)}, {Crossbowmen(1000)}, TCombatSide::Left, 11);
    ASSERT_EQ(report.front(), "# Left gets a free round of attacks #");
    const ParsedReport parsed = Parse(report, 1, report.size());
    ASSERT_GE(parsed.rounds.size(), 3u);
    EXPECT_GT(parsed.rounds[0].right, 0);
    for (std::size_t i = 0; i < parsed.rounds.size(); ++i) {
        SCOPED_TRACE("round " + std::to_string(i + 1));
        if (i % 2 == 0)
            EXPECT_EQ(parsed.rounds[i].left, 0) << "Right shoots in rounds 2, 4, ... only";
        else
            EXPECT_EQ(parsed.rounds[i].right, 0) << "Left shoots in rounds 1, 3, ... only";
    }

    // Without an advantage both shoot in the first round and both rest in the second.
    const Lines even = Run({Crossbowmen(1000)}, {Crossbowmen(1000)}, TCombatSide::None, 11);
    const ParsedReport evenRounds = Parse(even, 0, even.size());
    ASSERT_GE(evenRounds.rounds.size(), 2u);
    EXPECT_GT(evenRounds.rounds[0].left, 0);
    EXPECT_GT(evenRounds.rounds[0].right, 0);
    EXPECT_EQ(evenRounds.rounds[1].left, 0);
    EXPECT_EQ(evenRounds.rounds[1].right, 0);

    // A Right advantage lets only Right strike first.
    const Lines right = Run({Unit(50, 1)}, {Unit(50, 1)}, TCombatSide::Right, 4);
    ASSERT_EQ(right.front(), "# Right gets a free round of attacks #");
    const ParsedReport rightRounds = Parse(right, 1, right.size());
    ASSERT_FALSE(rightRounds.rounds.empty());
    EXPECT_EQ(rightRounds.rounds[0].right, 0);
    EXPECT_GT(rightRounds.rounds[0].left, 0);
}

TEST_F(BattleTest, TheSameSeedFightsTheSameBattle)
{
    const std::vector<TCombatUnit> left{Unit(30, 2), Crossbowmen(10)};
    const std::vector<TCombatUnit> right{Unit(40, 1, 2)};
    EXPECT_EQ(Run(left, right, TCombatSide::None, 99), Run(left, right, TCombatSide::None, 99));
    EXPECT_NE(Run(left, right, TCombatSide::None, 99), Run(left, right, TCombatSide::None, 100));
}

TEST_F(BattleTest, BattlesWithoutMenOrWithoutABlowThatCanLandEndAtOnce)
{
    EXPECT_EQ(Run({Unit(0, 3)}, {Unit(5)}, TCombatSide::Left),
              (Lines{"Left has no men - no combat occurs.", "", "Battle results: ", "Left lost : 0", "Right lost: 0"}));
    EXPECT_EQ(
        Run({Unit(5)}, {Unit(-2)}),
        (Lines{"Right has no men - no combat occurs.", "", "Battle results: ", "Left lost : 0", "Right lost: 0"}));
    EXPECT_EQ(Run({Unit(0)}, {Unit(0)}).front(), "Neither side has any men - no combat occurs.");
    EXPECT_EQ(
        Run({Unit(5)}, {Unit(7)}, TCombatSide::Right),
        (Lines{"# Right gets a free round of attacks #", "Neither side can wound the other - battle ends undecided.",
               "", "Battle results: ", "Left lost : 0", "Right lost: 0"}));
}

TEST_F(BattleTest, ABattleThatDragsOnIsStoppedAtTheRoundLimit)
{
    // Ten million hits each: blows land, but nobody can die within the limit.
    const Lines report = Run({Unit(1, 1, 10000000)}, {Unit(1, 1, 10000000)});
    const ParsedReport parsed = Parse(report, 0, report.size());
    EXPECT_EQ(parsed.rounds.size(), static_cast<std::size_t>(TBattleLimits{}.Rounds));
    EXPECT_EQ(parsed.ending, "No side routed after 1000 rounds - battle ends undecided.");
    ExpectResults(report, parsed);
}

TEST_F(BattleTest, ARoundOfEndlessAttacksIsStoppedAtTheAttackLimit)
{
    TCombatUnit tireless = Unit(1, 1, 2000000000);
    tireless.Attacks = 2000000000;
    EXPECT_EQ(TBattleLimits{}.Attacks, 20000000) << "the limit the player meets";
    TBattleLimits limits;
    limits.Attacks = 5000;
    const Lines report = Run({tireless}, {tireless}, TCombatSide::None, 1, 0, 0, limits);
    const ParsedReport parsed = Parse(report, 0, report.size());
    EXPECT_EQ(parsed.rounds.size(), 1u);
    EXPECT_EQ(parsed.ending, "Battle stopped after 5000 attacks - battle ends undecided.");
    ExpectResults(report, parsed);
}

TEST_F(BattleTest, ARoutInTheRoundThatReachesTheAttackLimitStillDecidesTheBattle)
{
    // A tireless champion with the first round to himself routs the Right within the limit of
    // attacks; the winner's free round then has as many attacks of its own.
    TCombatUnit champion = Unit(1, 10, 1000000);
    champion.Attacks = 1000000;
    TCombatUnit mithril = Unit(4);
    mithril.ItemMARM = 4;
    TBattleLimits limits;
    limits.Attacks = 30;
    struct Row
    {
        const char* name;
        std::vector<TCombatUnit> right;
        std::string afterFreeRound;  // the line after the free round: results, or why it was cut
    };
    const Row table[] = {
        {"the free round kills the rest", {Unit(20)}, "Battle results: "},
        {"mithril outlasts the free round", {Unit(12), mithril}, "The free round was stopped after 30 attacks."},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        const Lines report = Run({champion}, row.right, TCombatSide::Left, 3, 0, 0, limits);
        const ParsedReport parsed = Parse(report, 1, report.size());
        ASSERT_EQ(parsed.rounds.size(), 1u) << "the round of the limit is the round of the rout";
        EXPECT_EQ(parsed.ending, "Right is routed. Left gets free round of attacks.");
        const Lines tail(report.begin() + 7, report.end());
        ASSERT_GE(tail.size(), 5u);
        EXPECT_EQ(tail[0], "Round 2:");
        EXPECT_EQ(tail[4], row.afterFreeRound);
        EXPECT_EQ(std::count(report.begin(), report.end(), "Battle stopped after 30 attacks - battle ends undecided."),
                  0);
    }
}

TEST_F(BattleTest, CountersAtTheBottomOfTheirRangeAreSpentAtOnceNotWrappedRound)
{
    // A man of the fewest hits dies at the first blow, as one of none does; a man of the fewest
    // attacks has his one chance a round, as one of none has.
    TBattleLimits limits;
    limits.Rounds = 5;
    limits.Attacks = 100;
    TCombatUnit champion = Unit(1, 10, 1000000);
    TCombatUnit lowestAttacks = Unit(1, 1, 1000000);
    lowestAttacks.Attacks = INT32_MIN;
    TCombatUnit noAttacks = lowestAttacks;
    noAttacks.Attacks = 0;
    EXPECT_EQ(Run({champion}, {Unit(1, 0, INT32_MIN)}, TCombatSide::None, 2, 0, 0, limits),
              Run({champion}, {Unit(1, 0, 0)}, TCombatSide::None, 2, 0, 0, limits));
    EXPECT_EQ(Run({lowestAttacks}, {Unit(1, 1, 1000000)}, TCombatSide::None, 2, 0, 0, limits),
              Run({noAttacks}, {Unit(1, 1, 1000000)}, TCombatSide::None, 2, 0, 0, limits));
}

TEST(BattleSideTest, OnlyMenWhoCanBeStruckNowCount)
{
    auto man = [](std::uint8_t weaponClass, std::int32_t skill, std::int32_t bonus) {
        TCombatTroop troop;
        troop.WeaponClass = weaponClass;
        troop.Skill = skill;
        troop.DefenceBonus = bonus;
        return troop;
    };
    BattleSide left, right;
    left.FrontReady.Add(man(kMelee, 0, 0));
    right.BehindDone.Add(man(kMelee, 0, 0));
    EXPECT_FALSE(AnyBlowCanLand(left, right));

    // A front man that can be hurt shields the second line until he falls.
    right.FrontDone.Add(man(kMelee, 0, 2));
    EXPECT_TRUE(AnyBlowCanLand(left, right));
    right.FrontDone.MoveTroop(0, right.Dead);
    EXPECT_FALSE(AnyBlowCanLand(left, right));

    // Every man of a side strikes, from behind too, with whatever weapon.
    left.BehindReady.Add(man(kCrossbow, 1, 0));
    EXPECT_TRUE(AnyBlowCanLand(left, right));
}

}  // namespace
}  // namespace korvane
