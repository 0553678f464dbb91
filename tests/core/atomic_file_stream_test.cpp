// Streaming atomic replacement: a file is replaced whole or not at all, links and modes kept.
#include "core/atomic_file.h"
#include "core/atomic_file_stream.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <iterator>
#include <string>

#include <sys/resource.h>

namespace korvane {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(AtomicFileStream, CommitWritesEveryByteKeepingPermissionsAndAbortOrDropKeepsOldFile)
{
    TempDir dir;
    const std::string file = dir.Write("big.bmp", "old");
    fs::permissions(file, fs::perms(0640));
    {
        AtomicFileStream aborted(file), dropped(file);
        ASSERT_TRUE(aborted.Open() && dropped.Open());
        ASSERT_TRUE(aborted.Write(std::string(3 << 20, 'x')) && dropped.Write("new"));
        aborted.Abort();
        EXPECT_FALSE(aborted.Write("y") || aborted.Commit());
    }
    EXPECT_EQ(std::tuple(dir.Read("big.bmp"), dir.FileCount()), std::tuple("old", 1));
    // Pieces below, across and above the internal buffer's size, so every path through it is taken.
    std::string expected;
    AtomicFileStream stream(file);
    ASSERT_TRUE(stream.Open());
    for (std::size_t size : {1ul, 70000ul, 0ul, 3ul << 20, 1ul << 20, 999999ul, 5ul}) {
        std::string piece(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            piece[i] = static_cast<char>((expected.size() + i) * 7 % 251);
        ASSERT_TRUE(stream.Write(piece));
        expected += piece;
    }
    EXPECT_EQ(dir.Read("big.bmp"), "old") << "nothing shows before the commit";
    ASSERT_TRUE(stream.Commit());
    EXPECT_TRUE(dir.Read("big.bmp") == expected);
    EXPECT_EQ(dir.FileCount(), 1) << "no temporary file stays";
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640));
}

// A player may keep Map.Dat elsewhere (a synchronised folder) and link to it from the data folder.
TEST(AtomicFileStream, SymbolicLinksKeepPointingAtTheReplacedOrCreatedFile)
{
    TempDir dir;
    const std::string target = dir.Write("elsewhere/Map.Dat", "old");
    fs::permissions(target, fs::perms(0640));
    fs::create_symlink("elsewhere/Map.Dat", dir.File("Map.Dat"));
    fs::create_symlink(dir.File("Map.Dat"), dir.File("Second.Dat"));  // a link to the link
    dir.Write("elsewhere/Map.Dat.tmp123", "left behind");  // by a killed run: neither written nor renamed
    for (const char* name : {"Map.Dat", "Second.Dat"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(AtomicWriteFile(dir.File(name), std::string("new from ") + name));
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.File("Second.Dat"))));
        EXPECT_EQ(fs::read_symlink(dir.File("Map.Dat")), fs::path("elsewhere/Map.Dat")) << "still a link, unchanged";
        EXPECT_EQ(dir.Read("elsewhere/Map.Dat"), std::string("new from ") + name);
        EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640)) << "the permissions of the file linked to";
        EXPECT_EQ(dir.FileCount(), 3) << "no temporary beside the links";
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("elsewhere")), fs::directory_iterator()), 2);
        EXPECT_EQ(dir.Read("elsewhere/Map.Dat.tmp123"), "left behind");
    }
    // A link to a missing file creates it.
    fs::create_symlink("shared/Units.dat", dir.File("Units.dat"));
    ASSERT_TRUE(AtomicWriteFile(dir.File("Units.dat"), "first"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.File("Units.dat"))));
    EXPECT_EQ(std::tuple(dir.Read("shared/Units.dat"), dir.Read("Units.dat")), std::tuple("first", "first"));
}

// A file-size limit stands in for a full disk: writes past it fail with EFBIG.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limited{bytes, old.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, handler);
    }
    void (*handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
};

TEST(AtomicFileStream, FailuresStayFailedAndLeaveTheOldFile)
{
    TempDir dir;
    dir.Write("plain", "a file, not a folder");
    AtomicFileStream nowhere(dir.File("plain/map.bmp"));
    std::string error;
    EXPECT_FALSE(nowhere.Open(&error));
    EXPECT_NE(error.find("plain/map.bmp"), std::string::npos) << error;
    EXPECT_FALSE(nowhere.Write("x") || nowhere.Commit());
    EXPECT_EQ(dir.Read("plain"), "a file, not a folder");

    AtomicFileStream stream(dir.Write("map.bmp", "old"));
    ASSERT_TRUE(stream.Open());
    {
        FileSizeLimit limit(1 << 20);
        EXPECT_FALSE(stream.Write(std::string(2 << 20, 'x')));
        EXPECT_TRUE(stream.Failed());
    }
    EXPECT_FALSE(stream.Write("more")) << "a later write that would fit does not mend a torn file";
    EXPECT_FALSE(stream.Commit(&error));
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
    EXPECT_EQ(std::tuple(dir.Read("map.bmp"), dir.FileCount()), std::tuple("old", 2)) << "temporary file removed";

    // Small writes wait in the buffer; their failure shows at the commit.
    ASSERT_TRUE(stream.Open());
    ASSERT_TRUE(stream.Write(std::string(2000, 'x')));
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(stream.Commit());
    }
    EXPECT_EQ(std::tuple(dir.Read("map.bmp"), dir.FileCount()), std::tuple("old", 2));
}

}  // namespace
}  // namespace korvane
