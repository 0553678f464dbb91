// The map database: what is written, reading it back, and refusing what cannot be read
// without touching the world or the file. Older versions: the golden folders storage-*.
#include "storage/map_cell_line.h"
#include "storage/map_database.h"
#include "storage/turn_files.h"
#include "workspace/workspace.h"

#include "support/param_names.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace korvane {
namespace {

namespace fs = std::filesystem;
using testing::NameField;
using testing::Quoted;
using testing::ScriptedInteraction;
using testing::TempDir;
using Kind = ScriptedInteraction::Kind;

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

    std::string MapFile() const { return dir.File("Map.Dat"); }

    /// A cell with every stored field set, markets out of item order and two structures.
    TMapCell& FullCell(TMap& map, int level, int x, int y)
    {
        TMapCell& c = *map.EnsureCell(level, x, y);
        c.Terrain = 3;
        c.LegacyName = "Old";
        c.Region = 2;
        c.LegacyValue = 7;
        c.Gate = 12;
        c.Silver = 4500;
        c.Wages = 13;
        c.MaxWages = 800;
        c.Entertainment = 90;
        c.PopCenter = "Bluehaven";
        c.PopCenterType = kTown;
        c.Shaft = "Shaft";
        c.Other = "Ring";
        c.WeatherWas = 1;
        c.WeatherNext = 2;
        c.Race = 4;
        c.Population = 10432;
        c.FactionNo = 17;
        c.Unconfirmed = false;
        c.Comments = "watch";
        c.Note2 = "n2";
        c.Note3 = "n3";
        c.LastUpdate = 27;
        c.Pathway = {true, false, true};
        c.Wanted = {{5, 20, 34}, {2, -1, 10}};
        c.ForSale = {{9, 3, 120}};
        c.Products = {{7, 28, 0}, {1, 11, 0}};
        c.AddStructure(std::make_unique<TStructure>(TStructure{14, 3, "Keep", "stone"}));
        c.AddStructure(std::make_unique<TStructure>(TStructure{2, 8, "Longboat", ""}));
        return c;
    }

    TempDir dir;
    Workspace ws;
    ScriptedInteraction ui;
};

TEST_F(MapDatabaseTest, WritesNonBlankCellsOnly)
{
    ws.Map.EnsureCell(0, 4, 4)->Comments = " ";  // a cell made and left empty
    ASSERT_TRUE(SaveMapDatabase(ws.Map, ws.Settings, dir.Path()));
    EXPECT_EQ(dir.Read("Map.Dat"), kHeader);
    EXPECT_TRUE(fs::exists(dir.File("Terrain.dat"))) << "reference lists are written too";

    TMapCell& cell = *ws.Map.EnsureCell(1, 3, 5);
    cell.Terrain = 2;
    cell.AddStructure(std::make_unique<TStructure>(TStructure{1, 5, "Tower", "tall"}));
    ASSERT_TRUE(SaveMapDatabase(ws.Map, ws.Settings, dir.Path()));
    EXPECT_EQ(dir.Read("Map.Dat"),
              kHeader + "1,3,5,2,Unknown,0,-1,0,0,,0,,,-1,-1,-1,1,,,,0,0,0,0,0,0,-1,-1,0,0,0,0,1,1,5,Tower,tall\r\n");
}

TEST_F(MapDatabaseTest, ANoteOnAnUnexploredHexOutlivesTheSave)
{
    ws.Map.EnsureCell(0, 6, 6)->Comments = "rumoured city";
    ASSERT_TRUE(SaveMapDatabase(ws.Map, ws.Settings, dir.Path()));
    ws.Map.Clear();
    ASSERT_TRUE(LoadMapDatabase(ws.Map, ws.Settings, dir.Path(), ui));
    ASSERT_NE(ws.Map.Cell(0, 6, 6), nullptr);
    EXPECT_EQ(ws.Map.Cell(0, 6, 6)->Comments, "rumoured city");
}

TEST_F(MapDatabaseTest, SaveLoadSaveIsByteIdentical)
{
    FullCell(ws.Map, 0, 0, 0);
    FullCell(ws.Map, 1, 320, 192).Structures.Clear();
    ws.Map.EnsureCell(0, 1, 1)->Terrain = 1;
    ws.Map.RegionList.Add("Lavan");
    ASSERT_TRUE(SaveMapDatabase(ws.Map, ws.Settings, dir.Path()));

    Workspace loaded(dir.Path());
    ASSERT_TRUE(LoadMapDatabase(loaded.Map, loaded.Settings, dir.Path(), ui));
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(loaded.Map.RegionList.IndexOf("Lavan"), 1);
    TempDir again;
    ASSERT_TRUE(SaveMapDatabase(loaded.Map, loaded.Settings, again.Path()));
    EXPECT_EQ(again.Read("Map.Dat"), dir.Read("Map.Dat"));
}

TEST_F(MapDatabaseTest, TextsAreTrimmedAndKeptOnTheirFields)
{
    TMapCell& cell = FullCell(ws.Map, 0, 2, 2);
    cell.Comments = "  north, then east  ";
    cell.Other = "a\r\nb";
    const std::string line = CellLine(cell);
    EXPECT_NE(line.find(",north; then east,"), std::string::npos) << line;
    EXPECT_NE(line.find(",a  b,"), std::string::npos) << line;

    // Texts longer than a line usually is stay whole and in their place among the fields.
    const std::string longNote(3000, 'x');
    cell.Note2 = longNote;
    cell.Note3 = std::string(1000, 'y');
    const std::string longLine = CellLine(cell);
    EXPECT_NE(longLine.find(",north; then east," + longNote + "," + std::string(1000, 'y') + ","), std::string::npos);
}

TEST_F(MapDatabaseTest, LoadEmptiesTheGridAndPlacesTheCurrentTurnsUnits)
{
    ws.Map.EnsureCell(0, 8, 8)->Terrain = 4;
    ASSERT_TRUE(LoadMapDatabase(ws.Map, ws.Settings, dir.Path(), ui)) << "no database is an empty world";
    EXPECT_EQ(ws.Map.CellCount(), 0);

    TUnit unit;
    unit.Number = 77;
    unit.Level = 1;
    unit.X = 6;
    unit.Y = 4;
    dir.Write(TurnFileName("Units", 9), kHeader + unit.ToLine() + "\r\n");
    dir.Write("Map.Dat", kHeader + kCell);
    ws.Settings.CurrentTurn = 9;
    ASSERT_TRUE(LoadMapDatabase(ws.Map, ws.Settings, dir.Path(), ui));
    EXPECT_EQ(ws.Map.Cell(0, 4, 4)->Terrain, 2);
    ASSERT_NE(ws.Map.Cell(1, 6, 4), nullptr);
    EXPECT_EQ(ws.Map.Cell(1, 6, 4)->Units.Count(), 1);
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(MapDatabaseTest, MissingColourFilesGiveDefaultsThatTheNextSaveWrites)
{
    ws.Map.SetTerrainColour(0, 1);
    ws.Map.SetIconColour(kIconCity, 1);
    ASSERT_TRUE(LoadMapDatabase(ws.Map, ws.Settings, dir.Path(), ui));
    EXPECT_EQ(ws.Map.TerrainColour(0), 0x808080);
    EXPECT_EQ(ws.Map.IconColour(kIconCity), 255);

    ASSERT_TRUE(SaveMapDatabase(ws.Map, ws.Settings, dir.Path()));
    EXPECT_EQ(dir.Read("Colours.dat"),
              "8421504\r\n16711680\r\n16777215\r\n65280\r\n128\r\n32896\r\n32768\r\n"
              "65535\r\n12632256\r\n128\r\n8421376\r\n0\r\n255\r\n");
    EXPECT_EQ(dir.Read("MapIcons.dat"), "9,255\r\n7,255\r\n6,255\r\n2,16711680\r\n6,0\r\n10,0\r\n");

    // Each list falls back on its own; the other file's lines, blank ones too, are kept.
    fs::remove(dir.File("Colours.dat"));
    dir.Write("MapIcons.dat", "1,2\n\n3");
    ws.Map.SetTerrainColour(0, 1);
    ASSERT_TRUE(LoadMapDatabase(ws.Map, ws.Settings, dir.Path(), ui));
    EXPECT_EQ(ws.Map.TerrainColour(0), 0x808080);
    EXPECT_EQ(ws.Map.MapIcons, (std::vector<std::string>{"1,2", "", "3"}));
}

TEST_F(MapDatabaseTest, VersionsBetweenOneAndTwoOnlyCreateCells)
{
    dir.Write("Map.Dat", "VERSION,1.50\r\n0,2,2,5,Forest,3\r\n1,4,4\r\n");
    ASSERT_TRUE(LoadMapDatabase(ws.Map, ws.Settings, dir.Path(), ui));
    EXPECT_EQ(ws.Map.CellCount(), 2);
    EXPECT_TRUE(ws.Map.Cell(0, 2, 2)->IsBlank());
}

struct RefusedRow
{
    const char* name;
    std::string contents;
    std::string warning;  // "<file>" stands for the file's name
};

void PrintTo(const RefusedRow& row, std::ostream* os)
{
    *os << Quoted(row.contents) << " -> " << Quoted(row.warning);
}

class RefusedDatabase : public MapDatabaseTest, public ::testing::WithParamInterface<RefusedRow>
{
};

TEST_P(RefusedDatabase, LeavesWorldAndFileAsTheyWere)
{
    const RefusedRow& row = GetParam();
    if (row.contents.empty())
        fs::create_directory(MapFile());  // there, but no file to read
    else
        dir.Write("Map.Dat", row.contents);
    dir.Write("Regions.dat", "Unknown\r\nFromFile\r\n");
    dir.Write("Colours.dat", "1\r\n2\r\n");
    ws.Map.EnsureCell(0, 2, 2)->Terrain = 5;
    ws.Map.RegionList.Add("Kept");
    ws.Map.SetTerrainColour(3, 0x123456);
    ws.Map.SetIconStyle(kIconGate, 14);

    EXPECT_FALSE(LoadMapDatabase(ws.Map, ws.Settings, dir.Path(), ui));
    std::string warning = row.warning;
    if (const auto at = warning.find("<file>"); at != std::string::npos)
        warning.replace(at, 6, MapFile());
    EXPECT_EQ(ui.Texts(Kind::Warning), (std::vector<std::string>{warning}));
    EXPECT_EQ(ws.Map.CellCount(), 1);
    EXPECT_EQ(ws.Map.Cell(0, 2, 2)->Terrain, 5);
    EXPECT_EQ(ws.Map.RegionList.IndexOf("Kept"), 1) << "reference lists are not reloaded";
    EXPECT_EQ(ws.Map.TerrainColours.size(), 13u) << "colour lists are not reloaded";
    EXPECT_EQ(ws.Map.TerrainColour(3), 0x123456);
    EXPECT_EQ(ws.Map.IconStyle(kIconGate), 14) << "nor reset to the built-in icons";
    if (!row.contents.empty()) {
        EXPECT_EQ(dir.Read("Map.Dat"), row.contents);
    }
}

const std::string kNotANumber = "The map database <file> was not loaded: \"";
const std::string kNotANumberEnd = "\" in its first line is not a version number.";

INSTANTIATE_TEST_SUITE_P(
    Versions, RefusedDatabase,
    ::testing::Values(RefusedRow{"Newer", "VERSION,2.40\r\n" + kCell,
                                 "Your data is from a more recent version of the software ( V 2.40 )\r"
                                 "Upgrade Korvane before loading this map database."},
                      RefusedRow{"NewerByRounding", "Version,2.316,extra\r\n" + kCell,
                                 "Your data is from a more recent version of the software ( V 2.32 )\r"
                                 "Upgrade Korvane before loading this map database."},
                      RefusedRow{"NotANumber", "VERSION,two\r\n" + kCell, kNotANumber + "two" + kNotANumberEnd},
                      RefusedRow{"TrailingText", "VERSION,2.31b\r\n", kNotANumber + "2.31b" + kNotANumberEnd},
                      RefusedRow{"Missing", "VERSION\r\n" + kCell, kNotANumber + kNotANumberEnd},
                      RefusedRow{"BelowFirst", "VERSION,0.90\r\n", kNotANumber + "0.90" + kNotANumberEnd},
                      RefusedRow{"FarBelow", "VERSION,-1e300\r\n", kNotANumber + "-1e300" + kNotANumberEnd},
                      RefusedRow{"Folder", "", "The map database <file> could not be read."}),
    NameField());

TEST_F(MapDatabaseTest, FailedSaveSaysSoAndLeavesNoTemporaryFiles)
{
    // A folder where the file should go cannot be replaced.
    fs::create_directories(MapFile() + "/inside");
    FullCell(ws.Map, 0, 0, 0);
    EXPECT_FALSE(SaveMapDatabase(ws.Map, ws.Settings, dir.Path()));
    EXPECT_TRUE(fs::is_directory(MapFile() + "/inside"));
    fs::remove_all(MapFile());

    // A reference list that cannot be written holds the cells back, which point into it: the
    // old database stays whole, and the failure names the list.
    dir.Write("Map.Dat", "VERSION,2.31\r\n");
    fs::remove(dir.File("Races.dat"));
    fs::create_directories(dir.File("Races.dat") + "/inside");
    const FileResult failed = SaveMapDatabase(ws.Map, ws.Settings, dir.Path());
    EXPECT_EQ(std::tuple(failed.Ok, failed.File), std::tuple(false, dir.File("Races.dat")));
    EXPECT_EQ(dir.Read("Map.Dat"), "VERSION,2.31\r\n");
    EXPECT_TRUE(fs::exists(dir.File("Weather.dat"))) << "the other lists are still written";
    fs::remove_all(dir.File("Races.dat"));
    fs::remove_all(MapFile());

    // So does a colour list, the first file written.
    fs::remove(dir.File("Colours.dat"));
    fs::create_directories(dir.File("Colours.dat") + "/inside");
    EXPECT_FALSE(SaveMapDatabase(ws.Map, ws.Settings, dir.Path()));
    EXPECT_TRUE(fs::exists(dir.File("MapIcons.dat")));
    EXPECT_NE(dir.Read("Map.Dat").find("Bluehaven"), std::string::npos);
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace korvane
