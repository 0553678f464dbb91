// The game's orders: each keyword with the check of its arguments and whether it is the
// unit's month-long order.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

class OrderTokens;
class OrderVocabulary;

/// How an order stands to the unit's one month-long order.
enum class OrderMonth {
    Instant,  // takes no time
    Month,  // the month's order when its arguments are sound
    Chained,  // as Month, but the same order again adds to it (TEACH)
    Movement,  // the month's order whatever its arguments; the same order again adds to it
    Tax,  // not month-long, but a unit either taxes or pillages
    Pillage,
};

/// The problem an order's arguments have; empty when none.
using ArgumentCheck = std::string (*)(OrderTokens& words, const OrderVocabulary& vocabulary);

struct OrderSpec
{
    const char* Keyword;  // in upper case, as messages name it
    ArgumentCheck Check;  // null for orders whose arguments the server never checks
    OrderMonth Month;
};

/// The order of that keyword (any case); null for a word that is no order.
const OrderSpec* FindOrder(std::string_view keyword);

}  // namespace korvane
