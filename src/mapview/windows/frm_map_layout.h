// The widgets of the main map window, named as the rest of the program and its tests find them.
#pragma once

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QMainWindow;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QWidget;

namespace korvane {

class MapCanvas;

struct FrmMapWidgets
{
    QLabel* lblStatusHex = nullptr;  // the status bar's hex under the pointer
    QSplitter* pnlMain = nullptr;
    MapCanvas* paintMap = nullptr;
    QScrollBar* scrollH = nullptr;
    QScrollBar* scrollV = nullptr;
    QWidget* pnlRight = nullptr;
    QLabel* imgSmallMap = nullptr;
    QScrollBar* scrollScale = nullptr;
    QCheckBox* chkDrawGlobalMap = nullptr;
    QTabWidget* tabShow = nullptr;

    // "Show" page.
    QRadioButton* optShowOverworld = nullptr;
    QRadioButton* optShowUnderworld = nullptr;
    QCheckBox* chkHexCoords = nullptr;
    QCheckBox* chkTownIcons = nullptr;
    QCheckBox* chkTownNames = nullptr;
    QCheckBox* chkGates = nullptr;
    QCheckBox* chkShafts = nullptr;
    QCheckBox* chkOther = nullptr;
    QCheckBox* chkShowUnconfirmed = nullptr;
    QCheckBox* chkShowUnits = nullptr;
    QCheckBox* chkMarkDoneHexes = nullptr;
    QCheckBox* chkShowHints = nullptr;
    QWidget* pnlHintDelay = nullptr;
    QSpinBox* udHintDelay = nullptr;
    QComboBox* lstTroopViews = nullptr;
    QCheckBox* chkWheelZooms = nullptr;
    QCheckBox* chkOverviewKnownWorld = nullptr;

    // "Hex" page.
    QLabel *pnlHexCoord = nullptr, *pnlHexTerrain = nullptr, *pnlHexNatives = nullptr, *pnlHexTaxes = nullptr,
           *pnlHexWages = nullptr, *pnlHexPop = nullptr, *pnlHexGate = nullptr, *pnlHexWeatWas = nullptr,
           *pnlHexWeatNext = nullptr, *pnlLastUpd = nullptr;

    // "Units" page.
    QLabel *pnlSilver = nullptr, *pnlTaxes = nullptr, *pnlWages = nullptr, *pnlTotIncome = nullptr,
           *pnlLEADUnits = nullptr, *pnlLEADMen = nullptr, *pnlSERFUnits = nullptr, *pnlSERFMen = nullptr,
           *pnlTOTUnits = nullptr, *pnlTOTMen = nullptr, *pnlMaint = nullptr;
    QCheckBox* chkAllUnits = nullptr;

    // "Facs" page.
    QListWidget* lstHexFactions = nullptr;

    // Bottom row.
    QLabel* pnlCoords = nullptr;
    QPushButton *cmdTurnD2 = nullptr, *cmdTurnD1 = nullptr, *cmdTurnU1 = nullptr, *cmdTurnU2 = nullptr;
    QLabel* pnlTurn = nullptr;
    QPushButton *cmdColourChart = nullptr, *cmdIconChart = nullptr, *cmdTroops = nullptr;
};

/// Builds the window's widgets into `window` (its central widget and status bar), with `map`
/// as the map area, and returns them.
FrmMapWidgets BuildFrmMapLayout(QMainWindow& window, MapCanvas* map);

}  // namespace korvane
