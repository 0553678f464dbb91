// The widgets of the main map window and where they sit.
#include "mapview/windows/frm_map_layout.h"

#include "mapview/windows/map_canvas.h"
#include "windows/widget_makers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string>
#include <utility>

namespace korvane {

namespace {

// A value panel wide enough for a figure, a coordinate or a turn.
QLabel* FigurePanel(const char* name)
{
    QLabel* panel = ValuePanel(name);
    panel->setMinimumWidth(60);
    return panel;
}

QWidget* ShowPage(FrmMapWidgets& w)
{
    auto* page = Named<QWidget>("tsShow");
    auto* layout = new QVBoxLayout(page);
    w.optShowOverworld = Named<QRadioButton>("optShowOverworld", "Overworld");
    w.optShowUnderworld = Named<QRadioButton>("optShowUnderworld", "Underworld");
    w.optShowOverworld->setChecked(true);
    auto* levels = new QHBoxLayout;
    levels->addWidget(w.optShowOverworld);
    levels->addWidget(w.optShowUnderworld);
    layout->addLayout(levels);
    const std::pair<QCheckBox**, std::pair<const char*, const char*>> boxes[] = {
        {&w.chkHexCoords, {"chkHexCoords", " Hex Co-ordinates"}},
        {&w.chkTownIcons, {"chkTownIcons", " Pop. Center Icons"}},
        {&w.chkTownNames, {"chkTownNames", " Pop. Center Names"}},
        {&w.chkGates, {"chkGates", " Gates"}},
        {&w.chkShafts, {"chkShafts", " Shafts"}},
        {&w.chkOther, {"chkOther", " Other"}},
        {&w.chkShowUnconfirmed, {"chkShowUnconfirmed", " Indicate Unconfirmed"}},
        {&w.chkShowUnits, {"chkShowUnits", " Troop Locations"}},
        {&w.chkMarkDoneHexes, {"chkMarkDoneHexes", " Mark done orders"}},
        {&w.chkShowHints, {"chkShowHints", " Show Hex Balloons"}},
    };
    for (const auto& [box, names] : boxes) {
        *box = Named<QCheckBox>(names.first, names.second);
        layout->addWidget(*box);
    }
    w.pnlHintDelay = Named<QWidget>("pnlHintDelay");
    w.pnlHintDelay->setToolTip("Baloon Display Delay in tenths of a second");
    auto* delay = new QHBoxLayout(w.pnlHintDelay);
    delay->setContentsMargins(20, 0, 0, 0);
    w.udHintDelay = Named<QSpinBox>("udHintDelay");
    w.udHintDelay->setRange(1, 10);
    delay->addWidget(w.udHintDelay);
    delay->addStretch();
    w.pnlHintDelay->setVisible(false);  // shown while balloons are on
    layout->addWidget(w.pnlHintDelay);
    // Whose troops are marked, right under the switch that marks them.
    w.lstTroopViews = Named<QComboBox>("lstTroopViews");
    w.lstTroopViews->setToolTip("The display list whose troops the map marks");
    layout->insertWidget(layout->indexOf(w.chkShowUnits) + 1, w.lstTroopViews);
    w.chkWheelZooms = Named<QCheckBox>("chkWheelZooms", " Wheel zooms");
    w.chkWheelZooms->setToolTip("The mouse wheel zooms the map at the pointer; off, it scrolls");
    layout->addWidget(w.chkWheelZooms);
    w.chkOverviewKnownWorld = Named<QCheckBox>("chkOverviewKnownWorld", " Overview: known world");
    w.chkOverviewKnownWorld->setToolTip("The overview shows the known hexes as large as it can, not the whole grid");
    layout->addWidget(w.chkOverviewKnownWorld);
    layout->addStretch();
    return page;
}

QWidget* HexPage(FrmMapWidgets& w)
{
    auto* page = Named<QWidget>("tsHexInfo");
    auto* form = new QFormLayout(page);
    const std::pair<QLabel**, std::pair<const char*, const char*>> rows[] = {
        {&w.pnlHexCoord, {"pnlHexCoord", "Co-ord"}},      {&w.pnlHexTerrain, {"pnlHexTerrain", "Terrain"}},
        {&w.pnlHexNatives, {"pnlHexNatives", "Natives"}}, {&w.pnlHexTaxes, {"pnlHexTaxes", "Taxes"}},
        {&w.pnlHexWages, {"pnlHexWages", "Wages"}},       {&w.pnlHexPop, {"pnlHexPop", "Pop Ctr"}},
        {&w.pnlHexGate, {"pnlHexGate", "Gate"}},
    };
    for (const auto& [panel, names] : rows) {
        *panel = FigurePanel(names.first);
        form->addRow(names.second, *panel);
    }
    form->addRow(new QLabel("Weather"));
    w.pnlHexWeatWas = FigurePanel("pnlHexWeatWas");
    w.pnlHexWeatNext = FigurePanel("pnlHexWeatNext");
    form->addRow("Was", w.pnlHexWeatWas);
    form->addRow("Next", w.pnlHexWeatNext);
    w.pnlLastUpd = FigurePanel("pnlLastUpd");
    form->addRow("Last Update", w.pnlLastUpd);
    return page;
}

QWidget* UnitsPage(FrmMapWidgets& w)
{
    auto* page = Named<QWidget>("tsUnitInfo");
    auto* layout = new QVBoxLayout(page);
    auto* income = new QFormLayout;
    w.pnlSilver = FigurePanel("pnlSilver");
    w.pnlTaxes = FigurePanel("pnlTaxes");
    w.pnlWages = FigurePanel("pnlWages");
    w.pnlTotIncome = FigurePanel("pnlTotIncome");
    income->addRow("Silver", w.pnlSilver);
    income->addRow("Taxes", w.pnlTaxes);
    income->addRow("Wages", w.pnlWages);
    income->addRow("Total", w.pnlTotIncome);
    layout->addLayout(income);
    auto* forces = new QGridLayout;
    forces->addWidget(new QLabel("UNITS"), 0, 1);
    forces->addWidget(new QLabel("MEN"), 0, 2);
    const std::pair<const char*, std::pair<QLabel**, QLabel**>> rows[] = {
        {"LEAD", {&w.pnlLEADUnits, &w.pnlLEADMen}},
        {"SERF", {&w.pnlSERFUnits, &w.pnlSERFMen}},
        {"TOTAL", {&w.pnlTOTUnits, &w.pnlTOTMen}},
    };
    int row = 1;
    for (const auto& [caption, panels] : rows) {
        *panels.first = FigurePanel((std::string("pnl") + (row == 3 ? "TOT" : caption) + "Units").c_str());
        *panels.second = FigurePanel((std::string("pnl") + (row == 3 ? "TOT" : caption) + "Men").c_str());
        forces->addWidget(new QLabel(caption), row, 0);
        forces->addWidget(*panels.first, row, 1);
        forces->addWidget(*panels.second, row, 2);
        ++row;
    }
    layout->addLayout(forces);
    auto* upkeep = new QFormLayout;
    w.pnlMaint = FigurePanel("pnlMaint");
    upkeep->addRow("Cost to Maintain", w.pnlMaint);
    layout->addLayout(upkeep);
    w.chkAllUnits = Named<QCheckBox>("chkAllUnits", "All");
    layout->addWidget(w.chkAllUnits);
    layout->addStretch();
    return page;
}

QWidget* RightColumn(FrmMapWidgets& w)
{
    w.pnlRight = Named<QWidget>("pnlRight");
    auto* column = new QVBoxLayout(w.pnlRight);
    column->setContentsMargins(2, 2, 2, 2);
    auto* smallMap = Named<QWidget>("pnlSmallMap");
    auto* smallMapLayout = new QVBoxLayout(smallMap);
    smallMapLayout->setContentsMargins(0, 0, 0, 0);
    w.imgSmallMap = Named<QLabel>("imgSmallMap");
    w.imgSmallMap->setMinimumSize(161, 97);
    w.imgSmallMap->setScaledContents(true);
    w.imgSmallMap->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    smallMapLayout->addWidget(w.imgSmallMap);
    auto* zoom = Named<QWidget>("pnlZoom");
    auto* zoomLayout = new QGridLayout(zoom);
    zoomLayout->setContentsMargins(0, 0, 0, 0);
    zoomLayout->addWidget(new QLabel("Zoom Map"), 0, 0, 1, 3, Qt::AlignHCenter);
    zoomLayout->addWidget(new QLabel("In"), 1, 0);
    w.scrollScale = Named<QScrollBar>("scrollScale", Qt::Horizontal);
    w.scrollScale->setRange(1, 10);
    w.scrollScale->setPageStep(1);
    zoomLayout->addWidget(w.scrollScale, 1, 1);
    zoomLayout->addWidget(new QLabel("Out"), 1, 2);
    zoomLayout->setColumnStretch(1, 1);  // the bar takes the room between its labels
    w.chkDrawGlobalMap = Named<QCheckBox>("chkDrawGlobalMap", " Update Global Map");
    zoomLayout->addWidget(w.chkDrawGlobalMap, 2, 0, 1, 3);
    smallMapLayout->addWidget(zoom);
    column->addWidget(smallMap);

    w.tabShow = Named<QTabWidget>("tabShow");
    w.tabShow->addTab(ShowPage(w), "Show");
    w.tabShow->addTab(HexPage(w), "Hex");
    w.tabShow->addTab(UnitsPage(w), "Units");
    auto* factions = Named<QWidget>("tsFaction");
    auto* factionsLayout = new QVBoxLayout(factions);
    w.lstHexFactions = Named<QListWidget>("lstHexFactions");
    factionsLayout->addWidget(w.lstHexFactions);
    w.tabShow->addTab(factions, "Facs");
    column->addWidget(w.tabShow, 1);
    return w.pnlRight;
}

QWidget* MapPanel(FrmMapWidgets& w, MapCanvas* map)
{
    auto* indent = Named<QWidget>("pnlMainIndent");
    auto* grid = new QGridLayout(indent);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    w.paintMap = map;
    w.scrollH = Named<QScrollBar>("scrollH", Qt::Horizontal);
    w.scrollH->setRange(0, 320);  // the columns of the grid
    w.scrollV = Named<QScrollBar>("scrollV", Qt::Vertical);
    w.scrollV->setRange(0, 192);  // its rows
    grid->addWidget(w.paintMap, 0, 0);
    grid->addWidget(w.scrollV, 0, 1);
    grid->addWidget(w.scrollH, 1, 0);
    return indent;
}

QWidget* BottomRow(FrmMapWidgets& w)
{
    auto* row = Named<QWidget>("Panel1");
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(2, 0, 2, 0);
    w.pnlCoords = FigurePanel("pnlCoords");
    w.pnlCoords->setToolTip("Click to Jump to coordinate.");
    w.pnlCoords->setMinimumWidth(90);
    layout->addWidget(w.pnlCoords);
    layout->addSpacing(12);
    layout->addWidget(new QLabel("Turn"));
    w.cmdTurnD2 = Named<QPushButton>("cmdTurnD2", "<<");
    w.cmdTurnD1 = Named<QPushButton>("cmdTurnD1", "<");
    w.pnlTurn = FigurePanel("pnlTurn");
    w.pnlTurn->setAlignment(Qt::AlignCenter);
    w.pnlTurn->setMinimumWidth(48);
    w.cmdTurnU1 = Named<QPushButton>("cmdTurnU1", ">");
    w.cmdTurnU2 = Named<QPushButton>("cmdTurnU2", ">>");
    for (QWidget* widget :
         {static_cast<QWidget*>(w.cmdTurnD2), static_cast<QWidget*>(w.cmdTurnD1), static_cast<QWidget*>(w.pnlTurn),
          static_cast<QWidget*>(w.cmdTurnU1), static_cast<QWidget*>(w.cmdTurnU2)})
        layout->addWidget(widget);
    for (QPushButton* button : {w.cmdTurnD2, w.cmdTurnD1, w.cmdTurnU1, w.cmdTurnU2})
        button->setMaximumWidth(32);
    layout->addStretch();
    w.cmdColourChart = Named<QPushButton>("cmdColourChart", "Colour Chart");
    w.cmdIconChart = Named<QPushButton>("cmdIconChart", "Icon Chart");
    w.cmdTroops = Named<QPushButton>("cmdTroops", "Troops");
    layout->addWidget(w.cmdColourChart);
    layout->addWidget(w.cmdIconChart);
    layout->addWidget(w.cmdTroops);
    return row;
}

}  // namespace

FrmMapWidgets BuildFrmMapLayout(QMainWindow& window, MapCanvas* map)
{
    FrmMapWidgets w;
    auto* central = Named<QWidget>("pnlCentral");
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    w.pnlMain = Named<QSplitter>("pnlMain", Qt::Horizontal);
    w.pnlMain->addWidget(MapPanel(w, map));
    w.pnlMain->addWidget(RightColumn(w));
    w.pnlMain->setStretchFactor(0, 1);
    w.pnlMain->setStretchFactor(1, 0);
    w.pnlMain->setChildrenCollapsible(false);
    // The right column never gets narrower than its controls need: a drag past that stops there.
    w.pnlRight->setMinimumWidth(170);
    w.pnlMain->setHandleWidth(8);
    w.pnlMain->handle(1)->setObjectName("pnlSplitter");
    layout->addWidget(w.pnlMain, 1);
    layout->addWidget(BottomRow(w));
    window.setCentralWidget(central);
    window.statusBar()->setObjectName("StatusBar");
    // The hex under the pointer stays at the right; passing messages take the left.
    w.lblStatusHex = Named<QLabel>("lblStatusHex");
    window.statusBar()->addPermanentWidget(w.lblStatusHex);
    return w;
}

}  // namespace korvane
