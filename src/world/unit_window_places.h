// The places the unit windows offer and read back: the structure choices of a hex, and the
// hex an all-units line was listed in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class NameList;
class TMapCell;

/// The structure filter of a hex: "None", "Outside", then one line per structure in number
/// order: the number right-aligned in 5 characters, " - ", the trimmed name, ": " and the type's
/// name with every word capitalised ("Unknown" for a type the vocabulary does not hold).
/// `codes`, when given, gets each line's structure filter code: -1, 0, then the structure numbers.
std::vector<std::string> FillStructureList(const TMapCell& cell, const NameList& structureTypes,
                                           std::vector<std::int32_t>* codes = nullptr);

/// The grid position in a line of TMap::ListAllUnits: its "(x,y)" group is level 0, "(x,y,u)"
/// level 1. Found after the name column, so a long men text or brackets in a name do not
/// mislead it. False when the line holds no complete position.
bool AllUnitsLinePosition(std::string_view line, int& level, int& x, int& y);

}  // namespace korvane
