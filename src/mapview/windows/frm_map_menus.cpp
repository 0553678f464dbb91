// The main window's menus.
#include "mapview/windows/frm_map_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QKeySequence>
#include <QMenuBar>

#include <initializer_list>

namespace korvane {

namespace {

QAction* Item(QMenu* menu, const char* name, const char* caption, bool enabled = true)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setEnabled(enabled);
    return action;
}

QAction* Keyed(QAction* action, std::initializer_list<QKeySequence> keys)
{
    action->setShortcuts(QList<QKeySequence>(keys));
    return action;
}

QMenu* Menu(QMainWindow& window, const char* name, const char* caption)
{
    QMenu* menu = window.menuBar()->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

}  // namespace

bool IsBareMapKey(int key, int modifiers)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (key) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
    case Qt::Key_Minus:
    case Qt::Key_U:
    case Qt::Key_Home:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Space:
        return true;
    default:
        return false;
    }
}

FrmMapMenus BuildFrmMapMenus(QMainWindow& window)
{
    FrmMapMenus m;
    m.mnuFile = Menu(window, "mnuFile", "&File");
    m.mnuImportTurn = Keyed(Item(m.mnuFile, "mnuImportTurn", "Import &Turn File"), {Qt::CTRL | Qt::Key_I});
    m.mnuBulkImport = Item(m.mnuFile, "mnuBulkImport", "&Bulk Turn File Import");
    m.mnuImportData = Item(m.mnuFile, "mnuImportData", "Import &Data");
    m.mnuImportData->setVisible(false);
    m.mnuImportKvd = Item(m.mnuFile, "mnuImportKvd", "Import &Korvane Data");
    m.mnuImportFactions = Item(m.mnuFile, "mnuImportFactions", "Import &Faction List");
    m.mnuFile->addSeparator();
    m.mnuExportKvd = Item(m.mnuFile, "mnuExportKvd", "E&xport Korvane Data");
    m.mnuGenerateMap = Item(m.mnuFile, "mnuGenerateMap", "&Generate Map");
    m.mnuFile->addSeparator();
    m.mnuFileSaveDB = Keyed(Item(m.mnuFile, "mnuFileSaveDB", "&Save database", false), {Qt::CTRL | Qt::Key_S});
    m.mnuFileReloadDB = Item(m.mnuFile, "mnuFileReloadDB", "&Reload database");
    m.mnuFile->addSeparator();
    m.mnuFileExit = Keyed(Item(m.mnuFile, "mnuFileExit", "E&xit ..."), {Qt::CTRL | Qt::Key_Q});

    QMenu* view = Menu(window, "mnuView", "&View");
    m.mnuViewHome = Keyed(Item(view, "mnuViewHome", "Go &Home"), {Qt::Key_Home});
    m.mnuViewGoto = Keyed(Item(view, "mnuViewGoto", "Goto &Coordinate"), {Qt::CTRL | Qt::Key_G});
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
    view->addSeparator();
    m.mnuViewZoomIn = Keyed(Item(view, "mnuViewZoomIn", "Zoom &In"), {Qt::Key_Plus, Qt::Key_Equal});
    m.mnuViewZoomOut = Keyed(Item(view, "mnuViewZoomOut", "Zoom &Out"), {Qt::Key_Minus});
    m.mnuViewLevel = Keyed(Item(view, "mnuViewLevel", "Over/&Underworld"), {Qt::Key_U});
    m.mnuViewNextTurn = Keyed(Item(view, "mnuViewNextTurn", "&Next Turn"), {Qt::Key_PageUp});
    m.mnuViewPreviousTurn = Keyed(Item(view, "mnuViewPreviousTurn", "&Previous Turn"), {Qt::Key_PageDown});
    QMenu* scroll = view->addMenu("Sc&roll");
    scroll->setObjectName("mnuViewScroll");
    m.mnuScrollLeft = Keyed(Item(scroll, "mnuScrollLeft", "Left"), {Qt::Key_Left});
    m.mnuScrollRight = Keyed(Item(scroll, "mnuScrollRight", "Right"), {Qt::Key_Right});
    m.mnuScrollUp = Keyed(Item(scroll, "mnuScrollUp", "Up"), {Qt::Key_Up});
    m.mnuScrollDown = Keyed(Item(scroll, "mnuScrollDown", "Down"), {Qt::Key_Down});
    scroll->addSeparator();
    m.mnuScrollLeftFar = Keyed(Item(scroll, "mnuScrollLeftFar", "Left by Ten"), {Qt::SHIFT | Qt::Key_Left});
    m.mnuScrollRightFar = Keyed(Item(scroll, "mnuScrollRightFar", "Right by Ten"), {Qt::SHIFT | Qt::Key_Right});
    m.mnuScrollUpFar = Keyed(Item(scroll, "mnuScrollUpFar", "Up by Ten"), {Qt::SHIFT | Qt::Key_Up});
    m.mnuScrollDownFar = Keyed(Item(scroll, "mnuScrollDownFar", "Down by Ten"), {Qt::SHIFT | Qt::Key_Down});

    QMenu* tools = Menu(window, "mnuTools", "&Tools");
    m.mnuCombat = Item(tools, "mnuCombat", "Combat &Simulation");
    m.mnuGenerateTurn = Item(tools, "mnuGenerateTurn", "Generate Turn File");
    m.mnuMaintainAlliances = Item(tools, "mnuMaintainAlliances", "Maintain Alliances");
    m.mnuMaintainOptions = Item(tools, "mnuMaintainOptions", "Options");
    m.mnuToolsCalc = Item(tools, "mnuToolsCalc", "Calculator");

    QMenu* help = Menu(window, "mnuHelp", "&Help");
    m.mnuHelpAbout = Keyed(Item(help, "mnuHelpAbout", "&About..."), {Qt::Key_F1});

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
