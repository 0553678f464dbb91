// Cutting an order line into words, and reading numbers the way the server does.
#include "orders/order_tokens.h"

namespace korvane {

std::optional<std::string> OrderTokens::Next()
{
    std::size_t at = 0;
    while (at < rest_.size() && (rest_[at] == ' ' || rest_[at] == '\t'))
        ++at;
    if (at == rest_.size() || rest_[at] == ';') {
        rest_ = {};
        return std::nullopt;
    }
    std::string word;
    if (rest_[at] == '"') {
        const std::size_t close = rest_.find('"', at + 1);
        const std::size_t end = close == std::string_view::npos ? rest_.size() : close;
        word.assign(rest_.substr(at + 1, end - at - 1));
        rest_.remove_prefix(close == std::string_view::npos ? rest_.size() : close + 1);
        return word;
    }
    std::size_t end = at;
    while (end < rest_.size() && rest_[end] != ' ' && rest_[end] != '\t' && rest_[end] != ';')
        ++end;
    word.assign(rest_.substr(at, end - at));
    rest_.remove_prefix(end);
    return word;
}

std::optional<std::int32_t> OrderNumber(std::string_view word)
{
    const bool negative = !word.empty() && word.front() == '-';
    if (negative)
        word.remove_prefix(1);
    if (word.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : word) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 2147483647)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace korvane
