// The words of one order line as the game's server reads them, and its numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

/// Reads the words of a line one at a time. Words are cut at spaces and tabs; a word that
/// starts with `"` runs to the next `"` (or the line's end) and may hold spaces; `;` outside
/// quotes ends the line, starting a comment.
class OrderTokens
{
public:
    explicit OrderTokens(std::string_view line)
        : rest_(line)
    {
    }

    /// The next word; empty optional at the end of the line or at a comment.
    std::optional<std::string> Next();
    /// The next word, or "" when there is none, for checks that only compare it.
    std::string NextOrEmpty() { return Next().value_or(std::string()); }

private:
    std::string_view rest_;
};

/// A whole word as a number: an optional `-`, then digits, within ±2147483647.
std::optional<std::int32_t> OrderNumber(std::string_view word);

/// The number, or 0 when the word is none, as the server reads counts and object numbers.
inline std::int32_t OrderValue(std::string_view word)
{
    return OrderNumber(word).value_or(0);
}

}  // namespace korvane
