// The lines a unit list contributes to the unit files and the orders files.
#pragma once

#include <string>

namespace korvane {

class TUnitList;

/// Appends one unit line per unit, in ascending unit number.
void AppendUnitLines(const TUnitList& units, std::string& text);

/// Appends, for every unit with at least one order, "number,count" and then its order lines.
void AppendOrderLines(const TUnitList& units, std::string& text);

}  // namespace korvane
