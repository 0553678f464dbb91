// One man in a battle, and the single blow one man strikes at another.
#include "combat/combat_troop.h"

#include "combat/combat_random.h"

#include <algorithm>

namespace korvane {

std::int64_t TCombatTroop::DefenceAgainst(std::uint8_t attackerClass) const
{
    std::int64_t base = 0;
    if (attackerClass == kMelee)
        base = WeaponClass == kMelee ? Skill : 0;
    else if (attackerClass == kLongbow || attackerClass == kDoubleBow)
        base = 2;
    return base + DefenceBonus;
}

bool TCombatTroop::WillAttack(CombatRandom& random)
{
    return random.Below(100) < 50;
}

bool BlowCanLand(std::int64_t attack, std::int64_t defence)
{
    return attack != defence || attack > 0;
}

bool CountDown(std::int32_t& counter)
{
    counter = counter > 0 ? counter - 1 : 0;
    return counter == 0;
}

namespace {

// A difference of skills beyond which the odds no longer change: its square, 2^32, is already
// past what the dice can tell from certainty, and the square of a wider one (skills and
// bonuses reach some 2^34 apart) would not fit in 64 bits.
constexpr std::int64_t kWidestDifference = std::int64_t{1} << 16;

std::int64_t SquaredDifference(std::int64_t larger, std::int64_t smaller)
{
    const std::int64_t difference = std::min(larger - smaller, kWidestDifference);
    return difference * difference;
}

// The odds of a hit go with the square of the difference, so one level more is even odds,
// two levels 4 to 1, three 9 to 1.
bool Hits(std::int64_t attack, std::int64_t defence, CombatRandom& random)
{
    if (attack > defence) {
        attack = SquaredDifference(attack, defence);
        defence = 1;
    } else if (attack < defence) {
        defence = SquaredDifference(defence, attack);
        attack = 1;
    }
    const std::int64_t total = attack + defence;
    if (total > INT32_MAX) {
        // Beyond the dice's range: scale both odds down alike.
        const double share = static_cast<double>(attack) / static_cast<double>(total);
        return random.Below(INT32_MAX) < static_cast<std::int64_t>(share * INT32_MAX);
    }
    return random.Below(static_cast<std::int32_t>(total)) < attack;
}

bool PiercesArmour(std::uint8_t attackerClass, std::uint8_t armour, CombatRandom& random)
{
    // A crossbow bolt goes through chain and plate; only mithril can turn it.
    if (attackerClass == kCrossbow)
        return armour != kMithrilArmour || random.Below(3) == 0;
    switch (armour) {
    case kChainArmour:
        return random.Below(3) > 0;
    case kPlateArmour:
        return random.Below(3) == 2;
    case kMithrilArmour:
        return random.Below(10) == 0;
    default:
        return true;
    }
}

}  // namespace

bool BlowLands(const TCombatTroop& attacker, const TCombatTroop& defender, CombatRandom& random)
{
    if (!Hits(attacker.AttackSkill(), defender.DefenceAgainst(attacker.WeaponClass), random))
        return false;
    return PiercesArmour(attacker.WeaponClass, defender.Armour, random);
}

}  // namespace korvane
