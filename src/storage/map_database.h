// The map database: "Map.Dat" with every known cell of both levels, the reference lists
// its codes point into, and the terrain colours and feature icons they are drawn with.
#pragma once

#include "core/refused_files.h"

#include <string>

namespace korvane {

class TMap;
class TrecINI;
class UserInteraction;

/// Writes the colour and icon lists, the reference lists and then "Map.Dat" (a header line,
/// then one line per cell that is not blank, in grid order) into `dir`. Each file is replaced
/// whole, so a failed save leaves the previous one. False when any file could not be written;
/// every file is still attempted when an earlier one failed. Files in `refused` are left as they
/// are (false then), and so is "Map.Dat" when a reference list it points into was left.
bool SaveMapDatabase(const TMap& map, const TrecINI& settings, const std::string& dir,
                     const RefusedFiles& refused = {});

/// Replaces the map's cells, reference lists and colour and icon lists with those stored in
/// `dir` (a missing list file gives that list its built-in entries), reading every older
/// version of "Map.Dat", then places the units of the settings' current turn into their cells.
/// A missing "Map.Dat" gives an empty world. A file this version cannot read (too new, an
/// unreadable version, not readable at all) is refused with a warning, leaving the map and
/// its lists as they were; false then. Damaged cell lines are skipped and reported once.
bool LoadMapDatabase(TMap& map, const TrecINI& settings, const std::string& dir, UserInteraction& ui);

}  // namespace korvane
