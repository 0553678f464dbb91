// Files that exist but cannot be read: every loader must tell them from missing files, since
// only a missing file may be created afresh.
#include "core/key_string_list.h"
#include "core/line_reader.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

using testing::TempDir;

TEST(LineReader, AReadErrorIsNotTheEndOfTheFile)
{
    TempDir dir;
    // A folder opens like a file, and then every read fails.
    std::filesystem::create_directory(dir.File("Folder.dat"));
    LineReader folder(dir.File("Folder.dat"));
    std::string line;
    EXPECT_FALSE(folder.ReadLine(line));
    EXPECT_TRUE(folder.Failed());

    LineReader file(dir.Write("File.dat", "a\r\nb"));
    while (file.ReadLine(line)) {
    }
    EXPECT_FALSE(file.Failed()) << "the end of a file is no failure";
    EXPECT_EQ(file.LineNumber(), 2);

    std::vector<std::string> lines{"left over"};
    EXPECT_FALSE(ReadTextLines(dir.File("Folder.dat"), lines));
    EXPECT_TRUE(lines.empty());
}

// An unreadable settings file is checked where the settings refuse to write over it.
TEST(UnreadableFile, KeywordListTellsItFromAMissingOne)
{
    TempDir dir;
    TKeyStringList list;
    list.AddKey("SWOR", "sword", "swords");
    EXPECT_TRUE(list.LoadFromFile(dir.File("none.dat"))) << "a missing keyword file is an empty one";
    std::filesystem::create_directory(dir.File("Troops.dat"));
    EXPECT_FALSE(list.LoadFromFile(dir.File("Troops.dat")));
    EXPECT_EQ(list.Count(), 1) << "nothing of an unreadable file is taken";
}

}  // namespace
}  // namespace korvane
