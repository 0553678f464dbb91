// A file written piece by piece into a temporary beside it and renamed over it only when complete.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace korvane {

/// Streams a file of any size with bounded memory so that a crash or a full disk never leaves a
/// torn file: the bytes go to a temporary file in the same folder, and only Commit renames it over
/// the real name. Once a write fails the stream stays failed, and Commit removes the temporary and
/// leaves the old file as it was. A stream destroyed without Commit is aborted. When the path is
/// a symbolic link, the file it points to is the one replaced (created when missing) and the
/// link stays.
class AtomicFileStream
{
public:
    explicit AtomicFileStream(std::string path);
    ~AtomicFileStream();
    AtomicFileStream(const AtomicFileStream&) = delete;
    AtomicFileStream& operator=(const AtomicFileStream&) = delete;

    /// Creates the temporary file (and any missing parent folders); it takes the permissions of
    /// the file it will replace. False, with the reason in `error`, when it cannot be created.
    bool Open(std::string* error = nullptr);

    /// Appends bytes. False when the stream is not open or has failed, now or before.
    bool Write(std::string_view bytes);
    bool Write(const void* data, std::size_t size)
    {
        return Write(std::string_view(static_cast<const char*>(data), size));
    }

    /// Writes out what is buffered, flushes it to disk and renames the temporary over the file.
    /// False, with the reason of the first failure in `error`, when anything went wrong; the old
    /// file is then untouched and the temporary removed. The stream is closed either way.
    bool Commit(std::string* error = nullptr);

    /// Drops the temporary file and everything written; the old file stays.
    void Abort();

    bool IsOpen() const { return fd_ >= 0; }
    bool Failed() const { return failed_; }
    const std::string& Path() const { return path_; }

private:
    bool Flush();
    bool WriteOut(std::string_view bytes);
    bool FailWith(const std::string& what);
    void CloseAndRemove();

    std::string path_;
    std::string targetPath_;  // path_ with symbolic links followed: the file actually replaced
    std::string tempPath_;
    int fd_ = -1;
    bool failed_ = false;
    std::string error_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
};

}  // namespace korvane
