// An ordered list of the men of one side that stand in the same place in a battle.
#include "combat/combat_troop_list.h"

#include <utility>

namespace korvane {

TCombatTroop* TCombatTroopList::TroopAt(std::int32_t position)
{
    if (position < 0 || position >= Count())
        return nullptr;
    return &troops_[static_cast<std::size_t>(position)];
}

const TCombatTroop* TCombatTroopList::TroopAt(std::int32_t position) const
{
    if (position < 0 || position >= Count())
        return nullptr;
    return &troops_[static_cast<std::size_t>(position)];
}

void TCombatTroopList::MoveTroop(std::int32_t position, TCombatTroopList& destination)
{
    if (position < 0 || position >= Count() || &destination == this)
        return;
    auto& place = troops_[static_cast<std::size_t>(position)];
    destination.troops_.push_back(place);
    if (&place != &troops_.back())
        place = std::move(troops_.back());
    troops_.pop_back();
}

void TCombatTroopList::MoveCrossbowmen(TCombatTroopList& destination, bool move)
{
    if (!move || &destination == this)
        return;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < troops_.size(); ++i) {
        if (troops_[i].WeaponClass == kCrossbow)
            destination.troops_.push_back(troops_[i]);
        else
            troops_[kept++] = troops_[i];
    }
    troops_.resize(kept);
}

void TCombatTroopList::MoveAll(TCombatTroopList& destination)
{
    if (&destination == this)
        return;
    destination.troops_.insert(destination.troops_.end(), troops_.rbegin(), troops_.rend());
    troops_.clear();
}

void TCombatTroopList::ResetAttacks()
{
    for (auto& troop : troops_)
        troop.AttacksLeft = troop.Attacks;
}

}  // namespace korvane
