// The search for a hex where one of the player's units still lacks complete orders.
#pragma once

#include <cstdint>

namespace korvane {

class TMap;
class TMapCell;

/// The first hex (level 0 then 1, each in rows from the top, left to right) holding a unit of
/// faction `ownFaction` whose record in the map's unit list is not marked complete; null when
/// there is none. Every search starts from the beginning, so the same hex is found again until
/// its units are marked complete.
const TMapCell* FindMissingOrders(const TMap& map, std::int32_t ownFaction);

}  // namespace korvane
