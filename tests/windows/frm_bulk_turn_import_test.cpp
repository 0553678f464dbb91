// The bulk turn import window driven as a player would: choosing and ordering reports, running
// the import with its status, failure and cancel, and the database saved on closing.
#include "windows/frm_bulk_turn_import.h"

#include "support/fixtures.h"
#include "support/generated_report.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "windows/window_test_helpers.h"
#include "workspace/workspace.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QProgressBar>
#include <QTreeView>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

namespace korvane {
namespace {

using testing::ScriptedInteraction;
using Kind = ScriptedInteraction::Kind;
using Names = testing::Lines;

/// The scripted player, who can also act while the window lets pending messages through.
struct PlayerDuringImport : ScriptedInteraction
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

class BulkImportWindow : public testing::WindowTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ws.Open(ui));
        ws.Settings.FactionNo = 1;
        std::filesystem::create_directory(home.File("IMPORT"));
    }

    /// A small report of turn `month` in the import folder.
    void WriteReport(const std::string& name, int month) const
    {
        home.Write("IMPORT/" + name,
                   testing::GenerateReport({.month = month, .columns = 3, .rows = 4, .unitsPerRegion = 1}));
    }

    const QWidget& Window() const override { return *window; }
    QListWidget* List(const char* name) const { return Get<QListWidget>(name); }
    std::string Status() const { return Get<QLabel>("pnlStatus")->text().toStdString(); }
    std::string FileCount() const { return Get<QLabel>("lblFileCount")->text().toStdString(); }

    /// Adds the files of the list by name, one click of "Add >" each.
    void Add(const Names& names) const
    {
        for (const std::string& name : names) {
            const auto found = List("lstFiles")->findItems(QString::fromStdString(name), Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << name;
            List("lstFiles")->setCurrentItem(found.front());
            Get("cmdAdd")->click();
        }
    }

    void OpenWindow() { window = std::make_unique<TfrmBulkTurnImport>(ws, ui, nullptr); }

    testing::TempDir home;
    Workspace ws{home.Path()};
    PlayerDuringImport ui;
    std::unique_ptr<TfrmBulkTurnImport> window;
};

TEST_F(BulkImportWindow, ChoosingBuildsAnOrderedSelectionOfUniqueNames)
{
    for (const char* name : {"t10.txt", "t2.txt", "T1.TXT", "notes"})
        home.Write("IMPORT/" + std::string(name), "x");
    OpenWindow();
    EXPECT_EQ(window->Directory().toStdString(), home.File("IMPORT"));
    // Text files first, whatever the case of their extension, numbered as a player counts.
    EXPECT_EQ(Shown("lstFiles"), (Names{"T1.TXT", "t2.txt", "t10.txt"}));
    Get<QComboBox>("lstFilters")->setCurrentIndex(0);
    EXPECT_EQ(Shown("lstFiles"), (Names{"notes", "T1.TXT", "t2.txt", "t10.txt"}));
    EXPECT_EQ(FileCount(), "0 files selected");
    EXPECT_FALSE(Enabled("cmdAdd") || Enabled("cmdImport"));

    Add({"t10.txt", "t10.txt"});
    EXPECT_EQ(FileCount(), "1 file selected") << "the same name once";
    // A double click adds too; several chosen at once are added in list order.
    QListWidget* files = List("lstFiles");
    files->setCurrentRow(0);
    files->item(1)->setSelected(true);
    Get("cmdAdd")->click();
    EXPECT_EQ(Shown("lstSelFiles"), (Names{"t10.txt", "notes", "T1.TXT"}));
    emit files->itemDoubleClicked(files->item(2));
    EXPECT_EQ(FileCount(), "4 files selected");

    // Moving keeps the entry chosen; neither end moves past the edge.
    QListWidget* chosen = List("lstSelFiles");
    chosen->setCurrentRow(0);
    EXPECT_FALSE(Enabled("cmdMoveUp"));
    for (int step = 0; step < 3; ++step)
        Get("cmdMoveDn")->click();
    EXPECT_FALSE(Enabled("cmdMoveDn"));
    Get("cmdMoveUp")->click();
    EXPECT_EQ(Shown("lstSelFiles"), (Names{"notes", "T1.TXT", "t10.txt", "t2.txt"}));
    EXPECT_EQ(chosen->currentItem()->text(), "t10.txt");

    Get("cmdRemove")->click();
    EXPECT_EQ(Shown("lstSelFiles"), (Names{"notes", "T1.TXT", "t2.txt"}));
    EXPECT_FALSE(Enabled("cmdRemove")) << "nothing is chosen after a removal";
    emit chosen->itemDoubleClicked(chosen->item(0));
    EXPECT_EQ(FileCount(), "2 files selected");

    // Another folder, picked in the folder tree, empties the selection; its files are listed.
    std::filesystem::create_directory(home.File("OTHER"));
    home.Write("OTHER/t5.txt", "x");
    auto* tree = Get<QTreeView>("lstDirs");
    tree->setCurrentIndex(
        static_cast<QFileSystemModel*>(tree->model())->index(QString::fromStdString(home.File("OTHER"))));
    EXPECT_EQ(window->Directory().toStdString(), home.File("OTHER"));
    EXPECT_EQ(Shown("lstFiles"), (Names{"t5.txt"}));
    EXPECT_TRUE(chosen->count() == 0 && FileCount() == "0 files selected");
}

TEST_F(BulkImportWindow, ImportsInTheArrangedOrderWithProgressThenSavesOnClosing)
{
    for (int month = 1; month <= 5; ++month)
        WriteReport("report" + std::to_string(month) + ".txt", month);
    OpenWindow();
    Add({"report1.txt", "report2.txt", "report3.txt", "report4.txt", "report5.txt"});
    List("lstSelFiles")->setCurrentRow(4);
    Get("cmdMoveUp")->click();  // report5 before report4
    std::vector<std::string> shown;
    ui.whilePending = [&] {
        shown.push_back(Status());
        EXPECT_FALSE(Enabled("cmdClose") || List("lstSelFiles")->isEnabled()) << "locked while importing";
    };
    Get("cmdImport")->click();

    EXPECT_EQ(shown.front(), "Done: 0/5  Importing: report1.txt");
    EXPECT_EQ(shown.back(), "Done: 4/5  Importing: report4.txt");
    EXPECT_EQ(Status(), "5 files imported sucessfully.");
    EXPECT_EQ(Get<QProgressBar>("prgImport")->value(), 5);
    EXPECT_EQ(List("lstSelFiles")->count(), 0);
    EXPECT_EQ(FileCount(), "0 files selected");
    EXPECT_EQ(std::tuple(ws.Settings.CurrentTurn, ws.Settings.MaxTurn), std::tuple(4, 5)) << "the last imported wins";
    EXPECT_TRUE(window->DataChanged());
    EXPECT_FALSE(std::filesystem::exists(home.File("DATA/Map.Dat"))) << "nothing saved before closing";
    EXPECT_TRUE(ui.Texts(Kind::Warning).empty() && ui.Texts(Kind::Error).empty());

    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(std::filesystem::exists(home.File("DATA/Map.Dat")));
    EXPECT_FALSE(window->DataChanged());
    EXPECT_TRUE(window->DatabaseSaved());
}

TEST_F(BulkImportWindow, AFailingReportStopsTheRunAndTheListKeepsEveryEntry)
{
    WriteReport("first.txt", 1);
    home.Write("IMPORT/second.txt", "This is no turn report.\n");
    WriteReport("third.txt", 3);
    OpenWindow();
    Add({"first.txt", "second.txt", "third.txt"});
    Get("cmdImport")->click();

    EXPECT_EQ(ui.Texts(Kind::Warning), Names{"Error importing turn file. Bulk import stopped."});
    EXPECT_EQ(Status(), "Error importing file second.txt");
    EXPECT_EQ(Shown("lstSelFiles"), (Names{"first.txt", "second.txt", "third.txt"}));
    EXPECT_EQ(ws.Settings.MaxTurn, 1) << "the first stays imported, the third was not tried";
    EXPECT_TRUE(Enabled("cmdImport") && Enabled("cmdClose"));

    Get("cmdClose")->click();
    EXPECT_TRUE(window->DatabaseSaved());
    EXPECT_TRUE(std::filesystem::exists(home.File("DATA/Map.Dat")));
}

TEST_F(BulkImportWindow, CancelStopsBetweenReportsAndImportGoesOnWithTheRest)
{
    for (int month = 1; month <= 4; ++month)
        WriteReport("r" + std::to_string(month) + ".txt", month);
    OpenWindow();
    Add({"r1.txt", "r2.txt", "r3.txt", "r4.txt"});
    int pending = 0;
    ui.whilePending = [&] {
        if (++pending == 3)
            Get("cmdCancel")->click();
    };
    Get("cmdImport")->click();
    EXPECT_EQ(Status(), "Import cancelled: 2 of 4 files imported.");
    EXPECT_EQ(Shown("lstSelFiles"), (Names{"r3.txt", "r4.txt"}));
    EXPECT_EQ(std::tuple(ws.Settings.CurrentTurn, ws.Settings.MaxTurn), std::tuple(2, 2));
    EXPECT_TRUE(window->DataChanged());
    EXPECT_FALSE(Enabled("cmdCancel"));

    // Closing while a report is read asks the run to stop instead, and saves nothing yet.
    ui.whilePending = [&] { window->reject(); };
    Get("cmdImport")->click();
    EXPECT_EQ(Status(), "Import cancelled: 0 of 2 files imported.");
    EXPECT_FALSE(window->DatabaseSaved());

    ui.whilePending = nullptr;
    Get("cmdImport")->click();
    EXPECT_EQ(Status(), "2 files imported sucessfully.");
    EXPECT_EQ(ws.Settings.MaxTurn, 4);
}

TEST_F(BulkImportWindow, AFailedSaveOnClosingLeavesTheChangeUnsaved)
{
    WriteReport("one.txt", 1);
    OpenWindow();
    window->ImportFiles({home.File("IMPORT/one.txt")});
    EXPECT_EQ(Status(), "1 files imported sucessfully.");
    // A database that may not be written over: the save fails, says so, and the change stays unsaved.
    ws.Refused.Add(ws.Settings.DataPath(ws.Settings.MapFile));
    window->reject();
    EXPECT_EQ(ui.Texts(Kind::Error),
              Names{"Unable to write the map database: " + ws.Settings.DataPath("Map.Dat")
                    + ": it could not be read when Korvane started, so it is not written over"});
    EXPECT_TRUE(window->DataChanged());
    EXPECT_FALSE(window->DatabaseSaved());
}

TEST_F(BulkImportWindow, RefusesToImportWithoutFactionNumberOrIntoARefusedDatabaseAndSavesNothing)
{
    WriteReport("one.txt", 1);
    OpenWindow();
    Add({"one.txt"});
    ws.Settings.FactionNo = 0;
    Get("cmdImport")->click();
    ws.Settings.FactionNo = 1;
    ws.Refused.Add(ws.Settings.DataPath(ws.Settings.MapFile));
    Get("cmdImport")->click();
    EXPECT_EQ(ws.Settings.MaxTurn, 0);
    EXPECT_EQ(List("lstSelFiles")->count(), 1);
    window->reject();
    EXPECT_FALSE(window->DataChanged() || window->DatabaseSaved());

    const Names errors = ui.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 2u) << "nothing imported, so closing tried no save";
    EXPECT_EQ(errors[0],
              "You must provide a valid faction number before importing turn files.\r"
              "(Use menu item View/Faction Details)");
    EXPECT_NE(errors[1].find("could not be loaded when Korvane started"), std::string::npos) << errors[1];
}

TEST_F(BulkImportWindow, ImportsAGamesRealReportsFromTheirFolder)
{
    KORVANE_REQUIRE_FIXTURES();
    ws.Settings.FactionNo = 3;
    ws.Settings.ImportDir = testing::FixturesDir();
    OpenWindow();
    Names reports;
    for (int turn = 1; turn <= 9; ++turn)
        reports.push_back("report-f3-t" + std::to_string(turn) + ".txt");
    Add(reports);
    Get("cmdImport")->click();
    EXPECT_EQ(Status(), "9 files imported sucessfully.");
    EXPECT_EQ(ws.Settings.CurrentTurn, 9);
    EXPECT_TRUE(ui.Texts(Kind::Warning).empty());
    window->reject();
    EXPECT_TRUE(window->DatabaseSaved());
}

}  // namespace
}  // namespace korvane
