// Line-collecting writer over the atomic replacement.
#include "core/text_file_writer.h"

#include "core/atomic_file.h"

namespace korvane {

bool TextFileWriter::Commit()
{
    error_.clear();
    return AtomicWriteFile(path_, contents_, &error_);
}

}  // namespace korvane
