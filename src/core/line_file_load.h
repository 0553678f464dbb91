// Loading a file through the in-memory half of its loader, which reads a LineReader.
#pragma once

#include "core/file_result.h"
#include "core/line_reader.h"

#include <string>

namespace korvane {

/// Opens `fileName` and hands its reader to `fromLines`, a loader's in-memory half that answers
/// false when it cannot take what it read. NotFound when there is no such file; Unreadable when
/// it cannot be opened or `fromLines` fails.
template <class FromLines>
FileResult LoadFileLines(const std::string& fileName, FromLines&& fromLines)
{
    LineReader reader(fileName);
    if (!reader.IsOpen())
        return FileResult::NotOpened(fileName);
    return fromLines(reader) ? FileResult::Done() : FileResult::Unreadable(fileName);
}

}  // namespace korvane
