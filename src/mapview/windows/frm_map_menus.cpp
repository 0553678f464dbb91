// The main window's menus.
#include "mapview/windows/frm_map_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace korvane {

namespace {

QAction* Item(QMenu* menu, const char* name, const char* caption, bool enabled = true)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setEnabled(enabled);
    return action;
}

QMenu* Menu(QMainWindow& window, const char* name, const char* caption)
{
    QMenu* menu = window.menuBar()->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

}  // namespace

FrmMapMenus BuildFrmMapMenus(QMainWindow& window)
{
    FrmMapMenus m;
    // Entries marked false open windows that later work brings; until then they stay disabled.
    m.mnuFile = Menu(window, "mnuFile", "&File");
    m.mnuImportTurn = Item(m.mnuFile, "mnuImportTurn", "Import &Turn File");
    m.mnuBulkImport = Item(m.mnuFile, "mnuBulkImport", "&Bulk Turn File Import", false);
    m.mnuImportData = Item(m.mnuFile, "mnuImportData", "Import &Data");
    m.mnuImportData->setVisible(false);
    m.mnuImportKvd = Item(m.mnuFile, "mnuImportKvd", "Import &Korvane Data", false);
    m.mnuImportFactions = Item(m.mnuFile, "mnuImportFactions", "Import &Faction List");
    m.mnuFile->addSeparator();
    m.mnuExportKvd = Item(m.mnuFile, "mnuExportKvd", "E&xport Korvane Data", false);
    m.mnuGenerateMap = Item(m.mnuFile, "mnuGenerateMap", "&Generate Map", false);
    m.mnuFile->addSeparator();
    m.mnuFileSaveDB = Item(m.mnuFile, "mnuFileSaveDB", "&Save database", false);
    m.mnuFileReloadDB = Item(m.mnuFile, "mnuFileReloadDB", "&Reload database");
    m.mnuFile->addSeparator();
    m.mnuFileExit = Item(m.mnuFile, "mnuFileExit", "E&xit ...");

    QMenu* view = Menu(window, "mnuView", "&View");
    m.mnuViewHome = Item(view, "mnuViewHome", "Go &Home");
    m.mnuViewGoto = Item(view, "mnuViewGoto", "Goto &Coordinate");
    m.mnuViewSaveHome = Item(view, "mnuViewSaveHome", "&Save Position as Home");
    m.cmdFindCity = Item(view, "cmdFindCity", "&Find City");
    view->addSeparator();
    m.mnuViewColourKey = Item(view, "mnuViewColourKey", "&Terrain &Colour Chart");
    m.mnuViewIconKey = Item(view, "mnuViewIconKey", "Feature &Icon Chart");
    // Checked while their tool windows show.
    m.mnuViewColourKey->setCheckable(true);
    m.mnuViewIconKey->setCheckable(true);
    m.mnuViewTroopSelection = Item(view, "mnuViewTroopSelection", "&Troop Selection");
    m.mnuViewTroopSelection->setCheckable(true);
    view->addSeparator();
    m.mnuViewFactions = Item(view, "mnuViewFactions", "&Faction List");
    m.mnuViewGateList = Item(view, "mnuViewGateList", "&Gate List");
    m.mnuViewAllUnits = Item(view, "mnuViewAllUnits", "Full Unit List");
    m.mnuViewAllUnitSummary = Item(view, "mnuViewAllUnitSummary", "Full Unit Summary");
    view->addSeparator();
    m.mnuViewFaction = Item(view, "mnuViewFaction", "Faction Details");

    QMenu* tools = Menu(window, "mnuTools", "&Tools");
    m.mnuCombat = Item(tools, "mnuCombat", "Combat &Simulation", false);
    m.mnuGenerateTurn = Item(tools, "mnuGenerateTurn", "Generate Turn File");
    m.mnuMaintainAlliances = Item(tools, "mnuMaintainAlliances", "Maintain Alliances");
    m.mnuMaintainOptions = Item(tools, "mnuMaintainOptions", "Options");
    m.mnuToolsCalc = Item(tools, "mnuToolsCalc", "Calculator");

    QMenu* help = Menu(window, "mnuHelp", "&Help");
    m.mnuHelpAbout = Item(help, "mnuHelpAbout", "&About...");

    m.mnuHex = new QMenu(&window);
    m.mnuHex->setObjectName("mnuHex");
    m.mnuHexSaveHome = Item(m.mnuHex, "mnuHexSaveHome", "Save view as Home");
    m.mnuHexHome = Item(m.mnuHex, "mnuHexHome", "Move to Home");
    m.mnuHexCentre = Item(m.mnuHex, "mnuHexCentre", "Center Here");
    m.mnuHexGoto = Item(m.mnuHex, "mnuHexGoto", "Goto coordinate");
    m.mnuHexFindIncomplete = Item(m.mnuHex, "mnuHexFindIncomplete", "Find incomplete order");
    m.mnuHexViewUnits = Item(m.mnuHex, "mnuHexViewUnits", "View Units", false);
    m.mnuHexUnitSummary = Item(m.mnuHex, "mnuHexUnitSummary", "View Unit Summary", false);
    return m;
}

}  // namespace korvane
