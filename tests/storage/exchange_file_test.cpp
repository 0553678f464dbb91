// Exchange files: what an export writes, how an import merges into what the map knows, which
// files are refused, and that an exported world comes back whole.
#include "storage/exchange_file.h"
#include "core/text_helpers.h"
#include "world/map.h"

#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

using testing::ScriptedInteraction;
using testing::TempDir;
using Kind = ScriptedInteraction::Kind;

constexpr std::uint32_t kEverything = kExportTownNames | kExportGates | kExportGateNumbers | kExportShafts
    | kExportOther | kExportComments;

class ExchangeFileTest : public ::testing::Test
{
protected:
    /// A hex known in every exchanged field.
    TMapCell& KnownCell(int x, int y)
    {
        TMapCell& c = *map.EnsureCell(0, x, y);
        c.Terrain = 3;
        c.LegacyValue = 7;
        c.Gate = 12;
        c.Silver = 4500;
        c.PopCenter = "Bluehaven";
        c.PopCenterType = kTown;
        c.Shaft = "Shaft";
        c.Other = "Ring";
        c.Race = map.RaceList.Add("high elves");
        c.Region = map.RegionList.Add("Lavan");
        c.Population = 10432;
        c.FactionNo = 17;
        c.Unconfirmed = false;
        c.Comments = "watch";
        c.Note2 = "n2";
        c.Note3 = "n3";
        c.Pathway = {true, false, true};
        return c;
    }

    std::string Export(const ExchangeExportOptions& options)
    {
        const std::string file = dir.File("out.KVD");
        EXPECT_TRUE(ExportExchange(map, file, options, ui).Written);
        return dir.Read("out.KVD");
    }

    /// The hex's line as an export with every option writes it.
    std::string LineOf(int x, int y)
    {
        int hexes = 0;
        const std::string text = ExchangeFileText(map, {0, x, y, x, y, kEverything}, hexes);
        return hexes == 1 ? text.substr(text.find('\n') + 1, text.size() - text.find('\n') - 3) : "no line";
    }

    ExchangeImportResult Import(const std::string& contents, ExchangeImportOptions options = {})
    {
        return ImportExchange(map, dir.Write("in.KVD", contents), options, ui);
    }

    TempDir dir;
    TMap map;
    ScriptedInteraction ui;
};

const std::string kHeader = "VERSION,2.31\r\n";

TEST_F(ExchangeFileTest, ExportWalksColumnsThenRowsAndLeavesBlankHexesOut)
{
    map.EnsureCell(0, 12, 20)->Terrain = 1;
    map.EnsureCell(0, 10, 22)->Terrain = 2;
    map.EnsureCell(0, 10, 20)->Silver = 5;
    map.EnsureCell(0, 11, 21);  // made but blank
    TMapCell& noted = *map.EnsureCell(0, 12, 22);  // the player's own notes are no map knowledge
    noted.Comments = "ask Arno";
    noted.Shaft = "Shaft";
    noted.Entertainment = 40;
    map.EnsureCell(0, 14, 20)->Terrain = 4;  // outside the rectangle
    map.EnsureCell(1, 10, 20)->Terrain = 5;  // the other level
    ExchangeExportOptions options{0, 10, 20, 12, 22, 0};

    EXPECT_EQ(Export(options),
              kHeader
                  + "0,10,20,0,Unknown,Unknown,-1,,5,,0,,,,-1,-1,1,,,,0,0,0\r\n"
                    "0,10,22,2,Unknown,Unknown,-1,,0,,0,,,,-1,-1,1,,,,0,0,0\r\n"
                    "0,12,20,1,Unknown,Unknown,-1,,0,,0,,,,-1,-1,1,,,,0,0,0\r\n");
    EXPECT_EQ(ui.Texts(Kind::Info), std::vector<std::string>{"Exported 3 hexes."});
}

TEST_F(ExchangeFileTest, EachOptionAddsItsDetails)
{
    KnownCell(10, 20).Comments = "two, words";
    const std::string fixed = "0,10,20,3,Unknown,Lavan,7,";
    const std::string people = "high elves,10432,17,0,";
    struct Row
    {
        std::uint32_t options;
        std::string line;
    };
    const Row rows[] = {
        {0, fixed + ",4500,,0,,," + people + ",,,1,0,1"},
        {kExportTownNames, fixed + ",4500,Bluehaven,2,,," + people + ",,,1,0,1"},
        {kExportGates, fixed + "999,4500,,0,,," + people + ",,,1,0,1"},
        {kExportGates | kExportGateNumbers, fixed + "12,4500,,0,,," + people + ",,,1,0,1"},
        {kExportShafts | kExportOther, fixed + ",4500,,0,Shaft,Ring," + people + ",,,1,0,1"},
        // A comma inside a text would start a new field for the reader.
        {kExportComments, fixed + ",4500,,0,,," + people + "two; words,n2,n3,1,0,1"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Export({0, 0, 0, 320, 192, row.options}), kHeader + row.line + "\r\n") << row.options;
}

TEST_F(ExchangeFileTest, FailedExportsSayNothingAndKeepTheOldFile)
{
    map.EnsureCell(1, 4, 4)->Terrain = 2;
    EXPECT_FALSE(ExportExchange(map, dir.File("level.KVD"), {2, 0, 0, 320, 192, 0}, ui).Written);
    EXPECT_FALSE(std::filesystem::exists(dir.File("level.KVD")));

    std::filesystem::create_directory(dir.File("folder.KVD"));
    const ExchangeExportResult result = ExportExchange(map, dir.File("folder.KVD"), {1, 0, 0, 320, 192, 0}, ui);
    EXPECT_FALSE(result.Written);
    EXPECT_FALSE(result.Error.empty());
    EXPECT_TRUE(ui.shown.empty()) << "no \"Exported\" for a file that was not written";

    ExchangeExportOptions turned{0, -5, -1, 400, 300, 0};
    EXPECT_TRUE(CheckExportRectangle(turned, ui));
    EXPECT_EQ(std::vector<int>({turned.Left, turned.Top, turned.Right, turned.Bottom}),
              std::vector<int>({0, 0, 320, 192}));
    ExchangeExportOptions backwards{0, 9, 0, 3, 0, 0};
    EXPECT_FALSE(CheckExportRectangle(backwards, ui));
    ExchangeExportOptions upsideDown{0, 0, 9, 3, 2, 0};
    EXPECT_FALSE(CheckExportRectangle(upsideDown, ui));
    EXPECT_EQ(ui.Texts(Kind::Warning),
              std::vector<std::string>({"Errr, I think you want to make Left <= Right.",
                                        "Sadly, my coordinate system requires Top <= Bottom. Try again."}));
}

const std::string kOtherView = "0,10,20,5,Old,Kelp,9,44,800,Rivermouth,1,Pit,Statue,orcs,500,3,0,c,d,e,0,1,1\r\n";
const std::string kKnownLine =
    "0,10,20,3,Unknown,Lavan,7,12,4500,Bluehaven,2,Shaft,Ring,high elves,10432,17,0,watch,n2,n3,1,0,1";

TEST_F(ExchangeFileTest, FillingInTakesOnlyWhatTheMapLacksOverridingWhatTheFileTells)
{
    KnownCell(10, 20);
    ASSERT_EQ(LineOf(10, 20), kKnownLine);
    const ExchangeImportResult result = Import(kHeader + kOtherView);
    EXPECT_TRUE(result.Imported);
    EXPECT_EQ(result.Hexes, 1);
    EXPECT_EQ(ui.Texts(Kind::Info), std::vector<std::string>{"Imported 1 hexes."});
    // Only the race name (taken whatever the map knew) and a pathway mark more.
    EXPECT_EQ(LineOf(10, 20),
              "0,10,20,3,Unknown,Lavan,7,12,4500,Bluehaven,2,Shaft,Ring,orcs,10432,17,0,watch,n2,n3,1,1,1");
    EXPECT_EQ(map.RegionList.IndexOf("Kelp"), -1) << "a name not taken is not listed";

    map.Clear();
    Import(kHeader + kOtherView);
    const std::string filled = "0,10,20,5,Unknown,Kelp,9,44,800,Rivermouth,1,Pit,Statue,orcs,500,3,1,c,d,e,0,1,1";
    EXPECT_EQ(LineOf(10, 20), filled) << "a new hex takes everything but the legacy name; its mark stays";
    Import(kHeader + "0,10,20,1,,Sand,1,45,1,Elsewhere,3,,,,1,1,1,,,,0,0,0\r\n");
    EXPECT_EQ(LineOf(10, 20), filled) << "a second file fills in nothing more";

    // Overriding takes what the file tells, but gate, shaft, other and comments only ever fill
    // in; unbelieved data makes the hex unconfirmed.
    KnownCell(10, 20);
    Import(kHeader + kOtherView, {false, true});
    EXPECT_EQ(LineOf(10, 20), "0,10,20,5,Old,Kelp,9,12,800,Rivermouth,1,Shaft,Ring,orcs,500,3,1,watch,n2,n3,0,1,1");
}

TEST_F(ExchangeFileTest, WhatAFileLeavesOutIsNoNews)
{
    KnownCell(10, 20).Gate = kUnnumberedGate;
    // Exported without town names, gates or region, and with an empty race.
    Import(kHeader + "0,10,20,3,,,7,,4500,,0,,,,10432,17,0,,,,1,0,1\r\n", {true, true});
    EXPECT_EQ(LineOf(10, 20),
              "0,10,20,3,Unknown,Lavan,7,999,4500,Bluehaven,2,Shaft,Ring,high elves,10432,17,0,watch,n2,n3,1,0,1");
    EXPECT_EQ(map.RegionList.Count(), 2) << "no empty name joins the lists";
    EXPECT_EQ(map.RaceList.Count(), 2);
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    SplitString(line, fields, ",");
    return fields;
}

TEST_F(ExchangeFileTest, WhatAFileDoesNotKnowNeverReplacesWhatAHexKnows)
{
    std::vector<std::string> known = Fields(kKnownLine);
    known[4] = "Elder";
    // How a file writes a hex it knows nothing of.
    const std::vector<std::string> nothing = Fields("0,10,20,0,Unknown,Unknown,-1,,0,,0,,,Unknown,-1,-1,0,,,,0,0,0");
    enum Taken { kNever, kWithOverride, kAlways };
    struct Row
    {
        std::vector<std::pair<std::size_t, std::string>> fields;
        Taken taken;
    };
    const Row rows[] = {
        {{}, kNever},
        // A file that knows the hex's terrain also tells its pathways: they are the hex's own here.
        {{{3, "5"}, {20, "1"}, {22, "1"}}, kWithOverride},  // terrain
        {{{4, "Old"}}, kWithOverride},  // legacy name
        {{{5, "Kelp"}}, kWithOverride},  // region
        {{{6, "9"}}, kWithOverride},  // legacy value
        {{{8, "800"}}, kWithOverride},  // silver
        {{{8, "0"}, {14, "500"}}, kWithOverride},  // no silver, where the file saw the peasants
        {{{8, "0"}, {3, "3"}, {20, "1"}, {22, "1"}}, kNever},  // silver not counted, on a hex seen from afar
        {{{14, "0"}}, kNever},  // peasants
        {{{14, "500"}, {8, "4500"}}, kWithOverride},  // the peasants, and the silver the hex knows
        {{{15, "0"}}, kNever},  // faction
        {{{15, "3"}}, kWithOverride},
        {{{13, "unknown"}}, kNever},  // race
        {{{13, "orcs"}}, kAlways},  // a race name is news whatever the override says
        {{{3, "5"}, {20, "0"}, {22, "1"}}, kWithOverride},  // no pathway, on a hex the file knows
        {{{21, "1"}}, kAlways},  // a pathway the hex lacks
    };
    for (const Row& row : rows) {
        for (const bool override : {false, true}) {
            map.Clear();
            KnownCell(10, 20).LegacyName = "Elder";
            std::vector<std::string> line = nothing;
            for (const auto& [field, value] : row.fields)
                line[field] = value;
            std::string text;
            for (const std::string& field : line)
                text += (text.empty() ? "" : ",") + field;
            Import(kHeader + text + "\r\n", {true, override});
            const bool taken = row.taken == kAlways || (row.taken == kWithOverride && override);
            std::vector<std::string> expected = known;
            for (const auto& [field, value] : row.fields)
                expected[field] = taken ? value : known[field];
            EXPECT_EQ(Fields(LineOf(10, 20)), expected)
                << "row " << &row - rows << (override ? " with" : " without") << " override: " << text;
        }
    }
}

TEST_F(ExchangeFileTest, UnnumberedGatesLearnTheirNumberButNumbersStay)
{
    map.EnsureCell(0, 10, 20)->Gate = 7;
    ExchangeExportOptions gatesOnly{0, 0, 0, 320, 192, kExportGates};
    const std::string withoutNumbers = Export(gatesOnly);
    ASSERT_NE(withoutNumbers.find(",999,"), std::string::npos);

    map.Clear();
    Import(withoutNumbers);
    EXPECT_EQ(map.Cell(0, 10, 20)->Gate, kUnnumberedGate);
    Import(kHeader + "0,10,20,0,Unknown,,-1,17,0,,0,,,,-1,-1,1,,,,0,0,0\r\n");
    EXPECT_EQ(map.Cell(0, 10, 20)->Gate, 17);
    Import(kHeader + "0,10,20,0,Unknown,,-1,23,0,,0,,,,-1,-1,1,,,,0,0,0\r\n", {true, true});
    EXPECT_EQ(map.Cell(0, 10, 20)->Gate, 17);
}

TEST_F(ExchangeFileTest, UnconfirmedMarks)
{
    struct Row
    {
        bool cellUnconfirmed;
        ExchangeImportOptions options;
        const char* field;
        bool expected;
    };
    const Row rows[] = {
        {true, {false, false}, "0", true},  // unbelieved: marks stay
        {false, {false, false}, "1", false}, {false, {false, true}, "0", true},  // unbelieved, overriding: unconfirmed
        {true, {true, false}, "0", false},  // believed: an unconfirmed hex takes the file's mark
        {false, {true, false}, "1", false},  // but a confirmed one keeps its own
        {false, {true, true}, "1", true},
    };
    for (const Row& row : rows) {
        map.Clear();
        map.EnsureCell(0, 2, 2)->Unconfirmed = row.cellUnconfirmed;
        Import(kHeader + "0,2,2,1,,,,,,,,,,,,," + row.field + ",,,,0,0,0\r\n", row.options);
        EXPECT_EQ(map.Cell(0, 2, 2)->Unconfirmed, row.expected)
            << row.cellUnconfirmed << row.options.Confirmed << row.options.Override << row.field;
    }
}

TEST_F(ExchangeFileTest, VersionsUpToThisProgramsAreReadAndNewerOrUnreadableOnesChangeNothing)
{
    const ExchangeImportResult newer = Import("VERSION,2.40\r\n" + kOtherView);
    EXPECT_FALSE(newer.Imported);
    EXPECT_TRUE(newer.Refused);
    EXPECT_EQ(ui.Texts(Kind::Warning),
              std::vector<std::string>{"The KVD file is from a more recent version of the "
                                       "software ( V 2.31 )\rUpgrade Korvane before importing this file."});
    EXPECT_TRUE(Import("VERSION,two\r\n" + kOtherView).Refused);
    EXPECT_TRUE(Import("VERSION\r\n" + kOtherView).Refused);
    EXPECT_EQ(map.CellCount(), 0);
    EXPECT_TRUE(ui.Texts(Kind::Info).empty());
    EXPECT_FALSE(ImportExchange(map, dir.File("missing.KVD"), {}, ui).Imported);
    EXPECT_EQ(ui.Texts(Kind::Info), std::vector<std::string>{"Import file not found"});

    for (const char* version : {"2.31", "2.313", "2.2"}) {
        map.Clear();
        EXPECT_TRUE(Import(std::string("version, ") + version + "\r\n" + kOtherView).Imported) << version;
        EXPECT_EQ(map.RaceList[map.Cell(0, 10, 20)->Race], "orcs") << version;
    }
    map.Clear();
    Import("VERSION,2.10\r\n" + kOtherView);
    EXPECT_EQ(map.Cell(0, 10, 20)->Race, 0) << "such files carry no race names";
    KnownCell(10, 20);
    Import("VERSION,2.10\r\n" + kOtherView);
    EXPECT_EQ(map.RaceList[map.Cell(0, 10, 20)->Race], "high elves") << "nor do they forget the map's";
}

TEST_F(ExchangeFileTest, AFileWithoutAVersionLineOnlyPlacesHexes)
{
    const ExchangeImportResult result = Import(kOtherView + "1,4,6,9\r\n");
    EXPECT_TRUE(result.Imported);
    EXPECT_EQ(result.Hexes, 0);
    ASSERT_NE(map.Cell(0, 10, 20), nullptr);
    ASSERT_NE(map.Cell(1, 4, 6), nullptr);
    EXPECT_TRUE(map.Cell(0, 10, 20)->IsBlank());
    EXPECT_EQ(ui.Texts(Kind::Info), std::vector<std::string>{"Imported 0 hexes."});
    EXPECT_TRUE(ui.Texts(Kind::Warning).empty());
}

TEST_F(ExchangeFileTest, DamagedLinesAreSkippedAndToldOnce)
{
    const std::string good = "0,2,2,1,,,,,,,,,,,,,0,,,,0,0,0";
    const ExchangeImportResult result = Import("\n  \rVERSION,2.31\r" + good
                                               + "\n0,3,3,1\r\n0,5,6,1,,,,,,,,,,,,,0,,,,0,0,0\n"
                                                 "2,4,4,1,,,,,,,,,,,,,0,,,,0,0,0\n0,400,0,1,,,,,,,,,,,,,0,,,,0,0,0\n"
                                               + std::string(good).replace(2, 3, "8,8"));
    EXPECT_TRUE(result.Imported);
    EXPECT_EQ(result.Hexes, 2);
    EXPECT_EQ(result.ShortLines, 1);
    EXPECT_EQ(result.BadPositions, 3);
    EXPECT_EQ(map.CellCount(), 2);
    EXPECT_EQ(map.Cell(0, 8, 8)->Terrain, 1);
    EXPECT_EQ(
        ui.Texts(Kind::Warning),
        std::vector<std::string>{"4 damaged lines of " + dir.File("in.KVD")
                                 + " (too few fields, or no place on the map) were skipped; the first is line 5."});
}

TEST_F(ExchangeFileTest, AnExportedWorldComesBackWhole)
{
    KnownCell(10, 20);
    TMapCell& under = *map.EnsureCell(1, 3, 5);
    under.Terrain = 8;
    under.Pathway = {false, true, false};
    under.Race = map.RaceList.Add("drow");
    map.EnsureCell(0, 30, 40)->Population = 90;
    for (int level : {0, 1}) {
        const std::string file = Export({level, 0, 0, 320, 192, kEverything});
        TMap again;
        ASSERT_TRUE(ImportExchangeText(again, file, "again", {true, true}, ui).Imported);
        int hexes = 0;
        EXPECT_EQ(ExchangeFileText(again, {level, 0, 0, 320, 192, kEverything}, hexes), file);
        EXPECT_EQ(hexes, level == 0 ? 2 : 1);
    }
}

}  // namespace
}  // namespace korvane
