// Reading back what the unit windows list: the filter codes of the faction and structure
// choices, and the numbers a unit line or a faction line starts with.
#pragma once

#include <cstdint>
#include <string_view>

namespace korvane {

/// The faction code of the faction choice at `position` whose text is `line`: 0 (every unit)
/// for "All factions" at position 0, -1 (units of no known faction) for "Unknown" at position
/// 1, otherwise the faction number the line starts with. No choice (-1) filters nothing.
int FactionFilterCode(int position, std::string_view line);

/// The structure code of the structure choice at `position`: -1 (no filter) for "None",
/// 0 (units outside) for "Outside", otherwise the structure number the line starts with.
/// No choice (-1) filters nothing.
int StructureFilterCode(int position, std::string_view line);

/// The faction of a faction choice line: the number in its first 5 characters (0 for the two
/// leading choices, which name no faction).
std::int32_t FactionOfFactionLine(std::string_view line);

/// The unit a unit line is about: the number at its start.
std::int32_t UnitNumberOfLine(std::string_view line);

/// The faction of a unit line: the number in characters 8 to 11, after the 6 of the unit
/// number and a blank.
std::int32_t FactionOfUnitLine(std::string_view line);

}  // namespace korvane
