// Streaming atomic file replacement over POSIX calls.
#include "core/atomic_file_stream.h"

#include "core/file_names.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {

namespace {

// Large enough that a file of hundreds of megabytes takes a few hundred system calls.
constexpr std::size_t kBufferSize = 1 << 20;

// The file a path names once symbolic links are followed: a player who links Map.Dat to a
// file elsewhere (a shared folder, a synchronised drive) expects that file to be replaced, not
// the link turned into a plain file. A link to a missing file names the file to create. Links
// in the folders above need no following: a rename works through them.
std::string FollowLinks(const std::string& path)
{
    namespace fs = std::filesystem;
    fs::path current(path);
    // A loop of links is not followed forever: the last link met is then replaced as a file.
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)) || error)
            break;
        const fs::path target = fs::read_symlink(current, error);
        if (error)
            break;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current.string();
}

// Makes the rename itself durable: without it a power cut soon after a save can bring back the
// old name's contents even though the new file's bytes were flushed. Filesystems that cannot
// sync a folder have nothing to lose this way, so a failure here is not a failed save.
void SyncFolderOf(const std::string& path)
{
    std::string dir = DirectoryOf(path);
    if (dir.empty())
        dir = ".";
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

int CreateTemporary(const std::string& path, std::string& tempPath)
{
    // O_EXCL never opens an existing name, so a temporary left behind by a killed run (or one
    // being written by another) is stepped over, never written into or renamed; the process
    // id keeps two running writers apart, the random part the runs of one process id.
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + ".tmp" + std::to_string(::getpid()) + std::to_string(random() % 1000000);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

}  // namespace

AtomicFileStream::AtomicFileStream(std::string path)
    : path_(std::move(path))
{
}

AtomicFileStream::~AtomicFileStream()
{
    Abort();
}

bool AtomicFileStream::FailWith(const std::string& what)
{
    if (!failed_) {
        failed_ = true;
        error_ = what + ": " + std::strerror(errno);
    }
    return false;
}

bool AtomicFileStream::Open(std::string* error)
{
    if (fd_ >= 0) {
        if (error)
            *error = path_ + " is already being written";
        return false;
    }
    failed_ = false;
    error_.clear();
    used_ = 0;

    targetPath_ = FollowLinks(path_);
    const std::string dir = DirectoryOf(targetPath_);
    if (!dir.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(dir, ignored);
    }
    // Beside the file that is replaced, so that the rename stays within one filesystem.
    fd_ = CreateTemporary(targetPath_, tempPath_);
    if (fd_ < 0) {
        tempPath_.clear();  // the last name tried may be another writer's file
        FailWith("cannot create a file beside " + targetPath_);
        if (error)
            *error = error_;
        return false;
    }
    // Keep the permissions a player gave the file being replaced.
    struct stat old = {};
    if (::stat(targetPath_.c_str(), &old) == 0)
        ::fchmod(fd_, old.st_mode & 07777);
    return true;
}

bool AtomicFileStream::WriteOut(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;  // a regular file never takes nothing; don't spin on it
            return FailWith("cannot write " + tempPath_);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool AtomicFileStream::Flush()
{
    const std::size_t size = used_;
    used_ = 0;
    return WriteOut(std::string_view(buffer_.get(), size));
}

bool AtomicFileStream::Write(std::string_view bytes)
{
    if (failed_)
        return false;
    if (fd_ < 0) {
        errno = EBADF;
        return FailWith("cannot write " + path_ + " before it is opened");
    }
    if (bytes.empty())
        return true;
    if (bytes.size() > kBufferSize - used_) {
        if (used_ > 0 && !Flush())
            return false;
        // What fills a whole buffer by itself goes out without a copy.
        if (bytes.size() >= kBufferSize)
            return WriteOut(bytes);
    }
    if (!buffer_)
        buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
    std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
    return true;
}

bool AtomicFileStream::Commit(std::string* error)
{
    if (fd_ < 0 && !failed_) {
        errno = EBADF;
        FailWith("cannot write " + path_ + " before it is opened");
    }
    if (!failed_ && used_ > 0)
        Flush();
    if (!failed_ && ::fsync(fd_) != 0)
        FailWith("cannot write " + tempPath_);
    if (fd_ >= 0) {
        const int fd = fd_;
        fd_ = -1;
        // A full disk or a lost network share may only show up when the file is closed.
        if (::close(fd) != 0)
            FailWith("cannot write " + tempPath_);
    }
    if (!failed_ && ::rename(tempPath_.c_str(), targetPath_.c_str()) != 0)
        FailWith("cannot replace " + targetPath_);
    if (failed_) {
        CloseAndRemove();
        if (error)
            *error = error_;
        return false;
    }
    tempPath_.clear();
    SyncFolderOf(targetPath_);
    buffer_.reset();
    return true;
}

void AtomicFileStream::CloseAndRemove()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
    buffer_.reset();
    used_ = 0;
}

void AtomicFileStream::Abort()
{
    CloseAndRemove();
}

}  // namespace korvane
