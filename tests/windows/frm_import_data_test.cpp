// The "Import Korvane Data" window: merging as the switches say, saving, and refused databases.
#include "windows/frm_import_data.h"

#include "windows/workspace_window_test.h"

namespace korvane {
namespace {

// Hex (10, 20) of the overworld: terrain 3, gate 17, 100 silver, population 500, confirmed.
constexpr const char* kOneHex = "VERSION,2.31\r\n0,10,20,3,Name,,5,17,100,Tarn,2,,,,500,7,0,,,,0,0,0\r\n";

class ImportDataWindow : public testing::WorkspaceWindowTest<TfrmImportData>
{
protected:
    ImportDataWindow()
    {
        workspace.Settings.DataDir = dir.File("DATA");
        std::filesystem::create_directory(workspace.Settings.DataDir);
        Open();
    }
    void Import(const std::string& file) const
    {
        window->Preset(file);
        Click("cmdImport");
    }
};

TEST_F(ImportDataWindow, AMissingFileIsOnlyAskedAboutAndTheFileIsMergedAsTheSwitchesSay)
{
    ui.defaultYesNo = true;  // either answer imports nothing
    Import(dir.File("nothing.kvd"));
    EXPECT_EQ(ui.Texts(Kind::YesNo), Lines{"Import file does not exist. Shall I fake it ?"});
    EXPECT_FALSE(window->Imported() || Exists("DATA/Map.Dat"));

    TMapCell& known = *workspace.Map.EnsureCell(0, 10, 20);
    known.Terrain = 4;
    Import("  " + dir.Write("in.kvd", kOneHex) + "  ");
    // What the map knows is kept, what it does not is filled in, all regarded as unconfirmed.
    EXPECT_EQ(std::tuple(known.Terrain, known.Gate, known.Unconfirmed), std::tuple(4, 17, true));
    EXPECT_TRUE(window->Imported() && !window->DataChanged() && Exists("DATA/Map.Dat") && window->isVisible());
    // Believed and overriding: the file's details and its confirmation win.
    Toggle("chkBelieveIt");
    Toggle("chkOverride");
    Click("cmdImport");
    EXPECT_EQ(std::tuple(known.Terrain, known.Unconfirmed), std::tuple(3, false));
}

TEST_F(ImportDataWindow, NothingIsMergedIntoAWorldWhoseDatabaseWasRefused)
{
    workspace.Refused.Add(workspace.Settings.DataPath("Map.Dat"));
    Import(dir.Write("in.kvd", kOneHex));
    EXPECT_THAT(ui.Texts(Kind::Error), ::testing::ElementsAre(::testing::HasSubstr("could not be loaded when")));
    EXPECT_EQ(workspace.Map.Cell(0, 10, 20), nullptr);
    EXPECT_FALSE(window->Imported() || Exists("DATA/Map.Dat"));
}

TEST_F(ImportDataWindow, DatabaseThatCannotBeSavedLeavesTheDataChanged)
{
    std::filesystem::remove(dir.File("DATA"));
    dir.Write("DATA", "a plain file where the folder should be");
    Import(dir.Write("in.kvd", kOneHex));
    EXPECT_NE(workspace.Map.Cell(0, 10, 20), nullptr);
    EXPECT_TRUE(window->Imported() && window->DataChanged());
    ExpectOneError("Unable to write the map database: " + dir.File("DATA/Colours.dat") + ": ");
}

}  // namespace
}  // namespace korvane
