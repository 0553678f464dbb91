// Checking orders before they are sent: the lines the game's server would refuse, with its
// reasons, found as the server reads an orders file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class OrderVocabulary;

enum class OrderSeverity { Error, Warning };

struct OrderProblem
{
    long Line;  // from 1, in the text checked
    OrderSeverity Severity;
    std::string Message;

    bool operator==(const OrderProblem&) const = default;
};

/// The problems of a whole orders file (`#atlantis`, `unit` blocks, `#end`), line by line in
/// file order; CR LF, LF and CR all end a line. Every line the server's checker refuses is an
/// error, except a missing password, which is a warning.
std::vector<OrderProblem> CheckOrders(std::string_view text, const OrderVocabulary& vocabulary);

/// The problems of one unit's order lines, as they stand under its `unit` line; a FORM or TURN
/// left open is named on the line that opened it.
std::vector<OrderProblem> CheckUnitOrders(std::string_view orderLines, const OrderVocabulary& vocabulary);

}  // namespace korvane
