// Line-collecting writer over the atomic replacement.
#include "core/text_file_writer.h"

#include "core/atomic_file.h"

namespace korvane {

FileResult TextFileWriter::Commit() const
{
    return AtomicWriteFile(path_, contents_);
}

}  // namespace korvane
