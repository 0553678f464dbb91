// Walking the lines of a text held in memory, with the same line ends as LineReader
// (CR LF, LF or a lone CR), without copying them.
#pragma once

#include <string_view>

namespace korvane {

class TextLines
{
public:
    explicit TextLines(std::string_view text) : rest_(text) {}

    /// The next line without its line end; false at the end. A last line without a line end
    /// is still a line; a text ending in a line end has no empty last line.
    bool Next(std::string_view& line)
    {
        if (rest_.empty())
            return false;
        // A plain scan: find_first_of looks each byte up in the set of line ends, which is
        // several times slower over a database of ten megabytes.
        std::size_t end = 0;
        while (end < rest_.size() && rest_[end] != '\r' && rest_[end] != '\n')
            ++end;
        line = rest_.substr(0, end);
        if (end == rest_.size()) {
            rest_ = {};
        } else {
            const bool crLf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
            rest_.remove_prefix(end + (crLf ? 2 : 1));
        }
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
