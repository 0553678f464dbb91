// Line-collecting writer over the atomic replacement.
#include "core/text_file_writer.h"

#include "core/atomic_file.h"

namespace korvane {

bool TextFileWriter::Commit(std::string* error)
{
    error_.clear();
    const bool written = AtomicWriteFile(path_, contents_, &error_);
    if (!written && error)
        *error = error_;
    return written;
}

}  // namespace korvane
