// Exchange files: export, merging imports, refused and damaged files, progress, and a whole round trip.
#include "storage/exchange_file.h"
#include "core/text_helpers.h"
#include "world/map.h"

#include "support/record_builders.h"
#include "support/recording_progress.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

using testing::KnownCell;
using testing::RecordingProgress;
using Kind = testing::ScriptedInteraction::Kind;
using Texts = std::vector<std::string>;

constexpr std::uint32_t kEverything = kExportTownNames | kExportGates | kExportGateNumbers | kExportShafts
    | kExportOther | kExportComments;
const std::string kHeader = "VERSION,2.31\r\n";
const std::string kOtherView = "0,10,20,5,Old,Kelp,9,44,800,Rivermouth,1,Pit,Statue,orcs,500,3,0,c,d,e,0,1,1\r\n";
const std::string kKnownLine =
    "0,10,20,3,Elder,Lavan,7,12,4500,Bluehaven,2,Shaft,Ring,high elves,10432,17,0,watch,n2,n3,1,0,1";
std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    SplitString(line, fields, ",");
    return fields;
}

class ExchangeFileTest : public ::testing::Test
{
protected:
    std::string Export(const ExchangeExportOptions& options)
    {
        EXPECT_TRUE(ExportExchange(map, dir.File("out.KVD"), options, ui).File);
        return dir.Read("out.KVD");
    }

    /// The hex's line as an export with every option writes it.
    std::string LineOf(int x, int y)
    {
        int hexes = 0;
        const std::string text = ExchangeFileText(map, {0, x, y, x, y, kEverything}, hexes);
        return hexes == 1 ? text.substr(text.find('\n') + 1, text.size() - text.find('\n') - 3) : "no line";
    }

    ExchangeImportResult Import(const std::string& contents, ExchangeImportOptions options = {},
                                Progress* progress = nullptr)
    {
        return ImportExchange(map, dir.Write("in.KVD", contents), options, ui, progress);
    }

    testing::TempDir dir;
    TMap map;
    testing::ScriptedInteraction ui;
};

TEST_F(ExchangeFileTest, ExportWalksColumnsThenRowsLeavesBlankHexesOutAndEachOptionAddsItsDetails)
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
    EXPECT_EQ(Export({0, 10, 20, 12, 22, 0}),
              kHeader
                  + "0,10,20,0,Unknown,Unknown,-1,,5,,0,,,,-1,-1,1,,,,0,0,0\r\n"
                    "0,10,22,2,Unknown,Unknown,-1,,0,,0,,,,-1,-1,1,,,,0,0,0\r\n"
                    "0,12,20,1,Unknown,Unknown,-1,,0,,0,,,,-1,-1,1,,,,0,0,0\r\n");

    map.Clear();
    KnownCell(map, 0, 10, 20).Comments = "two, words";  // a comma would start a new field
    const std::string a = "0,10,20,3,Elder,Lavan,7,", b = "high elves,10432,17,0,", c = ",,,1,0,1";
    for (const auto& [options, line] : std::vector<std::pair<std::uint32_t, std::string>>{
             {0, a + ",4500,,0,,," + b + c},
             {kExportTownNames, a + ",4500,Bluehaven,2,,," + b + c},
             {kExportGates, a + "999,4500,,0,,," + b + c},
             {kExportGates | kExportGateNumbers, a + "12,4500,,0,,," + b + c},
             {kExportShafts | kExportOther, a + ",4500,,0,Shaft,Ring," + b + c},
             {kExportComments, a + ",4500,,0,,," + b + "two; words,n2,n3,1,0,1"}})
        EXPECT_EQ(Export({0, 0, 0, 320, 192, options}), kHeader + line + "\r\n") << options;
}

TEST_F(ExchangeFileTest, FailedExportsSayNothingAndKeepTheOldFile)
{
    map.EnsureCell(1, 4, 4)->Terrain = 2;
    EXPECT_FALSE(ExportExchange(map, dir.File("level.KVD"), {2, 0, 0, 320, 192, 0}, ui).File);
    EXPECT_FALSE(std::filesystem::exists(dir.File("level.KVD")));
    std::filesystem::create_directory(dir.File("folder.KVD"));
    const ExchangeExportResult result = ExportExchange(map, dir.File("folder.KVD"), {1, 0, 0, 320, 192, 0}, ui);
    EXPECT_FALSE(result.File || result.File.Reason.empty());
    EXPECT_TRUE(ui.shown.empty()) << "no \"Exported\" for a file that was not written";

    ExchangeExportOptions turned{0, -5, -1, 400, 300, 0}, backwards{0, 9, 0, 3, 0, 0}, upsideDown{0, 0, 9, 3, 2, 0};
    EXPECT_TRUE(CheckExportRectangle(turned, ui));
    EXPECT_EQ(std::tuple(turned.Left, turned.Top, turned.Right, turned.Bottom), std::tuple(0, 0, 320, 192));
    EXPECT_FALSE(CheckExportRectangle(backwards, ui));
    EXPECT_FALSE(CheckExportRectangle(upsideDown, ui));
    EXPECT_EQ(ui.Texts(Kind::Warning),
              (Texts{"Errr, I think you want to make Left <= Right.",
                     "Sadly, my coordinate system requires Top <= Bottom. Try again."}));
}

TEST_F(ExchangeFileTest, FillingInTakesOnlyWhatTheMapLacksOverridingWhatTheFileTells)
{
    KnownCell(map, 0, 10, 20);
    Import(kHeader + kOtherView);
    // Only the race name (taken whatever the map knew) and a pathway mark more.
    EXPECT_EQ(LineOf(10, 20),
              "0,10,20,3,Elder,Lavan,7,12,4500,Bluehaven,2,Shaft,Ring,orcs,10432,17,0,watch,n2,n3,1,1,1");
    EXPECT_EQ(map.RegionList.IndexOf("Kelp"), -1) << "a name not taken is not listed";

    map.Clear();
    Import(kHeader + "0,10,20,0,Unknown,,-1,999,0,,0,,,,-1,-1,1,,,,0,0,0\r\n");  // a gate without its number
    Import(kHeader + kOtherView);
    const std::string filled = "0,10,20,5,Unknown,Kelp,9,44,800,Rivermouth,1,Pit,Statue,orcs,500,3,1,c,d,e,0,1,1";
    EXPECT_EQ(LineOf(10, 20), filled) << "an unknown hex takes everything but the legacy name; its mark stays";
    const int names = map.RegionList.Count() + map.RaceList.Count();
    Import(kHeader + "0,10,20,1,,,1,45,1,Elsewhere,3,,,,1,1,1,,,,0,0,0\r\n");
    EXPECT_EQ(LineOf(10, 20), filled) << "a second file fills in nothing more";
    EXPECT_EQ(map.RegionList.Count() + map.RaceList.Count(), names) << "no empty name joins the lists";

    // Overriding: gate, shaft, other and comments only ever fill in; unbelieved data unconfirms.
    KnownCell(map, 0, 10, 20);
    Import(kHeader + kOtherView, {false, true});
    EXPECT_EQ(LineOf(10, 20), "0,10,20,5,Old,Kelp,9,12,800,Rivermouth,1,Shaft,Ring,orcs,500,3,1,watch,n2,n3,0,1,1");
}

TEST_F(ExchangeFileTest, WhatAFileDoesNotKnowNeverReplacesWhatAHexKnows)
{
    const std::vector<std::string> known = Fields(kKnownLine);
    // How a file writes a hex it knows nothing of.
    const std::vector<std::string> nothing = Fields("0,10,20,0,Unknown,Unknown,-1,,0,,0,,,Unknown,-1,-1,0,,,,0,0,0");
    enum Taken { kNever, kWithOverride, kAlways };
    const std::pair<std::vector<std::pair<std::size_t, std::string>>, Taken> rows[] = {
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
        {{{7, "23"}}, kNever},  // a gate keeps its number
    };
    for (const auto& [fields, taken] : rows) {
        for (const bool override : {false, true}) {
            map.Clear();
            KnownCell(map, 0, 10, 20);
            std::vector<std::string> line = nothing, expected = known;
            for (const auto& [field, value] : fields) {
                line[field] = value;
                if (taken == kAlways || (taken == kWithOverride && override))
                    expected[field] = value;
            }
            std::string text = line[0];
            for (std::size_t i = 1; i < line.size(); ++i)
                text += "," + line[i];
            Import(kHeader + text + "\r\n", {true, override});
            EXPECT_EQ(Fields(LineOf(10, 20)), expected) << (override ? "with" : "without") << " override: " << text;
        }
    }
}

TEST_F(ExchangeFileTest, VersionsUpToThisProgramsAreReadAndNewerOrUnreadableOnesChangeNothing)
{
    const ExchangeImportResult newer = Import("VERSION,2.40\r\n" + kOtherView);
    EXPECT_TRUE(newer.Refused && !newer.Imported);
    EXPECT_EQ(ui.Texts(Kind::Warning),
              Texts{"The KVD file is from a more recent version of the software ( V 2.31 )\r"
                    "Upgrade Korvane before importing this file."});
    EXPECT_TRUE(Import("VERSION,two\r\n" + kOtherView).Refused);
    EXPECT_TRUE(Import("VERSION\r\n" + kOtherView).Refused);
    EXPECT_TRUE(ui.Texts(Kind::Info).empty());
    EXPECT_FALSE(ImportExchange(map, dir.File("missing.KVD"), {}, ui).Imported);
    EXPECT_EQ(ui.Texts(Kind::Info), Texts{"Import file not found"});
    std::filesystem::create_directory(dir.File("folder.KVD"));  // there, but cannot be read
    EXPECT_TRUE(ImportExchange(map, dir.File("folder.KVD"), {}, ui).Refused);
    EXPECT_EQ(ui.Texts(Kind::Warning).back(),
              "The exchange file " + dir.File("folder.KVD") + " could not be read; nothing was imported.");
    EXPECT_EQ(map.CellCount(), 0);

    // Files before 2.2 carry no race names.
    for (const auto& [version, race] : {std::pair{"2.31", 1}, {"2.313", 1}, {"2.2", 1}, {"2.10", 0}}) {
        map.Clear();
        EXPECT_TRUE(Import(std::string("version, ") + version + "\r\n" + kOtherView).Imported) << version;
        EXPECT_EQ(map.Cell(0, 10, 20)->Race, race) << version;
    }
    KnownCell(map, 0, 10, 20);
    Import("VERSION,2.10\r\n" + kOtherView);
    EXPECT_EQ(map.RaceList[map.Cell(0, 10, 20)->Race], "high elves") << "nor do they forget the map's";

    // Without a version line, lines only place hexes.
    map.Clear();
    ui.shown.clear();
    EXPECT_EQ(Import(kOtherView + "1,4,6,9\r\n").Hexes, 0);
    ASSERT_TRUE(map.Cell(0, 10, 20) && map.Cell(1, 4, 6));
    EXPECT_TRUE(map.Cell(0, 10, 20)->IsBlank());
    EXPECT_EQ(ui.Texts(Kind::Info), Texts{"Imported 0 hexes."});
    EXPECT_TRUE(ui.Texts(Kind::Warning).empty());
}

TEST_F(ExchangeFileTest, UnconfirmedMarksFollowWhetherTheFileIsBelievedAndOverrides)
{
    // The hex's mark, the options, the file's mark, and the mark that results.
    const std::tuple<bool, ExchangeImportOptions, const char*, bool> rows[] = {
        {true, {false, false}, "0", true},  // unbelieved: marks stay
        {false, {false, false}, "1", false}, {false, {false, true}, "0", true},  // unbelieved, overriding: unconfirmed
        {true, {true, false}, "0", false},  // believed: an unconfirmed hex takes the file's mark
        {false, {true, false}, "1", false},  // but a confirmed one keeps its own
        {false, {true, true}, "1", true},
    };
    for (const auto& [unconfirmed, options, mark, expected] : rows) {
        map.Clear();
        map.EnsureCell(0, 2, 2)->Unconfirmed = unconfirmed;
        Import(kHeader + "0,2,2,1,,,,,,,,,,,,," + mark + ",,,,0,0,0\r\n", options);
        EXPECT_EQ(map.Cell(0, 2, 2)->Unconfirmed, expected)
            << unconfirmed << options.Confirmed << options.Override << mark;
    }
}

TEST_F(ExchangeFileTest, DamagedLinesAreSkippedAndToldOnce)
{
    // A hex line of terrain 1 at level, x, y; 5,6 lies between hexes, level 2 and x 400 are off the map.
    const auto hex = [](const char* at) { return std::string(at) + ",1,,,,,,,,,,,,,0,,,,0,0,0\n"; };
    const ExchangeImportResult result = Import("\n  \rVERSION,2.31\r" + hex("0,2,2") + "0,3,3,1\r\n" + hex("0,5,6")
                                               + hex("2,4,4") + hex("0,400,0") + hex("0,8,8"));
    EXPECT_TRUE(result.Imported);
    EXPECT_EQ(std::tuple(result.Hexes, result.ShortLines, result.BadPositions), std::tuple(2, 1, 3));
    EXPECT_EQ(map.CellCount(), 2);
    EXPECT_EQ(map.Cell(0, 8, 8)->Terrain, 1);
    EXPECT_EQ(ui.Texts(Kind::Warning),
              Texts{"4 damaged lines of " + dir.File("in.KVD")
                    + " (too few fields, or no place on the map) were skipped; the first is line 5."});
}

const std::string kFourHexes = kHeader
    + "0,40,20,1,,Lavan,-1,,100,,0,,,,-1,-1,0,,,,0,0,0\r\n0,41,21,2,,Lavan,-1,,200,,0,,,,-1,-1,0,,,,0,0,0\r\n"
      "0,42,20,3,,Lavan,-1,,300,,0,,,,-1,-1,0,,,,0,0,0\r\n0,43,21,4,,Lavan,-1,,400,,0,,,,-1,-1,0,,,,0,0,0\r\n";

TEST_F(ExchangeFileTest, ProgressRunsToTheEndACancelledExportWritesNothingAndACancelledImportKeepsWholeHexes)
{
    for (int x = 10; x <= 13; ++x)
        map.EnsureCell(0, x, 20 + x % 2)->Terrain = x - 9;
    RecordingProgress exported, imported, cancelled(3), first(1);
    ASSERT_TRUE(ExportExchange(map, dir.File("out.KVD"), {0, 10, 0, 19, 192, 0}, ui, &exported).File);
    EXPECT_TRUE(exported.RanFromZeroToTotal());
    EXPECT_EQ(exported.steps.back().total, 10);
    ASSERT_TRUE(Import(kFourHexes, {}, &imported).Imported);
    EXPECT_TRUE(imported.RanFromZeroToTotal());
    EXPECT_EQ(imported.steps.back().total, static_cast<std::int64_t>(kFourHexes.size()));

    const std::string older = dir.Read("out.KVD");
    const ExchangeExportResult result = ExportExchange(map, dir.File("out.KVD"), {0, 0, 0, 320, 192, 0}, ui,
                                                       &cancelled);
    EXPECT_TRUE(result.Cancelled && !result.File);
    EXPECT_EQ(cancelled.steps.size(), 3u) << "stops at once";
    EXPECT_EQ(dir.Read("out.KVD"), older);
    EXPECT_EQ(dir.FileCount(), 2) << "no temporary left behind";
    EXPECT_EQ(ui.Texts(Kind::Info),
              (Texts{"Exported 4 hexes.", "Imported 4 hexes.", "Export cancelled; nothing was written."}));
    EXPECT_TRUE(ExportExchange(map, dir.File("new.KVD"), {0, 0, 0, 320, 192, 0}, ui, &first).Cancelled);
    EXPECT_FALSE(std::filesystem::exists(dir.File("new.KVD")));

    // A cancelled import keeps the whole hexes merged before it.
    map.Clear();
    const std::uint64_t generation = map.Generation();  // a drawn picture the import must make stale
    RecordingProgress stopped(4);  // step 1 is the version line, 2 and 3 the first two hexes
    const ExchangeImportResult cut = Import(kFourHexes, {true, false}, &stopped);
    EXPECT_TRUE(cut.Cancelled && cut.Imported) << "what was merged wants saving";
    EXPECT_EQ(std::tuple(cut.Hexes, stopped.steps.size(), map.CellCount()), std::tuple(2, 4u, 2));
    EXPECT_EQ(ui.Texts(Kind::Info).back(), "Import cancelled after 2 hexes; the hexes imported so far are kept.");
    ASSERT_NE(map.Cell(0, 41, 21), nullptr);
    EXPECT_EQ(std::tuple(map.Cell(0, 41, 21)->Terrain, map.Cell(0, 41, 21)->Silver), std::tuple(2, 200))
        << "the last hex merged is merged whole";
    EXPECT_NE(map.Generation(), generation);
}

}  // namespace
}  // namespace korvane
