// One battle between two sides, fought man by man and round by round into a report.
#pragma once

#include "combat/combat_unit.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

class UserInteraction;

enum class TCombatSide { None, Left, Right };

/// What a battle fields at most, and where a battle that makes no progress is stopped.
struct TBattleLimits
{
    /// Men one side may field. The largest armies of a game count some thousands of men;
    /// a hundred thousand a side is beyond any of them, while the men of two such sides
    /// still take only tens of megabytes and their battle some seconds. A set-up above
    /// this is refused, not fought: one record per man, a unit typed with two thousand
    /// million men would take more memory than any machine has.
    std::int64_t Men = 100000;
    /// Rounds fought before the battle is stopped (the winner's free round after a rout
    /// is always fought).
    int Rounds = 1000;
    /// Attackers chosen before the battle is stopped, in the middle of a round if need be:
    /// a few men with huge numbers of attacks and hits could keep one round going for hours.
    /// The winner's free round after a rout has as many of its own.
    std::int64_t Attacks = 20000000;
};

/// Fights the units of `left` against those of `right` and fills `report` with its lines.
/// `leftFortified` and `rightFortified` are the fortification capacities of the sides (0 for
/// none), `tacticalAdvantage` the side that gets a free first round, `horseTerrain` whether
/// horses count. The dice are seeded with `seed`, or from the clock when none is given.
/// A side without men, a battle in which no blow can ever land, and one that reaches a limit
/// end with a report line that says so.
/// When the battle is refused (BattleRefusal) the player is told why, no battle is fought,
/// the report is kept and the result is false.
bool RunBattle(const std::vector<TCombatUnit>& left, const std::vector<TCombatUnit>& right, std::int32_t leftFortified,
               std::int32_t rightFortified, TCombatSide tacticalAdvantage, bool horseTerrain,
               std::vector<std::string>& report, UserInteraction& ui, std::optional<std::uint32_t> seed = std::nullopt,
               const TBattleLimits& limits = {});

/// Why RunBattle would refuse to fight `left` against `right`, in words for the player: a side
/// without units, or a side fielding more men than `limits` allow. Empty when it would fight.
std::string BattleRefusal(const std::vector<TCombatUnit>& left, const std::vector<TCombatUnit>& right,
                          const TBattleLimits& limits = {});

}  // namespace korvane
