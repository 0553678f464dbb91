// Line reading, what each load says of a missing or unreadable file, atomic replacement, file names.
#include "combat/battle_file.h"
#include "core/atomic_file.h"
#include "core/file_names.h"
#include "core/ini_file.h"
#include "core/key_string_list.h"
#include "core/line_reader.h"
#include "core/settings.h"
#include "core/silent_interaction.h"
#include "people/alliance_list.h"
#include "people/faction_list.h"
#include "people/show_troop_collection.h"
#include "people/unit_list.h"
#include "storage/map_database.h"
#include "storage/record_text.h"
#include "storage/unit_list_files.h"
#include "workspace/workspace.h"
#include "world/name_list.h"
#include "world/product_code_list.h"
#include "world/study_limits.h"

#include "support/param_names.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;
using testing::Quoted;
using testing::TempDir;

TEST(LineReader, TakesEveryLineEndAlikeWhereverItFallsKeepsNulBytesAndFailsOnAReadError)
{
    using R = std::pair<std::string, Lines>;
    std::vector<R> rows{R("a\r\nb\nc\rd\r\r\ne\n\nf", {"a", "b", "c", "d", "", "e", "", "f"}),
                        R("x\r\ny\r\n", {"x", "y"}), R("", {}),
                        R(std::string("a\0b\r\n", 5), {std::string("a\0b", 3)})};
    // Line ends are searched for in steps: a CR LF astride a step, or lone CRs, read as in short lines.
    for (const std::size_t length : {510u, 511u, 512u, 513u, 1023u, 1024u})
        for (const char* end : {"\r\n", "\r", "\n"}) {
            const std::string line(length, 'x');
            rows.emplace_back(line + end + line + end + "last", Lines{line, line, "last"});
        }
    // A file is read 64 KiB at a time; the CR comes last in the first fill.
    const std::string first(64 * 1024 - 1, 'x');
    rows.emplace_back(first + "\r\nsecond\r" + "third", Lines{first, "second", "third"});
    TempDir dir;
    Lines lines;
    for (const auto& [contents, expected] : rows) {
        SCOPED_TRACE(Quoted(contents.substr(0, 20)) + " of " + std::to_string(contents.size()));
        ASSERT_TRUE(ReadTextLines(dir.Write("lines.txt", contents), lines));
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(SplitLines(contents), expected);
        LineReader memory(TextInMemory{contents});  // one buffer, with no boundary to wait at
        ASSERT_TRUE(ReadTextLines(memory, lines));
        EXPECT_EQ(lines, expected) << "in memory";
        EXPECT_EQ(memory.LineNumber(), static_cast<long>(expected.size()));
    }
    std::filesystem::create_directory(dir.File("Folder.dat"));  // opens like a file; every read fails
    lines = {"left over"};
    EXPECT_FALSE(ReadTextLines(dir.File("Folder.dat"), lines)) << "a read error is not the end of the file";
    EXPECT_TRUE(lines.empty());
}

// An unreadable file taken for a missing one would be written over and lost: the answer tells them apart.
TEST(FileLoads, SayWhetherTheFileIsMissingOrUnreadableAndNameIt)
{
    TempDir dir;
    Workspace ws(dir.Path());
    ws.Settings.DataDir = dir.Path();
    const TrecINI& settings = ws.Settings;
    SilentInteraction ui;
    TUnitList units;
    std::string text;
    using Load = std::function<FileResult(const std::string& file)>;
    const std::tuple<const char*, bool, Load> rows[] = {
        {"ATLANTIS.INI", true, [](auto& file) { return IniFile(file).Load(); }},
        {"Skills.dat", true, [](auto& file) { return TKeyStringList().LoadFromFile(file); }},
        {"Terrain.dat", false, [](auto& file) { return NameList().LoadFromFile(file); }},
        {"Products.dat", false, [](auto& file) { return ProductCodeList().LoadFromFile(file); }},
        {"StudyLimits.dat", false, [](auto& file) { return TStudyLimits().LoadFromFile(file); }},
        {"Factions.dat", true, [&](auto&) { return TFactionList().LoadFromFile(settings); }},
        {"factions.txt", false, [](auto& file) { return TFactionList().ImportFactionList(file); }},
        {"Alliance.dat", true, [&](auto&) { return TAllianceList().LoadFromFile(dir.Path(), settings); }},
        {"UnitLsts.Dat", true, [&](auto&) { return TShowTroopCollection().Load(dir.Path(), settings); }},
        {"Units.dat", false, [&](auto& file) { return LoadUnitFile(units, file, 1); }},
        {"Ords0004.dat", true, [&](auto& file) { return LoadOrdersFile(units, file); }},
        {"fight.btl", false,
         [](auto& file) {
             BattleSetup setup;
             std::vector<BattleFileProblem> problems;
             return LoadBattleFile(file, setup, problems);
         }},
        {"Map.Dat", false, [&](auto& file) { return ReadWholeFile(file, text); }},
        {"Map.Dat", true, [&](auto&) { return LoadMapDatabase(ws.Map, settings, dir.Path(), ui); }},
    };
    for (const auto& [name, missingIsFine, load] : rows) {
        SCOPED_TRACE(name);
        const std::string file = dir.File(name);
        const FileResult missing = load(file);
        EXPECT_EQ(static_cast<bool>(missing), missingIsFine);
        EXPECT_TRUE(missing || (missing.Missing && missing.File == file));
        std::filesystem::create_directory(file);  // there, and no read of it succeeds
        const FileResult folder = load(file);
        EXPECT_FALSE(folder || folder.Missing);
        EXPECT_EQ(folder.File, file);
        std::filesystem::remove(file);
    }
}

// A failed write keeps what was there; the same bytes again are not written at all.
TEST(AtomicWrite, FailureSaysWhyAndAFileThatHoldsTheContentsAlreadyIsLeftAlone)
{
    TempDir dir;
    dir.Write("Map.Dat/inside", "kept");  // a folder cannot be replaced by a file
    const FileResult written = AtomicWriteFile(dir.File("Map.Dat"), "new");
    EXPECT_TRUE(!written && written.File == dir.File("Map.Dat"));
    EXPECT_NE(written.Reason.find("Map.Dat"), std::string::npos) << "the system's words name it too";
    EXPECT_EQ(std::tuple(dir.Read("Map.Dat/inside"), dir.FileCount()), std::tuple("kept", 1))
        << "temporary file removed";

    const std::string file = dir.File("Units.dat");
    const std::string contents(200000, 'u');  // longer than one read of the comparison
    ASSERT_TRUE(AtomicWriteFile(file, contents));
    std::filesystem::create_hard_link(file, dir.File("Units.link"));  // parted from it when the file is replaced
    ASSERT_TRUE(AtomicWriteFile(file, contents));
    EXPECT_EQ(std::filesystem::hard_link_count(file), 2u) << "the same bytes are not written again";
    std::string changed = contents;
    changed.back() = 'v';  // same size, last byte differs
    for (const std::string& next : {changed, changed + "w"}) {
        ASSERT_TRUE(AtomicWriteFile(file, next));
        EXPECT_EQ(dir.Read("Units.dat"), next);
    }
}

TEST(FileNames, QualifyJoinsNameToFolderAndDirectoryOfSplitsItOff)
{
    using R = std::tuple<const char*, const char*, const char*>;
    for (const auto& [name, folder, result] :
         {R("x.dat", "/data/", "/data/x.dat"), R("x.dat", "/data", "/data/x.dat"), R("\\x.dat", "/data", "/data/x.dat"),
          R("/abs/x.dat", "/data", "/abs/x.dat"), R("x.dat", "   ", "x.dat"), R("x.dat", "", "x.dat"),
          R("", "/data", ""), R("x.dat", "D:\\data\\", "D:\\data/x.dat"), R("x.dat", "rel", "rel/x.dat"),
          R("x.dat", "/", "/x.dat")})
        EXPECT_EQ(QualifyFileName(name, folder), result) << Quoted(name) << " under " << Quoted(folder);
    EXPECT_EQ(std::tuple(DirectoryOf("/a/b/ATLANTIS.INI"), DirectoryOf("/ATLANTIS.INI"), DirectoryOf("ATLANTIS.INI")),
              std::tuple("/a/b", "/", ""));
}

}  // namespace
}  // namespace korvane
