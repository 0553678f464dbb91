// The reading of an orders file that the server's checker does: the faction's block, units,
// FORM and TURN blocks, each order's arguments and the one month-long order per unit.
#include "orders/order_check.h"

#include "core/case_insensitive.h"
#include "core/text_lines.h"
#include "orders/order_table.h"
#include "orders/order_tokens.h"

#include <utility>

namespace korvane {

namespace {

class OrderChecker
{
public:
    explicit OrderChecker(const OrderVocabulary& vocabulary)
        : vocabulary_(vocabulary)
    {
    }

    /// Starts as if inside a faction's block, under a unit line.
    void StartInUnit()
    {
        faction_ = true;
        selected_ = true;
    }

    void Read(long number, std::string_view line);

    /// Names FORM and TURN blocks still open on the line that opened them.
    void NameOpenBlocks()
    {
        for (auto formed = formed_.rbegin(); formed != formed_.rend(); ++formed)
            NameOpen(*formed, formed->TurnLine, formed->FormLine);
        if (selected_)
            NameOpen(main_, main_.TurnLine, 0);
    }

    std::vector<OrderProblem> Problems() { return std::move(problems_); }

private:
    // A unit being given orders. The server keeps the one of `unit` lines from unit to unit,
    // clearing it only when a unit line ends it, so what it holds outlives a unit lost to a
    // bad FORM or UNIT line.
    struct Level
    {
        bool Form = false;
        long FormLine = 0;
        bool InTurn = false;
        long TurnLine = 0;
        const OrderSpec* Month = nullptr;  // of the month, or of the open TURN block
        const OrderSpec* MonthBeforeTurn = nullptr;
        OrderMonth Taxing = OrderMonth::Instant;  // TAX or PILLAGE once given
        OrderMonth TaxingBeforeTurn = OrderMonth::Instant;
    };

    Level& Current() { return formed_.empty() ? main_ : formed_.back(); }
    void Error(long line, std::string message)
    {
        problems_.push_back({line, OrderSeverity::Error, std::move(message)});
    }
    void NameOpen(const Level& level, long turnLine, long formLine)
    {
        if (level.InTurn)
            Error(turnLine, "TURN: without ENDTURN");
        if (level.Form)
            Error(formLine, "FORM: without END.");
    }
    void CloseUnits();
    /// No unit is selected any more; the unit of the `unit` line keeps what it holds.
    void Deselect()
    {
        formed_.clear();
        selected_ = false;
    }
    void Atlantis(OrderTokens& words);
    void Unit(OrderTokens& words);
    void Form(OrderTokens& words);
    void End();
    void Turn();
    void EndTurn();
    void Order(const OrderSpec& order, OrderTokens& words);
    void ClaimMonth(const OrderSpec& order);
    void ClaimTaxing(const OrderSpec& order);

    const OrderVocabulary& vocabulary_;
    std::vector<OrderProblem> problems_;
    Level main_;
    std::vector<Level> formed_;  // units FORM made, innermost last
    bool selected_ = false;  // a unit is being given orders: main_, or the last one formed
    bool faction_ = false;  // inside an `#atlantis` ... `#end` block
    long line_ = 0;
};

void OrderChecker::Read(long number, std::string_view line)
{
    line_ = number;
    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return;
    if (line[start] == '@')  // repeat the order next month: the order itself is the same
        ++start;
    OrderTokens words(line.substr(start));
    const auto keyword = words.Next();
    if (!keyword)
        return;
    if (SameText(*keyword, "#atlantis"))
        return Atlantis(words);
    if (SameText(*keyword, "#end")) {
        if (faction_)
            CloseUnits();
        faction_ = false;
        return;
    }
    if (SameText(*keyword, "unit"))
        return Unit(words);
    if (SameText(*keyword, "form"))
        return Form(words);
    if (SameText(*keyword, "end"))
        return End();
    if (SameText(*keyword, "turn"))
        return Turn();
    if (SameText(*keyword, "endturn"))
        return EndTurn();
    const OrderSpec* order = FindOrder(*keyword);
    if (!order)
        return Error(number, *keyword + " is not a valid order.");
    if (!faction_)
        return;
    if (!selected_)
        return Error(number, "Order given without a unit selected.");
    Order(*order, words);
}

// A unit's end: every FORM and TURN block it leaves open is an error of this line.
void OrderChecker::CloseUnits()
{
    for (auto formed = formed_.rbegin(); formed != formed_.rend(); ++formed)
        NameOpen(*formed, line_, line_);
    formed_.clear();
    if (selected_) {
        NameOpen(main_, line_, line_);
        main_ = Level{};
    }
    selected_ = false;
}

void OrderChecker::Atlantis(OrderTokens& words)
{
    if (faction_)
        Error(line_, "No #END statement given.");
    Deselect();
    faction_ = words.Next().has_value();
    if (!faction_)
        return Error(line_, "No faction number given on #atlantis line.");
    if (!words.Next()) {
        problems_.push_back({line_, OrderSeverity::Warning,
                             "No password on #atlantis line. If this is your first turn, ignore this error."});
    }
}

void OrderChecker::Unit(OrderTokens& words)
{
    if (!faction_)
        return;
    CloseUnits();
    const auto number = words.Next();
    if (!number)
        return Error(line_, "UNIT without unit number.");
    if (!OrderNumber(*number))
        return Error(line_, "Invalid unit number.");
    selected_ = true;
    main_.Month = nullptr;
}

void OrderChecker::Form(OrderTokens& words)
{
    if (!faction_)
        return;
    // Inside a TURN block a formed unit may form another: the block is only read, not run.
    if (!formed_.empty() && !formed_.back().InTurn)
        return Error(line_, "FORM: cannot nest.");
    const auto alias = words.Next();
    if (!alias) {
        Deselect();
        return Error(line_, "Must give alias in FORM order.");
    }
    if (!selected_)
        return Error(line_, "Order given without a unit selected.");
    const auto number = OrderNumber(*alias);
    if (!number || *number < 1) {
        Deselect();
        return Error(line_, number ? "Invalid alias in FORM order." : "Must give alias in FORM order.");
    }
    Level formed;
    formed.Form = true;
    formed.FormLine = line_;
    formed_.push_back(formed);
}

void OrderChecker::End()
{
    if (!faction_)
        return;
    if (formed_.empty())
        return Error(line_, "END: without FORM.");
    if (formed_.back().InTurn)
        Error(line_, "TURN: without ENDTURN");
    formed_.pop_back();
}

void OrderChecker::Turn()
{
    if (!selected_)
        return Error(line_, "Order given without a unit selected.");
    Level& unit = Current();
    if (unit.InTurn)
        return Error(line_, "TURN: cannot nest");
    unit.InTurn = true;
    unit.TurnLine = line_;
    unit.MonthBeforeTurn = std::exchange(unit.Month, nullptr);
    unit.TaxingBeforeTurn = std::exchange(unit.Taxing, OrderMonth::Instant);
}

void OrderChecker::EndTurn()
{
    if (!selected_ || !Current().InTurn)
        return Error(line_, "ENDTURN: without TURN.");
    Level& unit = Current();
    unit.InTurn = false;
    unit.Month = unit.MonthBeforeTurn;
    unit.Taxing = unit.TaxingBeforeTurn;
}

void OrderChecker::Order(const OrderSpec& order, OrderTokens& words)
{
    // Movement is the month's order even when a direction is wrong; other orders only
    // when their arguments are sound.
    if (order.Month == OrderMonth::Movement)
        ClaimMonth(order);
    if (order.Month == OrderMonth::Tax || order.Month == OrderMonth::Pillage)
        return ClaimTaxing(order);
    const std::string problem = order.Check ? order.Check(words, vocabulary_) : std::string();
    if (!problem.empty())
        Error(line_, problem);
    else if (order.Month == OrderMonth::Month || order.Month == OrderMonth::Chained)
        ClaimMonth(order);
}

void OrderChecker::ClaimMonth(const OrderSpec& order)
{
    Level& unit = Current();
    if (unit.Month && (unit.Month != &order || order.Month == OrderMonth::Month)) {
        Error(line_,
              std::string(order.Keyword) + ": Overwriting previous " + (unit.InTurn ? "DELAYED " : "")
                  + "month-long order.");
    }
    unit.Month = &order;
}

void OrderChecker::ClaimTaxing(const OrderSpec& order)
{
    Level& unit = Current();
    if (unit.Taxing != OrderMonth::Instant && unit.Taxing != order.Month) {
        return Error(line_,
                     std::string(order.Keyword) + ": The unit is already "
                         + (unit.Taxing == OrderMonth::Tax ? "taxing." : "pillaging."));
    }
    unit.Taxing = order.Month;
}

template <typename Prepare, typename Finish>
std::vector<OrderProblem> CheckLines(std::string_view text, const OrderVocabulary& vocabulary, Prepare prepare,
                                     Finish finish)
{
    OrderChecker checker(vocabulary);
    prepare(checker);
    TextLines lines(text);
    std::string_view line;
    while (lines.Next(line))
        checker.Read(lines.Number(), line);
    finish(checker);
    return checker.Problems();
}

}  // namespace

std::vector<OrderProblem> CheckOrders(std::string_view text, const OrderVocabulary& vocabulary)
{
    return CheckLines(
        text, vocabulary, [](OrderChecker&) {}, [](OrderChecker&) {});
}

std::vector<OrderProblem> CheckUnitOrders(std::string_view orderLines, const OrderVocabulary& vocabulary)
{
    return CheckLines(
        orderLines, vocabulary, [](OrderChecker& checker) { checker.StartInUnit(); },
        [](OrderChecker& checker) { checker.NameOpenBlocks(); });
}

}  // namespace korvane
