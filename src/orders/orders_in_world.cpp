// The map's warnings on the player's orders, merged with the server checker's problems.
#include "orders/orders_in_world.h"

#include "core/case_insensitive.h"
#include "core/text_helpers.h"
#include "core/text_lines.h"
#include "orders/order_tokens.h"
#include "orders/order_world_checks.h"
#include "world/map.h"

#include <algorithm>

namespace korvane {

namespace {

// Reads order lines as the server does and asks the map about the orders of this month: those
// in TURN blocks are for later months, when units stand elsewhere and hold other things. Read
// twice: first for what units receive (claims and gifts come before anything is given away or
// sold), then for the warnings.
class WorldWarnings
{
public:
    WorldWarnings(const OrderWorld& world, IncomingItems& incoming)
        : world_(world)
        , incoming_(incoming)
    {
    }

    /// The first reading notes what units receive and warns of nothing.
    void NoteIncomingOnly(bool only) { noteOnly_ = only; }

    /// Orders from here on are the unit's: none when the map does not show it as the player's.
    void SelectUnit(std::int32_t number)
    {
        const PlacedUnit placed = world_.Find(number);
        actor_ = placed && world_.IsOwn(*placed.Unit) ? placed : PlacedUnit{};
        formed_ = false;
        inTurn_ = false;
    }

    /// Reads a line; `file` when lines are of an orders file, not one unit's.
    void Read(long number, std::string_view line, bool file);
    void ReadAll(std::string_view text, bool file)
    {
        TextLines lines(text);
        std::string_view line;
        while (lines.Next(line))
            Read(lines.Number(), line, file);
    }

    std::vector<OrderProblem> Problems() { return std::move(problems_); }
    /// Whether a GIVE or SELL was found to be more than the unit holds and receives.
    bool FoundShortfall() const { return shortfall_; }
    /// The unit whose block the last line read is in; 0 outside units.
    std::int32_t Unit() const { return unit_; }

private:
    void Warn(long line, std::string message)
    {
        if (!message.empty() && !noteOnly_)
            problems_.push_back({line, OrderSeverity::Warning, std::move(message)});
    }
    void Order(long line, const std::string& order, const OrderTokens& words);

    const OrderWorld& world_;
    IncomingItems& incoming_;
    bool noteOnly_ = false;
    PlacedUnit actor_;
    bool formed_ = false;  // in a FORM block: a new unit, in the same hex, holding nothing yet
    bool inTurn_ = false;
    bool shortfall_ = false;
    std::int32_t unit_ = 0;
    std::vector<OrderProblem> problems_;
};

void WorldWarnings::Read(long number, std::string_view line, bool file)
{
    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return;
    if (line[start] == '@')
        ++start;
    OrderTokens words(line.substr(start));
    const auto keyword = words.Next();
    if (!keyword)
        return;
    if (file && (SameText(*keyword, "#atlantis") || SameText(*keyword, "#end"))) {
        unit_ = 0;
        SelectUnit(0);
    } else if (file && SameText(*keyword, "unit")) {
        const auto unit = OrderNumber(words.NextOrEmpty());
        unit_ = unit.value_or(0);
        SelectUnit(unit_);
        if (unit && *unit > 0)
            Warn(number, CheckOwnUnit(*unit, world_));
    } else if (SameText(*keyword, "form")) {
        formed_ = true;
    } else if (SameText(*keyword, "end")) {
        formed_ = false;
    } else if (SameText(*keyword, "turn")) {
        inTurn_ = true;
    } else if (SameText(*keyword, "endturn")) {
        inTurn_ = false;
    } else if (actor_ && !inTurn_) {
        Order(number, UpperCase(*keyword), words);
    }
}

void WorldWarnings::Order(long line, const std::string& order, const OrderTokens& words)
{
    if (noteOnly_) {
        // A new unit's claim is its own, and it is not on the map.
        if (order == "GIVE" || (order == "CLAIM" && !formed_))
            NoteIncoming(order, words, actor_, world_, incoming_);
        return;
    }
    if (order == "GIVE" || order == "TEACH" || order == "ATTACK") {
        for (std::string& warning : CheckSameHex(order, words, actor_, world_))
            Warn(line, std::move(warning));
    }
    if ((order == "GIVE" || order == "SELL") && !formed_) {
        std::string shortfall = CheckAmountHeld(order, words, actor_, world_, incoming_);
        shortfall_ = shortfall_ || !shortfall.empty();
        Warn(line, std::move(shortfall));
    }
    if (order == "MOVE" || order == "ADVANCE")
        Warn(line, CheckMoveTerrain(order, words, actor_, world_));
    if (order == "STUDY" && !formed_)  // a new unit knows nothing yet
        Warn(line, CheckStudyLimit(order, words, actor_, world_));
}

// The server's problems and the map's warnings in line order, the server's first on a line.
std::vector<OrderProblem> Merged(std::vector<OrderProblem> server, std::vector<OrderProblem> warnings)
{
    server.insert(server.end(), std::make_move_iterator(warnings.begin()), std::make_move_iterator(warnings.end()));
    std::stable_sort(server.begin(), server.end(),
                     [](const OrderProblem& a, const OrderProblem& b) { return a.Line < b.Line; });
    return server;
}

// What the unit's lines and the orders kept for the player's other units in its hex give it.
void NoteIncomingOfHex(WorldWarnings& reader, std::string_view orderLines, std::int32_t unitNumber,
                       const OrderWorld& world, const TMap& map)
{
    reader.NoteIncomingOnly(true);
    reader.SelectUnit(unitNumber);
    reader.ReadAll(orderLines, false);
    if (const PlacedUnit placed = world.Find(unitNumber)) {
        placed.Cell->Units.ForEach([&](const TUnit& other) {
            const TUnit* record = map.UnitFileList.Find(other.Number);
            if (other.Number == unitNumber || !record)
                return;
            reader.SelectUnit(other.Number);
            for (const std::string& order : record->Orders)
                reader.ReadAll(order, false);
        });
    }
    reader.NoteIncomingOnly(false);
}

}  // namespace

std::vector<OrderProblem> CheckUnitOrdersInWorld(std::string_view orderLines, std::int32_t unitNumber, const TMap& map,
                                                 const TrecINI& settings, const OrderVocabulary& vocabulary)
{
    const OrderWorld world(map, settings, vocabulary);
    IncomingItems incoming;
    WorldWarnings warnings(world, incoming);
    warnings.SelectUnit(unitNumber);
    warnings.ReadAll(orderLines, false);
    // The orders kept for the other units of the hex are read only when what the unit holds
    // falls short: a unit browser checks every unit's orders.
    if (warnings.FoundShortfall()) {
        WorldWarnings received(world, incoming);
        NoteIncomingOfHex(received, orderLines, unitNumber, world, map);
        received.SelectUnit(unitNumber);
        received.ReadAll(orderLines, false);
        return Merged(CheckUnitOrders(orderLines, vocabulary), received.Problems());
    }
    return Merged(CheckUnitOrders(orderLines, vocabulary), warnings.Problems());
}

std::vector<OrdersFileProblem> CheckOrdersInWorld(std::string_view text, const TMap& map, const TrecINI& settings,
                                                  const OrderVocabulary& vocabulary)
{
    const OrderWorld world(map, settings, vocabulary);
    IncomingItems incoming;
    WorldWarnings warnings(world, incoming);
    warnings.NoteIncomingOnly(true);
    warnings.ReadAll(text, true);
    warnings.NoteIncomingOnly(false);

    std::vector<std::int32_t> unitOfLine{0};  // which unit's block each line is in
    TextLines lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        warnings.Read(lines.Number(), line, true);
        unitOfLine.push_back(warnings.Unit());
    }
    std::vector<OrdersFileProblem> problems;
    for (OrderProblem& problem : Merged(CheckOrders(text, vocabulary), warnings.Problems())) {
        const auto at = static_cast<std::size_t>(std::clamp<long>(problem.Line, 0, long(unitOfLine.size()) - 1));
        problems.push_back({unitOfLine[at], std::move(problem)});
    }
    return problems;
}

}  // namespace korvane
