// Replacing a file as a whole, so that a crash or a full disk never leaves a torn file.
#pragma once

#include "core/file_result.h"

#include <string>
#include <string_view>

namespace korvane {

/// Writes `contents` to a temporary file beside `path`, flushes it to disk and renames it
/// over `path` (over the file it links to, when it is a symbolic link, so the link stays).
/// Missing parent folders are created. On failure the old file is untouched, the temporary
/// file is removed, and the result names the file and why.
FileResult AtomicWriteFile(const std::string& path, std::string_view contents);

}  // namespace korvane
