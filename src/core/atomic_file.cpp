// Atomic replacement of a file by contents held whole in memory.
#include "core/atomic_file.h"

#include "core/atomic_file_stream.h"

#include <cstdint>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {

namespace {

// True when `path` is a regular file that holds exactly `contents`. Sessions save every file at
// their end, mostly unchanged since the import saved it: reading it back from the system's
// cache is much cheaper than writing and syncing it again.
bool HoldsAlready(const std::string& path, std::string_view contents)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info = {};
    bool same = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)
        && static_cast<std::uint64_t>(info.st_size) == contents.size();
    char buffer[64 * 1024];
    for (std::size_t at = 0; same && at < contents.size();) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        same = got > 0 && static_cast<std::size_t>(got) <= contents.size() - at
            && std::memcmp(buffer, contents.data() + at, static_cast<std::size_t>(got)) == 0;
        at += got > 0 ? static_cast<std::size_t>(got) : 0;
    }
    ::close(fd);
    return same;
}

}  // namespace

FileResult AtomicWriteFile(const std::string& path, std::string_view contents)
{
    if (HoldsAlready(path, contents))
        return FileResult::Done();
    AtomicFileStream stream(path);
    std::string reason;
    if (stream.Open(&reason)) {
        stream.Write(contents);  // a failure here is reported by Commit
        if (stream.Commit(&reason))
            return FileResult::Done();
    }
    return FileResult::Failed(path, reason);
}

}  // namespace korvane
