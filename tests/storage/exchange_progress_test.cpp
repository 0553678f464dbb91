// Exchange files with progress: export and import counted to the end, a cancelled export that
// writes nothing, and a cancelled import that keeps the hexes merged before it.
#include "storage/exchange_file.h"
#include "world/map.h"

#include "support/recording_progress.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

using testing::RecordingProgress;
using testing::ScriptedInteraction;
using Kind = ScriptedInteraction::Kind;

class ExchangeProgressTest : public ::testing::Test
{
protected:
    ExchangeProgressTest()
    {
        for (int x = 10; x <= 13; ++x)
            map.EnsureCell(0, x, 20 + x % 2)->Terrain = x - 9;
    }

    /// The names of the files in the test folder, temporaries included.
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    testing::TempDir dir;
    TMap map;
    ScriptedInteraction ui;
};

// Four hexes, one per line after the version line.
const std::string kFourHexes = "VERSION,2.31\r\n"
                               "0,40,20,1,,Lavan,-1,,100,,0,,,,-1,-1,0,,,,0,0,0\r\n"
                               "0,41,21,2,,Lavan,-1,,200,,0,,,,-1,-1,0,,,,0,0,0\r\n"
                               "0,42,20,3,,Lavan,-1,,300,,0,,,,-1,-1,0,,,,0,0,0\r\n"
                               "0,43,21,4,,Lavan,-1,,400,,0,,,,-1,-1,0,,,,0,0,0\r\n";

TEST_F(ExchangeProgressTest, ExportCountsColumnsAndImportCountsBytesToTheEnd)
{
    RecordingProgress exported;
    ASSERT_TRUE(ExportExchange(map, dir.File("out.KVD"), {0, 10, 0, 19, 192, 0}, ui, &exported).Written);
    EXPECT_TRUE(exported.RanFromZeroToTotal());
    EXPECT_EQ(exported.steps.back().total, 10);

    RecordingProgress imported;
    TMap other;
    ASSERT_TRUE(ImportExchange(other, dir.Write("in.KVD", kFourHexes), {}, ui, &imported).Imported);
    EXPECT_TRUE(imported.RanFromZeroToTotal());
    EXPECT_EQ(imported.steps.back().total, static_cast<std::int64_t>(kFourHexes.size()));
    EXPECT_EQ(ui.Texts(Kind::Info), (std::vector<std::string>{"Exported 4 hexes.", "Imported 4 hexes."}));
}

TEST_F(ExchangeProgressTest, CancelledExportWritesNothingAndKeepsTheOldFile)
{
    const std::string file = dir.Write("out.KVD", "an older export");
    RecordingProgress progress(3);
    const ExchangeExportResult result = ExportExchange(map, file, {0, 0, 0, 320, 192, 0}, ui, &progress);
    EXPECT_TRUE(result.Cancelled);
    EXPECT_FALSE(result.Written);
    EXPECT_EQ(progress.steps.size(), 3u) << "stops at once";
    EXPECT_EQ(dir.Read("out.KVD"), "an older export");
    EXPECT_EQ(Files(), std::vector<std::string>{"out.KVD"}) << "no temporary left behind";
    EXPECT_EQ(ui.Texts(Kind::Info), std::vector<std::string>{"Export cancelled; nothing was written."});

    RecordingProgress first(1);
    EXPECT_TRUE(ExportExchange(map, dir.File("new.KVD"), {0, 0, 0, 320, 192, 0}, ui, &first).Cancelled);
    EXPECT_FALSE(std::filesystem::exists(dir.File("new.KVD")));
}

TEST_F(ExchangeProgressTest, CancelledImportKeepsTheWholeHexesMergedBeforeIt)
{
    const std::uint64_t generation = map.Generation();  // a drawn picture the import must make stale
    const int cellsBefore = map.CellCount();
    // Step 1 is the version line, 2 and 3 the first two hexes; the fourth step cancels.
    RecordingProgress progress(4);
    const ExchangeImportResult result = ImportExchange(map, dir.Write("in.KVD", kFourHexes), {true, false}, ui,
                                                       &progress);
    EXPECT_TRUE(result.Cancelled);
    EXPECT_TRUE(result.Imported) << "what was merged wants saving";
    EXPECT_EQ(result.Hexes, 2);
    EXPECT_EQ(progress.steps.size(), 4u);
    EXPECT_EQ(ui.Texts(Kind::Info),
              std::vector<std::string>{"Import cancelled after 2 hexes; the hexes imported so far are kept."});

    EXPECT_EQ(map.CellCount(), cellsBefore + 2);
    ASSERT_NE(map.Cell(0, 41, 21), nullptr);
    EXPECT_EQ(map.Cell(0, 41, 21)->Terrain, 2);
    EXPECT_EQ(map.Cell(0, 41, 21)->Silver, 200) << "the last hex merged is merged whole";
    EXPECT_EQ(map.Cell(0, 42, 20), nullptr);
    EXPECT_NE(map.Generation(), generation);
}

}  // namespace
}  // namespace korvane
