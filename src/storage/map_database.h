// The map database: "Map.Dat" with every known cell of both levels, the reference lists
// its codes point into, and the terrain colours and feature icons they are drawn with.
#pragma once

#include "core/file_result.h"
#include "core/refused_files.h"
#include "core/text_lines.h"
#include "storage/map_cell_line.h"

#include <string>
#include <string_view>

namespace korvane {

class TMap;
class TrecINI;
class UserInteraction;

/// Writes the colour and icon lists, the reference lists and then "Map.Dat" (a header line,
/// then one line per cell that is not blank, in grid order) into `dir`. Each file is replaced
/// whole, so a failed save leaves the previous one; every file is still attempted when an
/// earlier one failed. Files in `refused` are left as they are, and so is "Map.Dat" when a
/// reference list it points into was not written. A failure names the file and why (the
/// first not said yet, when several failed).
FileResult SaveMapDatabase(const TMap& map, const TrecINI& settings, const std::string& dir,
                           const RefusedFiles& refused = {});

/// Replaces the map's cells, reference lists and colour and icon lists with those stored in
/// `dir` (a missing list file gives that list its built-in entries), reading every older
/// version of "Map.Dat", then places the units of the settings' current turn into their cells.
/// A missing "Map.Dat" gives an empty world. A file this version cannot read (too new, an
/// unreadable version, not readable at all) is refused with a warning, leaving the map and
/// its lists as they were; a failure then, said already. Damaged cell lines are skipped and
/// reported once.
/// Without `placeHexUnits` the cells are left without units: for a caller that shows a turn
/// right after, so that the hex unit file is read once.
FileResult LoadMapDatabase(TMap& map, const TrecINI& settings, const std::string& dir, UserInteraction& ui,
                           bool placeHexUnits = true);

/// The contents of "Map.Dat", read in two steps so that a file refused by its header changes
/// nothing: LoadMapDatabase reads the reference and colour lists between them. The contents
/// must outlive this.
class MapDatabaseText
{
public:
    /// `fileName` names the file in messages.
    MapDatabaseText(std::string_view contents, std::string fileName);

    /// Reads the header line, if there is one (a file without is of the first version). A
    /// failure, with a warning naming the file, when the file must be refused: too new, or its
    /// version is no number.
    FileResult ReadHeader(UserInteraction& ui);

    /// After an accepted header: empties the map's cells and reads every cell line into them,
    /// against the lists the map holds; damaged lines are skipped and reported once.
    void ReadCells(TMap& map, UserInteraction& ui);

private:
    TextLines lines_;
    std::string fileName_;
    std::string_view line_;
    CellLayout layout_ = CellLayout::V100;
    bool firstLineIsCell_ = false;
};

}  // namespace korvane
