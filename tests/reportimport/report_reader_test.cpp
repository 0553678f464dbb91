// Whole turn reports: sections, regions, units, the orders template and the files written.
#include "core/file_names.h"
#include "core/line_reader.h"
#include "reportimport/report_reader.h"
#include "storage/map_database.h"
#include "storage/turn_files.h"
#include "workspace/workspace.h"

#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace korvane {
namespace {

using testing::ScriptedInteraction;
using Kind = ScriptedInteraction::Kind;
using Lines = std::vector<std::string>;
using Points = std::array<std::int32_t, 3>;

std::string Report(const char* name)
{
    return std::string(KORVANE_TEST_DATA_DIR) + "/reports/" + name;
}

std::string Contents(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReportReaderTest : public ::testing::Test
{
protected:
    /// A workspace of faction 7 in a folder of its own, with the keyword lists loaded.
    ReportReaderTest()
        : ws(home.Path())
    {
        ws.Settings.ReadSettings();
        ws.Settings.FactionNo = 7;
        ws.LoadKeywordLists();
    }

    bool Import(const std::string& file) { return bool(ImportTurnReport(ws, file, ui)); }
    bool DataFile(const char* name) const { return FileExists(ws.Settings.DataPath(name)); }
    const TMapCell& Cell(int level, int x, int y) const { return *ws.Map.Cell(level, x, y); }
    const TUnit* Record(int number) const { return ws.Map.UnitFileList.Find(number); }
    std::string Product(const TProduct& p) const
    {
        return ws.Map.ProductList[p.Item].Code + ":" + std::to_string(p.Amount) + "@" + std::to_string(p.Price);
    }

    testing::TempDir home;
    Workspace ws;
    ScriptedInteraction ui;
};

TEST_F(ReportReaderTest, HeadingRegionsUnitsTemplateAndFilesAndExistingOrdersOverriddenOnlyWhenAsked)
{
    ASSERT_TRUE(Import(Report("ravenmoor-turn14.txt")));
    const TrecINI& s = ws.Settings;
    EXPECT_EQ(std::tuple(s.CurrentTurn, s.MaxTurn, s.FacPoints, s.Unclaimed, s.Password),
              std::tuple(14, 14, Points{2, 3, 1}, 250, "\"sesame\""));
    ASSERT_NE(ws.Factions.Find(7), nullptr) << "the player's own faction, named by the heading";
    EXPECT_EQ(std::tuple(ws.Factions.Find(7)->Name, ws.Factions.Count()), std::tuple("Ravenmoor Riders", 1));
    for (const char* file : {"Units.dat", "Units0014.dat", "Ords0014.dat", "Skills.dat", "Troops.dat", "Equipmnt.dat"})
        EXPECT_TRUE(DataFile(file)) << file;
    EXPECT_FALSE(DataFile("Map.Dat")) << "the caller saves the database";
    EXPECT_EQ(std::tuple(ui.Texts(Kind::Identify), ui.Texts(Kind::Warning)),
              std::tuple(Lines{"horses [HORS]", "stone [STON]"}, Lines{}));

    // What each kind of line holds: the tests of the line parsers. Here: that every kind reaches its cell.
    const TMap& map = ws.Map;
    const TMapCell& plain = Cell(0, 10, 12);
    EXPECT_EQ(std::tuple(plain.PopCenter, map.WeatherList[plain.WeatherNext], plain.Wages, plain.MaxWages),
              std::tuple("Oakbridge", "rain", 13, 900));
    ASSERT_EQ(plain.Wanted.size(), 2u);
    EXPECT_EQ(std::tuple(Product(plain.Wanted[1]), Product(plain.ForSale[0])), std::tuple("FISH:5@40", "IRON:-1@75"))
        << "a wrapped market line is one line";
    EXPECT_EQ(std::tuple(plain.Entertainment, plain.Products.size(), plain.Structures.Count(), plain.LastUpdate,
                         plain.Unconfirmed),
              std::tuple(250, 2u, 1, 14, false));
    EXPECT_EQ(std::tuple(Cell(0, 10, 10).Unconfirmed, Cell(0, 10, 10).LastUpdate), std::tuple(false, 0)) << "an exit's";
    EXPECT_EQ(std::tuple(Cell(0, 11, 13).PopCenterType, Cell(0, 11, 13).LastUpdate), std::tuple(kVillage, 14));
    const TMapCell& cavern = Cell(1, 10, 8);
    EXPECT_EQ(std::tuple(cavern.TerrainName(map.TerrainList), cavern.Shaft, map.RaceList[cavern.Race]),
              std::tuple("Cavern", "Shaft", "under dwarves"));
    // Underworld exits open passages through the rock between its hexes.
    EXPECT_EQ(std::tuple(Cell(1, 10, 10).Pathway[0], Cell(1, 11, 7).Pathway[1], Cell(1, 9, 9).Pathway[1],
                         Cell(1, 9, 9).TerrainName(map.TerrainList)),
              std::tuple(true, true, false, "Solid"));
    EXPECT_TRUE(!map.Cell(1, 0, 2) && !Record(99) && !map.Cell(0, 9, 9))
        << "neither the Nexus nor its units are mapped onto the underworld; the battle's structure is passed over";

    const TUnitList& units = plain.Units;
    ASSERT_EQ(units.Count(), 4);
    EXPECT_EQ(std::tuple(units.Find(21)->Faction, units.Find(21)->Turn, units.Find(22)->Structure,
                         units.Find(41)->Structure, units.Find(40)->Structure, units.Find(40)->Faction),
              std::tuple(7, 14, 1, 1, 0, -1));
    EXPECT_EQ(std::tuple(ws.Map.UnitFileList.Count(), Record(21)->Orders, Record(22)->Orders, Record(40)->Orders),
              std::tuple(4, Lines{"MOVE N", "@STUDY COMB"}, Lines{"WORK"}, Lines{}));

    // Read again: existing orders are overridden with the template only when the player says so.
    ws.Map.UnitFileList.Find(21)->Orders = {"WORK"};
    ui.yesNoAnswers = {false};
    ASSERT_TRUE(Import(Report("ravenmoor-turn14.txt")));
    EXPECT_EQ(ui.Texts(Kind::YesNo),
              Lines{"Do you wish to override all existing unit orders with the turn file orders template ?"});
    EXPECT_EQ(Record(21)->Orders, Lines{"WORK"});
    ui.yesNoAnswers = {true};
    ASSERT_TRUE(Import(Report("ravenmoor-turn14.txt")));
    EXPECT_EQ(std::tuple(Record(21)->Orders.size(), ui.Texts(Kind::Identify).size()), std::tuple(2u, 2u))
        << "codes identified once are not asked again";

    // Another faction's report never overrides an orders file that exists.
    ws.Settings.FactionNo = 8;
    ws.Map.UnitFileList.Find(21)->Orders = {"WORK"};
    ASSERT_TRUE(Import(Report("ravenmoor-turn14.txt")));
    EXPECT_EQ(Record(21)->Orders, Lines{"WORK"});
}

TEST_F(ReportReaderTest, OlderReportAfterNewerAndANewestOneDroppingOwnUnits)
{
    ASSERT_TRUE(Import(Report("ravenmoor-turn14.txt")));
    ASSERT_TRUE(Import(Report("ravenmoor-turn13.txt")));
    // Points and weather only from the newest turn; known market entries keep the newer figures.
    const TrecINI& s = ws.Settings;
    EXPECT_EQ(std::tuple(s.CurrentTurn, s.MaxTurn, s.FacPoints, s.Unclaimed), std::tuple(13, 14, Points{2, 3, 1}, 90));
    const TMapCell& plain = Cell(0, 10, 12);
    EXPECT_EQ(std::tuple(ws.Map.WeatherList[plain.WeatherWas], plain.Wages, plain.Population, plain.LastUpdate),
              std::tuple("clear", 12, 1100, 14));
    EXPECT_EQ(std::tuple(Product(plain.Wanted[0]), Product(plain.Wanted[2]), plain.Units.Count()),
              std::tuple("GRAI:10@20", "SALT:3@7", 1));
    ASSERT_TRUE(Record(22) && Record(40)) << "an own unit of the newer turn is not undone; others' stay known";
    EXPECT_EQ(std::tuple(Record(21)->Turn, Record(22)->Turn, Record(22)->Orders), std::tuple(14, 14, Lines{"WORK"}))
        << "the newer record of a unit stays, and the orders typed for it";
    EXPECT_NE(Contents(ws.Settings.DataPath("Units.dat")).find("\n22\""), std::string::npos) << "Units.dat keeps it";

    // Turn 15: only the scout is left.
    std::string text = Contents(Report("ravenmoor-turn13.txt"));
    text.replace(text.find("January, Year 2"), 15, "March, Year 2");
    ASSERT_TRUE(Import(home.Write("turn15.txt", text)));
    EXPECT_EQ(std::tuple(ws.Settings.MaxTurn, Record(21) != nullptr, Record(22)), std::tuple(15, true, nullptr));
}

TEST_F(ReportReaderTest, ReportsThatEndEarlyChangeNoFiles)
{
    ws.Settings.Unclaimed = 7;
    EXPECT_FALSE(Import(home.Write("heading-only.txt",
                                   "Atlantis Report For:\nRavenmoor Riders (7) (War 9, Trade 9, "
                                   "Magic 9)\nMay, Year 9\n\nUnclaimed silver: 99999.\n")));
    EXPECT_EQ(ws.Settings.Unclaimed, 7) << "a failed report leaves the settings as they were";
    EXPECT_EQ(std::tuple(ws.Settings.FacPoints, ws.Factions.Count()), std::tuple(Points{0, 0, 0}, 0));

    const std::string turn14 = Contents(Report("ravenmoor-turn14.txt"));
    EXPECT_FALSE(Import(home.Write("cut.txt", turn14.substr(0, turn14.find("\nSkill reports")))));  // amid the events
    EXPECT_FALSE(Import(home.Write("empty.txt", "")));
    EXPECT_FALSE(Import(home.File("missing.txt")));
    EXPECT_EQ(std::tuple(DataFile("Units.dat"), ws.Settings.CurrentTurn), std::tuple(false, 0));
}

// A report failing after its movement lines leaves map, lists, hex units and seen marks as they were.
TEST_F(ReportReaderTest, ReportThatFailsLeavesTheWorldAsItWas)
{
    // Turn 13, cut right after a header that runs over two lines, the last without a line end: it is read.
    ASSERT_TRUE(Import(home.Write("cut13.txt",
                                  Contents(Report("ravenmoor-turn13.txt"))
                                      + "\nforest (11,13) in Ravenmoor, contains Elmwood [village], 300 "
                                        "peasants\n  (wood elves), $400.")));
    ASSERT_NE(ws.Map.Cell(0, 11, 13), nullptr);
    const TMapCell& forest = Cell(0, 11, 13);
    EXPECT_EQ(std::tuple(forest.LastUpdate, forest.PopCenter, forest.Population), std::tuple(13, "Elmwood", 300));
    auto snapshot = [this](const char* name) {
        const std::string dir = home.File(name);
        std::filesystem::create_directory(dir);
        EXPECT_TRUE(SaveMapDatabase(ws.Map, ws.Settings, dir));
        EXPECT_TRUE(SaveHexUnits(ws.Map, dir, 99, ws.Settings));
        std::string all;
        for (const char* file : {"Map.Dat", "Regions.dat", "StudyLimits.dat", "Units0099.dat"})
            all += home.Read(std::string(name) + "/" + file) + "\n--\n";
        ws.Map.UnitFileList.ForEach([&all](const TUnit& unit) { all += unit.Seen ? "S" : "-"; });
        return all;
    };
    const std::string before = snapshot("before");
    // It meets a race, whose limits are kept only from a report read whole.
    std::string whole = Contents(Report("ravenmoor-turn14.txt"));
    whole.insert(whole.find("Declared Attitudes"),
                 "Item reports:\n\norc [ORC], weight 10, walking capacity 5, moves 2 hexes per\n  month. This race may "
                 "study combat [COMB] to level 4 and all other skills to\n  level 1.\n\n");
    std::string text = whole;
    text.resize(text.find("\nUnclaimed") + 1);
    // It walks into a hex and a province the world does not know yet, then ends.
    text.replace(text.find("forest (11,13) in\n  Ravenmoor"), 29, "swamp (15,15) in\n  Mistfen");
    EXPECT_FALSE(Import(home.Write("cut-after-movement.txt", text)));
    EXPECT_EQ(snapshot("after"), before);
    ASSERT_TRUE(Import(home.Write("whole.txt", whole)));
    EXPECT_EQ(std::tuple(ws.Map.StudyLimits.Limit("ORC", "COMB"), ws.Map.StudyLimits.Limit("ORC", "SAIL")),
              std::tuple(4, 1));
}

TEST_F(ReportReaderTest, ReadingFromMemoryWritesNothingUntilFinished)
{
    const std::string text = Contents(Report("ravenmoor-turn14.txt"));
    LineReader lines(TextInMemory{text});
    TurnReportRead read;
    ASSERT_TRUE(ReadTurnReport(ws.ForImport(), lines, ui, read));
    EXPECT_EQ(std::tuple(read.Turn, read.TemplateApplied), std::tuple(14, true));
    EXPECT_EQ(std::tuple(home.FileCount(), ws.Settings.CurrentTurn, ws.Map.CellCount() > 0), std::tuple(0, 0, true))
        << "no file written; the settings move on only when the files are";
    FinishTurnReport(ws.ForImport(), read, ui);
    EXPECT_EQ(std::tuple(ws.Settings.CurrentTurn, DataFile("Units.dat"), DataFile("Ords0014.dat")),
              std::tuple(14, true, true));
}

TEST_F(ReportReaderTest, HostileInputNeitherCrashesNorHangs)
{
    std::string headers;
    for (int i = 0; i < 2000; ++i)
        headers += "plain (" + std::to_string(i % 300 * 2) + ",4) in Everywhere.\n";
    EXPECT_TRUE(Import(home.Write("headers.txt", headers)));

    // Numbers at the edge of 32 bits, and one exit line of colons without a period.
    const std::string edges = "plain (2147483647,1) in Max.\n-----\ncavern (1500000000,0,underworld) in Deep.\n----\n"
                              "plain (4,4) in Here.\n----\n- Big (5), 2000000000 vikings [VIKI], 2000000000 vikings "
                              "[VIKI].\nExits:"
        + std::string(300000, ':') + "\n";
    ui.shown.clear();
    ASSERT_TRUE(Import(home.Write("edges.txt", edges)));
    EXPECT_EQ(Cell(0, 4, 4).Units.Find(5)->MenCount(), INT32_MAX) << "men are counted without wrapping";
    EXPECT_EQ(ui.Texts(Kind::Warning), Lines{"Unable to save hex units as no turn number data was detected."});
    EXPECT_EQ(ws.Settings.CurrentTurn, 0) << "a report without a date keeps its units but moves no turn on";

    Import(home.Write("binary.txt",
                      "Atlantis Report For:\nX (7)\nMarch, Year 99999999999\n"
                          + std::string("\0\xff\x01\x02(((,,,)))\r\r\n", 14) + "plain (4,4) in "
                          + std::string(3 * 1024 * 1024, 'z') + ", $" + std::string(40, '9') + ".\n------\n* U ("
                          + std::string(30, '9') + "), " + std::string(100000, '[') + "\n  Wanted: "
                          + std::string(200000, ',') + "\nExits:\n  North : plain (4,1000000) in Far.\n"));
    EXPECT_EQ(ws.Map.Cell(0, 0, 0), nullptr);
}

}  // namespace
}  // namespace korvane
