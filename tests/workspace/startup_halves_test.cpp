// A session opened in two halves: the map first, the unit files read meanwhile and taken in after.
#include "reportimport/report_reader.h"
#include "storage/turn_files.h"
#include "storage/unit_list_files.h"
#include "workspace/workspace.h"

#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

namespace korvane {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedInteraction;

constexpr const char* kReport = KORVANE_TEST_DATA_DIR "/reports/ravenmoor-turn14.txt";

class StartupHalvesTest : public ::testing::Test
{
protected:
    // A data folder as a session leaves it: a report imported and saved, orders given, the session closed.
    StartupHalvesTest()
    {
        Workspace first{dir.Path()};
        first.Open(ui);
        first.Settings.FactionNo = 7;
        EXPECT_TRUE(ImportTurnReport(first, kReport, ui));
        EXPECT_TRUE(first.SaveDatabase());
        first.Map.UnitFileList.Items(0)->SetOrders({"WORK", "; and then"});
        const TrecINI& settings = first.Settings;
        EXPECT_TRUE(SaveOrdersFile(first.Map.UnitFileList,
                                   settings.DataPath(TurnFileName(settings.OrdersStem, settings.CurrentTurn)), false));
        EXPECT_TRUE(first.SaveOnExit(ui));
        ui.shown.clear();
    }

    // Every unit record with what the unit files leave out (seen marks, last places, orders); then each hex's units.
    static std::string Units(const Workspace& ws)
    {
        std::string text;
        ws.Map.UnitFileList.ForEach([&text](const TUnit& unit) {
            unit.AppendLineTo(text);
            text += " seen " + std::to_string(unit.Seen) + " at " + std::to_string(unit.LastLevel) + ","
                + std::to_string(unit.LastX) + "," + std::to_string(unit.LastY) + " orders "
                + std::to_string(unit.Orders.size()) + "\n";
        });
        ws.Map.ForEachCell([&text](const TMapCell& cell) {
            text += "hex " + std::to_string(cell.Level) + "," + std::to_string(cell.X) + "," + std::to_string(cell.Y)
                + "\n";
            AppendUnitLines(cell.Units, text);
        });
        return text + "views " + std::to_string(ws.TroopViews.Names().size());
    }

    testing::TempDir dir;
    ScriptedInteraction ui;
};

TEST_F(StartupHalvesTest, HalvesGiveWhatTheWholeStartGivesTakeTheUnitsInBeforeAnySaveAndFollowSettingsChanged)
{
    Workspace whole{dir.Path()};
    ASSERT_TRUE(whole.Open(ui));
    ASSERT_EQ(whole.Map.UnitFileList.Count(), 4);

    Workspace halves{dir.Path()};
    ASSERT_TRUE(halves.BeginOpen(ui));
    EXPECT_TRUE(halves.UnitsPending());
    EXPECT_EQ(halves.Map.UnitFileList.Count(), 0);
    halves.Map.ForEachCell([](const TMapCell& cell) { EXPECT_EQ(cell.Units.Count(), 0) << "drawn without units"; });
    const std::string database = dir.Read("DATA/Map.Dat");
    EXPECT_FALSE(halves.SaveDatabase()) << "hexes the units stand in are not in yet";
    EXPECT_EQ(dir.Read("DATA/Map.Dat"), database);
    // The files are read without anyone waiting: a window looks, and only then takes them in.
    for (int tries = 0; tries < 1000 && !halves.UnitsRead(); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(halves.UnitsRead() && halves.UnitsPending());
    EXPECT_EQ(halves.Map.UnitFileList.Count(), 0);
    halves.FinishOpen(ui);
    EXPECT_FALSE(halves.UnitsPending() || halves.UnitsRead());
    EXPECT_EQ(Units(halves), Units(whole));  // every hex too
    EXPECT_TRUE(ui.shown.empty());

    // Whatever saves, imports or steps takes the units in first.
    const std::string units = dir.Read("DATA/Units.dat");
    const std::vector<std::pair<const char*, std::function<void(Workspace&)>>> actions = {
        {"exit", [this](Workspace& ws) { EXPECT_TRUE(ws.SaveOnExit(ui)); }},
        {"turn step", [this](Workspace& ws) { ws.StepToTurn(ws.Settings.CurrentTurn, ui); }},
        {"reload", [this](Workspace& ws) { EXPECT_TRUE(ws.ReloadDatabase(ui)); }},
        {"import", [this](Workspace& ws) { EXPECT_TRUE(ImportTurnReport(ws, kReport, ui)); }},
        {"exchange import", [this](Workspace& ws) { EXPECT_TRUE(ws.CanImport(ImportKind::ExchangeFile, ui)); }},
        {"save", [this](Workspace& ws) { EXPECT_TRUE(ws.CanSaveDatabase(ui) && ws.SaveDatabase()); }},
    };
    for (const auto& [name, action] : actions) {
        Workspace ws{dir.Path()};
        ASSERT_TRUE(ws.BeginOpen(ui));
        action(ws);
        EXPECT_FALSE(ws.UnitsPending()) << name;
        EXPECT_EQ(Units(ws), Units(whole)) << name;
        EXPECT_EQ(dir.Read("DATA/Units.dat"), units) << name << ": every unit known is kept";
    }

    // Settings changed between the halves are followed, as if the session had started with them.
    Workspace later{dir.Path()};
    ASSERT_TRUE(later.BeginOpen(ui));
    later.Settings.CurrentTurn = 3;  // a turn without files
    later.FinishOpen(ui);
    ASSERT_TRUE(later.Settings.WriteSettings());
    Workspace startedThere{dir.Path()};
    ASSERT_TRUE(startedThere.Open(ui));
    EXPECT_EQ(Units(later), Units(startedThere));
}

TEST_F(StartupHalvesTest, UnreadableUnitFilesAreRefusedForTheSession)
{
    // The unit file is written at exit, so leaving it is a failure; the turn's file is not.
    for (const auto& [name, exitFails] : {std::pair{"Units.dat", true}, std::pair{"Units0014.dat", false}}) {
        const std::string file = dir.File(std::string("DATA/") + name), kept = file + ".kept";
        fs::rename(file, kept);
        fs::create_directory(file);  // there, and every read of it fails
        Workspace ws{dir.Path()};
        ASSERT_TRUE(ws.BeginOpen(ui));
        EXPECT_NE(ws.SaveOnExit(ui), exitFails) << name;
        EXPECT_TRUE(ws.Refused.Contains(file)) << name;
        EXPECT_TRUE(fs::is_directory(file)) << name << " is never written over";
        fs::remove(file);
        fs::rename(kept, file);
    }
}

}  // namespace
}  // namespace korvane
