// The rule for files whose records point into other files by position: cells into the
// reference lists, units into the keyword lists.
#pragma once

#include "core/file_result.h"
#include "core/refused_files.h"

#include <functional>
#include <string>
#include <vector>

namespace korvane {

/// A file to write, and what writes it.
struct FileWrite
{
    std::string File;
    std::function<FileResult()> Write;
};

/// Writes the files pointed into first, each one even when an earlier one failed, then the file
/// that points into them, and that one only when every one of them was written: neither a
/// failed write nor a kill between the two may leave records pointing at entries that no file
/// holds. Files in `refused` are left as they are. Returns the failures, in the order written,
/// the pointing file's last; none when everything was written.
std::vector<FileResult> WritePointedIntoFirst(const std::vector<FileWrite>& pointedInto, const FileWrite& pointing,
                                              const RefusedFiles& refused);

}  // namespace korvane
