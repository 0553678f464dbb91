// Line reading with every line end, atomic replacement, and file-name joining.
#include "core/atomic_file.h"
#include "core/file_names.h"
#include "core/line_reader.h"
#include "core/text_file_writer.h"

#include "support/param_names.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace korvane {
namespace {

using testing::NameFromText;
using testing::Quoted;
using testing::Spell;
using testing::TempDir;

TEST(LineReader, TakesEveryLineEndAlikeAndKeepsNulBytes)
{
    const std::pair<std::string, std::vector<std::string>> rows[] = {
        {"a\r\nb\nc\rd\r\r\ne\n\nf", {"a", "b", "c", "d", "", "e", "", "f"}},
        {"x\r\ny\r\n", {"x", "y"}},  // no empty last line
        {"", {}},
        {std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
    };
    TempDir dir;
    std::vector<std::string> lines;
    for (const auto& [contents, expected] : rows) {
        ASSERT_TRUE(ReadTextLines(dir.Write("lines.txt", contents), lines));
        EXPECT_EQ(lines, expected) << contents;
        EXPECT_EQ(SplitLines(contents), expected) << contents;
        LineReader memory(TextInMemory{contents});
        ASSERT_TRUE(ReadTextLines(memory, lines));
        EXPECT_EQ(lines, expected) << contents << " (in memory)";
        EXPECT_EQ(memory.LineNumber(), static_cast<long>(expected.size()));
    }
    EXPECT_FALSE(ReadTextLines(dir.File("missing.txt"), lines));
}

TEST(LineReader, LineEndsAtEveryPlaceOfALongTextAreFound)
{
    // Line ends are searched for in steps; a CR LF astride a step, or a file of lone CRs, must
    // read as a file of short lines does.
    for (const std::size_t length : {510u, 511u, 512u, 513u, 1023u, 1024u}) {
        const std::string line(length, 'x');
        for (const char* end : {"\r\n", "\r", "\n"}) {
            const std::string text = line + end + line + end + "last";
            const std::vector<std::string> expected = {line, line, "last"};
            const char* name = end[0] == '\n' ? "LF" : end[1] ? "CR LF" : "CR";
            EXPECT_EQ(SplitLines(text), expected) << length << " " << name;
            // In memory the whole text is one buffer, with no boundary to wait at.
            std::vector<std::string> lines;
            LineReader memory(TextInMemory{text});
            ASSERT_TRUE(ReadTextLines(memory, lines));
            EXPECT_EQ(lines, expected) << length << " " << name << " (in memory)";
        }
    }
}

TEST(LineReader, CrLfSplitAcrossBufferBoundaryIsOneLineEnd)
{
    TempDir dir;
    // The reader fills 64 KiB at a time; put the CR last in the first fill.
    const std::string first(64 * 1024 - 1, 'x');
    const std::string file = dir.Write("long.txt", first + "\r\nsecond\r" + "third");
    LineReader reader(file);
    std::string line;
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, first);
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, "second");
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, "third");
    EXPECT_EQ(reader.LineNumber(), 3);
    EXPECT_FALSE(reader.ReadLine(line));
}

TEST(AtomicWrite, WritesCrLfOrLfReplacesWholeFileAndCreatesMissingFolders)
{
    TempDir dir;
    dir.Write("data.txt", "old contents that are longer than the new ones\r\n");
    TextFileWriter writer(dir.File("data.txt"));
    writer.WriteLine("one");
    writer.WriteLine("");
    ASSERT_TRUE(writer.Commit());
    EXPECT_EQ(dir.Read("data.txt"), "one\r\n\r\n");
    EXPECT_EQ(dir.FileCount(), 1) << "no temporary file stays";

    TextFileWriter lf(dir.File("data.txt"), LineEnds::Lf);
    lf.WriteLine("one");
    lf.WriteLine("");
    ASSERT_TRUE(lf.Commit());
    EXPECT_EQ(dir.Read("data.txt"), "one\n\n");

    ASSERT_TRUE(AtomicWriteFile(dir.File("DATA/sub/x.dat"), "x"));
    EXPECT_EQ(dir.Read("DATA/sub/x.dat"), "x");
}

TEST(AtomicWrite, AFileThatHoldsTheContentsAlreadyIsLeftAlone)
{
    TempDir dir;
    const std::string file = dir.File("Units.dat");
    const std::string contents(200000, 'u');  // longer than one read of the comparison
    ASSERT_TRUE(AtomicWriteFile(file, contents));
    const auto inode = [&file] {
        struct stat info = {};
        ::stat(file.c_str(), &info);
        return info.st_ino;
    };
    const auto first = inode();
    ASSERT_TRUE(AtomicWriteFile(file, contents));
    EXPECT_EQ(inode(), first) << "the same bytes are not written again";

    std::string changed = contents;
    changed.back() = 'v';  // same size, last byte differs
    ASSERT_TRUE(AtomicWriteFile(file, changed));
    EXPECT_EQ(dir.Read("Units.dat"), changed);
    ASSERT_TRUE(AtomicWriteFile(file, changed + "w"));
    EXPECT_EQ(dir.Read("Units.dat"), changed + "w");
}

TEST(AtomicWrite, FailureKeepsOldFileAndSaysWhy)
{
    TempDir dir;
    // A folder where the file should go cannot be replaced by a file.
    std::filesystem::create_directory(dir.File("Map.Dat"));
    dir.Write("Map.Dat/inside", "kept");
    std::string error;
    EXPECT_FALSE(AtomicWriteFile(dir.File("Map.Dat"), "new", &error));
    EXPECT_NE(error.find("Map.Dat"), std::string::npos);
    EXPECT_EQ(dir.Read("Map.Dat/inside"), "kept");
    EXPECT_EQ(dir.FileCount(), 1) << "temporary file removed";
}

struct QualifyCase
{
    const char* name;
    const char* dir;
    const char* result;
};

void PrintTo(const QualifyCase& c, std::ostream* os)
{
    *os << Quoted(c.name) << " under " << Quoted(c.dir) << " -> " << Quoted(c.result);
}

// Slashes decide these cases, so every one is spelled out: "x_Dot_dat_Under_Slash_data_Slash".
std::string QualifyCaseName(const ::testing::TestParamInfo<QualifyCase>& info)
{
    return NameFromText(info.param.name, Spell::All) + "_Under_" + NameFromText(info.param.dir, Spell::All);
}

class QualifyFileNameTest : public ::testing::TestWithParam<QualifyCase>
{
};

TEST_P(QualifyFileNameTest, JoinsNameToFolder)
{
    EXPECT_EQ(QualifyFileName(GetParam().name, GetParam().dir), GetParam().result)
        << '"' << GetParam().name << "\" under \"" << GetParam().dir << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QualifyFileNameTest,
    ::testing::Values(QualifyCase{"x.dat", "/data/", "/data/x.dat"}, QualifyCase{"x.dat", "/data", "/data/x.dat"},
                      QualifyCase{"\\x.dat", "/data", "/data/x.dat"}, QualifyCase{"/abs/x.dat", "/data", "/abs/x.dat"},
                      QualifyCase{"x.dat", "   ", "x.dat"}, QualifyCase{"x.dat", "", "x.dat"},
                      QualifyCase{"", "/data", ""}, QualifyCase{"x.dat", "D:\\data\\", "D:\\data/x.dat"},
                      QualifyCase{"x.dat", "rel", "rel/x.dat"}, QualifyCase{"x.dat", "/", "/x.dat"}),
    QualifyCaseName);

TEST(FileNames, DirectoryOf)
{
    EXPECT_EQ(DirectoryOf("/a/b/ATLANTIS.INI"), "/a/b");
    EXPECT_EQ(DirectoryOf("/ATLANTIS.INI"), "/");
    EXPECT_EQ(DirectoryOf("ATLANTIS.INI"), "");
}

}  // namespace
}  // namespace korvane
