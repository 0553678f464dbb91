// Importing region descriptions from a plain text data file into the map.
#pragma once

#include "core/file_result.h"
#include <string>
#include <vector>

namespace korvane {

class TMap;

/// The records of a data file's lines: a line that does not start with a space begins a
/// record, and every following line that does continues it. The lines of a record are
/// trimmed and joined with one space; records left empty are dropped.
std::vector<std::string> DataFileRecords(const std::vector<std::string>& lines);

/// Hands every record of the file to the region reader, which creates or updates the cell it
/// names. Fails, changing nothing, when the file is missing or cannot be read. Nothing is saved.
FileResult ImportDataFile(TMap& map, const std::string& fileName);

}  // namespace korvane
