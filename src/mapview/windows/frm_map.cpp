// The main map window.
#include "mapview/windows/frm_map.h"

#include "core/user_interaction.h"
#include "mapview/windows/hex_pages.h"
#include "mapview/windows/main_window_placement.h"
#include "workspace/workspace.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>
#include <utility>
#include <vector>

namespace korvane {

namespace {

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
{
    setObjectName("frmMAP");
    setWindowTitle("Korvane");
    w_ = BuildFrmMapLayout(*this);
    resize(1000, 700);
    ApplyDisplaySettings();
    ConnectDisplaySwitches();
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
    RestorePlacement();
    dataChanged_ = false;
    UpdateTurnPanel();
    w_.tabShow->setCurrentIndex(0);
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

void TfrmMAP::closeEvent(QCloseEvent* event)
{
    if (dataChanged_ && !ui_.AskYesNo("Data has changed. Do you wish to exit without saving ?")) {
        event->ignore();
        return;
    }
    const BusyCursor busy;
    const int state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    const QRect frame = frameGeometry();
    StoreMainWindow(workspace_.Settings, frame.x(), frame.y(), width(), height(), w_.pnlRight->width(), state);
    // Whatever could not be written has been named; the player still gets to leave.
    workspace_.SaveOnExit(ui_);
    event->accept();
}

void TfrmMAP::ApplyDisplaySettings()
{
    const TrecINI& settings = workspace_.Settings;
    // The boxes take the settings as they are: the coupling of names and icons is the player's
    // clicks', not the start's.
    std::vector<QSignalBlocker> quiet;
    const std::pair<QCheckBox*, bool> boxes[] = {
        {w_.chkTownIcons, settings.ShowTowns},        {w_.chkTownNames, settings.ShowTownNames},
        {w_.chkHexCoords, settings.ShowCoords},       {w_.chkDrawGlobalMap, settings.ShowGlobalMap},
        {w_.chkGates, settings.ShowGates},            {w_.chkShafts, settings.ShowShafts},
        {w_.chkOther, settings.ShowOther},            {w_.chkShowUnits, settings.ShowUnits},
        {w_.chkShowUnconfirmed, settings.ShowUnconfirmed}, {w_.chkMarkDoneHexes, settings.MarkDoneHexes},
        {w_.chkShowHints, settings.ShowHints},
    };
    for (const auto& [box, on] : boxes) {
        quiet.emplace_back(box);
        box->setChecked(on);
    }
    (settings.ShowDepth == 1 ? w_.optShowUnderworld : w_.optShowOverworld)->setChecked(true);
    w_.udHintDelay->setValue(ClampHintDelay(workspace_.Settings));
    w_.pnlHintDelay->setVisible(settings.ShowHints);
}

void TfrmMAP::ConnectDisplaySwitches()
{
    TrecINI& settings = workspace_.Settings;
    const std::pair<QCheckBox*, bool*> switches[] = {
        {w_.chkHexCoords, &settings.ShowCoords},   {w_.chkTownIcons, &settings.ShowTowns},
        {w_.chkTownNames, &settings.ShowTownNames}, {w_.chkGates, &settings.ShowGates},
        {w_.chkShafts, &settings.ShowShafts},      {w_.chkOther, &settings.ShowOther},
        {w_.chkShowUnconfirmed, &settings.ShowUnconfirmed}, {w_.chkShowUnits, &settings.ShowUnits},
        {w_.chkMarkDoneHexes, &settings.MarkDoneHexes},
    };
    for (const auto& [box, setting] : switches) {
        connect(box, &QCheckBox::toggled, this, [this, setting = setting](bool on) {
            *setting = on;
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
    connect(w_.chkShowHints, &QCheckBox::toggled, this, [this](bool on) {
        workspace_.Settings.ShowHints = on;
        w_.pnlHintDelay->setVisible(on);
    });
    connect(w_.udHintDelay, &QSpinBox::valueChanged, this,
            [this](int tenths) { workspace_.Settings.HintDelay = tenths; });

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
            RepaintMap();
    }
    UpdateTurnPanel();
    turnBusy_ = false;
}

}  // namespace korvane
