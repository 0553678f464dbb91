// Where the men of one side stand during a battle, and whether the battle can still change.
#pragma once

#include "combat/combat_troop_list.h"

#include <cstdint>

namespace korvane {

struct BattleSide
{
    TCombatTroopList FrontReady;
    TCombatTroopList BehindReady;
    TCombatTroopList FrontDone;
    TCombatTroopList BehindDone;
    TCombatTroopList Dead;
    std::int32_t StartTotal = 0;
    std::int32_t TotalLosses = 0;
    std::int32_t RoundLosses = 0;
    std::int32_t CrossbowPhase = 1;

    std::int32_t FrontCount() const { return FrontReady.Count() + FrontDone.Count(); }
    std::int32_t ReadyCount() const { return FrontReady.Count() + BehindReady.Count(); }
};

/// Whether any living man of either side could ever land a blow on a man of the other side
/// who can be struck now (the front, or the second line when the front is gone). Men change
/// only by dying, so when this is false the battle can never change again.
bool AnyBlowCanLand(const BattleSide& left, const BattleSide& right);

}  // namespace korvane
