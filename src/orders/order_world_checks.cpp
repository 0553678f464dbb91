// The map's warnings on single orders.
#include "orders/order_world_checks.h"

#include "core/case_insensitive.h"
#include "core/text_helpers.h"
#include "orders/order_tokens.h"
#include "world/map.h"

#include <array>
#include <optional>

namespace korvane {

namespace {

// A hex as the reports name it: game coordinates, the underworld's with its level.
std::string HexName(int level, int x, int y)
{
    if (level == TMap::kUnderworld) {
        TMap::GridToUnder(x, y);
        return "(" + IntToStr(x) + "," + IntToStr(y) + ",underworld)";
    }
    return "(" + IntToStr(x) + "," + IntToStr(y) + ")";
}

std::string HexName(const TMapCell& cell)
{
    return HexName(cell.Level, cell.X, cell.Y);
}

std::string Warning(std::string_view order, std::string_view check, const std::string& detail)
{
    return std::string(order) + ": " + std::string(check) + ": " + detail;
}

// The next unit an order names: its number, or 0 for one formed this month (NEW n, FACTION f
// NEW n), which the map cannot show; empty at the end of the line.
std::optional<std::int32_t> NextUnit(OrderTokens& words)
{
    const auto word = words.Next();
    if (!word)
        return std::nullopt;
    if (SameText(*word, "new")) {
        words.Next();
        return 0;
    }
    if (SameText(*word, "faction")) {
        words.Next();
        words.Next();
        words.Next();
        return 0;
    }
    return OrderValue(*word);
}

// Direction 1 (north) to 6 (northwest) of a compass word; 0 for PAUSE; -1 for anything else.
int DirectionOf(std::string_view word)
{
    static constexpr std::array<std::array<std::string_view, 2>, 6> kNames{{{"n", "north"},
                                                                            {"ne", "northeast"},
                                                                            {"se", "southeast"},
                                                                            {"s", "south"},
                                                                            {"sw", "southwest"},
                                                                            {"nw", "northwest"}}};
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (SameText(word, kNames[i][0]) || SameText(word, kNames[i][1]))
            return static_cast<int>(i) + 1;
    }
    return SameText(word, "p") || SameText(word, "pause") ? 0 : -1;
}

enum class StepResult { Moved, OffMap, Closed, Unknown };

// One step from a grid position. An underworld hex lies two grid steps from the next, with
// the rock between them. Rows start at 0 on both levels; the world may wrap east to west,
// so a step beyond the grid's columns (or its last row) leaves what can be followed.
StepResult Step(int level, int& x, int& y, int direction, const OrderWorld& world)
{
    if (level == TMap::kUnderworld) {
        TMap::NeighbourCoords(x, y, direction);
        const TMapCell* rock = world.Cell(level, x, y);
        TMap::NeighbourCoords(x, y, direction);
        if (y < 2)
            return StepResult::OffMap;
        if (rock && world.IsClosedRock(*rock, direction))
            return StepResult::Closed;
    } else {
        TMap::NeighbourCoords(x, y, direction);
        if (y < 0)
            return StepResult::OffMap;
    }
    return x < 0 || x > TMap::kMaxX || y > TMap::kMaxY ? StepResult::Unknown : StepResult::Moved;
}

}  // namespace

std::string CheckOwnUnit(std::int32_t number, const OrderWorld& world)
{
    if (!world.IsNotOwnUnit(number))
        return {};
    return Warning("UNIT", "Not your unit",
                   IntToStr(number) + " is not one of your units in turn " + IntToStr(world.Turn()) + ".");
}

std::vector<std::string> CheckSameHex(std::string_view order, OrderTokens words, const PlacedUnit& actor,
                                      const OrderWorld& world)
{
    std::vector<std::string> warnings;
    if (!actor)
        return warnings;
    const bool give = SameText(order, "GIVE");
    while (const auto number = NextUnit(words)) {
        if (*number > 0) {
            const PlacedUnit target = world.Find(*number);
            if (target && !target.SameHex(actor)) {
                warnings.push_back(Warning(order, "Not in the same hex",
                                           "unit " + IntToStr(*number) + " is in " + HexName(*target.Cell)
                                               + " this turn, not in " + HexName(*actor.Cell) + "."));
            }
        }
        if (give)
            break;  // the rest is what is given
    }
    return warnings;
}

std::string CheckAmountHeld(std::string_view order, OrderTokens words, const PlacedUnit& actor, const OrderWorld& world,
                            const IncomingItems& incoming)
{
    if (!actor)
        return {};
    if (SameText(order, "GIVE") && !NextUnit(words))
        return {};
    const auto amount = OrderNumber(words.NextOrEmpty());  // ALL and UNIT are never too many
    const auto item = words.Next();
    if (!amount || *amount <= 0 || !item || SameText(*item, "unfinished"))
        return {};
    const long long held = world.Held(*actor.Unit, *item);
    if (held < 0 || held >= *amount)
        return {};
    const long long received = incoming.To(actor.Unit->Number, world.ItemCode(*item));
    if (received >= *amount - held)
        return {};
    return Warning(order, "More than held",
                   IntToStr(*amount) + " " + *item + ", but the unit holds " + IntToStr(held)
                       + (received > 0 ? " and receives " + IntToStr(received) : std::string()) + ".");
}

void NoteIncoming(std::string_view order, OrderTokens words, const PlacedUnit& actor, const OrderWorld& world,
                  IncomingItems& incoming)
{
    if (!actor)
        return;
    if (SameText(order, "CLAIM")) {
        if (const std::int32_t amount = OrderValue(words.NextOrEmpty()); amount > 0)
            incoming.Add(actor.Unit->Number, "SILV", amount);
        return;
    }
    const auto target = NextUnit(words);
    const std::string amount = words.NextOrEmpty();
    const auto item = words.Next();
    const std::string code = item ? world.ItemCode(*item) : std::string();
    if (!target || *target <= 0 || *target == actor.Unit->Number || code.empty())
        return;  // what a unit gives itself is nothing more
    if (SameText(amount, "all"))
        incoming.Add(*target, code, IncomingItems::kUnlimited);
    else if (const std::int32_t count = OrderValue(amount); count > 0)
        incoming.Add(*target, code, count);
}

std::string CheckMoveTerrain(std::string_view order, OrderTokens words, const PlacedUnit& actor,
                             const OrderWorld& world)
{
    if (!actor)
        return {};
    const int level = actor.Cell->Level;
    int x = actor.Cell->X, y = actor.Cell->Y;
    while (const auto word = words.Next()) {
        const int direction = DirectionOf(*word);
        if (direction < 0)
            return {};  // into or out of a structure: where the unit is then is not followed
        if (direction == 0)
            continue;
        const std::string from = HexName(level, x, y);
        switch (Step(level, x, y, direction, world)) {
        case StepResult::OffMap:
            return Warning(order, "Off the map", *word + " from " + from + " leaves the map.");
        case StepResult::Closed:
            return Warning(order, "No passage", from + " has no exit " + *word + ".");
        case StepResult::Unknown:
            return {};
        case StepResult::Moved:
            break;
        }
        if (const TMapCell* cell = world.Cell(level, x, y); cell && world.IsOcean(*cell)) {
            return Warning(order, "Into the ocean",
                           *word + " from " + from + " enters the ocean at " + HexName(*cell)
                               + "; only SAIL crosses it.");
        }
    }
    return {};
}

std::string CheckStudyLimit(std::string_view order, OrderTokens words, const PlacedUnit& actor, const OrderWorld& world)
{
    if (!actor)
        return {};
    const auto skill = words.Next();
    const std::string code = skill ? world.SkillCode(*skill) : std::string();
    if (code.empty())
        return {};
    const auto ceiling = world.StudyLimit(*actor.Unit, code);
    const int level = world.SkillLevel(*actor.Unit, code);
    if (!ceiling || level < ceiling->Level)
        return {};
    return Warning(order, "Race limit",
                   UpperCase(code) + " is at level " + IntToStr(level) + ", the limit for " + ceiling->Race + ".");
}

}  // namespace korvane
