// Real turn reports from the game server: every one imports, and the world they give is right.
#include "reportimport/report_reader.h"
#include "storage/map_database.h"
#include "workspace/workspace.h"

#include "support/fixtures.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

using testing::FixturesDir;
using testing::ScriptedInteraction;

class FixtureImportTest : public ::testing::Test
{
protected:
    void SetUp() override { KORVANE_REQUIRE_FIXTURES(); }

    std::unique_ptr<Workspace> Fresh(int faction, testing::TempDir& home)
    {
        auto ws = std::make_unique<Workspace>(home.Path());
        ws->Settings.ReadSettings();
        ws->Settings.FactionNo = faction;
        ws->LoadKeywordLists();
        return ws;
    }

    ScriptedInteraction ui;
};

TEST_F(FixtureImportTest, EveryReportImports)
{
    for (const auto& entry : std::filesystem::directory_iterator(FixturesDir())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("report", 0) != 0 && name.rfind("gm-report", 0) != 0)
            continue;
        testing::TempDir home;
        auto ws = Fresh(name.find("-f4-") != std::string::npos ? 4 : 3, home);
        // The eliminated faction's last report has no regions at all.
        const bool expected = name != "report-f4-t7.txt";
        EXPECT_EQ(bool(ImportTurnReport(*ws, entry.path().string(), ui)), expected) << name;
        EXPECT_EQ(ws->Map.CellCount() > 0, expected) << name;
    }
}

// The game master's view of the first turn, then one faction's game in turn order.
TEST_F(FixtureImportTest, OneFactionsGameInTurnOrderAndItsDatabase)
{
    testing::TempDir home;
    auto ws = Fresh(3, home);
    ASSERT_TRUE(ImportTurnReport(*ws, FixturesDir() + "/gm-report-f1-t1.txt", ui));
    for (int turn = 1; turn <= 9; ++turn)
        ASSERT_TRUE(ImportTurnReport(*ws, FixturesDir() + "/report-f3-t" + std::to_string(turn) + ".txt", ui)) << turn;
    const TMap& map = ws->Map;
    EXPECT_EQ(std::tuple(ws->Settings.CurrentTurn, ws->Settings.Unclaimed), std::tuple(9, 300));

    const TMapCell& city = *map.Cell(0, 0, 16);
    EXPECT_EQ(std::tuple(city.TerrainName(map.TerrainList), map.RegionList[city.Region], city.PopCenter,
                         city.PopCenterType, map.RaceList[city.Race], city.LastUpdate),
              std::tuple("Forest", "Lavan", "Glorforgost", kCity, "vikings", 9));
    EXPECT_TRUE(city.Population > 0 && city.Silver > 0);
    ASSERT_EQ(city.Structures.Count(), 1);
    EXPECT_EQ(std::tuple(city.Structures.Items(0)->Name, map.StructureTypes[city.Structures.Items(0)->Type]),
              std::tuple("Red Keep, of Lavan", "TOWER"));

    // Faction 3: the heading's faction joined the registry. The guard's line starts with a flag.
    const TUnit* captain = city.Units.Find(74);
    const TUnit* guard = city.Units.Find(18);
    ASSERT_TRUE(captain && guard);
    EXPECT_EQ(
        std::tuple(captain->Name, captain->Faction, captain->Structure, guard->HasFlag(kFlagGuard), guard->MenCount()),
        std::tuple("Red Captain II", 3, 1, true, 120));

    // The shaft and the underworld region below it.
    EXPECT_EQ(map.Cell(0, 0, 18)->Shaft, "Shaft");
    for (auto [ux, uy, terrain] : {std::tuple{0, 8, "Forest"}, {10, 10, "Cavern"}}) {  // (0,8) is underforest
        TMap::UnderToGrid(ux, uy);
        ASSERT_NE(map.Cell(1, ux, uy), nullptr) << terrain;
        EXPECT_EQ(map.Cell(1, ux, uy)->TerrainName(map.TerrainList), terrain);
    }

    // The game master's report holds the Nexus, with its guards, and the real underworld (0,0).
    const TMapCell* deep = map.Cell(1, 0, 2);
    ASSERT_NE(deep, nullptr);
    EXPECT_EQ(std::tuple(map.RegionList[deep->Region], deep->Units.Count()), std::tuple("Uzshak", 1))
        << "nothing from the Nexus lands on underworld (0,0)";
    EXPECT_NE(deep->Units.Find(45), nullptr) << "only the trolls seen there";

    // How far each race the reports described may study.
    EXPECT_EQ(map.StudyLimits.Count(), 18);
    ASSERT_NE(map.StudyLimits.Find("VIKI"), nullptr);
    EXPECT_EQ(*map.StudyLimits.Find("VIKI"),
              (TStudyLimits::Race{2, {{"SHIP", 3}, {"SAIL", 3}, {"LUMB", 3}, {"COMB", 3}}}));

    // Saved, loaded and saved again, the files are the same.
    testing::TempDir first, second, again;
    ASSERT_TRUE(SaveMapDatabase(ws->Map, ws->Settings, first.Path()));
    Workspace loaded(again.Path());
    loaded.Settings.ReadSettings();
    ASSERT_TRUE(LoadMapDatabase(loaded.Map, loaded.Settings, first.Path(), ui));
    ASSERT_TRUE(SaveMapDatabase(loaded.Map, loaded.Settings, second.Path()));
    for (const char* file :
         {"Map.Dat", "Terrain.dat", "Regions.dat", "Races.dat", "Weather.dat", "Products.dat", "StudyLimits.dat"})
        EXPECT_EQ(first.Read(file), second.Read(file)) << file;
    EXPECT_GT(first.Read("Map.Dat").size(), 10000u);
}

}  // namespace
}  // namespace korvane
