// One cell of "Map.Dat" as a line of comma-separated fields: the current layout, which is
// written, and the layouts of older versions, which are still read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class TMap;
class TMapCell;

/// The newest database version this program reads, and the one it writes, in hundredths.
inline constexpr long long kNewestMapVersion = 231;

/// Cell line layouts, by the versions that wrote them.
enum class CellLayout {
    V100,  // 1.00, no header: the first fields, a settlement name, race, population, faction
    CreateOnly,  // above 1.00 and below 2.00: only the position is taken
    V200,  // 2.00 to 2.20: fields 0 to 22
    V221,  // 2.21: economy, last update and the three markets
    V222,  // 2.22 and 2.23: as 2.21, with structures
    V224,  // 2.24 to 2.31: weather as well
};

/// The layout of a database version given in hundredths (231 for 2.31); nothing for versions
/// below 1.00 or above the one this program writes.
std::optional<CellLayout> CellLayoutOf(long long hundredths);

/// The cell's line in the current layout. Texts are trimmed; a comma inside one would start a
/// new field when read back, so it is written as ";", and line breaks as spaces.
std::string CellLine(const TMapCell& cell);
/// The same line appended to `text`, without its line end.
void AppendCellLine(const TMapCell& cell, std::string& text);

enum class CellLineResult {
    Read,  // the cell was created or updated
    NotOnGrid,  // a position that cannot hold a cell; nothing changed
    Damaged,  // fewer fields than the layout needs; nothing changed
};

/// The fields of a line between its commas; a trailing comma gives an empty last field and an
/// empty line none. The fields point into `line`.
void SplitFields(std::string_view line, std::vector<std::string_view>& fields);

/// Reads a line split at "," into the cell at its position, creating it when missing.
/// Counted lists are read as far as their entries are on the line.
CellLineResult ReadCellLine(TMap& map, const std::vector<std::string_view>& fields, CellLayout layout);

}  // namespace korvane
