// One man in a battle, and the single blow one man strikes at another.
#pragma once

#include <cstdint>

namespace korvane {

class CombatRandom;

/// Weapon classes of a man; every man gets one of the four.
enum : std::uint8_t {
    kMelee = 1,
    kCrossbow = 2,
    kLongbow = 3,
    kDoubleBow = 4,
};

/// Armour of a man, worst first.
enum : std::uint8_t {
    kNoArmour = 0,
    kChainArmour = 1,
    kPlateArmour = 2,
    kMithrilArmour = 3,
};

class TCombatTroop
{
public:
    std::int32_t UnitID = -1;
    std::uint8_t WeaponClass = 0;
    std::uint8_t Armour = kNoArmour;
    // Skill and bonus are a unit's figures plus bonuses: wide, so that figures typed at the top
    // or bottom of their range still add up to what they say.
    std::int64_t Skill = 0;
    std::int64_t DefenceBonus = 0;
    std::int32_t Attacks = 0;
    std::int32_t AttacksLeft = 0;
    std::int32_t Hits = 0;
    std::int32_t HitsLeft = 0;

    std::int64_t AttackSkill() const { return Skill; }

    /// The man's defence against a blow of `attackerClass`: his own skill against melee only
    /// when he fights in melee himself, nothing against crossbows, 2 against any other bow;
    /// plus his bonus from horse and fortification.
    std::int64_t DefenceAgainst(std::uint8_t attackerClass) const;

    /// Whether the man strikes when chosen: one time in two, whoever he is.
    static bool WillAttack(CombatRandom& random);
};

/// Whether a blow of value `attack` against `defence` can ever land: the odds of a hit are nil only
/// when attack and defence values are equal and not above 0; armour never stops every blow.
bool BlowCanLand(std::int64_t attack, std::int64_t defence);

/// Takes one from an attack or hit counter and tells whether it is spent (0 or below). A
/// counter that starts at 0 or below is spent at once and stays at 0: it never wraps round.
bool CountDown(std::int32_t& counter);

/// One attack: whether it hits and then gets through the defender's armour. Changes no one.
bool BlowLands(const TCombatTroop& attacker, const TCombatTroop& defender, CombatRandom& random);

}  // namespace korvane
