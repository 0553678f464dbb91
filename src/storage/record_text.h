// Pieces shared by the record files: the version header line, CR LF ended lines, and
// replacing or extending a file in one atomic step.
#pragma once

#include "core/file_result.h"
#include <string>
#include <string_view>

namespace korvane {

/// "VERSION," and the format version with two decimals: "VERSION,2.31".
std::string RecordHeaderLine();

/// True for a header line: its first 7 characters, upper-cased, are "VERSION".
bool IsRecordHeader(std::string_view line);

/// Appends `line` and a CR LF line end to a file's text.
void AppendLine(std::string& text, std::string_view line);

/// A text made safe for one line of a file: line breaks become spaces.
std::string OneLine(std::string_view text);

/// True when `path` names a file (following links), not a folder or nothing.
bool IsPlainFile(const std::string& path);

/// The whole file, byte for byte, appended to `contents`; a failure, NotFound when there is no
/// such file, when it cannot be read to its end.
FileResult ReadWholeFile(const std::string& path, std::string& contents);

/// Writes `lines` as the file's whole content, or, with `append`, after what the file holds
/// (a missing file is then made with just `lines`). Either way the file is replaced in one
/// step, so a failure leaves it as it was.
FileResult WriteTextFile(const std::string& fileName, std::string_view lines, bool append);

}  // namespace korvane
