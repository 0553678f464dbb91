// Importing one turn report into the world.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

class UserInteraction;
struct ImportTarget;

/// Reads a turn report into the map: regions into cells, units into the cells and the map's
/// unit list, new keywords into the keyword lists, and (when chosen) the orders template into
/// the units' orders; then writes the unit file, keyword files and the turn's hex unit and
/// orders files. False when the file is missing or ends before its regions; the map database
/// itself is not saved.
bool ImportTurnReport(const ImportTarget& target, const std::string& fileName, UserInteraction& ui);

/// 1 to 12 for a month name or its three-letter form, any case; -1 otherwise.
int MonthNumber(std::string_view name);

}  // namespace korvane
