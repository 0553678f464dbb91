// Where a player who has not saved a home yet first looks: at the player's own world rather
// than at an empty corner of the grid.
#pragma once

#include <cstdint>
#include <optional>

namespace korvane {

class TMap;

struct GridPlace
{
    int Level = 0;
    int X = 0;
    int Y = 0;

    bool operator==(const GridPlace&) const = default;
};

/// The hex holding most of the player's units shown now; without any, the settlement nearest
/// the middle of the known settlements; without any, the known hex nearest the middle of the
/// known hexes of the level that knows most. Nothing when the map knows no hex at all.
std::optional<GridPlace> PlayersWorldCentre(const TMap& map, std::int32_t ownFaction);

}  // namespace korvane
