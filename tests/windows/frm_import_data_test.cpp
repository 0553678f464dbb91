// The "Import Korvane Data" window driven as a player would: a missing file, a file merged
// with the window's two switches and the database saved after, and the cases where the
// database must not or cannot be written.
#include "windows/frm_import_data.h"

#include "support/file_dialog_answer.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "windows/window_test_helpers.h"
#include "workspace/workspace.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace korvane {
namespace {

using Kind = testing::ScriptedInteraction::Kind;

// Hex (10, 20) of the overworld: terrain 3, gate 17, 100 silver, population 500, marked
// confirmed by whoever wrote it.
constexpr const char* kOneHex = "VERSION,2.31\r\n0,10,20,3,Name,,5,17,100,Tarn,2,,,,500,7,0,,,,0,0,0\r\n";

class ImportDataWindow : public testing::WindowTest
{
protected:
    ImportDataWindow()
    {
        workspace.Settings.DataDir = dir.File("DATA");
        std::filesystem::create_directory(workspace.Settings.DataDir);
        window = std::make_unique<TfrmImportData>(workspace, ui, nullptr);
        window->show();
    }
    const QWidget& Window() const override { return *window; }

    void Import(const std::string& file) const
    {
        window->Preset(file);
        Click("cmdImport");
    }
    bool DatabaseWritten() const { return std::filesystem::exists(dir.File("DATA/Map.Dat")); }

    testing::TempDir dir;
    Workspace workspace{dir.Path()};
    testing::ScriptedInteraction ui;
    std::unique_ptr<TfrmImportData> window;
};

TEST_F(ImportDataWindow, MissingFileIsOnlyAskedAbout)
{
    for (bool answer : {true, false}) {
        ui.yesNoAnswers.push_back(answer);
        Import(dir.File("nothing.kvd"));
    }
    EXPECT_EQ(ui.Texts(Kind::YesNo), testing::Lines(2, "Import file does not exist. Shall I fake it ?"));
    EXPECT_EQ(ui.shown.size(), 2u);
    EXPECT_FALSE(window->Imported());
    EXPECT_FALSE(DatabaseWritten());
}

TEST_F(ImportDataWindow, FileIsMergedAsTheSwitchesSayAndTheDatabaseSaved)
{
    TMapCell& known = *workspace.Map.EnsureCell(0, 10, 20);
    known.Terrain = 4;
    known.Silver = 60;
    known.Population = 0;

    const std::string file = dir.Write("in.kvd", kOneHex);
    Import("  " + file + "  ");
    EXPECT_EQ(ui.Texts(Kind::Info), testing::Lines{"Imported 1 hexes."});
    EXPECT_EQ(known.Terrain, 4) << "what the map knows is kept";
    EXPECT_EQ(known.Silver, 60);
    EXPECT_EQ(known.Population, 500) << "what it does not know is filled in";
    EXPECT_EQ(known.Gate, 17);
    EXPECT_TRUE(known.Unconfirmed) << "regarded as unconfirmed";
    EXPECT_TRUE(window->Imported());
    EXPECT_FALSE(window->DataChanged());
    EXPECT_TRUE(DatabaseWritten());
    EXPECT_TRUE(window->isVisible());

    // Believed and overriding: the file's details and its confirmation win.
    Toggle("chkBelieveIt");
    Toggle("chkOverride");
    Click("cmdImport");
    EXPECT_EQ(known.Terrain, 3);
    EXPECT_EQ(known.Silver, 100);
    EXPECT_FALSE(known.Unconfirmed);
}

TEST_F(ImportDataWindow, NothingIsMergedIntoAWorldWhoseDatabaseWasRefused)
{
    workspace.Refused.Add(workspace.Settings.DataPath("Map.Dat"));
    Import(dir.Write("in.kvd", kOneHex));
    const testing::Lines errors = ui.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("could not be loaded when Korvane started"), std::string::npos) << errors[0];
    EXPECT_EQ(workspace.Map.Cell(0, 10, 20), nullptr);
    EXPECT_FALSE(window->Imported());
    EXPECT_FALSE(DatabaseWritten());
}

TEST_F(ImportDataWindow, DatabaseThatCannotBeSavedLeavesTheDataChanged)
{
    std::filesystem::remove(dir.File("DATA"));
    dir.Write("DATA", "a plain file where the folder should be");
    Import(dir.Write("in.kvd", kOneHex));
    EXPECT_NE(workspace.Map.Cell(0, 10, 20), nullptr);
    EXPECT_TRUE(window->Imported());
    EXPECT_TRUE(window->DataChanged());
    const testing::Lines errors = ui.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Unable to write the map database: " + dir.File("DATA/Colours.dat") + ": ", 0), 0u)
        << "the file and why: " << errors[0];
}

TEST_F(ImportDataWindow, BrowseTakesTheFileChosen)
{
    const std::string file = dir.Write("in.kvd", kOneHex);
    testing::PickFileWhenAsked(file);
    Click("cmdBrowse");
    EXPECT_EQ(Text("txtFilename").toStdString(), file);
}

}  // namespace
}  // namespace korvane
