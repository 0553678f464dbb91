// The bulk turn import window: choosing and ordering reports, importing, failing, cancelling, saving.
#include "windows/frm_bulk_turn_import.h"

#include "support/generated_report.h"
#include "windows/workspace_window_test.h"

#include <QFileSystemModel>
#include <QProgressBar>
#include <QTreeView>

#include <functional>

namespace korvane {
namespace {

/// The scripted player, who can also act while the window lets pending messages through.
struct PlayerDuringImport : testing::ScriptedInteraction
{
    std::function<void()> whilePending;
    bool ProcessPendingMessages() override
    {
        ScriptedInteraction::ProcessPendingMessages();
        if (whilePending)
            whilePending();
        return false;
    }
};

class BulkImportWindow : public testing::WorkspaceWindowTest<TfrmBulkTurnImport, PlayerDuringImport>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(workspace.Open(ui));
        workspace.Settings.FactionNo = 1;
        std::filesystem::create_directory(dir.File("IMPORT"));
    }
    /// Writes reports of turns 1 to `count`, named `prefix` + turn + ".txt", opens the window and adds them all.
    void OpenWithReports(const std::string& prefix, int count)
    {
        for (int month = 1; month <= count; ++month)
            dir.Write("IMPORT/" + prefix + std::to_string(month) + ".txt",
                      testing::GenerateReport({.month = month, .columns = 3, .rows = 4, .unitsPerRegion = 1}));
        Open();
        Get<QListWidget>("lstFiles")->selectAll();
        Click("cmdAdd");
    }
    std::string Status() const { return Get<QLabel>("pnlStatus")->text().toStdString(); }
    /// The reports chosen, then how many the window says there are.
    std::string Chosen() const
    {
        std::string chosen;
        for (const std::string& name : Shown("lstSelFiles"))
            chosen += name + " ";
        return chosen + "| " + Get<QLabel>("lblFileCount")->text().toStdString();
    }
    std::pair<int, int> Turns() const { return {workspace.Settings.CurrentTurn, workspace.Settings.MaxTurn}; }
};

TEST_F(BulkImportWindow, ChoosingBuildsAnOrderedSelectionOfUniqueNames)
{
    for (const char* name : {"t10.txt", "t2.txt", "T1.TXT", "notes"})
        dir.Write("IMPORT/" + std::string(name), "x");
    Open();
    // Text files first, whatever the case of their extension, numbered as a player counts.
    EXPECT_EQ(Shown("lstFiles"), (Lines{"T1.TXT", "t2.txt", "t10.txt"}));
    Get<QComboBox>("lstFilters")->setCurrentIndex(0);  // all files
    EXPECT_EQ(Shown("lstFiles"), (Lines{"notes", "T1.TXT", "t2.txt", "t10.txt"}));
    EXPECT_EQ(Chosen(), "| 0 files selected");
    EXPECT_EQ(EnabledOf({"cmdAdd", "cmdImport"}), "");

    auto* files = Get<QListWidget>("lstFiles");
    files->setCurrentRow(3);
    Click("cmdAdd");
    Click("cmdAdd");
    EXPECT_EQ(Chosen(), "t10.txt | 1 file selected") << "the same name once";
    // A double click adds too; several chosen at once are added in list order.
    files->setCurrentRow(0);
    files->item(1)->setSelected(true);
    Click("cmdAdd");
    emit files->itemDoubleClicked(files->item(2));
    EXPECT_EQ(Chosen(), "t10.txt notes T1.TXT t2.txt | 4 files selected");

    // Moving keeps the entry chosen; neither end moves past the edge.
    auto* chosen = Get<QListWidget>("lstSelFiles");
    chosen->setCurrentRow(0);
    EXPECT_FALSE(Enabled("cmdMoveUp"));
    for (const char* button : {"cmdMoveDn", "cmdMoveDn", "cmdMoveDn"})
        Click(button);
    EXPECT_FALSE(Enabled("cmdMoveDn"));
    Click("cmdMoveUp");
    EXPECT_EQ(Chosen(), "notes T1.TXT t10.txt t2.txt | 4 files selected");
    Click("cmdRemove");  // the moved entry, still chosen
    EXPECT_EQ(Chosen(), "notes T1.TXT t2.txt | 3 files selected");
    EXPECT_FALSE(Enabled("cmdRemove")) << "nothing is chosen after a removal";
    emit chosen->itemDoubleClicked(chosen->item(0));
    EXPECT_EQ(Chosen(), "T1.TXT t2.txt | 2 files selected");

    // Another folder, picked in the folder tree, empties the selection; its files are listed.
    std::filesystem::create_directory(dir.File("OTHER"));
    dir.Write("OTHER/t5.txt", "x");
    auto* tree = Get<QTreeView>("lstDirs");
    tree->setCurrentIndex(
        static_cast<QFileSystemModel*>(tree->model())->index(QString::fromStdString(dir.File("OTHER"))));
    EXPECT_EQ(std::tuple(window->Directory().toStdString(), Shown("lstFiles"), Chosen()),
              std::tuple(dir.File("OTHER"), Lines{"t5.txt"}, "| 0 files selected"));
}

TEST_F(BulkImportWindow, ImportsInTheArrangedOrderStopsOnCancelAndSavesOnClosing)
{
    OpenWithReports("r", 4);
    Get<QListWidget>("lstSelFiles")->setCurrentRow(3);
    Click("cmdMoveUp");  // r4 before r3
    Lines shown;
    ui.whilePending = [&] {
        shown.push_back(Status());
        EXPECT_EQ(EnabledOf({"cmdClose", "lstSelFiles"}), "") << "locked while importing";
        if (shown.size() == 3)
            Click("cmdCancel");
    };
    Click("cmdImport");
    EXPECT_EQ(shown.front(), "Done: 0/4  Importing: r1.txt");
    EXPECT_EQ(Status(), "Import cancelled: 2 of 4 files imported.");
    EXPECT_EQ(Chosen(), "r4.txt r3.txt | 2 files selected");
    EXPECT_EQ(Turns(), std::pair(2, 2));
    EXPECT_TRUE(window->DataChanged() && !Enabled("cmdCancel"));

    // Closing while a report is read asks the run to stop instead, and saves nothing yet.
    ui.whilePending = [&] { window->reject(); };
    Click("cmdImport");
    EXPECT_EQ(std::pair(Status(), window->DatabaseSaved()),
              (std::pair<std::string, bool>("Import cancelled: 0 of 2 files imported.", false)));

    ui.whilePending = [&] { shown.push_back(Status()); };
    Click("cmdImport");
    EXPECT_EQ(shown.back(), "Done: 1/2  Importing: r3.txt");
    EXPECT_EQ(Status(), "2 files imported sucessfully.");
    EXPECT_EQ(Chosen(), "| 0 files selected");
    EXPECT_EQ(std::pair(Get<QProgressBar>("prgImport")->value(), Turns()), std::pair(2, std::pair(3, 4)))
        << "the last imported wins";
    EXPECT_FALSE(Exists("DATA/Map.Dat")) << "nothing saved before closing";
    EXPECT_TRUE(ui.Texts(Kind::Warning).empty() && ui.Texts(Kind::Error).empty());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(Exists("DATA/Map.Dat") && !window->DataChanged() && window->DatabaseSaved());
}

TEST_F(BulkImportWindow, AFailingReportStopsTheRunAndTheListKeepsEveryEntry)
{
    OpenWithReports("t", 3);
    dir.Write("IMPORT/t2.txt", "This is no turn report.\n");
    Click("cmdImport");
    EXPECT_EQ(ui.Texts(Kind::Warning),
              Lines{"Error importing turn file. Bulk import stopped.\r" + dir.File("IMPORT/t2.txt")
                    + ": it is not a turn report, or it ends before its regions"});
    EXPECT_EQ(Status(), "Error importing file t2.txt");
    EXPECT_EQ(Chosen(), "t1.txt t2.txt t3.txt | 3 files selected");
    EXPECT_EQ(workspace.Settings.MaxTurn, 1) << "the first stays imported, the third was not tried";
    EXPECT_EQ(EnabledOf({"cmdImport", "cmdClose"}), "cmdImport cmdClose");
    Click("cmdClose");
    EXPECT_TRUE(window->DatabaseSaved() && Exists("DATA/Map.Dat"));
}

TEST_F(BulkImportWindow, RefusalsImportNothingAndAFailedSaveLeavesTheChangeUnsaved)
{
    OpenWithReports("one", 1);
    workspace.Settings.FactionNo = 0;
    Click("cmdImport");
    window->reject();  // nothing imported: closing tries no save
    EXPECT_EQ(std::tuple(workspace.Settings.MaxTurn, window->DataChanged(), window->DatabaseSaved()),
              std::tuple(0, false, false));
    workspace.Settings.FactionNo = 1;
    window->show();
    window->ImportFiles({dir.File("IMPORT/one1.txt")});
    EXPECT_EQ(Status(), "1 files imported sucessfully.");
    // A database that may not be written over: not imported into, not saved, and the change stays unsaved.
    workspace.Refused.Add(workspace.Settings.DataPath(workspace.Settings.MapFile));
    Click("cmdImport");
    window->reject();
    EXPECT_EQ(std::tuple(workspace.Settings.MaxTurn, Chosen(), window->DataChanged(), window->DatabaseSaved()),
              std::tuple(1, "one1.txt | 1 file selected", true, false));
    EXPECT_THAT(ui.Texts(Kind::Error),
                ::testing::ElementsAre("You must provide a valid faction number before importing turn files.\r"
                                       "(Use menu item View/Faction Details)",
                                       ::testing::HasSubstr("could not be loaded when Korvane started"),
                                       "Unable to write the map database: " + workspace.Settings.DataPath("Map.Dat")
                                           + ": it could not be read when Korvane started, so it is not written over"));
}

}  // namespace
}  // namespace korvane
