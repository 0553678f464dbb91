// Whole battles with fixed dice: the report, free rounds, crossbow rounds, routs and endless battles.
#include "combat/battle.h"
#include "combat/battle_side.h"

#include "support/scripted_interaction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;
constexpr TCombatSide kNone = TCombatSide::None, kLeft = TCombatSide::Left, kRight = TCombatSide::Right;

TCombatUnit Unit(std::int32_t quantity, std::int32_t combat = 0, std::int32_t hits = 1, std::int32_t attacks = 1)
{
    return {.Quantity = quantity, .SkillCOMB = combat, .Hits = hits, .Attacks = attacks};
}

// The rounds of a report (losses of Left and Right) up to the first line that is not part of one.
struct ParsedReport
{
    std::vector<std::pair<int, int>> rounds;
    std::pair<int, int> total;
    std::string ending;  // the line after the last round, if any
};

ParsedReport Parse(const Lines& report, std::size_t from = 0)
{
    ParsedReport parsed;
    std::size_t i = from;
    for (int left = -1, right = -1; i + 3 < report.size() && report[i].rfind("Round ", 0) == 0; i += 4) {
        EXPECT_EQ(report[i], "Round " + std::to_string(parsed.rounds.size() + 1) + ":");
        EXPECT_EQ(std::sscanf(report[i + 1].c_str(), "Left lost : %d", &left)
                      + std::sscanf(report[i + 2].c_str(), "Right lost: %d", &right),
                  2)
            << report[i + 1] << " / " << report[i + 2];
        EXPECT_EQ(report[i + 3], "");
        parsed.rounds.emplace_back(left, right);
        parsed.total.first += left, parsed.total.second += right;
    }
    if (i < report.size())
        parsed.ending = report[i];
    return parsed;
}

// The three result lines close every report, with the losses of the whole battle.
void ExpectResults(const Lines& report, const ParsedReport& parsed)
{
    ASSERT_GE(report.size(), 3u);
    const Lines tail(report.end() - 3, report.end());
    EXPECT_EQ(tail,
              (Lines{"Battle results: ", "Left lost : " + std::to_string(parsed.total.first),
                     "Right lost: " + std::to_string(parsed.total.second)}));
}

class BattleTest : public ::testing::Test
{
protected:
    Lines Run(const std::vector<TCombatUnit>& left, const std::vector<TCombatUnit>& right,
              TCombatSide advantage = kNone, std::uint32_t seed = 1, const TBattleLimits& limits = {})
    {
        Lines report{"an earlier battle"};
        EXPECT_TRUE(RunBattle(left, right, 0, 0, advantage, false, report, ui, seed, limits));
        return report;
    }

    testing::ScriptedInteraction ui;
};

TEST_F(BattleTest, AnEmptyOrOverlargeSideIsRefusedAndTheOldReportKept)
{
    using Kind = testing::ScriptedInteraction::Kind;
    const TBattleLimits ten{.Men = 10};
    using Row = std::tuple<std::vector<TCombatUnit>, std::vector<TCombatUnit>, TBattleLimits, Kind, std::string>;
    const std::string lower = " Lower the number of men and run the battle again.";
    // One record per man: two thousand million men would take more memory than there is.
    const Row table[] = {
        Row({}, {Unit(3)}, {}, Kind::Info, "One side has no troops - no combat occurs."),
        Row({Unit(2000000000)}, {Unit(3)}, {}, Kind::Error,
            "No combat occurs: Left fields 2000000000 men, but a side can field at most 100000 men." + lower),
        Row({Unit(6), Unit(5)}, {Unit(11), Unit(-5)}, ten, Kind::Error,
            "No combat occurs: Left fields 11 men and Right fields 11 men, but a side can field at most 10 men."
                + lower),
    };
    for (const auto& [left, right, limits, kind, message] : table) {
        SCOPED_TRACE(message);
        testing::ScriptedInteraction told;
        Lines report{"an earlier battle"};
        EXPECT_EQ(BattleRefusal(left, right, limits), message);
        EXPECT_FALSE(RunBattle(left, right, 0, 0, kNone, false, report, told, 1, limits));
        EXPECT_EQ(report, Lines{"an earlier battle"});
        EXPECT_EQ(told.Texts(kind), Lines{message});
    }
    EXPECT_EQ(BattleRefusal({Unit(10)}, {Unit(10), Unit(-2)}, ten), "")
        << "up to the bound; fewer than no men are none";
}

TEST_F(BattleTest, ASideRoutsAtTheEndOfTheRoundItLosesMoreThanHalf)
{
    for (const int men : {10, 11, 1}) {  // 1: a side wiped out still gives the winner its free round
        SCOPED_TRACE(men);
        // One tireless champion kills at most one man a round, so the round of the rout shows.
        const Lines report = Run({Unit(1, 10, 1000000)}, {Unit(men)}, kNone, 5);
        const ParsedReport before = Parse(report);
        ASSERT_EQ(before.ending, "Right is routed. Left gets free round of attacks.");
        // Half the men lost before the last round, more than half after it.
        EXPECT_EQ(std::tuple(before.total.first, before.total.second, before.rounds.back().second),
                  std::tuple(0, men / 2 + 1, 1));
        const auto rout = report.begin() + static_cast<std::ptrdiff_t>(before.rounds.size() * 4);
        ASSERT_EQ(report.end() - rout, 9);
        EXPECT_EQ(Lines(rout + 1, rout + 4),
                  (Lines{"", "Round " + std::to_string(before.rounds.size() + 1) + ":", "Left lost : 0"}));
        EXPECT_EQ(rout[6], "Battle results: ");
    }
}

TEST_F(BattleTest, BothSidesBrokenInOneRoundEndUndecidedWithoutAFreeRound)
{
    const auto fight = [this](std::uint32_t seed) { return Run({Unit(20, 2)}, {Unit(20, 2)}, kNone, seed); };
    std::uint32_t seed = 1;
    while (seed < 300 && Parse(fight(seed)).ending != "Battle ends undecided.")
        ++seed;
    const Lines report = fight(seed);
    const ParsedReport parsed = Parse(report);
    ASSERT_EQ(parsed.ending, "Battle ends undecided.") << "none in 300 seeds";
    const std::size_t at = parsed.rounds.size() * 4;
    EXPECT_EQ(Lines(report.begin() + at + 1, report.begin() + at + 3), (Lines{"", "Battle results: "}));
    ExpectResults(report, parsed);
    // Both lost more than half their men, and not before the last round.
    const auto [left, right] = parsed.total;
    EXPECT_TRUE(left > 10 && right > 10) << left << " and " << right;
    EXPECT_LE(left - parsed.rounds.back().first, 10);
    EXPECT_LE(right - parsed.rounds.back().second, 10);
}

TEST_F(BattleTest, TacticalAdvantageAndCrossbowmenShootingEveryOtherRound)
{
    // Crossbowmen alone on both sides: a side's losses show when the other side shot.
    const std::vector<TCombatUnit> bows{{.Quantity = 1000, .SkillXBOW = 1, .ItemXBOW = 1000}};
    for (const TCombatSide first : {kLeft, kRight}) {
        const bool left = first == kLeft;
        const Lines report = Run(bows, bows, first, 11);
        ASSERT_EQ(report.front(), std::string("# ") + (left ? "Left" : "Right") + " gets a free round of attacks #");
        EXPECT_EQ(report, Run(bows, bows, first, 11)) << "the same seed, the same battle";
        EXPECT_NE(report, Run(bows, bows, first, 12));
        const ParsedReport parsed = Parse(report, 1);
        ASSERT_GE(parsed.rounds.size(), 3u);
        EXPECT_GT(left ? parsed.rounds[0].second : parsed.rounds[0].first, 0);
        for (std::size_t i = 0; i < parsed.rounds.size(); ++i)
            EXPECT_EQ((i % 2 == 0) == left ? parsed.rounds[i].first : parsed.rounds[i].second, 0)
                << "each side shoots every other round";
    }
    const ParsedReport even = Parse(Run(bows, bows, kNone, 11));
    ASSERT_GE(even.rounds.size(), 2u);
    EXPECT_TRUE(even.rounds[0].first > 0 && even.rounds[0].second > 0) << "without an advantage both shoot first";
    EXPECT_EQ(even.rounds[1], std::pair(0, 0));
}

TEST_F(BattleTest, BattlesWithoutMenOrWithoutABlowThatCanLandEndAtOnce)
{
    const Lines results{"", "Battle results: ", "Left lost : 0", "Right lost: 0"};
    auto with = [&results](Lines head) {
        head.insert(head.end(), results.begin(), results.end());
        return head;
    };
    EXPECT_EQ(Run({Unit(0, 3)}, {Unit(5)}, kLeft), with({"Left has no men - no combat occurs."}));
    EXPECT_EQ(Run({Unit(5)}, {Unit(-2)}), with({"Right has no men - no combat occurs."}));
    EXPECT_EQ(Run({Unit(0)}, {Unit(0)}).front(), "Neither side has any men - no combat occurs.");
    EXPECT_EQ(
        Run({Unit(5)}, {Unit(7)}, kRight),
        with({"# Right gets a free round of attacks #", "Neither side can wound the other - battle ends undecided."}));
}

TEST_F(BattleTest, ABattleThatDragsOnIsStoppedAtTheRoundOrAttackLimit)
{
    // Ten million hits each: blows land, but nobody can die within the limit of rounds.
    const TCombatUnit sturdy = Unit(1, 1, 10000000), tireless = Unit(1, 1, 2000000000, 2000000000);
    using Row = std::tuple<TCombatUnit, TBattleLimits, std::size_t, std::string>;
    for (const auto& [unit, limits, rounds, ending] :
         {Row(sturdy, {}, 1000, "No side routed after 1000 rounds - battle ends undecided."),
          Row(tireless, {.Attacks = 5000}, 1, "Battle stopped after 5000 attacks - battle ends undecided.")}) {
        const Lines report = Run({unit}, {unit}, kNone, 1, limits);
        const ParsedReport parsed = Parse(report);
        EXPECT_EQ(std::tuple(parsed.rounds.size(), parsed.ending), std::tuple(rounds, ending));
        ExpectResults(report, parsed);
    }
}

TEST_F(BattleTest, ARoutInTheRoundThatReachesTheAttackLimitStillDecidesTheBattle)
{
    // A champion with the first round routs the Right within the attack limit; the free round gets its own.
    const TCombatUnit champion = Unit(1, 10, 1000000, 1000000), mithril{.Quantity = 4, .ItemMARM = 4};
    using Row = std::tuple<const char*, std::vector<TCombatUnit>, std::string>;
    for (const auto& [name, right, afterFreeRound] :
         {Row("the free round kills the rest", {Unit(20)}, "Battle results: "),
          Row("mithril outlasts the free round", {Unit(12), mithril},
              "The free round was stopped after 30 attacks.")}) {
        SCOPED_TRACE(name);
        const Lines report = Run({champion}, right, kLeft, 3, {.Attacks = 30});
        const ParsedReport parsed = Parse(report, 1);
        ASSERT_EQ(parsed.rounds.size(), 1u) << "the round of the limit is the round of the rout";
        EXPECT_EQ(parsed.ending, "Right is routed. Left gets free round of attacks.");
        ASSERT_GE(report.size(), 12u);
        EXPECT_EQ(report[7], "Round 2:");
        EXPECT_EQ(report[11], afterFreeRound);
        EXPECT_EQ(std::count(report.begin(), report.end(), "Battle stopped after 30 attacks - battle ends undecided."),
                  0);
    }
}

TEST_F(BattleTest, CountersAtTheBottomOfTheirRangeAreSpentAtOnceNotWrappedRound)
{
    // The fewest hits die at the first blow and the fewest attacks strike once a round, as none do.
    const TBattleLimits limits{.Rounds = 5, .Attacks = 100};
    const TCombatUnit champion = Unit(1, 10, 1000000), sturdy = Unit(1, 1, 1000000);
    EXPECT_EQ(Run({champion}, {Unit(1, 0, INT32_MIN)}, kNone, 2, limits),
              Run({champion}, {Unit(1, 0, 0)}, kNone, 2, limits));
    EXPECT_EQ(Run({Unit(1, 1, 1000000, INT32_MIN)}, {sturdy}, kNone, 2, limits),
              Run({Unit(1, 1, 1000000, 0)}, {sturdy}, kNone, 2, limits));
}

TEST(BattleSideTest, OnlyMenWhoCanBeStruckNowCount)
{
    auto man = [](std::uint8_t weaponClass, std::int64_t skill, std::int64_t bonus) {
        return TCombatTroop{.WeaponClass = weaponClass, .Skill = skill, .DefenceBonus = bonus};
    };
    BattleSide left, right;
    left.FrontReady.Add(man(kMelee, 0, 0));
    right.BehindDone.Add(man(kMelee, 0, 0));
    EXPECT_FALSE(AnyBlowCanLand(left, right));
    right.FrontDone.Add(man(kMelee, 0, 2));
    EXPECT_TRUE(AnyBlowCanLand(left, right)) << "a front man that can be hurt shields the second line";
    right.FrontDone.MoveTroop(0, right.Dead);
    EXPECT_FALSE(AnyBlowCanLand(left, right)) << "until he falls";
    left.BehindReady.Add(man(kCrossbow, 1, 0));
    EXPECT_TRUE(AnyBlowCanLand(left, right)) << "men behind strike too";
}

}  // namespace
}  // namespace korvane
