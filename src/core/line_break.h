// The one rule for where a line ends: CR LF, LF and a lone CR alike, for files read in pieces
// and for texts held whole.
#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

namespace korvane {

/// The first line of a text: its length, and the length of the line end after it (2 for CR LF,
/// 1 for LF or a lone CR, 0 when the text holds no line end and the line runs to its end).
struct LineBreak
{
    std::size_t LineLength = 0;
    std::size_t BreakLength = 0;

    /// A CR that is the text's last byte: a reader that has more text to come must wait for
    /// the next byte, since CR LF is one line end.
    bool EndsOnCr(std::string_view text) const
    {
        return BreakLength == 1 && LineLength + 1 == text.size() && text.back() == '\r';
    }
};

inline LineBreak FindLineBreak(std::string_view text)
{
    // memchr in short steps: looking for LF across the whole text first would read a file
    // written with CR line ends to its end for every line.
    constexpr std::size_t kStep = 512;
    const char* data = text.data();
    for (std::size_t at = 0; at < text.size(); at += kStep) {
        const std::size_t length = std::min(kStep, text.size() - at);
        const void* lf = std::memchr(data + at, '\n', length);
        const std::size_t run = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - (data + at)) : length;
        if (const void* cr = std::memchr(data + at, '\r', run)) {
            const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(cr) - data);
            const bool crLf = end + 1 < text.size() && data[end + 1] == '\n';
            return {end, crLf ? 2u : 1u};
        }
        if (lf)
            return {at + run, 1};
    }
    return {text.size(), 0};
}

}  // namespace korvane
