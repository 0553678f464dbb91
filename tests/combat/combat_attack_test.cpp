// Defence values and the odds of single blows, measured over many blows with fixed dice.
#include "combat/combat_random.h"
#include "combat/combat_troop.h"

#include <gtest/gtest.h>

#include <tuple>

namespace korvane {
namespace {

TCombatTroop Man(std::uint8_t weaponClass, std::int64_t skill, std::uint8_t armour = kNoArmour, std::int64_t bonus = 0)
{
    TCombatTroop man{.WeaponClass = weaponClass, .Armour = armour, .Skill = skill, .DefenceBonus = bonus};
    man.Hits = man.HitsLeft = 1;
    return man;
}

TEST(CombatDefenceTest, OwnSkillOnlyAgainstMeleeAndOnlyForMeleeMen)
{
    const TCombatTroop swordsman = Man(kMelee, 3, kNoArmour, 1), archer = Man(kLongbow, 5);
    EXPECT_EQ(std::tuple(swordsman.DefenceAgainst(kMelee), swordsman.DefenceAgainst(kCrossbow),
                         swordsman.DefenceAgainst(kLongbow), swordsman.DefenceAgainst(kDoubleBow)),
              std::tuple(4, 1, 3, 3));
    EXPECT_EQ(
        std::tuple(archer.DefenceAgainst(kMelee), archer.DefenceAgainst(kCrossbow), archer.DefenceAgainst(kLongbow)),
        std::tuple(0, 0, 2));
}

// The widest skills a man can have: a unit's figure at the end of its range and every bonus.
constexpr std::int64_t kHighest = std::int64_t{INT32_MAX} + 6;
constexpr std::int64_t kLowest = std::int64_t{INT32_MIN} * 2;

struct Odds
{
    const char* name;
    TCombatTroop attacker;
    TCombatTroop defender;
    double expected;
};

TEST(CombatAttackTest, OddsOfABlowLanding)
{
    const Odds table[] = {
        {"even odds", Man(kMelee, 1), Man(kMelee, 0), 0.5},
        {"equal skills", Man(kMelee, 2), Man(kMelee, 2), 0.5},
        {"4 to 1", Man(kMelee, 3), Man(kMelee, 1), 0.8},
        {"1 to 4", Man(kMelee, 1), Man(kMelee, 3), 0.2},
        {"9 to 1", Man(kMelee, 3), Man(kCrossbow, 1), 0.9},
        {"longbow at an unarmoured man", Man(kLongbow, 3), Man(kMelee, 0), 0.5},
        {"4 to 1 through chain", Man(kMelee, 3), Man(kMelee, 1, kChainArmour), 0.8 * 2 / 3},
        {"4 to 1 through plate", Man(kMelee, 3), Man(kMelee, 1, kPlateArmour), 0.8 / 3},
        {"4 to 1 through mithril", Man(kMelee, 3), Man(kMelee, 1, kMithrilArmour), 0.8 / 10},
        {"crossbow through plate", Man(kCrossbow, 1), Man(kMelee, 5, kPlateArmour), 0.5},
        {"crossbow at mithril", Man(kCrossbow, 1), Man(kMelee, 5, kMithrilArmour), 0.5 / 3},
        {"nothing against nothing", Man(kMelee, 0), Man(kMelee, 0), 0.0},
        // Skills and bonuses typed at the ends of their range: some 2^34 apart, whose square
        // no 64-bit number holds.
        {"the highest against the lowest", Man(kMelee, kHighest), Man(kMelee, kLowest, kNoArmour, kLowest), 1.0},
        {"the lowest against the highest (next to never)", Man(kMelee, kLowest),
         Man(kMelee, kHighest, kNoArmour, kHighest), 1e-9},
    };
    constexpr int kTrials = 200000;
    CombatRandom random(20261207);
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        int landed = 0;
        for (int i = 0; i < kTrials; ++i)
            landed += BlowLands(row.attacker, row.defender, random) ? 1 : 0;
        EXPECT_NEAR(static_cast<double>(landed) / kTrials, row.expected, 0.006);
        EXPECT_EQ(BlowCanLand(row.attacker.AttackSkill(), row.defender.DefenceAgainst(row.attacker.WeaponClass)),
                  row.expected > 0);
    }
    // Values of 0 and above: the odds table.
    EXPECT_FALSE(BlowCanLand(-3, -3));
    EXPECT_TRUE(BlowCanLand(-3, 0)) << "the weaker side still hits one time in ten";
}

TEST(CombatRandomTest, SameSeedSameDiceAndNothingBelowNothing)
{
    CombatRandom a(7), b(7);
    for (int i = 0; i < 100; ++i) {
        const int n = a.Below(10);
        ASSERT_EQ(n, b.Below(10));
        ASSERT_TRUE(n >= 0 && n < 10) << n;
    }
    EXPECT_EQ(std::tuple(a.Below(0), a.Below(-5)), std::tuple(0, 0));
}

}  // namespace
}  // namespace korvane
