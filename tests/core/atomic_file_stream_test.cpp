// Streaming atomic replacement: a file is replaced whole or not at all.
#include "core/atomic_file.h"
#include "core/atomic_file_stream.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>

namespace korvane {
namespace {

using testing::TempDir;

TEST(AtomicFileStream, CommitReplacesWithEveryByteInOrderAndKeepsPermissions)
{
    TempDir dir;
    const std::string file = dir.Write("big.bmp", "old");
    ::chmod(file.c_str(), 0640);

    // Pieces below, across and above the internal buffer's size, so every path through it is taken.
    std::string expected;
    AtomicFileStream stream(file);
    ASSERT_TRUE(stream.Open());
    for (std::size_t size : {std::size_t{1}, std::size_t{70000}, std::size_t{0}, std::size_t{3} << 20,
                             std::size_t{1} << 20, std::size_t{999999}, std::size_t{5}}) {
        std::string piece(size, '\0');
        char* bytes = piece.data();
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>((expected.size() + i) * 7 % 251);
        ASSERT_TRUE(stream.Write(piece));
        expected += piece;
    }
    EXPECT_EQ(dir.Read("big.bmp"), "old") << "nothing shows before the commit";
    ASSERT_TRUE(stream.Commit());
    ASSERT_EQ(std::filesystem::file_size(file), expected.size());
    std::string written(expected.size(), '\0');
    std::ifstream(file, std::ios::binary).read(written.data(), static_cast<std::streamsize>(written.size()));
    EXPECT_TRUE(written == expected);
    EXPECT_EQ(dir.FileCount(), 1) << "no temporary file stays";
    struct stat info = {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(AtomicFileStream, AbortOrDestructionWithoutCommitKeepsOldFile)
{
    TempDir dir;
    const std::string file = dir.Write("map.bmp", "old");
    {
        AtomicFileStream stream(file);
        ASSERT_TRUE(stream.Open());
        ASSERT_TRUE(stream.Write(std::string(3 << 20, 'x')));
        stream.Abort();
        EXPECT_FALSE(stream.Write("y"));
        EXPECT_FALSE(stream.Commit());
    }
    {
        AtomicFileStream stream(file);
        ASSERT_TRUE(stream.Open());
        ASSERT_TRUE(stream.Write("new"));
    }
    EXPECT_EQ(dir.Read("map.bmp"), "old");
    EXPECT_EQ(dir.FileCount(), 1);
}

// A player may keep Map.Dat elsewhere (a synchronised folder) and link to it from the data folder.
TEST(AtomicFileStream, SymbolicLinkKeepsPointingAtTheReplacedFile)
{
    namespace fs = std::filesystem;
    TempDir dir;
    fs::create_directory(dir.File("elsewhere"));
    const std::string target = dir.Write("elsewhere/Map.Dat", "old");
    ::chmod(target.c_str(), 0640);
    fs::create_symlink("elsewhere/Map.Dat", dir.File("Map.Dat"));
    fs::create_symlink(dir.File("Map.Dat"), dir.File("Second.Dat"));  // a link to the link
    // A temporary left behind by a killed run is neither written into nor renamed.
    dir.Write("elsewhere/Map.Dat.tmp123", "left behind");

    for (const char* name : {"Map.Dat", "Second.Dat"}) {
        SCOPED_TRACE(name);
        std::string error;
        ASSERT_TRUE(AtomicWriteFile(dir.File(name), std::string("new from ") + name, &error)) << error;
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.File("Map.Dat"))));
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.File("Second.Dat"))));
        EXPECT_EQ(fs::read_symlink(dir.File("Map.Dat")), fs::path("elsewhere/Map.Dat"));
        EXPECT_EQ(dir.Read("elsewhere/Map.Dat"), std::string("new from ") + name);
        struct stat info = {};
        ASSERT_EQ(::stat(target.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0640u) << "the permissions of the file linked to";
        EXPECT_EQ(dir.FileCount(), 3) << "no temporary beside the links";
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("elsewhere")), fs::directory_iterator()), 2)
            << "nor beside the file";
        EXPECT_EQ(dir.Read("elsewhere/Map.Dat.tmp123"), "left behind");
    }
}

TEST(AtomicFileStream, LinkToAMissingFileCreatesIt)
{
    namespace fs = std::filesystem;
    TempDir dir;
    fs::create_symlink("shared/Units.dat", dir.File("Units.dat"));
    std::string error;
    ASSERT_TRUE(AtomicWriteFile(dir.File("Units.dat"), "first", &error)) << error;
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.File("Units.dat"))));
    EXPECT_EQ(dir.Read("shared/Units.dat"), "first");
    EXPECT_EQ(dir.Read("Units.dat"), "first");
}

TEST(AtomicFileStream, FolderThatCannotHoldFilesFailsToOpen)
{
    TempDir dir;
    dir.Write("plain", "a file, not a folder");
    AtomicFileStream stream(dir.File("plain/map.bmp"));
    std::string error;
    EXPECT_FALSE(stream.Open(&error));
    EXPECT_NE(error.find("plain/map.bmp"), std::string::npos) << error;
    EXPECT_FALSE(stream.Write("x"));
    EXPECT_FALSE(stream.Commit());
    EXPECT_EQ(dir.Read("plain"), "a file, not a folder");
}

// A file-size limit stands in for a full disk: writes past it fail with EFBIG.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST(AtomicFileStream, FailedWriteStaysFailedAndLeavesOldFile)
{
    TempDir dir;
    const std::string file = dir.Write("map.bmp", "old");
    AtomicFileStream stream(file);
    ASSERT_TRUE(stream.Open());
    std::string error;
    {
        FileSizeLimit limit(1 << 20);
        EXPECT_FALSE(stream.Write(std::string(2 << 20, 'x')));
        EXPECT_TRUE(stream.Failed());
    }
    EXPECT_FALSE(stream.Write("more")) << "a later write that would fit does not mend a torn file";
    EXPECT_FALSE(stream.Commit(&error));
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
    EXPECT_EQ(dir.Read("map.bmp"), "old");
    EXPECT_EQ(dir.FileCount(), 1) << "temporary file removed";

    // Small writes wait in the buffer; their failure shows at the commit.
    ASSERT_TRUE(stream.Open());
    ASSERT_TRUE(stream.Write(std::string(2000, 'x')));
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(stream.Commit());
    }
    EXPECT_EQ(dir.Read("map.bmp"), "old");
    EXPECT_EQ(dir.FileCount(), 1);
}

}  // namespace
}  // namespace korvane
