// Walking the lines of a text held in memory, with the same line ends as LineReader
// (CR LF, LF or a lone CR), without copying them.
#pragma once

#include "core/line_break.h"

#include <string_view>

namespace korvane {

class TextLines
{
public:
    explicit TextLines(std::string_view text)
        : rest_(text)
    {
    }

    /// The next line without its line end; false at the end. A last line without a line end
    /// is still a line; a text ending in a line end has no empty last line.
    bool Next(std::string_view& line)
    {
        if (rest_.empty())
            return false;
        const LineBreak found = FindLineBreak(rest_);
        line = rest_.substr(0, found.LineLength);
        rest_.remove_prefix(found.LineLength + found.BreakLength);
        ++number_;
        return true;
    }

    /// Number of the line last given, from 1.
    long Number() const { return number_; }

private:
    std::string_view rest_;
    long number_ = 0;
};

}  // namespace korvane
