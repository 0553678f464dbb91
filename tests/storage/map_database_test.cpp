// The map database: what is written, read back, and refused without touching the world or the file.
#include "storage/map_cell_line.h"
#include "storage/map_database.h"
#include "storage/turn_files.h"
#include "workspace/workspace.h"

#include "support/record_builders.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

namespace fs = std::filesystem;
using testing::KnownCell;
using Kind = testing::ScriptedInteraction::Kind;

const std::string kHeader = "VERSION,2.31\r\n";
const std::string kCell = "0,4,4,2,Unknown,0,-1,0,0,,0,,,-1,-1,-1,1,,,,0,0,0\r\n";

class MapDatabaseTest : public ::testing::Test
{
protected:
    MapDatabaseTest()
        : ws(dir.Path())
    {
        ws.Settings.DataDir = dir.Path();
    }

    auto Save(const std::string& folder) { return SaveMapDatabase(ws.Map, ws.Settings, folder); }
    auto Load() { return LoadMapDatabase(ws.Map, ws.Settings, dir.Path(), ui); }
    std::string MapFile() const { return dir.File("Map.Dat"); }
    /// Puts a folder, with something in it, where the file `name` should go.
    void BlockFile(const std::string& name)
    {
        fs::remove_all(dir.File(name));
        fs::create_directories(dir.File(name) + "/inside");
    }

    testing::TempDir dir;
    Workspace ws;
    testing::ScriptedInteraction ui;
};

TEST_F(MapDatabaseTest, SaveLoadSaveIsByteIdenticalTrimsTextsAndKeepsANoteOnAnUnexploredHexButNoBlankCell)
{
    TMapCell& known = KnownCell(ws.Map, 0, 0, 0);
    known.Comments = "  north, then east  ";
    known.Other = "a\r\nb";
    known.Note2 = std::string(3000, 'x');
    known.Note3 = std::string(1000, 'y');
    const std::string line = CellLine(known);
    EXPECT_NE(line.find(",a  b,"), std::string::npos) << line;
    EXPECT_NE(line.find(",north; then east," + known.Note2.Str() + "," + known.Note3.Str() + ","), std::string::npos);
    KnownCell(ws.Map, 1, 320, 192).Structures.Clear();
    ws.Map.EnsureCell(0, 1, 1)->Terrain = 1;
    ws.Map.EnsureCell(0, 6, 6)->Comments = "rumoured city";
    ws.Map.EnsureCell(0, 4, 4)->Comments = " ";  // made and left empty: not written
    ASSERT_TRUE(Save(dir.Path()));

    Workspace loaded(dir.Path());
    ASSERT_TRUE(LoadMapDatabase(loaded.Map, loaded.Settings, dir.Path(), ui));
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(loaded.Map.RegionList.IndexOf("Lavan"), 1);
    ASSERT_NE(loaded.Map.Cell(0, 6, 6), nullptr);
    EXPECT_EQ(loaded.Map.Cell(0, 6, 6)->Comments, "rumoured city");
    EXPECT_EQ(loaded.Map.Cell(0, 4, 4), nullptr);
    testing::TempDir again;
    ASSERT_TRUE(SaveMapDatabase(loaded.Map, loaded.Settings, again.Path()));
    EXPECT_EQ(again.Read("Map.Dat"), dir.Read("Map.Dat"));
}

TEST_F(MapDatabaseTest, LoadEmptiesTheGridDefaultsMissingColourListsAndPlacesTheCurrentTurnsUnits)
{
    ws.Map.EnsureCell(0, 8, 8)->Terrain = 4;
    ws.Map.SetTerrainColour(0, 1);
    ws.Map.SetIconColour(kIconCity, 1);
    ASSERT_TRUE(Load()) << "no database is an empty world";
    EXPECT_EQ(ws.Map.CellCount(), 0);
    EXPECT_EQ(std::tuple(ws.Map.TerrainColour(0), ws.Map.IconColour(kIconCity)), std::tuple(0x808080, 255));
    ASSERT_TRUE(Save(dir.Path()));
    EXPECT_EQ(dir.Read("Colours.dat"),
              "8421504\r\n16711680\r\n16777215\r\n65280\r\n128\r\n32896\r\n32768\r\n"
              "65535\r\n12632256\r\n128\r\n8421376\r\n0\r\n255\r\n");
    EXPECT_EQ(dir.Read("MapIcons.dat"), "9,255\r\n7,255\r\n6,255\r\n2,16711680\r\n6,0\r\n10,0\r\n");

    // Each colour list falls back on its own; the other file's lines, blank ones too, are kept.
    fs::remove(dir.File("Colours.dat"));
    dir.Write("MapIcons.dat", "1,2\n\n3");
    ws.Map.SetTerrainColour(0, 1);
    dir.Write("Map.Dat", "VERSION,1.50\r\n0,2,2,5,Forest,3\r\n1,4,4\r\n");  // such versions only place cells
    ASSERT_TRUE(Load());
    EXPECT_EQ(ws.Map.TerrainColour(0), 0x808080);
    EXPECT_EQ(ws.Map.MapIcons, (std::vector<std::string>{"1,2", "", "3"}));
    EXPECT_EQ(ws.Map.CellCount(), 2);
    EXPECT_TRUE(ws.Map.Cell(0, 2, 2)->IsBlank());

    // Units at a negative or impossible position have no hex to go to; hex units go to the cells only.
    dir.Write(TurnFileName("Units", 9),
              kHeader + testing::UnitAt(77, -1, 1, 6, 4)->ToLine() + "\r\n"
                  + testing::UnitAt(60, -1, 0, -1, 4)->ToLine() + "\r\n" + testing::UnitAt(61, -1, 0, 3, 4)->ToLine()
                  + "\r\n");
    dir.Write("Map.Dat", kHeader + kCell);
    ws.Settings.CurrentTurn = 9;
    ASSERT_TRUE(Load());
    EXPECT_EQ(ws.Map.Cell(0, 4, 4)->Terrain, 2);
    ASSERT_NE(ws.Map.Cell(1, 6, 4), nullptr);
    EXPECT_EQ(std::tuple(ws.Map.Cell(1, 6, 4)->Units.Count(), ws.Map.CellCount(), ws.Map.UnitFileList.Count()),
              std::tuple(1, 2, 0));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(MapDatabaseTest, RefusedDatabaseLeavesWorldAndFileAsTheyWere)
{
    const std::string newer = "Your data is from a more recent version of the software ( V ",
                      upgrade = " )\rUpgrade Korvane before loading this map database.",
                      noNumber = "The map database " + MapFile() + " was not loaded: \"",
                      notANumber = "\" in its first line is not a version number.";
    const std::pair<std::string, std::string> rows[] = {
        // contents (none: a folder in its place), warning
        {"VERSION,2.40\r\n" + kCell, newer + "2.40" + upgrade},
        {"Version,2.316,extra\r\n" + kCell, newer + "2.32" + upgrade},
        {"VERSION,two\r\n" + kCell, noNumber + "two" + notANumber},
        {"VERSION,2.31b\r\n", noNumber + "2.31b" + notANumber},
        {"VERSION\r\n" + kCell, noNumber + notANumber},
        {"VERSION,0.90\r\n", noNumber + "0.90" + notANumber},
        {"", "The map database " + MapFile() + " could not be read."},
    };
    dir.Write("Regions.dat", "Unknown\r\nFromFile\r\n");
    dir.Write("Colours.dat", "1\r\n2\r\n");
    ws.Map.EnsureCell(0, 2, 2)->Terrain = 5;
    ws.Map.RegionList.Add("Kept");
    ws.Map.SetTerrainColour(3, 0x123456);
    ws.Map.SetIconStyle(kIconGate, 14);
    for (const auto& [contents, warning] : rows) {
        SCOPED_TRACE(warning);
        ui.shown.clear();
        fs::remove(MapFile());
        if (contents.empty())
            fs::create_directory(MapFile());
        else
            dir.Write("Map.Dat", contents);
        EXPECT_FALSE(Load());
        EXPECT_EQ(ui.Texts(Kind::Warning), std::vector<std::string>{warning});
        EXPECT_EQ(ws.Map.CellCount(), 1);
        EXPECT_EQ(ws.Map.Cell(0, 2, 2)->Terrain, 5);
        EXPECT_EQ(ws.Map.RegionList.IndexOf("Kept"), 1) << "reference lists are not reloaded";
        EXPECT_EQ(ws.Map.TerrainColour(3), 0x123456) << "colour lists are not reloaded";
        EXPECT_EQ(ws.Map.IconStyle(kIconGate), 14) << "nor reset to the built-in icons";
        EXPECT_EQ(fs::is_directory(MapFile()) ? "" : dir.Read("Map.Dat"), contents) << "nor is the file written over";
    }
}

TEST_F(MapDatabaseTest, FailedSaveSaysSoAndLeavesNoTemporaryFiles)
{
    KnownCell(ws.Map, 0, 0, 0);
    BlockFile("Map.Dat");
    EXPECT_FALSE(Save(dir.Path()));
    EXPECT_TRUE(fs::is_directory(MapFile() + "/inside"));

    // An unwritable reference list holds back the cells that point into it, and is named.
    fs::remove_all(MapFile());
    dir.Write("Map.Dat", kHeader);
    BlockFile("Races.dat");
    const FileResult failed = Save(dir.Path());
    EXPECT_EQ(std::tuple(failed.Ok, failed.File), std::tuple(false, dir.File("Races.dat")));
    EXPECT_EQ(dir.Read("Map.Dat"), kHeader);
    EXPECT_TRUE(fs::exists(dir.File("Weather.dat"))) << "the other lists are still written";

    // So does a colour list, the first file written.
    fs::remove_all(dir.File("Races.dat"));
    fs::remove_all(MapFile());
    BlockFile("Colours.dat");
    EXPECT_FALSE(Save(dir.Path()));
    EXPECT_TRUE(fs::exists(dir.File("MapIcons.dat")));
    EXPECT_NE(dir.Read("Map.Dat").find("Bluehaven"), std::string::npos);
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace korvane
