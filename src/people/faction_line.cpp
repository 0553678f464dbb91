// The faction window's list line.
#include "people/faction_line.h"

#include "core/text_helpers.h"

#include <optional>
#include <vector>

namespace korvane {

namespace {

constexpr int kNumberWidth = 4;
constexpr int kNameWidth = 25;

/// The length of the well-formed UTF-8 sequence at the start of `text`, 0 when there is none
/// (no overlong forms, no surrogates, nothing past U+10FFFF), as the display decoder judges it.
std::size_t SequenceLength(std::string_view text)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

/// Where each character of `text` starts when it is UTF-8 (with its size at the end); nothing
/// when it is not, and its bytes are then the characters of an 8-bit code page.
std::optional<std::vector<std::size_t>> CharacterStarts(std::string_view text)
{
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceLength(text.substr(i));
        if (length == 0)
            return std::nullopt;
        starts.push_back(i);
        i += length;
    }
    starts.push_back(text.size());
    return starts;
}

/// PadRight with truncation, counting characters where the text is UTF-8.
std::string PadCharacters(std::string_view text, int width)
{
    const auto starts = CharacterStarts(text);
    if (!starts || starts->size() - 1 == text.size())
        return PadRight(text, width, true);
    const int characters = static_cast<int>(starts->size()) - 1;
    if (characters <= width)
        return std::string(text) + RepeatChar(' ', width - characters);
    return std::string(text.substr(0, (*starts)[static_cast<std::size_t>(width)]));
}

}  // namespace

std::string FactionLine(const TFaction& faction)
{
    return PadRight(IntToStr(faction.Number), kNumberWidth, false) + ' ' + PadCharacters(faction.Name, kNameWidth)
        + "  " + TrimSpaces(faction.EMail);
}

std::int32_t FactionLineNumber(std::string_view line)
{
    return StrToIntLenient(line);
}

}  // namespace korvane
