// The places the unit windows offer: the structure choices of a hex.
#pragma once

#include <cstdint>
#include <string>
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

}  // namespace korvane
