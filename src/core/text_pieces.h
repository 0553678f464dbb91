// Position-based pieces of text, as the report and file parsers cut them. Positions are 1-based as the
// text helpers give them; a piece past the end of the text is empty.
#pragma once

#include "core/text_helpers.h"

#include <string_view>

namespace korvane {

/// The text strictly between positions `after` and `before`.
inline std::string_view Between(std::string_view text, int after, int before)
{
    const int size = static_cast<int>(text.size());
    if (after < 0)
        after = 0;
    if (before > size + 1)
        before = size + 1;
    if (before - after - 1 <= 0 || after >= size)
        return {};
    return text.substr(static_cast<std::size_t>(after), static_cast<std::size_t>(before - after - 1));
}

/// The text from a position to the end.
inline std::string_view From(std::string_view text, int position)
{
    if (position < 1)
        position = 1;
    return position > static_cast<int>(text.size()) ? std::string_view{}
                                                    : text.substr(static_cast<std::size_t>(position - 1));
}

/// The number at the start of a piece once its spaces are trimmed.
inline std::int32_t NumberIn(std::string_view text)
{
    return StrToIntLenient(TrimmedView(text));
}

/// Position of `sub` from `start`, or `fallback` when absent.
inline int PosOr(int start, std::string_view sub, std::string_view text, int fallback)
{
    const int position = PosFrom(start, sub, text);
    return position > 0 ? position : fallback;
}

inline int EndPosition(std::string_view text)
{
    return static_cast<int>(text.size()) + 1;
}

}  // namespace korvane
