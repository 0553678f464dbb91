// An ordered list of the men of one side that stand in the same place in a battle.
#pragma once

#include "combat/combat_troop.h"

#include <cstdint>
#include <vector>

namespace korvane {

/// Positions count from 0. Men are chosen from a list only by a uniformly random position,
/// so a man leaving the list leaves his place to the last man instead of moving all later
/// men up: the odds stay the same and a battle of many thousands stays fast.
class TCombatTroopList
{
public:
    std::int32_t Count() const { return static_cast<std::int32_t>(troops_.size()); }
    bool Empty() const { return troops_.empty(); }

    void Add(const TCombatTroop& troop) { troops_.push_back(troop); }

    /// The man at `position`, or null when out of range. Valid until the list changes.
    TCombatTroop* TroopAt(std::int32_t position);
    const TCombatTroop* TroopAt(std::int32_t position) const;

    /// Appends the man at `position` to `destination` and takes him out of this list;
    /// nothing for a position out of range.
    void MoveTroop(std::int32_t position, TCombatTroopList& destination);

    /// When `move` is set, every crossbowman goes to `destination` in list order; the
    /// others keep their order here.
    void MoveCrossbowmen(TCombatTroopList& destination, bool move);

    /// Every man to `destination`, taken from the last to the first.
    void MoveAll(TCombatTroopList& destination);

    void ResetAttacks();

    std::vector<TCombatTroop>::const_iterator begin() const { return troops_.begin(); }
    std::vector<TCombatTroop>::const_iterator end() const { return troops_.end(); }

private:
    std::vector<TCombatTroop> troops_;
};

}  // namespace korvane
