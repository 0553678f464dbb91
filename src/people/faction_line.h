// The faction window's list line ("7    Red Hand ...  address") and reading a line's number back.
#pragma once

#include "people/faction.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

/// The number padded with blanks to 4 columns (never cut), a blank, the name padded or cut to
/// 25 columns, two blanks and the trimmed e-mail address, so that names and addresses line up
/// in a fixed-pitch font. A name in UTF-8 is measured and cut in characters, not bytes, so a
/// letter is never split in two.
std::string FactionLine(const TFaction& faction);

/// The faction number a list line starts with: all its leading digits, so that a number of
/// five or more digits, which pushes the name along, reads back whole.
std::int32_t FactionLineNumber(std::string_view line);

}  // namespace korvane
