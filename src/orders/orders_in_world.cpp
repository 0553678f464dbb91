// The map's warnings on the player's orders, merged with the server checker's problems.
#include "orders/orders_in_world.h"

#include "core/case_insensitive.h"
#include "core/text_helpers.h"
#include "core/text_lines.h"
#include "orders/order_tokens.h"
#include "orders/order_world_checks.h"

#include <algorithm>

namespace korvane {

namespace {

// Reads order lines as the server does and asks the map about the orders of this month: those
// in TURN blocks are for later months, when units stand elsewhere and hold other things.
class WorldWarnings
{
public:
    explicit WorldWarnings(const OrderWorld& world)
        : world_(world)
    {
    }

    /// Orders from here on are the unit's: none when the map does not show it as the player's.
    void SelectUnit(std::int32_t number)
    {
        Finish();
        const PlacedUnit placed = world_.Find(number);
        actor_ = placed && world_.IsOwn(*placed.Unit) ? placed : PlacedUnit{};
        formed_ = false;
        inTurn_ = false;
    }
    void Deselect() { SelectUnit(0); }
    /// Checks what waited for the end of the unit's orders.
    void Finish()
    {
        for (const Transfer& transfer : transfers_) {
            OrderTokens words(transfer.Line);
            words.Next();
            Warn(transfer.Number, CheckAmountHeld(transfer.Order, words, actor_, world_, claimed_));
        }
        transfers_.clear();
        claimed_ = 0;
    }

    /// Reads a line; `file` when lines are of an orders file, not one unit's.
    void Read(long number, std::string_view line, bool file);

    std::vector<OrderProblem> Problems() { return std::move(problems_); }
    /// The unit whose block the last line read is in; 0 outside units.
    std::int32_t Unit() const { return unit_; }

private:
    void Warn(long line, std::string message)
    {
        if (!message.empty())
            problems_.push_back({line, OrderSeverity::Warning, std::move(message)});
    }
    void Order(long line, std::string_view keyword, const OrderTokens& words);

    // A GIVE or SELL, checked once every CLAIM of the month is known: the server takes claims first.
    struct Transfer
    {
        long Number;
        std::string Order;
        std::string Line;
    };

    const OrderWorld& world_;
    PlacedUnit actor_;
    std::vector<Transfer> transfers_;
    long long claimed_ = 0;
    bool formed_ = false;  // in a FORM block: a new unit, in the same hex, holding nothing yet
    bool inTurn_ = false;
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
        Deselect();
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
        Order(number, *keyword, words);
        if ((SameText(*keyword, "give") || SameText(*keyword, "sell")) && !formed_)
            transfers_.push_back({number, UpperCase(*keyword), std::string(line.substr(start))});
        if (SameText(*keyword, "claim") && !formed_)
            claimed_ += std::max(0, OrderValue(words.NextOrEmpty()));
    }
}

void WorldWarnings::Order(long line, std::string_view keyword, const OrderTokens& words)
{
    const bool give = SameText(keyword, "give");
    if (give || SameText(keyword, "teach") || SameText(keyword, "attack")) {
        for (std::string& warning : CheckSameHex(UpperCase(keyword), words, actor_, world_))
            Warn(line, std::move(warning));
    }
    if (SameText(keyword, "move") || SameText(keyword, "advance"))
        Warn(line, CheckMoveTerrain(UpperCase(keyword), words, actor_, world_));
}

// The server's problems and the map's warnings in line order, the server's first on a line.
std::vector<OrderProblem> Merged(std::vector<OrderProblem> server, std::vector<OrderProblem> warnings)
{
    server.insert(server.end(), std::make_move_iterator(warnings.begin()), std::make_move_iterator(warnings.end()));
    std::stable_sort(server.begin(), server.end(),
                     [](const OrderProblem& a, const OrderProblem& b) { return a.Line < b.Line; });
    return server;
}

}  // namespace

std::vector<OrderProblem> CheckUnitOrdersInWorld(std::string_view orderLines, std::int32_t unitNumber, const TMap& map,
                                                 const TrecINI& settings, const OrderVocabulary& vocabulary)
{
    const OrderWorld world(map, settings, vocabulary);
    WorldWarnings warnings(world);
    warnings.SelectUnit(unitNumber);
    TextLines lines(orderLines);
    std::string_view line;
    while (lines.Next(line))
        warnings.Read(lines.Number(), line, false);
    warnings.Finish();
    return Merged(CheckUnitOrders(orderLines, vocabulary), warnings.Problems());
}

std::vector<OrdersFileProblem> CheckOrdersInWorld(std::string_view text, const TMap& map, const TrecINI& settings,
                                                  const OrderVocabulary& vocabulary)
{
    const OrderWorld world(map, settings, vocabulary);
    WorldWarnings warnings(world);
    std::vector<std::int32_t> unitOfLine{0};  // which unit's block each line is in
    TextLines lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        warnings.Read(lines.Number(), line, true);
        unitOfLine.push_back(warnings.Unit());
    }
    warnings.Finish();
    std::vector<OrdersFileProblem> problems;
    for (OrderProblem& problem : Merged(CheckOrders(text, vocabulary), warnings.Problems())) {
        const auto at = static_cast<std::size_t>(std::clamp<long>(problem.Line, 0, long(unitOfLine.size()) - 1));
        problems.push_back({unitOfLine[at], std::move(problem)});
    }
    return problems;
}

}  // namespace korvane
