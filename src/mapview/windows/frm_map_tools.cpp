// The main window's tools that open windows of their own: the combat simulator, bitmaps of the
// map, the bulk turn import and the exchange of map knowledge with allies.
#include "mapview/windows/frm_map.h"

#include "windows/frm_bulk_turn_import.h"
#include "windows/frm_combats.h"
#include "windows/frm_export_data.h"
#include "windows/frm_import_data.h"
#include "windows/frm_make_map.h"
#include "workspace/workspace.h"

#include <QAction>

namespace korvane {

void TfrmMAP::ConnectToolWindows()
{
    setAcceptDrops(true);
    connect(m_.mnuCombat, &QAction::triggered, this, [this] { OpenCombats(); });
    connect(m_.mnuBulkImport, &QAction::triggered, this, [this] { BulkImport({}); });
    connect(m_.mnuImportKvd, &QAction::triggered, this, [this] { OpenImportData({}); });
    connect(m_.mnuExportKvd, &QAction::triggered, this, [this] {
        TfrmExportData exportData(workspace_, ui_, this);
        exportData.Preset(PresetFromView(Canvas().View(), DrawOptions()));
        exportData.exec();
    });
    connect(m_.mnuGenerateMap, &QAction::triggered, this, [this] {
        TfrmMakeMap makeMap(workspace_, ui_, this);
        makeMap.Preset(PresetFromView(Canvas().View(), DrawOptions()));
        makeMap.exec();
    });
}

void TfrmMAP::OpenImportData(const std::string& exchangeFile)
{
    TfrmImportData importData(workspace_, ui_, this);
    if (!exchangeFile.empty())
        importData.Preset(exchangeFile);
    importData.exec();
    if (!importData.Imported())
        return;
    SetDataChanged(importData.DataChanged());
    RefreshOverview();
    RedrawMap();
}

void TfrmMAP::BulkImport(const std::vector<std::string>& reports)
{
    // Refused before the window opens: files picked and ordered there could not be imported.
    if (!workspace_.CanImport(ImportKind::TurnFiles, ui_))
        return;
    TfrmBulkTurnImport bulk(workspace_, ui_, this);
    std::size_t imported = 0;
    if (reports.empty()) {
        bulk.exec();
    } else {
        // Shown while it works, so that its progress and Cancel are there; closed at once after.
        bulk.show();
        imported = bulk.ImportFiles(reports).Imported;
        bulk.reject();
    }
    // Closing saved the whole map, earlier edits included; a window that imported nothing
    // leaves the main window's own unsaved changes as they were.
    if (bulk.DatabaseSaved())
        SetDataChanged(false);
    if (bulk.DataChanged())
        SetDataChanged(true);
    if (imported > 0)
        ShowStatusMessage("Imported " + std::to_string(imported) + (imported == 1 ? " turn report" : " turn reports"));
    RefreshOverview();
    RedrawMap();
    UpdateTurnPanel();
}

void TfrmMAP::OpenCombats(const std::string& battleFile)
{
    TfrmCombats combats(workspace_.ProgramDir(), ui_, this);
    if (!battleFile.empty())
        combats.LoadBattle(battleFile);
    combats.exec();
}

}  // namespace korvane
