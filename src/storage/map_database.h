// The map database: "Map.Dat" with every known cell of both levels, and the reference lists
// its codes point into.
#pragma once

#include <string>

namespace korvane {

class UserInteraction;
class Workspace;

/// Writes the reference lists and then "Map.Dat" (a header line, then one line per cell that
/// is not blank, in grid order) into `dir`. Each file is replaced whole, so a failed save
/// leaves the previous one. False when any file could not be written; "Map.Dat" is still
/// attempted when a reference list failed.
bool SaveMapDatabase(const Workspace& ws, const std::string& dir);

/// Replaces the map's cells and reference lists with those stored in `dir`, reading every
/// older version of "Map.Dat", then places the current turn's units into their cells.
/// A missing "Map.Dat" gives an empty world. A file this version cannot read (too new, an
/// unreadable version, not readable at all) is refused with a warning, leaving the map and
/// its lists as they were; false then. Damaged cell lines are skipped and reported once.
bool LoadMapDatabase(Workspace& ws, const std::string& dir, UserInteraction& ui);

}  // namespace korvane
