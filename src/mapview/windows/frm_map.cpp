// The main map window.
#include "mapview/windows/frm_map.h"

#include "core/file_names.h"
#include "core/text_helpers.h"
#include "core/user_interaction.h"
#include "mapview/render/colour.h"
#include "mapview/render/display_text.h"
#include "mapview/render/draw_options.h"
#include "mapview/render/map_drawing.h"
#include "mapview/render/overview_map.h"
#include "mapview/windows/frm_get_coord.h"
#include "mapview/windows/frm_options.h"
#include "mapview/windows/hex_balloon.h"
#include "mapview/windows/hex_pages.h"
#include "windows/centre_window.h"
#include "windows/colour_square_delegate.h"
#include "windows/frm_alliance_list.h"
#include "windows/frm_alliances.h"
#include "windows/frm_colour_key.h"
#include "windows/frm_factions.h"
#include "windows/frm_all_units.h"
#include "windows/frm_give_orders.h"
#include "windows/frm_hex_info.h"
#include "windows/frm_hex_units.h"
#include "windows/frm_unit_summ.h"
#include "windows/frm_icon_key.h"
#include "windows/frm_map_list.h"
#include "windows/frm_troop_show_select.h"
#include "world/place_lists.h"
#include "orders/missing_orders.h"
#include "orders/orders_file.h"
#include "storage/data_file_import.h"
#include "storage/map_database.h"
#include "mapview/windows/main_window_placement.h"
#include "world/map.h"
#include "workspace/workspace.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QScrollBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace korvane {

namespace {

// The file filters of the import dialogs: everything first for reports and data files, text
// files first for the game's faction list. Names are matched whatever their case.
constexpr const char* kAnyFileFirst = "All files (*);;Text Files (*.txt *.TXT)";
constexpr const char* kTextFileFirst = "Text Files (*.txt *.TXT);;All Files (*)";
// The calculators of the common desktops, the first one found is started.
constexpr const char* kCalculators[] = {"gnome-calculator", "kcalc", "galculator", "xcalc"};

constexpr const char* kNoFactionForImport = "You must provide a valid faction number before importing a turn file.";
// The turn's files and settings an import writes would describe a world that cannot be saved.
constexpr const char* kNoImportIntoRefused = "no turn file can be imported into it";

// Shows the busy cursor for as long as it lives.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

TfrmMAP::TfrmMAP(Workspace& workspace, UserInteraction& ui, QWidget* parent)
    : QMainWindow(parent)
    , workspace_(workspace)
    , ui_(ui)
    , scene_(workspace)
{
    setObjectName("frmMAP");
    setWindowTitle("Korvane");
    w_ = BuildFrmMapLayout(*this);
    m_ = BuildFrmMapMenus(*this);
    resize(1000, 700);
    balloon_ = new HexBalloon(this);
    tmrMapHint_ = new QTimer(this);
    tmrMapHint_->setObjectName("tmrMapHint");
    connect(tmrMapHint_, &QTimer::timeout, this, [this] { HintTick(QCursor::pos()); });
    tmrFlash_ = new QTimer(this);
    tmrFlash_->setObjectName("tmrFlash");
    tmrFlash_->setInterval(300);
    connect(tmrFlash_, &QTimer::timeout, this, &TfrmMAP::FlashTick);
    CreateKeyWindows();
    CreateTroopShowSelect();
    // Each faction of the hex with its map colour; grey for a number the registry lacks.
    w_.lstHexFactions->setItemDelegate(new ColourSquareDelegate(
        [this](const QModelIndex& index) {
            const std::string line = FromUserText(index.data().toString());
            const TFaction* faction = workspace_.Factions.Find(StrToIntLenient(TrimSpaces(line.substr(0, 5))));
            return faction ? ToQColor(faction->Colour) : QColor(0x80, 0x80, 0x80);
        },
        w_.lstHexFactions));
    ApplyDisplaySettings();
    ConnectDisplaySwitches();
    ConnectNavigation();
    ConnectMenus();
    UpdateTurnPanel();
}

bool TfrmMAP::StartUp()
{
    bool loaded = false;
    {
        const BusyCursor busy;
        loaded = workspace_.Open(ui_);
    }
    ApplyDisplaySettings();
    // Room for the view and a margin around it, so that short scrolls copy pixels.
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QSize size = screen->size();
        paintBuffer_ = QImage(3 * size.width() / 2, 3 * size.height() / 2, QImage::Format_RGB32);
    }
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
    GoHome(view_, workspace_.Settings, w_.paintMap->width(), w_.paintMap->height());
    SyncScrollBars();
    dataChanged_ = false;
    UpdateTurnPanel();
    w_.tabShow->setCurrentIndex(0);
    tmrMapHint_->start();
    RefreshOverview();
    return loaded;
}

void TfrmMAP::RestorePlacement()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    const MainWindowPlacement placement =
        RestoreMainWindow(workspace_.Settings, {size.width(), size.height()}, width(), height());
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

void TfrmMAP::CreateKeyWindows()
{
    frmColourKey_ = new TfrmColourKey(workspace_.Map, this);
    frmIconKey_ = new TfrmIconKey(workspace_.Map, this);
    const std::tuple<KeyToolWindow*, QAction*, QPushButton*> keys[] = {
        {frmColourKey_, m_.mnuViewColourKey, w_.cmdColourChart},
        {frmIconKey_, m_.mnuViewIconKey, w_.cmdIconChart},
    };
    for (const auto& [key, item, button] : keys) {
        connect(item, &QAction::toggled, key, &QWidget::setVisible);
        connect(button, &QPushButton::clicked, item, &QAction::toggle);
        // Closed by the player, the window only hides: the menu's check mark goes with it.
        connect(key, &KeyToolWindow::Hidden, item, [item = item] { item->setChecked(false); });
        connect(key, &KeyToolWindow::MapChanged, this, &TfrmMAP::RedrawMap);
    }
}

void TfrmMAP::CreateTroopShowSelect()
{
    frmTroopShowSelect_ = new TfrmTroopShowSelect(workspace_.TroopViews, workspace_.Factions, workspace_.Alliances,
                                                  workspace_.Settings, ui_, this);
    QAction* item = m_.mnuViewTroopSelection;
    // While the window edits the lists, the drop-down waits: two places choosing at once confuse.
    connect(item, &QAction::toggled, this, [this](bool on) {
        if (on)
            frmTroopShowSelect_->SelectList(workspace_.Settings.UnitList);
        frmTroopShowSelect_->setVisible(on);
        w_.lstTroopViews->setEnabled(!on);
        if (!on)
            FillTroopViews();
    });
    connect(w_.cmdTroops, &QPushButton::clicked, item, &QAction::toggle);
    frmTroopShowSelect_->pickFaction = [this](int& topLine, QWidget* parent) {
        return TfrmFactions::Pick(workspace_.Factions, workspace_.Settings, ui_, topLine, parent);
    };
    frmTroopShowSelect_->pickAlliance = [this](QWidget* parent) -> TAlliance* {
        TfrmAllianceList picker(workspace_.Alliances, parent);
        return picker.exec() == QDialog::Accepted ? picker.PickedAlliance() : nullptr;
    };
    connect(frmTroopShowSelect_, &TfrmTroopShowSelect::Hidden, item, [item] { item->setChecked(false); });
    connect(frmTroopShowSelect_, &TfrmTroopShowSelect::MapChanged, this, &TfrmMAP::RedrawMap);
    connect(frmTroopShowSelect_, &TfrmTroopShowSelect::ListsChanged, this, &TfrmMAP::FillTroopViews);
    connect(w_.lstTroopViews, &QComboBox::activated, this,
            [this] { SetUnitList(FromUserText(w_.lstTroopViews->currentText())); });
}

void TfrmMAP::FillTroopViews()
{
    std::vector<std::string> names = workspace_.TroopViews.Names();
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return UpperCase(a) < UpperCase(b); });
    const QSignalBlocker quiet(w_.lstTroopViews);
    w_.lstTroopViews->clear();
    for (const std::string& name : names)
        w_.lstTroopViews->addItem(ToDisplayText(name));
    w_.lstTroopViews->setCurrentIndex(w_.lstTroopViews->findText(ToDisplayText(workspace_.Settings.UnitList)));
}

void TfrmMAP::SetUnitList(const std::string& name)
{
    workspace_.Settings.UnitList = TrimSpaces(name);
    RedrawMap();
}

void TfrmMAP::PlaceToolWindow(QWidget& tool, int savedX, int savedY)
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    const auto place = ToolWindowPlace(savedX, savedY, tool.width(), tool.height(), {size.width(), size.height()});
    if (place)
        tool.move(place->first, place->second);
    else
        CentreWindow(this, &tool);
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
    std::tie(settings.TroopShowPosX, settings.TroopShowPosY) =
        std::tuple(frmTroopShowSelect_->x(), frmTroopShowSelect_->y());
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
                                                       {w_.chkShowHints, settings.ShowHints}};
    for (const auto& [box, setting] : DisplaySwitches())
        boxes.emplace_back(box, settings.*setting);
    for (const auto& [box, on] : boxes) {
        quiet.emplace_back(box);
        box->setChecked(on);
    }
    (settings.ShowDepth == 1 ? w_.optShowUnderworld : w_.optShowOverworld)->setChecked(true);
    w_.udHintDelay->setValue(ClampHintDelay(workspace_.Settings));
    tmrMapHint_->setInterval(workspace_.Settings.HintDelay * 10);
    w_.pnlHintDelay->setVisible(settings.ShowHints);
}

void TfrmMAP::ConnectDisplaySwitches()
{
    for (const auto& [box, setting] : DisplaySwitches()) {
        connect(box, &QCheckBox::toggled, this, [this, setting = setting](bool on) {
            workspace_.Settings.*setting = on;
            RepaintMap();
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
        w_.pnlHintDelay->setVisible(on);
    });
    connect(w_.udHintDelay, &QSpinBox::valueChanged, this, [this](int tenths) {
        workspace_.Settings.HintDelay = tenths;
        tmrMapHint_->setInterval(tenths * 10);
    });

    const std::pair<QPushButton*, TurnButton> turnButtons[] = {
        {w_.cmdTurnD2, TurnButton::Down5}, {w_.cmdTurnD1, TurnButton::Down1},
        {w_.cmdTurnU1, TurnButton::Up1},   {w_.cmdTurnU2, TurnButton::Up5},
    };
    for (const auto& [button, step] : turnButtons)
        connect(button, &QPushButton::clicked, this, [this, step = step] { StepTurn(step); });
}

void TfrmMAP::RepaintMap()
{
    w_.paintMap->update();
}

void TfrmMAP::RedrawMap()
{
    forceRedraw_ = true;
    RepaintMap();
}

void TfrmMAP::ConnectNavigation()
{
    w_.paintMap->installEventFilter(this);
    w_.imgSmallMap->installEventFilter(this);
    w_.pnlCoords->installEventFilter(this);
    // The scroll bars move the view's corner; set from the view itself, they change nothing.
    for (const auto& [bar, corner] : {std::pair(w_.scrollH, &view_.ViewLeft), std::pair(w_.scrollV, &view_.ViewTop)}) {
        connect(bar, &QScrollBar::valueChanged, this, [this, corner = corner](int position) {
            if (syncing_)
                return;
            *corner = position;
            ShowOverview();
            RepaintMap();
        });
    }
    connect(w_.scrollScale, &QScrollBar::valueChanged, this, [this](int position) {
        if (syncing_)
            return;
        ZoomViewport(view_, ZoomOfBarPosition(position), w_.paintMap->width(), w_.paintMap->height());
        SyncScrollBars();
        RepaintMap();
    });
    connect(w_.optShowUnderworld, &QRadioButton::toggled, this, [this](bool under) {
        view_.ViewLevel = under ? TMap::kUnderworld : TMap::kOverworld;
        workspace_.Settings.ShowDepth = view_.ViewLevel;
        RefreshOverview();
        RepaintMap();
    });
}

void TfrmMAP::ConnectMenus()
{
    connect(m_.mnuFile, &QMenu::aboutToShow, this, [this] { m_.mnuFileSaveDB->setEnabled(dataChanged_); });
    connect(m_.mnuFileSaveDB, &QAction::triggered, this, &TfrmMAP::SaveDatabase);
    connect(m_.mnuFileReloadDB, &QAction::triggered, this, [this] {
        if (ui_.AskYesNo("Reloading the database will over-write all changes made since the last save. "
                         "Are you sure you wish to do this ?"))
            ReloadDatabase();
    });
    connect(m_.mnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(m_.mnuImportTurn, &QAction::triggered, this, &TfrmMAP::ChooseTurnFile);
    connect(m_.mnuImportData, &QAction::triggered, this, [this] {
        const std::string file =
            ChooseImportFile("Import Data", ToDisplayText(workspace_.Settings.ImportDir), kAnyFileFirst);
        if (!file.empty())
            ImportData(file);
    });
    connect(m_.mnuImportFactions, &QAction::triggered, this, [this] {
        const QString start = ToDisplayText(QualifyFileName("IMPORT", workspace_.ProgramDir()));
        const std::string file = ChooseImportFile("Import Faction List", start, kTextFileFirst);
        if (!file.empty())
            ImportFactionList(file);
    });
    connect(m_.mnuToolsCalc, &QAction::triggered, this, &TfrmMAP::StartCalculator);
    const auto goHome = [this] {
        GoHome(view_, workspace_.Settings, w_.paintMap->width(), w_.paintMap->height());
        ShowLevelChoice();
        SyncScrollBars();
        RepaintMap();
    };
    connect(m_.mnuViewHome, &QAction::triggered, this, goHome);
    connect(m_.mnuHexHome, &QAction::triggered, this, goHome);
    const auto saveHome = [this] { SaveHome(view_, workspace_.Settings); };
    connect(m_.mnuViewSaveHome, &QAction::triggered, this, saveHome);
    connect(m_.mnuHexSaveHome, &QAction::triggered, this, saveHome);
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
        TfrmAlliances alliances(workspace_.Alliances, workspace_.Factions, workspace_.Settings, ui_,
                                [this](int& topLine, QWidget* parent) {
                                    return TfrmFactions::Pick(workspace_.Factions, workspace_.Settings, ui_,
                                                              topLine, parent);
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
            [this] { ShowHexUnits(view_.ViewLevel, lastHit_.x, lastHit_.y); });
    connect(m_.mnuHexUnitSummary, &QAction::triggered, this,
            [this] { ShowHexUnitSummary(view_.ViewLevel, lastHit_.x, lastHit_.y); });
    connect(m_.mnuHexFindIncomplete, &QAction::triggered, this, &TfrmMAP::FindIncompleteOrder);
    connect(m_.mnuViewFactions, &QAction::triggered, this, [this] {
        TfrmFactions factions(workspace_.Factions, workspace_.Settings, ui_, this);
        factions.exec();
        // Names and colours may have changed: the pages and the troop marks show them.
        RedrawMap();
    });
    connect(m_.cmdFindCity, &QAction::triggered, this, &TfrmMAP::AskCitySearch);
}

void TfrmMAP::ChooseTurnFileToGenerate()
{
    const TrecINI& settings = workspace_.Settings;
    std::string start = lastOrdersFile_;
    if (start.empty()) {
        const std::string dir = std::filesystem::is_directory(settings.TurnDir) ? settings.TurnDir : settings.ProgramDir();
        start = QualifyFileName(ProposedOrdersFileName(settings.CurrentTurn), dir);
    }
    // The question about an existing file is the program's own, with its own words.
    const QString file = QFileDialog::getSaveFileName(this, "Generate Turn File", ToDisplayText(start),
                                                      kAnyFileFirst, nullptr, QFileDialog::DontConfirmOverwrite);
    if (!file.isEmpty())
        GenerateTurnFile(FromUserText(file));
}

void TfrmMAP::GenerateTurnFile(const std::string& fileName)
{
    lastOrdersFile_ = fileName;
    if (FileExists(fileName) && !ui_.AskYesNo(ReplaceOrdersFileQuestion(fileName)))
        return;
    std::string error;
    bool written = false;
    {
        const BusyCursor busy;
        written = WriteOrdersFile(workspace_.Map, workspace_.Settings, fileName, &error);
    }
    if (!written)
        ui_.Error("Unable to write the orders file " + fileName + ": " + error);
}

void TfrmMAP::FindIncompleteOrder()
{
    if (const TMapCell* cell = FindMissingOrders(workspace_.Map, workspace_.Settings.FactionNo))
        MoveViewTo(cell->Level, cell->X, cell->Y);
}

void TfrmMAP::ShowLevelChoice()
{
    // Quietly: the view has its level already, and the overview follows where needed.
    const QSignalBlocker quiet(w_.optShowUnderworld);
    (view_.ViewLevel == TMap::kUnderworld ? w_.optShowUnderworld : w_.optShowOverworld)->setChecked(true);
}

bool TfrmMAP::MoveViewTo(int level, int x, int y)
{
    const int before = view_.ViewLevel;
    if (!MoveToHex(view_, x, y, level)) {
        ui_.Info(kCoordinateOutOfRange);
        return false;
    }
    ShowLevelChoice();
    SyncScrollBars();
    if (view_.ViewLevel != before)
        RefreshOverview();
    RepaintMap();
    return true;
}

void TfrmMAP::ShowHexDetails(int level, int x, int y, QWidget* parent)
{
    TMap& map = workspace_.Map;
    const bool madeForTheWindow = !map.Cell(level, x, y);
    if (!map.EnsureCell(level, x, y))
        return;
    TfrmHexInfo details(map, level, x, y, ui_, parent ? parent : this);
    details.showUnits = [this, level, x, y](QWidget* over) { ShowHexUnits(level, x, y, over); };
    details.exec();
    if (details.HexSaved()) {
        if (w_.chkDrawGlobalMap->isChecked() && level == view_.ViewLevel)
            RefreshGlobalMap(storedGlobalMap_, map, level, x, y, x, y);
        ShowOverview();
        dataChanged_ = true;
        RedrawMap();
    } else if (madeForTheWindow) {
        map.RemoveCell(level, x, y);
    }
}

void TfrmMAP::OpenOrderWindow(std::int32_t unit, QWidget* parent, std::function<void()> closed)
{
    auto* orders = new TfrmGiveOrders(workspace_.Map, parent);
    if (!orders->LoadUnit(unit)) {
        delete orders;
        closed();
        return;
    }
    // Beside the full unit list, the order window lines up with the list of units.
    if (const auto* all = qobject_cast<TfrmAllUnits*>(parent))
        orders->move(orders->x(), all->OrderWindowTop());
    connect(orders, &TfrmGiveOrders::Closed, orders, [closed] { closed(); });
    orders->show();
}

void TfrmMAP::ShowHexUnits(int level, int x, int y, QWidget* parent)
{
    if (!workspace_.Map.Cell(level, x, y)) {
        ui_.Info("No unit information for this hex.");
        return;
    }
    TfrmHexUnits units(workspace_, level, x, y, ui_, parent ? parent : this);
    units.openOrders = [this](std::int32_t unit, QWidget* over, std::function<void()> closed) {
        OpenOrderWindow(unit, over, std::move(closed));
    };
    units.exec();
    // Orders marked done change the crosses on the map.
    RedrawMap();
}

void TfrmMAP::ShowHexUnitSummary(int level, int x, int y)
{
    const TMapCell* cell = workspace_.Map.Cell(level, x, y);
    if (!cell) {
        ui_.Info("No unit information for this hex.");
        return;
    }
    TfrmUnitSumm summary(workspace_, cell, this);
    summary.exec();
}

void TfrmMAP::ShowAllUnits()
{
    TfrmAllUnits units(workspace_, ui_, this);
    units.openOrders = [this](std::int32_t unit, QWidget* over, std::function<void()> closed) {
        OpenOrderWindow(unit, over, std::move(closed));
    };
    units.moveMapTo = [this](int level, int x, int y) { MoveViewTo(level, x, y); };
    units.setFlashHex = [this](bool on, int x, int level, int y) { SetFlashHex(on, x, level, y); };
    units.showHex = [this](int level, int x, int y, QWidget* over) { ShowHexDetails(level, x, y, over); };
    units.exec();
    SetFlashHex(false, 0, 0, 0);
    RedrawMap();
}

void TfrmMAP::ShowAllUnitSummary()
{
    TfrmUnitSumm summary(workspace_, nullptr, this);
    summary.exec();
}

void TfrmMAP::CentreOn(int x, int y)
{
    CentreOnHex(view_, x, y);
    SyncScrollBars();
    RepaintMap();
}

void TfrmMAP::ShowGateList()
{
    TfrmMapList list(MapListMode::Gates, "Gate List", GateListItems(workspace_.Map), workspace_.Settings,
                     [this](int x, int y) { CentreOn(x, y); }, this);
    list.exec();
}

void TfrmMAP::AskCitySearch()
{
    bool ok = false;
    const QString text = QInputDialog::getText(this, "City Search string", "City name", QLineEdit::Normal,
                                               ToDisplayText(lastCitySearch_), &ok);
    if (ok)
        ShowCitySearch(FromUserText(text));
}

void TfrmMAP::ShowCitySearch(const std::string& searchText)
{
    lastCitySearch_ = searchText;
    std::vector<std::string> items;
    {
        const BusyCursor busy;
        items = CityListItems(workspace_.Map, searchText);
    }
    TfrmMapList list(MapListMode::Cities, "City Search: " + ToDisplayText(searchText), items, workspace_.Settings,
                     [this](int x, int y) { CentreOn(x, y); }, this);
    list.exec();
}

void TfrmMAP::AskCoordinate()
{
    TfrmGetCoord dialog(this);
    CentreWindow(this, &dialog);
    if (dialog.exec() == QDialog::Accepted)
        GoToCoordinate(FromUserText(dialog.XText()), FromUserText(dialog.YText()));
}

void TfrmMAP::GoToCoordinate(const std::string& xText, const std::string& yText)
{
    int x = StrToIntLenient(xText);
    int y = StrToIntLenient(yText);
    if (view_.ViewLevel == TMap::kUnderworld)
        TMap::UnderToGrid(x, y);
    MoveViewTo(view_.ViewLevel, x, y);
}

void TfrmMAP::OverviewClicked(int px, int py)
{
    SmallMapClick(view_, kOverviewWidth, kOverviewHeight, w_.imgSmallMap->width(), w_.imgSmallMap->height(), px, py);
    SyncScrollBars();
    RepaintMap();
}

void TfrmMAP::SaveDatabase()
{
    if (!KnowsOwnFaction("Please provide a valid faction number before saving the map database."))
        return;
    if (DatabaseRefused("it is not written over"))
        return;
    TrecINI& settings = workspace_.Settings;
    const BusyCursor busy;
    if (SaveMapDatabase(workspace_.Map, settings, settings.DataDir, workspace_.Refused))
        dataChanged_ = false;
    else
        ui_.Error("Unable to write the map database to " + settings.DataDir);
}

void TfrmMAP::ReloadDatabase()
{
    {
        const BusyCursor busy;
        workspace_.Map.Clear();
        LoadMapDatabase(workspace_.Map, workspace_.Settings, workspace_.Settings.DataDir, ui_);
        dataChanged_ = false;
    }
    frmColourKey_->RefreshFromMap();
    frmIconKey_->RefreshFromMap();
    RefreshOverview();
    RepaintMap();
}

bool TfrmMAP::KnowsOwnFaction(const std::string& refusal)
{
    if (workspace_.Settings.FactionNo > 0)
        return true;
    ui_.Error(refusal + "\r(Use menu item View/Faction Details)");
    return false;
}

bool TfrmMAP::DatabaseRefused(const std::string& consequence)
{
    const std::string file = workspace_.Settings.DataPath(workspace_.Settings.MapFile);
    if (!workspace_.Refused.Contains(file))
        return false;
    ui_.Error("The map database " + file + " could not be loaded when Korvane started, so " + consequence
              + ". Mend or move the file, then start Korvane again.");
    return true;
}

void TfrmMAP::ChooseTurnFile()
{
    if (!KnowsOwnFaction(kNoFactionForImport) || DatabaseRefused(kNoImportIntoRefused))
        return;
    const std::string file =
        ChooseImportFile("Import Turn File", ToDisplayText(workspace_.Settings.ImportDir), kAnyFileFirst);
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
    bool imported = false;
    {
        const BusyCursor busy;
        imported = ImportDataFile(workspace_.Map, fileName);
    }
    if (imported) {
        dataChanged_ = true;
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
    const bool imported = workspace_.Factions.ImportFactionList(fileName, ui_);
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
    if (!KnowsOwnFaction(kNoFactionForImport) || DatabaseRefused(kNoImportIntoRefused))
        return;
    TrecINI& settings = workspace_.Settings;
    bool imported = false;
    {
        const BusyCursor busy;
        imported = korvane::ImportTurnReport(workspace_, fileName, ui_);
        if (imported)
            dataChanged_ = !SaveMapDatabase(workspace_.Map, settings, settings.DataDir, workspace_.Refused);
    }
    ui_.Info(imported ? "Turn file imported successfully." : "Turn file import failed.");
    RefreshOverview();
    RedrawMap();
    UpdateTurnPanel();
}

void TfrmMAP::RefreshOverview()
{
    storedGlobalMap_ = NewOverviewImage();
    if (w_.chkDrawGlobalMap->isChecked()) {
        const BusyCursor busy;
        RefreshGlobalMap(storedGlobalMap_, workspace_.Map, view_.ViewLevel, 0, 0, TMap::kMaxX, TMap::kMaxY);
    }
    ShowOverview();
}

void TfrmMAP::ShowOverview()
{
    if (storedGlobalMap_.isNull())
        return;
    QImage shown = storedGlobalMap_;
    DrawViewFrame(shown, view_);
    w_.imgSmallMap->setPixmap(QPixmap::fromImage(shown));
}

void TfrmMAP::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        RefreshOverview();
    QMainWindow::changeEvent(event);
}

void TfrmMAP::SyncScrollBars()
{
    syncing_ = true;
    w_.scrollH->setValue(view_.ViewLeft);
    w_.scrollV->setValue(view_.ViewTop);
    w_.scrollScale->setValue(BarPositionOfZoom(view_.Zoom));
    syncing_ = false;
    ShowOverview();
}

int TfrmMAP::DrawOptions() const
{
    const std::pair<const QCheckBox*, int> switches[] = {
        {w_.chkTownIcons, doTownIcons}, {w_.chkHexCoords, doHexCoords},      {w_.chkTownNames, doTownNames},
        {w_.chkGates, doGates},         {w_.chkShowUnconfirmed, doUnconfirmed}, {w_.chkShafts, doShafts},
        {w_.chkOther, doOther},         {w_.chkShowUnits, doTroops},         {w_.chkMarkDoneHexes, doDoneOrders},
    };
    int options = 0;
    for (const auto& [box, bit] : switches)
        options |= box->isChecked() ? bit : 0;
    return options;
}

void TfrmMAP::PaintMap()
{
    QPainter painter(w_.paintMap);
    painter.fillRect(w_.paintMap->rect(), kMapBackground);
    ResizeViewport(view_, w_.paintMap->width(), w_.paintMap->height());
    scene_.ownFaction = workspace_.Settings.FactionNo;
    scene_.currentTurn = workspace_.Settings.CurrentTurn;
    // Without a list of that name every faction's troops are marked.
    const TShowTroopsList* shown = workspace_.TroopViews.GetList(workspace_.Settings.UnitList);
    scene_.display = shown ? TroopDisplay{shown->Entries, shown->AllianceBased} : TroopDisplay{};
    MapFrame frame;
    std::tie(frame.left, frame.top, frame.cols, frame.rows) =
        std::tuple(view_.ViewLeft, view_.ViewTop, view_.ViewCols, view_.ViewRows);
    std::tie(frame.zoom, frame.level, frame.marginX, frame.marginY) =
        std::tuple(view_.Zoom, view_.ViewLevel, kScreenMarginX, kScreenMarginY);
    frame.clip = w_.paintMap->rect();
    frame.options = DrawOptions();
    if (workspace_.Settings.BufferDraw)
        DrawMapBuffered(painter, paintBuffer_, scene_, frame, std::exchange(forceRedraw_, false));
    else
        DrawMap(painter, scene_, frame);
    if (flashShown_.phase == 0 && flashShown_.hex.level == view_.ViewLevel)
        DrawOneHex(painter, scene_, frame, flashShown_.hex.x, flashShown_.hex.y, 0);
    // The frame on the overview follows every paint, resizes of the window included.
    ShowOverview();
    emit MapPainted();
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
    if (watched == w_.paintMap) {
        if (event->type() == QEvent::Paint) {
            PaintMap();
            return true;
        }
        if (const auto* mouse = dynamic_cast<const QMouseEvent*>(event))
            MapMouse(*mouse);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMAP::MapMouse(const QMouseEvent& mouse)
{
    // The balloon never stays in the way: any move or click over the map takes it away.
    if (mouse.type() != QEvent::MouseButtonRelease)
        HideBalloon(mouse.globalPosition().toPoint());
    const QPoint at = mouse.position().toPoint();
    if (mouse.type() == QEvent::MouseMove)
        PointAt(at.x(), at.y());
    if (mouse.type() == QEvent::MouseButtonRelease) {
        lastHit_ = HexAtPoint(view_, at.x(), at.y());
        m_.mnuHexCentre->setEnabled(lastHit_.IsValid());
        const bool known = lastHit_.IsValid() && workspace_.Map.Cell(view_.ViewLevel, lastHit_.x, lastHit_.y);
        m_.mnuHexViewUnits->setEnabled(known);
        m_.mnuHexUnitSummary->setEnabled(known);
        if (mouse.button() == Qt::RightButton) {
            hint_.Suppress();
            m_.mnuHex->popup(mouse.globalPosition().toPoint());
        }
    }
    if (mouse.type() == QEvent::MouseButtonDblClick && mouse.button() == Qt::LeftButton) {
        if (const HexPosition hex = HexAtPoint(view_, at.x(), at.y()); hex.IsValid())
            ShowHexDetails(view_.ViewLevel, hex.x, hex.y);
    }
}

HexPosition TfrmMAP::HexAtScreenPoint(const QPoint& cursor) const
{
    const QPoint at = w_.paintMap->mapFromGlobal(cursor);
    if (!w_.paintMap->rect().contains(at))
        return {};
    return HexAtPoint(view_, at.x(), at.y());
}

void TfrmMAP::HintTick(const QPoint& cursor)
{
    if (!w_.chkShowHints->isChecked() || !isActiveWindow())
        return;
    std::optional<BalloonTexts> texts;
    const auto canShow = [&] {
        const HexPosition hex = HexAtScreenPoint(cursor);
        if (hex.IsValid())
            texts = BalloonTextsOf(workspace_.Map, view_.ViewLevel, hex.x, hex.y);
        return texts.has_value();
    };
    switch (hint_.Tick(cursor.x(), cursor.y(), canShow)) {
    case HexBalloonState::Action::Show: {
        const QScreen* screen = this->screen();
        const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
        BalloonPlace place = PlaceBalloon(cursor.x() - area.x(), cursor.y() - area.y(), area.width(),
                                          area.height(), HexBalloon::kWidth, HexBalloon::kHeight);
        place.x += area.x();
        place.y += area.y();
        balloon_->ShowAt(*texts, place);
        break;
    }
    case HexBalloonState::Action::Hide:
        balloon_->hide();
        break;
    case HexBalloonState::Action::None:
        break;
    }
}

void TfrmMAP::HideBalloon(const QPoint& cursor)
{
    if (!hint_.Showing())
        return;
    balloon_->hide();
    hint_.Hidden(cursor.x(), cursor.y());
}

void TfrmMAP::SetFlashHex(bool on, int x, int level, int y)
{
    if (flash_.SetFlashHex(on, x, level, y))
        tmrFlash_->start();
}

void TfrmMAP::FlashTick()
{
    FlashTarget::Redraw redraw;
    bool keepRunning = true;
    const bool draws = flash_.Tick(view_.ViewLevel, redraw, keepRunning);
    // A blink on a level not shown leaves the map as it is.
    const FlashTarget::Redraw shown = draws ? redraw : FlashTarget::Redraw{};
    if (shown.phase != flashShown_.phase || !(shown.hex == flashShown_.hex))
        RepaintMap();
    flashShown_ = shown;
    if (!keepRunning)
        tmrFlash_->stop();
}

void TfrmMAP::PointAt(int px, int py)
{
    const HexPosition hex = HexAtPoint(view_, px, py);
    if (!hex.IsValid()) {
        w_.pnlCoords->clear();
        if (w_.tabShow->currentIndex() == 1)
            FillPages(view_.ViewLevel, -1, -1);  // only the hex details go with the hex
        return;
    }
    w_.pnlCoords->setText(QString::fromStdString(PointerCoordText(view_.ViewLevel, hex.x, hex.y)));
    FillPages(view_.ViewLevel, hex.x, hex.y);
}

void TfrmMAP::FillPages(int level, int x, int y)
{
    const std::string separator = FromUserText(locale().groupSeparator());
    const auto show = [](QLabel* panel, const std::string& text) { panel->setText(ToDisplayText(text)); };
    const QWidget* page = w_.tabShow->currentWidget();
    if (page == w_.tabShow->widget(1)) {
        const HexPageTexts texts = HexPage(workspace_.Map, level, x, y, separator);
        for (const auto& [panel, text] : {std::pair(w_.pnlHexCoord, &texts.Coord), {w_.pnlHexTerrain, &texts.Terrain},
                                          {w_.pnlHexNatives, &texts.Natives}, {w_.pnlHexTaxes, &texts.Taxes},
                                          {w_.pnlHexWages, &texts.Wages}, {w_.pnlHexPop, &texts.Pop},
                                          {w_.pnlHexGate, &texts.Gate}, {w_.pnlHexWeatWas, &texts.WeatherWas},
                                          {w_.pnlHexWeatNext, &texts.WeatherNext}, {w_.pnlLastUpd, &texts.LastUpdate}})
            show(panel, *text);
    } else if (page == w_.tabShow->widget(2)) {
        const TrecINI& settings = workspace_.Settings;
        const UnitsPageTexts texts = UnitsPage(workspace_.Map, workspace_.TroopList, settings.FactionNo,
                                               w_.chkAllUnits->isChecked(), level, x, y, separator);
        for (const auto& [panel, text] : {std::pair(w_.pnlSilver, &texts.Silver), {w_.pnlTaxes, &texts.Taxes},
                                          {w_.pnlWages, &texts.Wages}, {w_.pnlTotIncome, &texts.TotalIncome},
                                          {w_.pnlLEADUnits, &texts.LeadUnits}, {w_.pnlLEADMen, &texts.LeadMen},
                                          {w_.pnlSERFUnits, &texts.SerfUnits}, {w_.pnlSERFMen, &texts.SerfMen},
                                          {w_.pnlTOTUnits, &texts.TotalUnits}, {w_.pnlTOTMen, &texts.TotalMen},
                                          {w_.pnlMaint, &texts.Maintenance}})
            show(panel, *text);
    } else if (page == w_.tabShow->widget(3)) {
        w_.lstHexFactions->clear();
        for (const std::string& line :
             FactionsPage(workspace_.Map, workspace_.Factions, workspace_.Settings.FactionNo, level, x, y))
            w_.lstHexFactions->addItem(ToDisplayText(line));
    }
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
