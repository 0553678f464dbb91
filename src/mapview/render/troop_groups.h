// Whose troops stand in a hex, grouped the way the map marks them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

class TAllianceList;
class TFactionList;
class TMapCell;

/// The display selection in use: faction numbers, or alliance numbers, as decimal text.
struct TroopDisplay
{
    std::vector<std::string> Entries;
    bool AllianceBased = false;
};

struct TroopGroup
{
    std::string Key;  // the faction or alliance number, "0"-padded to 5 characters
    std::int64_t Men = 0;
    int Stale = 0;  // 0 when seen in the turn shown, -1 when only known from before
    std::int32_t Colour = 0;  // the faction's or alliance's colour; negative: not drawn
};

/// Groups the cell's units of registered factions by display entry (or by faction when the
/// selection is empty), largest group first; equal groups keep the order of their keys.
/// An empty alliance selection marks nothing.
std::vector<TroopGroup> CollectTroopGroups(const TMapCell& cell, const TroopDisplay& display,
                                           const TFactionList& factions, const TAllianceList& alliances,
                                           std::int32_t currentTurn);

}  // namespace korvane
