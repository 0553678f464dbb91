// Checking the player's orders against what the map knows, beyond what the server's checker
// can see: whose units the orders name, where they stand, what they hold, where they go.
// These are warnings only; what the map does not know is never held against an order.
#pragma once

#include "orders/order_check.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace korvane {

class OrderVocabulary;
class TMap;
class TrecINI;

/// The problems of one of the player's units' order lines: the server's checker's, and the
/// map's warnings for the unit `unitNumber` in the current turn, in line order.
std::vector<OrderProblem> CheckUnitOrdersInWorld(std::string_view orderLines, std::int32_t unitNumber, const TMap& map,
                                                 const TrecINI& settings, const OrderVocabulary& vocabulary);

/// A problem of an orders file, with the unit whose block holds its line (0 before the first
/// `unit` line).
struct OrdersFileProblem
{
    std::int32_t Unit;
    OrderProblem Problem;

    bool operator==(const OrdersFileProblem&) const = default;
};

/// The problems of a whole orders file (line numbers of the file): the server's checker's, and
/// for each `unit` block the map's warnings, in line order.
std::vector<OrdersFileProblem> CheckOrdersInWorld(std::string_view text, const TMap& map, const TrecINI& settings,
                                                  const OrderVocabulary& vocabulary);

}  // namespace korvane
