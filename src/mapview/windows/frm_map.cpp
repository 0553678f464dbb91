// The main map window.
#include "mapview/windows/frm_map.h"

#include "core/user_interaction.h"
#include "mapview/render/draw_options.h"
#include "mapview/render/overview_map.h"
#include "mapview/windows/frm_options.h"
#include "mapview/windows/hex_pages.h"
#include "windows/busy_cursor.h"
#include "windows/centre_window.h"
#include "windows/frm_alliances.h"
#include "windows/frm_colour_key.h"
#include "windows/frm_factions.h"
#include "windows/frm_icon_key.h"
#include "windows/frm_troop_show_select.h"
#include "mapview/windows/main_window_placement.h"
#include "world/map.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>
#include <vector>

namespace korvane {

namespace {

// How often the window looks whether the unit files have been read.
constexpr int kUnitsPollMs = 10;

}  // namespace

TfrmMAP::TfrmMAP(Workspace& workspace, UserInteraction& ui, QWidget* parent)
    : QMainWindow(parent)
    , workspace_(workspace)
    , ui_(ui)
{
    setObjectName("frmMAP");
    setWindowTitle("Korvane");
    w_ = BuildFrmMapLayout(*this, new MapCanvas(workspace));
    m_ = BuildFrmMapMenus(*this);
    resize(1000, 700);
    CreateKeyWindows();
    CreateTroopShowSelect();
    ColourFactionList();
    ApplyDisplaySettings();
    ConnectDisplaySwitches();
    ConnectNavigation();
    ConnectCanvas();
    ConnectMenus();
    ConnectKeys();
    ConnectToolWindows();
    UpdateTurnPanel();
}

bool TfrmMAP::StartUp()
{
    bool loaded = false;
    {
        const BusyCursor busy;
        loaded = workspace_.BeginOpen(ui_);
        // Without a saved home the first view is where the player's units stand: they are
        // needed before anything is drawn.
        if (!workspace_.Settings.HomeSaved)
            workspace_.FinishOpen(ui_);
    }
    // Otherwise the unit files are read meanwhile, while the map is drawn and the window
    // answers; once they are read the units are taken in and the troop marks drawn.
    auto* unitsPoll = new QTimer(this);
    connect(unitsPoll, &QTimer::timeout, this, [this, unitsPoll] {
        if (workspace_.UnitsPending() && !workspace_.UnitsRead())
            return;
        unitsPoll->stop();
        unitsPoll->deleteLater();
        // Taken in here, unless something that needed them has taken them in already.
        if (workspace_.UnitsPending()) {
            const BusyCursor busy;
            workspace_.FinishOpen(ui_);
        }
        frmTroopShowSelect_->RefreshLists();
        FillTroopViews();
        RedrawMap();
    });
    unitsPoll->start(kUnitsPollMs);
    ApplyDisplaySettings();
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        Canvas().SizeBufferFor(*screen);
    RestorePlacement();
    const TrecINI& settings = workspace_.Settings;
    // The keys follow the vocabulary the database brought.
    frmColourKey_->RefreshFromMap();
    frmIconKey_->RefreshFromMap();
    PlaceToolWindow(*frmColourKey_, settings.ColourKeyPosX, settings.ColourKeyPosY);
    PlaceToolWindow(*frmIconKey_, settings.IconKeyPosX, settings.IconKeyPosY);
    frmTroopShowSelect_->RefreshLists();
    PlaceToolWindow(*frmTroopShowSelect_, settings.TroopShowPosX, settings.TroopShowPosY);
    FillTroopViews();
    ShowHome();
    SetDataChanged(false);
    UpdateTurnPanel();
    w_.tabShow->setCurrentIndex(0);
    Canvas().StartBalloonTimer();
    RefreshOverview();
    return loaded;
}

void TfrmMAP::ShowHome()
{
    Canvas().GoHome(workspace_.Settings);
    // The level buttons, and the level the next start shows, follow the home's level.
    workspace_.Settings.ShowDepth = Canvas().View().ViewLevel;
    ShowLevelChoice();
    SyncScrollBars();
}

void TfrmMAP::SaveViewAsHome()
{
    TrecINI& settings = workspace_.Settings;
    SaveHome(Canvas().View(), settings);
    // Written at once, so that the home outlives a crash; but never over a settings file that
    // could not be read, which still holds the player's own settings.
    if (workspace_.Refused.Contains(settings.FileName())) {
        ui_.Warning("The settings file " + settings.FileName()
                    + " could not be read when Korvane started, so the home is kept for this session only.");
        return;
    }
    if (const FileResult saved = settings.WriteSettings(); !saved)
        ui_.Error("Unable to write to " + saved.File);
    else
        ShowStatusMessage("Home saved");
}

void TfrmMAP::RestorePlacement()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    const MainWindowPlacement placement = RestoreMainWindow(workspace_.Settings, {size.width(), size.height()}, width(),
                                                            height());
    if (placement.width && placement.height)
        resize(*placement.width, *placement.height);
    move(placement.x, placement.y);
    if (placement.rightColumnWidth) {
        const int total = w_.pnlMain->width();
        w_.pnlMain->setSizes({std::max(total - *placement.rightColumnWidth, 0), *placement.rightColumnWidth});
    }
    if (placement.state == 1)
        setWindowState(Qt::WindowMinimized);
    else if (placement.state == 2)
        setWindowState(Qt::WindowMaximized);
}

void TfrmMAP::closeEvent(QCloseEvent* event)
{
    if (dataChanged_ && !ui_.AskYesNo("Data has changed. Do you wish to exit without saving ?")) {
        event->ignore();
        return;
    }
    const BusyCursor busy;
    TrecINI& settings = workspace_.Settings;
    std::tie(settings.ColourKeyPosX, settings.ColourKeyPosY) = std::tuple(frmColourKey_->x(), frmColourKey_->y());
    std::tie(settings.IconKeyPosX, settings.IconKeyPosY) = std::tuple(frmIconKey_->x(), frmIconKey_->y());
    std::tie(settings.TroopShowPosX, settings.TroopShowPosY) = std::tuple(frmTroopShowSelect_->x(),
                                                                          frmTroopShowSelect_->y());
    const int state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    const QRect frame = frameGeometry();
    StoreMainWindow(settings, frame.x(), frame.y(), width(), height(), w_.pnlRight->width(), state);
    // Whatever could not be written has been named; the player still gets to leave.
    workspace_.SaveOnExit(ui_);
    event->accept();
}

std::array<std::pair<QCheckBox*, bool TrecINI::*>, 9> TfrmMAP::DisplaySwitches() const
{
    return {{{w_.chkHexCoords, &TrecINI::ShowCoords},
             {w_.chkTownIcons, &TrecINI::ShowTowns},
             {w_.chkTownNames, &TrecINI::ShowTownNames},
             {w_.chkGates, &TrecINI::ShowGates},
             {w_.chkShafts, &TrecINI::ShowShafts},
             {w_.chkOther, &TrecINI::ShowOther},
             {w_.chkShowUnconfirmed, &TrecINI::ShowUnconfirmed},
             {w_.chkShowUnits, &TrecINI::ShowUnits},
             {w_.chkMarkDoneHexes, &TrecINI::MarkDoneHexes}}};
}

void TfrmMAP::ApplyDisplaySettings()
{
    const TrecINI& settings = workspace_.Settings;
    // The boxes take the settings as they are: the coupling of names and icons is the player's
    // clicks', not the start's.
    std::vector<QSignalBlocker> quiet;
    std::vector<std::pair<QCheckBox*, bool>> boxes = {{w_.chkDrawGlobalMap, settings.ShowGlobalMap},
                                                      {w_.chkShowHints, settings.ShowHints},
                                                      {w_.chkWheelZooms, settings.WheelZooms},
                                                      {w_.chkOverviewKnownWorld, settings.OverviewKnownWorld}};
    for (const auto& [box, setting] : DisplaySwitches())
        boxes.emplace_back(box, settings.*setting);
    for (const auto& [box, on] : boxes) {
        quiet.emplace_back(box);
        box->setChecked(on);
    }
    (settings.ShowDepth == 1 ? w_.optShowUnderworld : w_.optShowOverworld)->setChecked(true);
    w_.udHintDelay->setValue(ClampHintDelay(workspace_.Settings));
    Canvas().SetBalloonDelay(workspace_.Settings.HintDelay);
    Canvas().SetBalloons(settings.ShowHints);
    w_.pnlHintDelay->setVisible(settings.ShowHints);
    ApplyDrawOptions();
}

void TfrmMAP::ConnectDisplaySwitches()
{
    for (const auto& [box, setting] : DisplaySwitches()) {
        connect(box, &QCheckBox::toggled, this, [this, setting = setting](bool on) {
            workspace_.Settings.*setting = on;
            ApplyDrawOptions();
        });
    }
    // Names need their icons: names on turns icons on, icons off turns names off.
    connect(w_.chkTownNames, &QCheckBox::toggled, this, [this](bool on) {
        if (on && !w_.chkTownIcons->isChecked())
            w_.chkTownIcons->setChecked(true);
    });
    connect(w_.chkTownIcons, &QCheckBox::toggled, this, [this](bool on) {
        if (!on && w_.chkTownNames->isChecked())
            w_.chkTownNames->setChecked(false);
    });
    // Switched off, the overview keeps what it shows until the next activation greys it.
    connect(w_.chkDrawGlobalMap, &QCheckBox::toggled, this, [this](bool on) {
        workspace_.Settings.ShowGlobalMap = on;
        if (on)
            RefreshOverview();
    });
    connect(w_.chkShowHints, &QCheckBox::toggled, this, [this](bool on) {
        workspace_.Settings.ShowHints = on;
        Canvas().SetBalloons(on);
        w_.pnlHintDelay->setVisible(on);
    });
    connect(w_.udHintDelay, &QSpinBox::valueChanged, this, [this](int tenths) {
        workspace_.Settings.HintDelay = tenths;
        Canvas().SetBalloonDelay(tenths);
    });

    const std::pair<QPushButton*, TurnButton> turnButtons[] = {
        {w_.cmdTurnD2, TurnButton::Down5},
        {w_.cmdTurnD1, TurnButton::Down1},
        {w_.cmdTurnU1, TurnButton::Up1},
        {w_.cmdTurnU2, TurnButton::Up5},
    };
    for (const auto& [button, step] : turnButtons)
        connect(button, &QPushButton::clicked, this, [this, step = step] { StepTurn(step); });
}

void TfrmMAP::ApplyDrawOptions()
{
    Canvas().SetDrawOptions(DrawOptions());
}

void TfrmMAP::RepaintMap()
{
    Canvas().update();
}

void TfrmMAP::RedrawMap()
{
    Canvas().Redraw();
}

void TfrmMAP::ConnectNavigation()
{
    w_.imgSmallMap->installEventFilter(this);
    w_.pnlCoords->installEventFilter(this);
    // The scroll bars move the view's corner; set from the view itself, they change nothing.
    connect(w_.scrollH, &QScrollBar::valueChanged, this, [this](int position) {
        if (!syncing_)
            Canvas().ScrollTo(position, Canvas().View().ViewTop);
    });
    connect(w_.scrollV, &QScrollBar::valueChanged, this, [this](int position) {
        if (!syncing_)
            Canvas().ScrollTo(Canvas().View().ViewLeft, position);
    });
    connect(w_.scrollScale, &QScrollBar::valueChanged, this, [this](int position) {
        if (!syncing_)
            Canvas().ZoomTo(ZoomOfBarPosition(position));
    });
    connect(w_.optShowUnderworld, &QRadioButton::toggled, this, [this](bool under) {
        Canvas().SetLevel(under ? TMap::kUnderworld : TMap::kOverworld);
        workspace_.Settings.ShowDepth = Canvas().View().ViewLevel;
        RefreshOverview();
        RepaintMap();
    });
}

void TfrmMAP::ConnectCanvas()
{
    MapCanvas& canvas = Canvas();
    connect(&canvas, &MapCanvas::viewChanged, this, &TfrmMAP::SyncScrollBars);
    // The frame on the overview follows every paint, resizes of the window included.
    connect(&canvas, &MapCanvas::painted, this, [this] {
        ShowOverview();
        emit MapPainted();
    });
    connect(&canvas, &MapCanvas::hexHovered, this, &TfrmMAP::ShowPointedHex);
    connect(&canvas, &MapCanvas::pointerLeft, this, &TfrmMAP::PointAtNothing);
    connect(&canvas, &MapCanvas::hexClicked, this, [this](int level, int x, int y) {
        lastHit_ = {x, y};
        m_.mnuHexCentre->setEnabled(lastHit_.IsValid());
        const bool known = lastHit_.IsValid() && workspace_.Map.Cell(level, x, y);
        m_.mnuHexViewUnits->setEnabled(known);
        m_.mnuHexUnitSummary->setEnabled(known);
    });
    connect(&canvas, &MapCanvas::contextMenuRequested, this,
            [this](int, int, int, const QPoint& global) { m_.mnuHex->popup(global); });
    connect(&canvas, &MapCanvas::hexActivated, this, [this](int level, int x, int y) { ShowHexDetails(level, x, y); });
}

void TfrmMAP::ConnectMenus()
{
    connect(m_.mnuFileSaveDB, &QAction::triggered, this, &TfrmMAP::SaveDatabase);
    connect(m_.mnuFileReloadDB, &QAction::triggered, this, [this] {
        if (ui_.AskYesNo("Reloading the database will over-write all changes made since the last save. "
                         "Are you sure you wish to do this ?"))
            ReloadDatabase();
    });
    connect(m_.mnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(m_.mnuImportTurn, &QAction::triggered, this, &TfrmMAP::ChooseTurnFile);
    connect(m_.mnuImportData, &QAction::triggered, this, &TfrmMAP::ChooseDataFile);
    connect(m_.mnuImportFactions, &QAction::triggered, this, &TfrmMAP::ChooseFactionList);
    connect(m_.mnuToolsCalc, &QAction::triggered, this, &TfrmMAP::StartCalculator);
    const auto goHome = [this] {
        const int level = Canvas().View().ViewLevel;
        ShowHome();
        if (Canvas().View().ViewLevel != level)
            RefreshOverview();
        RepaintMap();
    };
    connect(m_.mnuViewHome, &QAction::triggered, this, goHome);
    connect(m_.mnuHexHome, &QAction::triggered, this, goHome);
    connect(m_.mnuViewSaveHome, &QAction::triggered, this, &TfrmMAP::SaveViewAsHome);
    connect(m_.mnuHexSaveHome, &QAction::triggered, this, &TfrmMAP::SaveViewAsHome);
    connect(m_.mnuViewGoto, &QAction::triggered, this, &TfrmMAP::AskCoordinate);
    connect(m_.mnuViewFaction, &QAction::triggered, this, [this] {
        TfrmOptions dialog(workspace_.Settings, ui_, this);
        CentreWindow(this, &dialog);
        // A faction number confirmed is stored with the database at once.
        if (dialog.exec() == QDialog::Accepted)
            SaveDatabase();
    });
    connect(m_.mnuHelpAbout, &QAction::triggered, this, [this] {
        TfrmAbout about(this);
        CentreWindow(this, &about);
        about.exec();
    });
    connect(m_.mnuHexGoto, &QAction::triggered, this, &TfrmMAP::AskCoordinate);
    connect(m_.mnuHexCentre, &QAction::triggered, this, [this] { CentreOn(lastHit_.x, lastHit_.y); });
    connect(m_.mnuViewGateList, &QAction::triggered, this, &TfrmMAP::ShowGateList);
    connect(m_.mnuMaintainAlliances, &QAction::triggered, this, [this] {
        TfrmAlliances alliances(
            workspace_.Alliances, workspace_.Factions, workspace_.Settings, ui_,
            [this](int& topLine, QWidget* parent) {
                return TfrmFactions::Pick(workspace_.Factions, workspace_.Settings, ui_, topLine, parent);
            },
            this);
        alliances.exec();
        if (alliances.AlliancesChanged())
            RedrawMap();
    });
    connect(m_.mnuGenerateTurn, &QAction::triggered, this, &TfrmMAP::ChooseTurnFileToGenerate);
    connect(m_.mnuViewAllUnits, &QAction::triggered, this, &TfrmMAP::ShowAllUnits);
    connect(m_.mnuViewAllUnitSummary, &QAction::triggered, this, &TfrmMAP::ShowAllUnitSummary);
    connect(m_.mnuHexViewUnits, &QAction::triggered, this,
            [this] { ShowHexUnits(Canvas().View().ViewLevel, lastHit_.x, lastHit_.y); });
    connect(m_.mnuHexUnitSummary, &QAction::triggered, this,
            [this] { ShowHexUnitSummary(Canvas().View().ViewLevel, lastHit_.x, lastHit_.y); });
    connect(m_.mnuHexFindIncomplete, &QAction::triggered, this, &TfrmMAP::FindIncompleteOrder);
    connect(m_.mnuViewFactions, &QAction::triggered, this, [this] {
        TfrmFactions factions(workspace_.Factions, workspace_.Settings, ui_, this);
        factions.exec();
        // Names and colours may have changed: the pages and the troop marks show them.
        RedrawMap();
    });
    connect(m_.cmdFindCity, &QAction::triggered, this, &TfrmMAP::AskCitySearch);
}

void TfrmMAP::RefreshOverview()
{
    storedGlobalMap_ = NewOverviewImage();
    const int level = Canvas().View().ViewLevel;
    if (w_.chkDrawGlobalMap->isChecked()) {
        const BusyCursor busy;
        RefreshGlobalMap(storedGlobalMap_, workspace_.Map, level, 0, 0, TMap::kMaxX, TMap::kMaxY);
    }
    overviewArea_ = OverviewAreaOf(workspace_.Map, level, workspace_.Settings.OverviewKnownWorld);
    ShowOverview();
}

void TfrmMAP::ShowOverview()
{
    if (storedGlobalMap_.isNull())
        return;
    w_.imgSmallMap->setPixmap(QPixmap::fromImage(
        OverviewForScreen(storedGlobalMap_, Canvas().View(), w_.imgSmallMap->devicePixelRatio(), overviewArea_)));
}

void TfrmMAP::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        RefreshOverview();
    QMainWindow::changeEvent(event);
}

void TfrmMAP::SyncScrollBars()
{
    const MapViewport& view = Canvas().View();
    syncing_ = true;
    w_.scrollH->setValue(view.ViewLeft);
    w_.scrollV->setValue(view.ViewTop);
    w_.scrollScale->setValue(BarPositionOfZoom(view.Zoom));
    syncing_ = false;
    ShowOverview();
}

int TfrmMAP::DrawOptions() const
{
    const std::pair<const QCheckBox*, int> switches[] = {
        {w_.chkTownIcons, doTownIcons},
        {w_.chkHexCoords, doHexCoords},
        {w_.chkTownNames, doTownNames},
        {w_.chkGates, doGates},
        {w_.chkShowUnconfirmed, doUnconfirmed},
        {w_.chkShafts, doShafts},
        {w_.chkOther, doOther},
        {w_.chkShowUnits, doTroops},
        {w_.chkMarkDoneHexes, doDoneOrders},
    };
    int options = 0;
    for (const auto& [box, bit] : switches)
        options |= box->isChecked() ? bit : 0;
    return options;
}

bool TfrmMAP::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == w_.imgSmallMap) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        OverviewClicked(at.x(), at.y());
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && watched == w_.pnlCoords) {
        AskCoordinate();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMAP::UpdateTurnPanel()
{
    w_.pnlTurn->setText(QString::fromStdString(TurnPanelText(workspace_.Settings.CurrentTurn)));
}

void TfrmMAP::StepTurn(TurnButton button)
{
    if (turnBusy_)
        return;
    TrecINI& settings = workspace_.Settings;
    const int turn = SteppedTurn(button, settings.CurrentTurn, settings.MaxTurn);
    if (turn == settings.CurrentTurn)
        return;
    turnBusy_ = true;
    {
        const BusyCursor busy;
        settings.CurrentTurn = turn;
        workspace_.StepToTurn(turn, ui_);
        if (w_.chkShowUnits->isChecked())
            RedrawMap();
    }
    UpdateTurnPanel();
    turnBusy_ = false;
}

}  // namespace korvane
