// The main window's menu bar and the hex pop-up menu, with the names the program finds them by.
#pragma once

class QAction;
class QMainWindow;
class QMenu;

namespace korvane {

struct FrmMapMenus
{
    QMenu* mnuFile = nullptr;
    QAction *mnuImportTurn = nullptr, *mnuBulkImport = nullptr, *mnuImportData = nullptr, *mnuImportKvd = nullptr,
            *mnuImportFactions = nullptr, *mnuExportKvd = nullptr, *mnuGenerateMap = nullptr, *mnuFileSaveDB = nullptr,
            *mnuFileReloadDB = nullptr, *mnuFileExit = nullptr;
    QAction *mnuViewHome = nullptr, *mnuViewGoto = nullptr, *mnuViewSaveHome = nullptr, *cmdFindCity = nullptr,
            *mnuViewColourKey = nullptr, *mnuViewIconKey = nullptr, *mnuViewTroopSelection = nullptr,
            *mnuViewFactions = nullptr, *mnuViewGateList = nullptr, *mnuViewAllUnits = nullptr,
            *mnuViewAllUnitSummary = nullptr, *mnuViewFaction = nullptr;
    // Keyboard moves of the view, in the menu so that their keys can be seen.
    QAction *mnuViewZoomIn = nullptr, *mnuViewZoomOut = nullptr, *mnuViewLevel = nullptr, *mnuViewNextTurn = nullptr,
            *mnuViewPreviousTurn = nullptr;
    QAction *mnuScrollLeft = nullptr, *mnuScrollRight = nullptr, *mnuScrollUp = nullptr, *mnuScrollDown = nullptr,
            *mnuScrollLeftFar = nullptr, *mnuScrollRightFar = nullptr, *mnuScrollUpFar = nullptr,
            *mnuScrollDownFar = nullptr;
    QAction *mnuCombat = nullptr, *mnuGenerateTurn = nullptr, *mnuMaintainAlliances = nullptr,
            *mnuMaintainOptions = nullptr, *mnuToolsCalc = nullptr;
    QAction* mnuHelpAbout = nullptr;

    QMenu* mnuHex = nullptr;  // the pop-up over the map
    QAction *mnuHexSaveHome = nullptr, *mnuHexHome = nullptr, *mnuHexCentre = nullptr, *mnuHexGoto = nullptr,
            *mnuHexFindIncomplete = nullptr, *mnuHexViewUnits = nullptr, *mnuHexUnitSummary = nullptr;
};

/// The keys that a focused edit box keeps for itself: bare keys, which the map would
/// otherwise take as shortcuts.
bool IsBareMapKey(int key, int modifiers);

/// Builds the menu bar of `window` and the hex pop-up. Entries whose windows are still to come
/// are there, disabled.
FrmMapMenus BuildFrmMapMenus(QMainWindow& window);

}  // namespace korvane
