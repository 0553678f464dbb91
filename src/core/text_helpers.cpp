// Byte-string helpers; see text_helpers.h for the rules each one keeps.
#include "core/text_helpers.h"

#include <charconv>
#include <cstring>

namespace korvane {

namespace {

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::string TrimSpaces(std::string_view text)
{
    return std::string(TrimmedView(text));
}

std::size_t FindText(std::string_view text, std::string_view sub, std::size_t from)
{
    if (sub.empty() || from >= text.size() || sub.size() > text.size() - from)
        return std::string_view::npos;
    const char* data = text.data();
    const char* last = data + (text.size() - sub.size());  // the last place a hit can start
    for (const char* p = data + from; p <= last;) {
        const void* hit = std::memchr(p, sub.front(), static_cast<std::size_t>(last - p) + 1);
        if (!hit)
            break;
        p = static_cast<const char*>(hit);
        // The second byte first: most first-byte hits end there, without a call.
        if (sub.size() == 1 || (p[1] == sub[1] && std::memcmp(p + 2, sub.data() + 2, sub.size() - 2) == 0))
            return static_cast<std::size_t>(p - data);
        ++p;
    }
    return std::string_view::npos;
}

int PosFrom(int start, std::string_view sub, std::string_view text)
{
    if (start < 1)
        start = 1;
    const auto hit = FindText(text, sub, static_cast<std::size_t>(start - 1));
    return hit == std::string_view::npos ? 0 : static_cast<int>(hit) + 1;
}

int LastPosWithin(int limit, std::string_view sub, std::string_view text)
{
    if (limit <= 0 || sub.empty())
        return 0;
    if (static_cast<std::size_t>(limit) > text.size())
        limit = static_cast<int>(text.size());
    for (int pos = limit - static_cast<int>(sub.size()) + 1; pos >= 1; --pos) {
        if (text.substr(static_cast<std::size_t>(pos - 1), sub.size()) == sub)
            return pos;
    }
    return 0;
}

int SplitString(std::string_view text, std::vector<std::string>& list, std::string_view separator)
{
    list.clear();
    // The next search starts one character after the start of a hit, not after its end,
    // so overlapping separators give empty pieces rather than being skipped.
    ForEachPiece(text, separator, [&list](std::string_view piece) { list.emplace_back(piece); });
    return static_cast<int>(list.size());
}

std::string RepeatChar(char c, int count)
{
    if (count <= 0 || count >= 256)
        return {};
    return std::string(static_cast<std::size_t>(count), c);
}

std::string PadRight(std::string_view text, int width, bool truncate)
{
    if (width >= 256)
        return std::string(text);
    const int length = static_cast<int>(text.size());
    if (length <= width)
        return std::string(text) + RepeatChar(' ', width - length);
    if (truncate)
        return std::string(text.substr(0, static_cast<std::size_t>(width < 0 ? 0 : width)));
    return std::string(text);
}

std::string PadLeft(std::string_view text, char fill, int width)
{
    const int length = static_cast<int>(text.size());
    if (length <= width)
        return RepeatChar(fill, width - length) + std::string(text);
    return std::string(text.substr(0, static_cast<std::size_t>(width < 0 ? 0 : width)));
}

std::string RightAlignedNumber(std::int64_t number, int width)
{
    const std::string text = IntToStr(number);
    return static_cast<int>(text.size()) >= width ? text : PadLeft(text, ' ', width);
}

std::string ReplaceCharSet(std::string_view text, const CharSet& set, char replacement)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (!CharInSet(c, set))
            result += c;
        else if (replacement != '\0')
            result += replacement;
    }
    return result;
}

int CountLeadingSpaces(std::string_view text)
{
    std::size_t count = 0;
    while (count < text.size() && text[count] == ' ')
        ++count;
    return static_cast<int>(count);
}

std::string CapitaliseWords(std::string_view text, bool everyWord)
{
    std::string result;
    result.reserve(text.size());
    bool wordStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!IsLetter(c)) {
            result += c;
            wordStart = true;
            continue;
        }
        if (!wordStart) {
            result += AsciiLower(c);
            continue;
        }
        result += AsciiUpper(c);
        wordStart = false;
        if (!everyWord) {
            result += LowerCase(text.substr(i + 1, kMaxCopiedText));
            break;
        }
    }
    return result;
}

bool CharNotInSet(char c, const CharSet& set)
{
    return !CharInSet(c, set);
}

std::string SqueezeSpaces(std::string_view text)
{
    std::string result;
    SqueezeSpacesInto(text, result);
    return result;
}

void SqueezeSpacesInto(std::string_view text, std::string& result)
{
    result.resize(text.size());
    std::size_t length = 0;
    bool pendingSpace = false;
    for (char c : text) {
        if (c == ' ') {
            pendingSpace = length > 0;
            continue;
        }
        if (pendingSpace)
            result[length++] = ' ';
        pendingSpace = false;
        result[length++] = c;
    }
    result.resize(length);
}

std::string_view SqueezedView(std::string_view text, std::string& buffer)
{
    // Spaces at the ends are only dropped: the text between them is looked at for a run.
    std::size_t first = 0, end = text.size();
    while (first < end && text[first] == ' ')
        ++first;
    while (end > first && text[end - 1] == ' ')
        --end;
    const std::string_view inner = text.substr(first, end - first);
    // A plain loop: names have many single spaces, and a search would stop at each of them.
    bool run = false;
    for (std::size_t i = 1; i < inner.size() && !run; ++i)
        run = inner[i] == ' ' && inner[i - 1] == ' ';
    if (!run)
        return inner;
    SqueezeSpacesInto(text, buffer);
    return buffer;
}

std::int32_t StrToIntLenient(std::string_view text)
{
    bool negative = false;
    std::size_t i = 0;
    if (!text.empty() && text[0] == '-') {
        negative = true;
        i = 1;
    }
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

std::string UpperCase(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = AsciiUpper(c);
    return result;
}

std::string LowerCase(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = AsciiLower(c);
    return result;
}

std::string IntToStr(std::int64_t value)
{
    return std::to_string(value);
}

std::string FormatTwoDecimals(double value)
{
    // to_chars ignores the process locale, which the GUI toolkit sets from the environment.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    return std::string(buffer, result.ptr);
}

}  // namespace korvane
