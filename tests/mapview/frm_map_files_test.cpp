// The main window's database commands when the files under them fail: nothing the player has
// is lost, and what went wrong is named.
#include "mapview/windows/frm_map.h"

#include "support/generated_report.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "workspace/workspace.h"

#include <gtest/gtest.h>

#include <QAction>

#include <filesystem>

namespace korvane {
namespace {

namespace fs = std::filesystem;

class MainWindowFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.StartUp());
        workspace.Settings.FactionNo = 1;
        window.ImportTurnFile(home.Write("report.txt", testing::GenerateReport({.columns = 4, .rows = 6})));
        ASSERT_EQ(ui.shown.back().text, "Turn file imported successfully.");
    }

    testing::TempDir home;
    Workspace workspace{home.Path()};
    testing::ScriptedInteraction ui;
    TfrmMAP window{workspace, ui};
};

TEST_F(MainWindowFiles, ReloadOfADatabaseThatCannotBeReadKeepsTheWorldShown)
{
    const std::string database = home.File("DATA/Map.Dat");
    home.Write("DATA/Map.Dat", "VERSION,9.99\r\n");
    workspace.Map.EnsureCell(0, 40, 40)->Terrain = 3;  // an edit not saved
    window.SetDataChanged(true);
    ui.yesNoAnswers = {true};
    window.Menus().mnuFileReloadDB->trigger();
    EXPECT_NE(workspace.Map.Cell(0, 0, 0), nullptr);
    EXPECT_NE(workspace.Map.Cell(0, 40, 40), nullptr);
    EXPECT_TRUE(window.DataChanged()) << "the edit is still unsaved";

    // Nothing writes the world shown over the file it could not read.
    window.SaveDatabase();
    window.ImportTurnFile(home.File("report.txt"));
    EXPECT_EQ(home.Read("DATA/Map.Dat"), "VERSION,9.99\r\n");
    EXPECT_NE(ui.shown.back().text.find(database + " could not be loaded"), std::string::npos) << ui.shown.back().text;
}

TEST_F(MainWindowFiles, ImportWhoseSaveFailsSaysSoAndKeepsTheChangeUnsaved)
{
    const std::string database = home.File("DATA/Map.Dat");
    fs::remove(database);
    fs::create_directories(database + "/inside");  // a folder in its place cannot be replaced
    window.ImportTurnFile(home.Write("report2.txt", testing::GenerateReport({.month = 2, .columns = 4, .rows = 6})));
    const std::string& said = ui.shown.back().text;
    EXPECT_EQ(said.rfind("The turn file was imported, but the map database could not be saved.\r" + database + ": ", 0),
              0u)
        << said;
    EXPECT_TRUE(window.DataChanged());
}

}  // namespace
}  // namespace korvane
