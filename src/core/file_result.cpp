// What a load, save, import or export of a file came to.
#include "core/file_result.h"

#include "core/file_names.h"

namespace korvane {

FileResult FileResult::NotOpened(const std::string& file)
{
    return FileExists(file) ? Unreadable(file) : NotFound(file);
}

}  // namespace korvane
