// Argument shapes several orders share: unit references, flags, directions and transfers.
#include "orders/order_arguments.h"

#include "core/case_insensitive.h"
#include "orders/order_tokens.h"
#include "orders/order_vocabulary.h"

#include <algorithm>
#include <array>

namespace korvane {

namespace {

constexpr std::array<std::string_view, 12> kFlagWords{"1",   "0",  "t", "f", "on",   "off",
                                                      "yes", "no", "y", "n", "true", "false"};

constexpr std::array<std::string_view, 14> kCompass{"n",         "ne",        "se",        "s",         "sw",
                                                    "nw",        "north",     "northeast", "southeast", "south",
                                                    "southwest", "northwest", "p",         "pause"};

// The classes GIVE and TAKE accept after ALL in place of an item.
constexpr std::array<std::string_view, 21> kItemClasses{
    "normal", "advanced", "trade",  "man",     "men",  "monster", "monsters", "magic", "weapon", "weapons", "armor",
    "mount",  "mounts",   "battle", "special", "tool", "tools",   "food",     "ship",  "ships",  "item"};

template <std::size_t N>
bool OneOf(std::string_view word, const std::array<std::string_view, N>& words)
{
    return std::any_of(words.begin(), words.end(), [&](std::string_view w) { return SameText(w, word); });
}

std::string Problem(std::string_view order, std::string_view text)
{
    return std::string(order) + ": " + std::string(text);
}

}  // namespace

bool IsAnyOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    for (std::string_view w : words) {
        if (SameText(w, word))
            return true;
    }
    return false;
}

bool ReadUnitReference(OrderTokens& words, UnitNumbers numbers)
{
    const auto word = words.Next();
    if (!word)
        return false;
    if (SameText(*word, "new")) {
        const auto alias = words.Next();
        return alias && OrderValue(*alias) != 0;
    }
    if (SameText(*word, "faction")) {
        const auto faction = words.Next();
        if (!faction || OrderValue(*faction) == 0 || !SameText(words.NextOrEmpty(), "new"))
            return false;
        const auto alias = words.Next();
        return alias && OrderValue(*alias) != 0;
    }
    if (numbers == UnitNumbers::GiveTarget && *word == "0")
        return true;
    const std::int32_t number = OrderValue(*word);
    return number != 0 && (number != -1 || numbers == UnitNumbers::GiveTarget);
}

bool IsDirection(std::string_view word, bool inside)
{
    if (OneOf(word, kCompass))
        return true;
    // The server keeps a structure number 100 above its directions, so the largest numbers
    // wrap round to directions and pass even where structures may not be named.
    const std::int32_t structure = OrderValue(word);
    if (structure > 2147483647 - 100)
        return true;
    return inside && (SameText(word, "in") || SameText(word, "out") || structure != 0);
}

std::string CheckFlag(std::string_view order, OrderTokens& words)
{
    return OneOf(words.NextOrEmpty(), kFlagWords) ? std::string() : Problem(order, "Invalid value.");
}

std::string CheckMovement(std::string_view order, OrderTokens& words, bool inside)
{
    while (const auto word = words.Next()) {
        if (!IsDirection(*word, inside))
            return Problem(order, "Warning, bad direction '" + *word + "'.");
    }
    return {};
}

std::string CheckTransfer(std::string_view order, OrderTokens& words, const OrderVocabulary& vocabulary)
{
    const bool transport = order == "TRANSPORT";
    const auto amount = words.Next();
    if (!amount)
        return Problem(order, "No amount given.");
    if (SameText(*amount, "unit")) {
        if (order != "GIVE")
            return Problem(order, "Illegal amount given.");
        return SameText(words.NextOrEmpty(), "except") ? Problem(order, "EXCEPT only valid with ALL") : std::string();
    }
    const bool all = SameText(*amount, "all");
    if (!all && (transport ? OrderValue(*amount) < 0 || !OrderNumber(*amount) : OrderValue(*amount) <= 0))
        return Problem(order, "Illegal amount given.");
    auto item = words.Next();
    const bool unfinished = !transport && item && SameText(*item, "unfinished");
    if (unfinished)
        item = words.Next();
    if (!item)
        return Problem(order, "No item given.");
    if (vocabulary.IsItem(*item) && (!transport || vocabulary.IsTransported(*item))) {
        if (unfinished && !vocabulary.IsShip(*item))
            return Problem(order, "That item does not have an unfinished version.");
        if (!SameText(words.NextOrEmpty(), "except"))
            return {};
        if (!all && !transport)
            return Problem(order, "EXCEPT only valid with ALL");
        const auto except = words.Next();
        if (!except)
            return Problem(order, "EXCEPT requires a value.");
        if (OrderValue(*except) > 0)
            return {};
        return Problem(order, transport ? "Invalid except value." : "Invalid EXCEPT value.");
    }
    if (transport)
        return Problem(order, "Invalid item '" + *item + "'.");
    if (!all)
        return Problem(order, "Invalid item.");
    if (!OneOf(*item, kItemClasses) && !SameText(*item, "items"))
        return Problem(order, "Invalid item or item class.");
    return SameText(words.NextOrEmpty(), "except") ? Problem(order, "EXCEPT only valid with specific items.")
                                                   : std::string();
}

}  // namespace korvane
