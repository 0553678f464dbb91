// The main window's file and tool commands: saving and reloading the database, imports, the
// orders file for the game, the calculator.
#include "mapview/windows/frm_map.h"

#include "core/file_names.h"
#include "core/user_interaction.h"
#include "mapview/render/display_text.h"
#include "orders/orders_file.h"
#include "orders/orders_in_world.h"
#include "storage/data_file_import.h"
#include "storage/map_database.h"
#include "windows/busy_cursor.h"
#include "windows/frm_colour_key.h"
#include "windows/frm_icon_key.h"
#include "windows/frm_order_problems.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>

#include <filesystem>

namespace korvane {

namespace {

// The file filters of the import dialogs: everything first for reports and data files, text
// files first for the game's faction list. Names are matched whatever their case.
constexpr const char* kAnyFileFirst = "All files (*);;Text Files (*.txt *.TXT)";
constexpr const char* kTextFileFirst = "Text Files (*.txt *.TXT);;All Files (*)";
// The calculators of the common desktops, the first one found is started.
constexpr const char* kCalculators[] = {"gnome-calculator", "kcalc", "galculator", "xcalc"};

}  // namespace

void TfrmMAP::SetDataChanged(bool changed)
{
    dataChanged_ = changed;
    m_.mnuFileSaveDB->setEnabled(changed);
}

void TfrmMAP::SaveDatabase()
{
    if (!workspace_.CanSaveDatabase(ui_))
        return;
    FileResult saved;
    {
        const BusyCursor busy;
        saved = workspace_.SaveDatabase();
    }
    if (saved) {
        SetDataChanged(false);
        ShowStatusMessage("Database saved");
    } else {
        ui_.Error(DatabaseNotSavedMessage(saved));
    }
}

void TfrmMAP::ReloadDatabase()
{
    {
        const BusyCursor busy;
        // A database that can no longer be read keeps the world shown, and its unsaved changes.
        if (workspace_.ReloadDatabase(ui_))
            SetDataChanged(false);
    }
    frmColourKey_->RefreshFromMap();
    frmIconKey_->RefreshFromMap();
    RefreshOverview();
    RepaintMap();
}

void TfrmMAP::ChooseDataFile()
{
    const std::string file = ChooseImportFile("Import Data", ToDisplayText(workspace_.Settings.ImportDir),
                                              kAnyFileFirst);
    if (!file.empty())
        ImportData(file);
}

void TfrmMAP::ChooseFactionList()
{
    const QString start = ToDisplayText(QualifyFileName("IMPORT", workspace_.ProgramDir()));
    const std::string file = ChooseImportFile("Import Faction List", start, kTextFileFirst);
    if (!file.empty())
        ImportFactionList(file);
}

void TfrmMAP::ChooseTurnFile()
{
    if (!workspace_.CanImport(ImportKind::TurnFile, ui_))
        return;
    const std::string file = ChooseImportFile("Import Turn File", ToDisplayText(workspace_.Settings.ImportDir),
                                              kAnyFileFirst);
    if (!file.empty())
        ImportTurnFile(file);
}

std::string TfrmMAP::ChooseImportFile(const QString& caption, const QString& start, const QString& filter)
{
    const QString file = QFileDialog::getOpenFileName(this, caption, start, filter);
    return file.isEmpty() ? std::string() : FromUserText(file);
}

void TfrmMAP::ImportData(const std::string& fileName)
{
    FileResult imported;
    {
        const BusyCursor busy;
        imported = ImportDataFile(workspace_.Map, fileName);
    }
    if (imported) {
        SetDataChanged(true);
        ui_.Info("Data file imported successfully.");
    } else {
        ui_.Info("Data file import failed.");
    }
    RefreshOverview();
    RedrawMap();
}

void TfrmMAP::ImportFactionList(const std::string& fileName)
{
    // The registry is written with the other session files when the program ends.
    const FileResult imported = workspace_.Factions.ImportFactionList(fileName);
    if (!imported)
        ui_.Warning(FactionListImportWarning(imported));
    ui_.Info(imported ? "Import completed successfully." : "Import failed.");
}

void TfrmMAP::StartCalculator()
{
    for (const char* program : kCalculators) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
    ui_.Info("No calculator was found. Korvane starts the first of gnome-calculator, kcalc, galculator and "
             "xcalc that is installed.");
}

void TfrmMAP::ImportTurnFile(const std::string& fileName)
{
    if (!workspace_.CanImport(ImportKind::TurnFile, ui_))
        return;
    TurnImport imported;
    FileResult saved;
    {
        const BusyCursor busy;
        imported = korvane::ImportTurnReport(workspace_, fileName, ui_);
        if (imported) {
            saved = workspace_.SaveDatabase();
            SetDataChanged(!saved);
        }
    }
    if (!imported)
        ui_.Info("Turn file import failed.\r" + imported.Report.Text());
    else if (!saved)
        ui_.Error("The turn file was imported, but the map database could not be saved.\r" + saved.Text());
    else if (imported.TurnFiles)  // a turn file that could not be written was said: no success to report
        ui_.Info("Turn file imported successfully.");
    if (imported)
        ShowStatusMessage("Imported 1 turn report");
    RefreshOverview();
    RedrawMap();
    UpdateTurnPanel();
}

void TfrmMAP::ChooseTurnFileToGenerate()
{
    const TrecINI& settings = workspace_.Settings;
    std::string start = lastOrdersFile_;
    if (start.empty()) {
        const std::string dir = std::filesystem::is_directory(settings.TurnDir) ? settings.TurnDir
                                                                                : settings.ProgramDir();
        start = QualifyFileName(ProposedOrdersFileName(settings.CurrentTurn), dir);
    }
    // The question about an existing file is the program's own, with its own words.
    const QString file = QFileDialog::getSaveFileName(this, "Generate Turn File", ToDisplayText(start), kAnyFileFirst,
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (!file.isEmpty())
        GenerateTurnFile(FromUserText(file));
}

void TfrmMAP::GenerateTurnFile(const std::string& fileName)
{
    lastOrdersFile_ = fileName;
    const auto check = [this] {
        const TMap& map = workspace_.Map;
        const TrecINI& settings = workspace_.Settings;
        return CheckOrdersInWorld(OrdersFileText(map, settings), map, settings, orderVocabulary_.For(workspace_));
    };
    if (std::vector<OrdersFileProblem> problems = check(); !problems.empty()) {
        TfrmOrderProblems list(std::move(problems), this);
        list.openOrders = [this](std::int32_t unit, QWidget* over, std::function<void()> closed) {
            OpenOrderWindow(unit, over, std::move(closed));
        };
        list.recheck = check;
        const bool write = list.exec() == QDialog::Accepted;
        // Orders mended from the list change the map's marks of incomplete orders.
        RedrawMap();
        if (!write)
            return;
    }
    if (FileExists(fileName) && !ui_.AskYesNo(ReplaceOrdersFileQuestion(fileName)))
        return;
    FileResult written;
    {
        const BusyCursor busy;
        written = WriteOrdersFile(workspace_.Map, workspace_.Settings, fileName);
    }
    if (!written)
        ui_.Error("Unable to write the orders file " + written.Text());
}

}  // namespace korvane
