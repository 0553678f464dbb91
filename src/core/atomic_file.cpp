// Atomic file replacement over POSIX calls.
#include "core/atomic_file.h"

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

bool Fail(std::string* error, const std::string& what)
{
    if (error)
        *error = what + ": " + std::strerror(errno);
    return false;
}

int CreateTemporary(const std::string& path, std::string& tempPath)
{
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + ".tmp" + std::to_string(random() % 1000000);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

bool AtomicWriteFile(const std::string& path, std::string_view contents, std::string* error)
{
    const std::string dir = DirectoryOf(path);
    if (!dir.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(dir, ignored);
    }

    std::string tempPath;
    const int fd = CreateTemporary(path, tempPath);
    if (fd < 0)
        return Fail(error, "cannot create a file beside " + path);

    // Keep the permissions a player gave the file being replaced.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);

    bool written = WriteAll(fd, contents) && ::fsync(fd) == 0;
    int writeErrno = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        writeErrno = errno;
    }
    if (!written) {
        errno = writeErrno;
        Fail(error, "cannot write " + tempPath);
        ::unlink(tempPath.c_str());
        return false;
    }
    if (::rename(tempPath.c_str(), path.c_str()) != 0) {
        Fail(error, "cannot replace " + path);
        ::unlink(tempPath.c_str());
        return false;
    }
    return true;
}

}  // namespace korvane
