// The checks of order arguments, one per argument shape, returning the server's message for
// what is wrong or "" when nothing is.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace korvane {

class OrderTokens;
class OrderVocabulary;

/// Which unit numbers a unit reference accepts besides NEW n and FACTION f NEW n.
enum class UnitNumbers {
    Any,  // any number but 0 and -1
    GiveTarget,  // also 0 (drop the items) and -1
};

/// The word is one of `words`, in any case.
bool IsAnyOf(std::string_view word, std::initializer_list<std::string_view> words);

/// True when the words start with a unit: a number, NEW n or FACTION f NEW n.
bool ReadUnitReference(OrderTokens& words, UnitNumbers numbers = UnitNumbers::Any);

/// A compass direction; `inside` adds IN, OUT and structure numbers (not for ships).
bool IsDirection(std::string_view word, bool inside);

std::string CheckFlag(std::string_view order, OrderTokens& words);
std::string CheckMovement(std::string_view order, OrderTokens& words, bool inside);
/// GIVE, TAKE FROM and TRANSPORT after their target: an amount or ALL, then the item.
std::string CheckTransfer(std::string_view order, OrderTokens& words, const OrderVocabulary& vocabulary);

std::string CheckCast(OrderTokens& words, const OrderVocabulary& vocabulary);

}  // namespace korvane
