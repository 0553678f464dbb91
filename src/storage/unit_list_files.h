// The unit files of a unit list: unit lines after a header ("Units.dat", the hex unit files),
// and the orders layout of the orders files.
#pragma once

#include "core/file_result.h"
#include <cstdint>
#include <string>

namespace korvane {

class LineReader;
class TUnitList;

/// Appends one unit line per unit, in ascending unit number.
void AppendUnitLines(const TUnitList& units, std::string& text);

/// Appends, for every unit with at least one order, "number,count" and then its order lines.
void AppendOrderLines(const TUnitList& units, std::string& text);

/// Writes every unit; without `append` the file is made anew with its header line, with
/// `append` the lines are added after what the file holds.
FileResult SaveUnitFile(const TUnitList& units, const std::string& fileName, bool append);

/// Merges every readable unit line of the file into the list. A failure when there is no file
/// (NotFound: the caller decides whether that is a fault) or it cannot be read.
FileResult LoadUnitFile(TUnitList& units, const std::string& fileName, std::int32_t ownFaction);
/// As LoadUnitFile, from the lines of `reader` (its in-memory half); false when a read failed.
bool LoadUnitLines(TUnitList& units, LineReader& reader, std::int32_t ownFaction);

/// Writes "number,count" and the order lines of every unit that has orders.
FileResult SaveOrdersFile(const TUnitList& units, const std::string& fileName, bool append);

/// Clears every unit's orders, then reads the file's orders into the units listed. A missing
/// file leaves every unit without orders and succeeds; a failure when it cannot be read.
FileResult LoadOrdersFile(TUnitList& units, const std::string& fileName);
/// As LoadOrdersFile, from the lines of `reader` (its in-memory half): clears every unit's
/// orders, then reads them; false when a read failed.
bool LoadOrderLines(TUnitList& units, LineReader& reader);

}  // namespace korvane
