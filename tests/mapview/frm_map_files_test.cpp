// The main window's database commands when the files under them fail: nothing the player has
// is lost, and what went wrong is named.
#include "mapview/main_window_fixture.h"

namespace korvane::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(MainWindowTest, ARefusedDatabaseOpensAnEmptyMapAndOutlivesTheSession)
{
    const std::string newer = "VERSION,9.99\r\n0,1,1,2,0,0,0\r\n";  // as a later version might write it
    fs::create_directories(home.File("DATA"));
    home.Write("DATA/Map.Dat", newer);
    home.Write("ATLANTIS.INI", "[Faction]\r\nFactionNo=1\r\n");
    EXPECT_FALSE(window.StartUp());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(LastHas("more recent version")) << Last();
    EXPECT_EQ(workspace.Map.CellCount(), 0);

    window.SetDataChanged(true);
    window.SaveDatabase();
    EXPECT_TRUE(LastHas("could not be loaded when Korvane started, so it is not written over")) << Last();
    Import("report.txt");
    EXPECT_TRUE(LastHas("no turn file can be imported into it")) << Last();
    EXPECT_EQ(workspace.Settings.CurrentTurn, 0) << "nothing of the report was taken in";

    ui.yesNoAnswers = {true};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(home.Read("DATA/Map.Dat"), newer);
    EXPECT_TRUE(Written("MainX=")) << "the rest is written as always";
}

class MainWindowFiles : public MainWindowTest
{
protected:
    void SetUp() override
    {
        Start();
        workspace.Settings.FactionNo = 1;
        Import("report.txt");
        ASSERT_EQ(Last(), "Turn file imported successfully.");
    }
};

TEST_F(MainWindowFiles, ReloadOfADatabaseThatCannotBeReadKeepsTheWorldShown)
{
    home.Write("DATA/Map.Dat", "VERSION,9.99\r\n");
    workspace.Map.EnsureCell(0, 40, 40)->Terrain = 3;  // an edit not saved
    window.SetDataChanged(true);
    ui.yesNoAnswers = {true};
    M().mnuFileReloadDB->trigger();
    EXPECT_TRUE(workspace.Map.Cell(0, 0, 0) && workspace.Map.Cell(0, 40, 40));
    EXPECT_TRUE(window.DataChanged()) << "the edit is still unsaved";

    // Nothing writes the world shown over the file it could not read.
    window.SaveDatabase();
    window.ImportTurnFile(home.File("report.txt"));
    EXPECT_EQ(home.Read("DATA/Map.Dat"), "VERSION,9.99\r\n");
    EXPECT_TRUE(LastHas(home.File("DATA/Map.Dat") + " could not be loaded")) << Last();
}

TEST_F(MainWindowFiles, ImportWhoseSaveFailsSaysSoAndKeepsTheChangeUnsaved)
{
    const std::string database = home.File("DATA/Map.Dat");
    fs::remove(database);
    fs::create_directories(database + "/inside");  // a folder in its place cannot be replaced
    Import("report2.txt", 2);
    EXPECT_EQ(
        Last().rfind("The turn file was imported, but the map database could not be saved.\r" + database + ": ", 0), 0u)
        << Last();
    EXPECT_TRUE(window.DataChanged());
}

}  // namespace
}  // namespace korvane::testing
