// Unreadable or refused files: named once, never written over, and the rest of the session carries on.
#include "reportimport/report_reader.h"
#include "workspace/workspace.h"

#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace korvane {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedInteraction;

class RefusedFilesTest : public ::testing::Test
{
protected:
    RefusedFilesTest() { fs::create_directory(Data("")); }

    std::string Data(const std::string& name) const { return dir.File("DATA/" + name); }

    /// Imports the sample report as faction 7, which it is.
    void ImportReport()
    {
        ws.Settings.FactionNo = 7;
        ASSERT_TRUE(ImportTurnReport(ws, KORVANE_TEST_DATA_DIR "/reports/ravenmoor-turn14.txt", ui));
    }

    testing::TempDir dir;
    Workspace ws{dir.Path()};
    ScriptedInteraction ui;
};

struct RefusedCase
{
    RefusedCase(const char* file, const char* contents = nullptr, const char* name = "")
        : file(file)
        , contents(contents)
        , name(name)
    {
    }
    const char* file;
    const char* contents;  // none: a folder in its place, which exists, opens, and every read fails
    const char* name;
};

class RefusedFile : public RefusedFilesTest, public ::testing::WithParamInterface<RefusedCase>
{
};

TEST_P(RefusedFile, IsNamedOnceAndNoSaveTriesIt)
{
    const RefusedCase& refused = GetParam();
    const std::string file = dir.File(refused.file), name = fs::path(file).filename().string();
    if (refused.contents)
        dir.Write(refused.file, refused.contents);
    else
        fs::create_directory(file);
    ASSERT_TRUE(ws.Open(ui));
    EXPECT_TRUE(ws.Refused.Contains(file));
    ImportReport();  // adds the player's own faction to the registry in memory
    const bool mapSaved = static_cast<bool>(ws.SaveDatabase());
    EXPECT_FALSE(ws.SaveOnExit(ui) && mapSaved) << "a file left unwritten is no success";
    const auto naming = [&file](const auto& shown) { return shown.text.find(file) != std::string::npos; };
    EXPECT_EQ(std::count_if(ui.shown.begin(), ui.shown.end(), naming), 1) << "said once, not again at exit";
    for (const std::string& error : ui.Texts(ScriptedInteraction::Kind::Error))
        EXPECT_EQ(error.find(file), std::string::npos) << "not written at all, so no failed write: " << error;
    if (refused.contents)
        EXPECT_EQ(dir.Read(refused.file), refused.contents);
    else
        EXPECT_TRUE(fs::is_directory(file));
    EXPECT_TRUE(fs::exists(Data(name == "Alliance.dat" ? "Colours.dat" : "Alliance.dat")))
        << "the files after it are still written";
    // Nor are the records that point into it: they would point at entries never saved.
    const std::string words = "Skills.dat Troops.dat Equipmnt.dat",
                      cells = "Terrain.dat Regions.dat Races.dat Weather.dat Products.dat";
    EXPECT_FALSE(words.find(name) != std::string::npos && fs::exists(Data("Units.dat")));
    EXPECT_FALSE(cells.find(name) != std::string::npos && fs::exists(Data("Map.Dat")));
}

// Every file a session reads, then factions files whose header is refused.
INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFile,
    ::testing::Values("ATLANTIS.INI", "DATA/Factions.dat", "DATA/Skills.dat", "DATA/Troops.dat", "DATA/Equipmnt.dat",
                      "DATA/Terrain.dat", "DATA/Regions.dat", "DATA/Races.dat", "DATA/Weather.dat", "DATA/Products.dat",
                      "DATA/Colours.dat", "DATA/MapIcons.dat", "DATA/Alliance.dat", "DATA/Units.dat",
                      "DATA/StudyLimits.dat",
                      RefusedCase("DATA/Factions.dat", "VERSION,two\r\n7^\"^Mine^\"^Ann^\"^^\"^^\"^1^\"^0^\"^\r\n",
                                  "UnreadableVersion"),
                      RefusedCase("DATA/Factions.dat", "VERSION^\"^2.31\r\n7^\"^Mine^\"^^\"^^\"^^\"^1^\"^0^\"^\r\n",
                                  "SeparatorDamaged"),
                      RefusedCase("DATA/Factions.dat", "VERSION,1.00\r\n7,Mine,Ann\r\n", "FirstFormat"),
                      RefusedCase("DATA/Factions.dat", "7^\"^Mine^\"^^\"^^\"^^\"^1^\"^0^\"^\r\n", "Headerless")),
    [](const auto& info) { return fs::path(info.param.file).stem().string() + info.param.name; });

TEST_F(RefusedFilesTest, RefusedDatabaseKeepsTheWorldTheFileAndThePlayersColourLists)
{
    ASSERT_TRUE(ws.Open(ui));
    ImportReport();
    ASSERT_TRUE(ws.SaveDatabase());
    const int cells = ws.Map.CellCount();
    dir.Write("DATA/Map.Dat", "VERSION,9.99\r\n");  // written meanwhile by a newer version
    EXPECT_FALSE(ws.ReloadDatabase(ui));
    EXPECT_EQ(ws.Map.CellCount(), cells);
    EXPECT_FALSE(ws.SaveDatabase());
    dir.Write("DATA/Colours.dat", "1\r\n2\r\n");
    dir.Write("DATA/MapIcons.dat", "3,4\r\n");

    Workspace again{dir.Path()};
    EXPECT_FALSE(again.Open(ui));
    ASSERT_TRUE(again.SaveOnExit(ui));
    EXPECT_EQ(dir.Read("DATA/Map.Dat"), "VERSION,9.99\r\n");
    EXPECT_EQ(dir.Read("DATA/Colours.dat"), "1\r\n2\r\n");
    EXPECT_EQ(dir.Read("DATA/MapIcons.dat"), "3,4\r\n");
}

TEST_F(RefusedFilesTest, ExitWritesEveryFileWhenTheSettingsCannotBeWritten)
{
    // Readable, but no file can be created beside it: /proc takes no new files.
    if (!fs::exists("/proc/version"))
        GTEST_SKIP() << "needs /proc";
    ASSERT_TRUE(ws.Open(ui));
    fs::create_symlink("/proc/version", dir.File("ATLANTIS.INI"));
    EXPECT_FALSE(ws.SaveOnExit(ui));
    for (const char* file : {"Factions.dat", "UnitLsts.Dat", "Skills.dat", "Units.dat", "Colours.dat", "MapIcons.dat"})
        EXPECT_TRUE(fs::is_regular_file(Data(file))) << file;
    EXPECT_FALSE(fs::exists(Data("Map.Dat"))) << "the database itself is not written at exit";
    EXPECT_EQ(ui.Texts(ScriptedInteraction::Kind::Error),
              std::vector<std::string>{"Unable to write to " + dir.File("ATLANTIS.INI")});
}

TEST_F(RefusedFilesTest, KeywordListsAreWrittenBeforeTheUnitsThatPointIntoThem)
{
    ASSERT_TRUE(ws.Open(ui));
    // The unit file cannot be written: the lists still are, so the next save of it finds them.
    fs::create_directory(Data("Units.dat"));
    ImportReport();
    EXPECT_TRUE(fs::is_regular_file(Data("Skills.dat")) && fs::is_regular_file(Data("Troops.dat")));
    fs::remove(Data("Units.dat"));

    // A list that cannot be written keeps the unit file from being written.
    fs::remove(Data("Skills.dat"));
    fs::create_directories(Data("Skills.dat/inside"));
    ImportReport();
    EXPECT_FALSE(ws.SaveOnExit(ui));
    EXPECT_FALSE(fs::exists(Data("Units.dat")));
}

}  // namespace
}  // namespace korvane
