// The record line format shared by "Factions.dat" and "Alliance.dat": every field, the last
// included, is followed by the three-character separator ^"^.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

inline constexpr std::string_view kFieldSeparator = "^\"^";

/// A text as it can be stored in a field without breaking the line apart when read back:
/// trimmed, line breaks turned into spaces, and every double quote that has a caret (or the
/// edge of the field) on both sides turned into an apostrophe, since the reader would take
/// it for a separator. Any other text is stored unchanged.
std::string StorableText(std::string_view text);

/// Appends a text field (made storable) and its separator to a record line.
void AppendTextField(std::string& line, std::string_view text);

/// Appends a number in decimal and its separator to a record line.
void AppendNumberField(std::string& line, std::int64_t value);

}  // namespace korvane
