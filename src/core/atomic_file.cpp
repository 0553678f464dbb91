// Atomic replacement of a file by contents held whole in memory.
#include "core/atomic_file.h"

#include "core/atomic_file_stream.h"

namespace korvane {

bool AtomicWriteFile(const std::string& path, std::string_view contents, std::string* error)
{
    AtomicFileStream stream(path);
    if (!stream.Open(error))
        return false;
    stream.Write(contents);  // a failure here is reported by Commit
    return stream.Commit(error);
}

}  // namespace korvane
