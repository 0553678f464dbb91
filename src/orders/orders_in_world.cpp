// The map's warnings on the player's orders, merged with the server checker's problems.
#include "orders/orders_in_world.h"

#include "core/case_insensitive.h"
#include "core/text_lines.h"

#include <algorithm>
#include <cstdlib>

namespace korvane {

std::vector<OrderProblem> CheckUnitOrdersInWorld(std::string_view orderLines, std::int32_t /*unitNumber*/,
                                                 const TMap& /*map*/, const TrecINI& /*settings*/,
                                                 const OrderVocabulary& vocabulary)
{
    return CheckUnitOrders(orderLines, vocabulary);
}

std::vector<OrdersFileProblem> CheckOrdersInWorld(std::string_view text, const TMap& /*map*/,
                                                  const TrecINI& /*settings*/, const OrderVocabulary& vocabulary)
{
    // Which unit's block each line is in.
    std::vector<std::int32_t> unitOfLine{0};
    TextLines lines(text);
    std::string_view line;
    std::int32_t unit = 0;
    while (lines.Next(line)) {
        const std::size_t start = line.find_first_not_of(" \t");
        const std::string_view word = start == std::string_view::npos ? std::string_view() : line.substr(start);
        if (word.size() > 5 && SameText(word.substr(0, 4), "unit") && (word[4] == ' ' || word[4] == '\t'))
            unit = static_cast<std::int32_t>(std::atol(std::string(word.substr(5)).c_str()));
        unitOfLine.push_back(unit);
    }
    std::vector<OrdersFileProblem> problems;
    for (OrderProblem& problem : CheckOrders(text, vocabulary)) {
        const auto at = static_cast<std::size_t>(std::clamp<long>(problem.Line, 0, long(unitOfLine.size()) - 1));
        problems.push_back({unitOfLine[at], std::move(problem)});
    }
    return problems;
}

}  // namespace korvane
