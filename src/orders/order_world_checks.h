// The warnings on orders that need the map: each names its check in its message, and says
// nothing where the map does not know.
#pragma once

#include "orders/order_world.h"
#include "orders/order_world_incoming.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class OrderTokens;

/// A `unit` line naming a unit that is not one of the player's in the turn shown.
std::string CheckOwnUnit(std::int32_t number, const OrderWorld& world);

/// GIVE, TEACH or ATTACK (`words` after the keyword): each unit named that the map shows in
/// another hex this turn. Units formed this month (NEW) and GIVE 0 are not looked for.
std::vector<std::string> CheckSameHex(std::string_view order, OrderTokens words, const PlacedUnit& actor,
                                      const OrderWorld& world);

/// GIVE or SELL: more of an item than the unit holds with what it receives this month.
std::string CheckAmountHeld(std::string_view order, OrderTokens words, const PlacedUnit& actor, const OrderWorld& world,
                            const IncomingItems& incoming);

/// What a GIVE or CLAIM of `actor` (`words` after the keyword) adds to what units receive.
void NoteIncoming(std::string_view order, OrderTokens words, const PlacedUnit& actor, const OrderWorld& world,
                  IncomingItems& incoming);

/// MOVE or ADVANCE, followed step by step from the unit's hex: a step off the map, into the
/// ocean, or through underworld rock without a passage. IN, OUT and structure numbers end
/// what can be followed, and so does a step off the grid the map keeps (the world may wrap).
std::string CheckMoveTerrain(std::string_view order, OrderTokens words, const PlacedUnit& actor,
                             const OrderWorld& world);

/// STUDY: a skill the unit knows already as far as the least of its races may study it.
std::string CheckStudyLimit(std::string_view order, OrderTokens words, const PlacedUnit& actor,
                            const OrderWorld& world);

}  // namespace korvane
