// Byte-string helpers that every reader and window relies on character by character.
// Positions are 1-based; 0 means "not found".
#pragma once

#include "core/case_insensitive.h"
#include "core/char_set.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

/// Longest remainder kept by TrimSpaces and CapitaliseWords.
inline constexpr std::size_t kMaxCopiedText = 2000;

/// Removes leading and trailing spaces (byte 32 only; tabs stay). A text that had leading
/// spaces keeps at most 2000 characters of what follows them.
std::string TrimSpaces(std::string_view text);

/// 0-based offset of `sub` in `text` from offset `from`, or npos; memchr-driven, as reports are
/// searched for the same few words over and over. An empty `sub` finds nothing.
std::size_t FindText(std::string_view text, std::string_view sub, std::size_t from = 0);

/// Position of `sub` in `text` searching from `start`, or 0. An empty `sub` finds nothing.
int PosFrom(int start, std::string_view sub, std::string_view text);

/// Position of the last `sub` in `text` that ends at or before `limit`, or 0.
int LastPosWithin(int limit, std::string_view sub, std::string_view text);

/// Replaces `list` with the pieces of `text` between separators; a trailing separator
/// gives a last empty piece, an empty text gives none. Returns the number of pieces.
int SplitString(std::string_view text, std::vector<std::string>& list, std::string_view separator);

/// Calls `f(piece)` for each piece SplitString would give, without copying the pieces.
template <typename F>
void ForEachPiece(std::string_view text, std::string_view separator, F&& f)
{
    if (text.empty())
        return;
    std::size_t start = 0;
    if (!separator.empty()) {
        // As SplitString: the next search starts one character after a hit's start.
        for (auto hit = text.find(separator); hit != std::string_view::npos; hit = text.find(separator, hit + 1)) {
            f(hit > start ? text.substr(start, hit - start) : std::string_view());
            start = hit + separator.size();
        }
    }
    f(start < text.size() ? text.substr(start) : std::string_view());
}

/// TrimSpaces without a copy: a view of `text` with the same result.
inline std::string_view TrimmedView(std::string_view text)
{
    // Plain loops: the library's search for "not a space" looks each byte up as a set.
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    if (end == 0)
        return {};
    std::size_t first = 0;
    while (text[first] == ' ')
        ++first;
    text = text.substr(0, end);
    if (first == 0)
        return text;
    return text.substr(first, kMaxCopiedText);
}

/// `count` copies of `c`; empty when `count` is not in 1..255.
std::string RepeatChar(char c, int count);

/// Pads `text` with spaces to `width`; a longer text is cut only when `truncate` is set.
/// Widths of 256 or more leave the text unchanged.
std::string PadRight(std::string_view text, int width, bool truncate);

/// A number right-aligned with spaces in `width` columns; a longer number is shown whole.
std::string RightAlignedNumber(std::int64_t number, int width);

/// Puts `fill` characters before `text` up to `width`; a longer text is cut to `width`.
std::string PadLeft(std::string_view text, char fill, int width);

/// Replaces every character in `set` by `replacement`, or removes it when `replacement` is '\0'.
std::string ReplaceCharSet(std::string_view text, const CharSet& set, char replacement);

int CountLeadingSpaces(std::string_view text);

/// Upper-cases the first letter of every word (A-Z, a-z are letters) and lower-cases the rest.
/// With `everyWord` false only the very first letter of the text is capital.
std::string CapitaliseWords(std::string_view text, bool everyWord);

bool CharNotInSet(char c, const CharSet& set);

/// Drops leading and trailing spaces and folds every inner run of spaces into one.
std::string SqueezeSpaces(std::string_view text);
/// The same into `result`, reusing its room; `text` must not lie inside `result`.
void SqueezeSpacesInto(std::string_view text, std::string& result);

/// SqueezeSpaces without a copy when there is nothing to squeeze: a view of `text` itself, or of
/// `buffer` holding the squeezed text.
std::string_view SqueezedView(std::string_view text, std::string& buffer);

/// Reads an optional "-" and the decimal digits that follow, ignoring anything after them.
/// No digits, a leading "+" or a leading space give 0. Wraps around at 32 bits.
std::int32_t StrToIntLenient(std::string_view text);

inline std::int32_t MinInt(std::int32_t a, std::int32_t b)
{
    return a < b ? a : b;
}
inline std::int32_t MaxInt(std::int32_t a, std::int32_t b)
{
    return a > b ? a : b;
}

/// ASCII upper and lower case; other bytes are left alone.
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

/// Decimal text of a number, as every file of the program writes numbers.
std::string IntToStr(std::int64_t value);

/// A number with two decimals and a point ("%2.2f"), as version headers are written.
std::string FormatTwoDecimals(double value);

}  // namespace korvane
