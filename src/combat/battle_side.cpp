// Whether a battle can still change.
#include "combat/battle_side.h"

#include <set>
#include <tuple>
#include <utility>

namespace korvane {

namespace {

using Striker = std::pair<std::uint8_t, std::int64_t>;  // weapon class, attack
using Guard = std::tuple<std::int64_t, std::int64_t, std::int64_t>;  // defence: melee, crossbow, bows

// Men of a unit are mostly alike, so the distinct kinds are few even in huge armies.
void AddStrikers(const TCombatTroopList& list, std::set<Striker>& strikers)
{
    for (const auto& man : list)
        strikers.emplace(man.WeaponClass, man.AttackSkill());
}

void AddGuards(const TCombatTroopList& list, std::set<Guard>& guards)
{
    for (const auto& man : list)
        guards.emplace(man.DefenceAgainst(kMelee), man.DefenceAgainst(kCrossbow), man.DefenceAgainst(kLongbow));
}

std::int64_t DefenceOf(const Guard& guard, std::uint8_t weaponClass)
{
    if (weaponClass == kMelee)
        return std::get<0>(guard);
    if (weaponClass == kCrossbow)
        return std::get<1>(guard);
    return std::get<2>(guard);
}

bool CanWound(const BattleSide& attackers, const BattleSide& defenders)
{
    std::set<Striker> strikers;
    for (const auto* list :
         {&attackers.FrontReady, &attackers.FrontDone, &attackers.BehindReady, &attackers.BehindDone})
        AddStrikers(*list, strikers);
    std::set<Guard> guards;
    if (defenders.FrontCount() > 0) {
        AddGuards(defenders.FrontReady, guards);
        AddGuards(defenders.FrontDone, guards);
    } else {
        AddGuards(defenders.BehindReady, guards);
        AddGuards(defenders.BehindDone, guards);
    }
    for (const auto& [weaponClass, attack] : strikers) {
        for (const auto& guard : guards) {
            if (BlowCanLand(attack, DefenceOf(guard, weaponClass)))
                return true;
        }
    }
    return false;
}

}  // namespace

bool AnyBlowCanLand(const BattleSide& left, const BattleSide& right)
{
    return CanWound(left, right) || CanWound(right, left);
}

}  // namespace korvane
