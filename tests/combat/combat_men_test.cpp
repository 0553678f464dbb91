// How a unit line becomes men, and the odds of their blows measured with fixed dice.
#include "combat/combat_random.h"
#include "combat/combat_troop.h"
#include "combat/combat_troop_list.h"
#include "combat/combat_unit.h"
#include "combat/fort_list.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace korvane {
namespace {

using Values = std::vector<std::int64_t>;

// One figure of every man of the unit's front line.
template <typename F>
Values Front(const TCombatUnit& unit, F field, std::int32_t fortified = 0, bool horseTerrain = false)
{
    TCombatTroopList front, behind;
    unit.BuildTroops(front, behind, fortified, horseTerrain);
    Values values;
    for (const auto& man : front)
        values.push_back(field(man));
    return values;
}

const auto kArmour = [](const TCombatTroop& m) { return std::int64_t{m.Armour}; };
const auto kClass = [](const TCombatTroop& m) { return std::int64_t{m.WeaponClass}; };
const auto kSkill = [](const TCombatTroop& m) { return m.Skill; };
const auto kBonus = [](const TCombatTroop& m) { return m.DefenceBonus; };

TEST(CombatUnitTest, ArmourAndWeaponsGoBestFirstAndBowsOnlyToMenWithTheSkill)
{
    EXPECT_EQ(Front(TCombatUnit{.Quantity = 5, .ItemMARM = 2, .ItemCHAI = 5}, kArmour), (Values{3, 3, 1, 1, 1}));
    EXPECT_EQ(Front(TCombatUnit{.Quantity = 5, .ItemMARM = 1, .ItemPLAT = 1, .ItemCHAI = 1}, kArmour),
              (Values{3, 2, 1, 0, 0}));

    TCombatUnit unit{.Quantity = 7, .SkillCOMB = 1, .SkillLBOW = 2, .SkillXBOW = 3};
    unit.ItemMSWO = unit.ItemSWOR = unit.ItemLBOW = unit.ItemXBOW = unit.ItemDBOW = 1;
    EXPECT_EQ(Front(unit, kClass), (Values{4, 3, 2, 1, 1, 1, 1}));
    EXPECT_EQ(Front(unit, kSkill), (Values{4, 2, 3, 5, 3, 1, 1}));

    const TCombatUnit archers{.Quantity = 10, .SkillCOMB = 1, .ItemSWOR = 2, .ItemLBOW = 4, .ItemDBOW = 4};
    EXPECT_EQ(Front(archers, kClass), Values(10, 1)) << "bows unused without the skill";
    EXPECT_EQ(Front(archers, kSkill), (Values{3, 3, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST(CombatUnitTest, HorsesCountOnlyOnHorseTerrainAndAtMostTwoAndFortsGiveTwoDefence)
{
    const TCombatUnit riders{.Quantity = 3, .SkillCOMB = 1, .SkillRIDI = 5, .ItemHORS = 2};
    EXPECT_EQ(Front(riders, kSkill), (Values{1, 1, 1}));
    EXPECT_EQ(Front(riders, kSkill, 0, true), (Values{3, 3, 1}));
    EXPECT_EQ(Front(riders, kBonus, 0, true), (Values{0, 0, 0}));

    TCombatUnit archers = riders;
    archers.SkillLBOW = 2, archers.ItemLBOW = 3, archers.SkillRIDI = 1;
    EXPECT_EQ(Front(archers, kSkill, 0, true), (Values{2, 2, 2})) << "a mounted archer is no better a shot";
    EXPECT_EQ(Front(archers, kBonus, 0, true), (Values{1, 1, 0}));

    const TCombatUnit unit{.Quantity = 3, .SkillXBOW = 1, .SkillRIDI = 2, .ItemXBOW = 3, .ItemHORS = 3};
    EXPECT_EQ(Front(unit, kBonus, 1), (Values{2, 2, 2})) << "any fortification gives two defence";
    EXPECT_EQ(Front(unit, kBonus, 1250, true), (Values{4, 4, 4}));
    EXPECT_EQ(std::tuple(TFortList().Capacity(6), TFortList().Capacity(-1)), std::tuple(0, 0)) << "no such fort";
}

TEST(CombatUnitTest, FiguresAtTheEndsOfTheirRangeAddUpWithoutWrappingRound)
{
    constexpr std::int64_t kMax = INT32_MAX, kMin = INT32_MIN;
    auto unit = [](std::int32_t combat, std::int32_t longbow, std::int32_t riding) {
        TCombatUnit u{.Quantity = 1, .ItemMSWO = 1, .ItemDBOW = 1, .ItemHORS = 1};
        u.SkillCOMB = combat, u.SkillLBOW = longbow, u.SkillRIDI = riding;
        return u;
    };
    // The unit, its fortification, and its man's skill, defence bonus, defence against melee and bows.
    const std::tuple<const char*, TCombatUnit, std::int32_t, Values> table[] = {
        {"mithril sword, horse and fort", unit(INT32_MAX, 0, 2), 1, {kMax + 6, 2, kMax + 8, 4}},
        {"double bow, lowest riding", unit(0, INT32_MAX, INT32_MIN), 1, {kMax + 2, kMin + 2, kMin + 2, kMin + 4}},
        {"lowest sword, lowest riding", unit(INT32_MIN, 0, INT32_MIN), 0, {kMin + 4 + kMin, 0, kMin + 4 + kMin, 2}},
    };
    for (const auto& [name, unit, fortified, expected] : table) {
        SCOPED_TRACE(name);
        TCombatTroopList front, behind;
        unit.BuildTroops(front, behind, fortified, true);
        ASSERT_EQ(front.Count(), 1);
        const TCombatTroop& m = *front.TroopAt(0);
        EXPECT_EQ((Values{m.Skill, m.DefenceBonus, m.DefenceAgainst(kMelee), m.DefenceAgainst(kLongbow)}), expected);
    }
}

TEST(CombatUnitTest, MenTakeTheUnitsFiguresAndStandInItsLine)
{
    const TCombatUnit unit{.UnitID = 417, .Quantity = 2, .Behind = true, .Hits = 3, .Attacks = 2};
    TCombatTroopList front, behind;
    unit.BuildTroops(front, behind, 0, false);
    ASSERT_EQ(std::tuple(front.Count(), behind.Count()), std::tuple(0, 2));
    const TCombatTroop& man = *behind.TroopAt(1);
    EXPECT_EQ(std::tuple(man.UnitID, man.Hits, man.HitsLeft, man.Attacks, man.AttacksLeft),
              std::tuple(417, 3, 3, 2, 2));
}

TEST(CombatTroopListTest, MovesKeepTheRulesOfOrder)
{
    TCombatTroopList list, resting;
    for (int i = 0; i < 5; ++i)
        list.Add(TCombatTroop{.UnitID = i, .WeaponClass = i % 2 == 0 ? kCrossbow : kMelee});
    auto ids = [](const TCombatTroopList& l) {
        Values values;
        for (const auto& man : l)
            values.push_back(man.UnitID);
        return values;
    };
    list.MoveCrossbowmen(resting, false);
    EXPECT_EQ(resting.Count(), 0);
    list.MoveCrossbowmen(resting, true);
    EXPECT_EQ(ids(resting), (Values{0, 2, 4}));
    EXPECT_EQ(ids(list), (Values{1, 3}));

    resting.MoveAll(list);
    EXPECT_EQ(ids(list), (Values{1, 3, 4, 2, 0})) << "taken from the last to the first";
    EXPECT_EQ(resting.Count(), 0);

    list.MoveTroop(5, resting);
    list.MoveTroop(-1, resting);
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(list.TroopAt(5), nullptr);
    list.MoveTroop(1, resting);
    EXPECT_EQ(ids(resting), (Values{3}));
    EXPECT_EQ(list.Count(), 4);
}

TCombatTroop Man(std::uint8_t weaponClass, std::int64_t skill, std::uint8_t armour = kNoArmour, std::int64_t bonus = 0)
{
    return {
        .WeaponClass = weaponClass, .Armour = armour, .Skill = skill, .DefenceBonus = bonus, .Hits = 1, .HitsLeft = 1};
}

// The widest skills a man can have: a unit's figure at the end of its range and every bonus.
constexpr std::int64_t kHighest = std::int64_t{INT32_MAX} + 6;
constexpr std::int64_t kLowest = std::int64_t{INT32_MIN} * 2;

TEST(CombatAttackTest, OddsOfABlowLanding)
{
    const std::tuple<const char*, TCombatTroop, TCombatTroop, double> table[] = {
        {"even odds", Man(kMelee, 1), Man(kMelee, 0), 0.5},
        {"equal skills", Man(kMelee, 2), Man(kMelee, 2), 0.5},
        {"4 to 1", Man(kMelee, 3), Man(kMelee, 1), 0.8},
        {"1 to 4", Man(kMelee, 1), Man(kMelee, 3), 0.2},
        {"9 to 1", Man(kMelee, 3), Man(kCrossbow, 1), 0.9},
        {"4 to 1 through chain", Man(kMelee, 3), Man(kMelee, 1, kChainArmour), 0.8 * 2 / 3},
        {"4 to 1 through plate", Man(kMelee, 3), Man(kMelee, 1, kPlateArmour), 0.8 / 3},
        {"4 to 1 through mithril", Man(kMelee, 3), Man(kMelee, 1, kMithrilArmour), 0.8 / 10},
        {"crossbow through plate", Man(kCrossbow, 1), Man(kMelee, 5, kPlateArmour), 0.5},
        {"crossbow at mithril", Man(kCrossbow, 1), Man(kMelee, 5, kMithrilArmour), 0.5 / 3},
        {"nothing against nothing", Man(kMelee, 0), Man(kMelee, 0), 0.0},
        // Skills and bonuses at the ends of their range: 2^34 apart, whose square no 64-bit number holds.
        {"the highest against the lowest", Man(kMelee, kHighest), Man(kMelee, kLowest, kNoArmour, kLowest), 1.0},
        {"the lowest against the highest (next to never)", Man(kMelee, kLowest),
         Man(kMelee, kHighest, kNoArmour, kHighest), 1e-9},
    };
    constexpr int kTrials = 200000;
    CombatRandom random(20261207);
    for (const auto& [name, attacker, defender, expected] : table) {
        SCOPED_TRACE(name);
        int landed = 0;
        for (int i = 0; i < kTrials; ++i)
            landed += BlowLands(attacker, defender, random) ? 1 : 0;
        EXPECT_NEAR(static_cast<double>(landed) / kTrials, expected, 0.006);
        EXPECT_EQ(BlowCanLand(attacker.AttackSkill(), defender.DefenceAgainst(attacker.WeaponClass)), expected > 0);
    }
    EXPECT_EQ(Man(kMelee, 3, kNoArmour, 1).DefenceAgainst(kDoubleBow), 3) << "bows meet two and the bonus, never skill";
    EXPECT_FALSE(BlowCanLand(-3, -3));
    EXPECT_TRUE(BlowCanLand(-3, 0)) << "the weaker side still hits one time in ten";
    EXPECT_EQ(std::tuple(random.Below(0), random.Below(-5)), std::tuple(0, 0)) << "nothing below nothing";
}

}  // namespace
}  // namespace korvane
