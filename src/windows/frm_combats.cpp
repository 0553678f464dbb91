// The battle set-up window: both sides, the field, running the battle and the battle files.
#include "windows/frm_combats.h"

#include "core/text_helpers.h"
#include "core/user_interaction.h"
#include "mapview/render/display_text.h"
#include "windows/busy_cursor.h"
#include "windows/centre_window.h"
#include "windows/fixed_width_font.h"
#include "windows/frm_combat_results.h"
#include "windows/frm_combat_unit.h"
#include "windows/widget_makers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <optional>

namespace korvane {

namespace {

// A unit's line: a behind mark, the men and the description, padded into columns.
constexpr int kQuantityColumns = 5;
constexpr int kDescriptionColumns = 30;
constexpr int kListRows = 12;
// What a damaged battle file's message lists at most; the rest is counted.
constexpr std::size_t kProblemsShown = 10;

std::string UnitLine(const TCombatUnit& unit)
{
    return std::string(unit.Behind ? "-" : " ") + PadRight(IntToStr(unit.Quantity), kQuantityColumns, false)
        + PadRight(unit.Description, kDescriptionColumns, false);
}

std::string ManCount(const std::vector<TCombatUnit>& units)
{
    // A unit of fewer than no men fields none; it takes none from the others either.
    std::int64_t men = 0;
    for (const auto& unit : units)
        men += std::max(unit.Quantity, 0);
    return IntToStr(men) + (men == 1 ? " man" : " men");
}

std::string ProblemsText(const std::string& fileName, const std::vector<BattleFileProblem>& problems)
{
    std::string text = "The battle file " + fileName + " could not be read in full; what could be read is loaded.";
    for (std::size_t i = 0; i < problems.size() && i < kProblemsShown; ++i)
        text += "\nLine " + IntToStr(problems[i].LineNumber) + ": " + problems[i].Text;
    if (problems.size() > kProblemsShown)
        text += "\n(and " + IntToStr(static_cast<std::int64_t>(problems.size() - kProblemsShown)) + " more)";
    return text;
}

QFileDialog* BattleFileDialog(const char* name, const char* caption, const std::string& programDir, QWidget* parent)
{
    auto* dialog = Named<QFileDialog>(name, parent, caption, ToDisplayText(programDir));
    // Battle files are offered first; names are matched whatever their case.
    const QStringList filters = {"All files (*)", "Battle files (*.BTL *.btl)", "Text Files (*.TXT *.txt)"};
    dialog->setNameFilters(filters);
    dialog->selectNameFilter(filters[1]);
    return dialog;
}

}  // namespace

TfrmCombats::TfrmCombats(const std::string& programDir, UserInteraction& ui, QWidget* parent)
    : QDialog(parent)
    , ui_(ui)
{
    setObjectName("frmCombats");
    setWindowTitle("Combat Simulations");
    setModal(true);
    CreateControls(programDir);
    LayOutControls();
    ConnectControls();
    adjustSize();
    CentreWindow(parent, this);
}

void TfrmCombats::CreateSide(TCombatSide side)
{
    const QString name = side == TCombatSide::Left ? "Left" : "Right";
    Side& s = SideOf(side);
    s.Frame = new QGroupBox(name, this);
    s.lst = Named<QListWidget>("lst" + name, s.Frame);
    // The columns of a unit's line are padded with blanks, which only line up in a fixed pitch.
    s.lst->setFont(FixedWidthFont());
    const QFontMetrics fixed(s.lst->font());
    const int columns = 1 + kQuantityColumns + kDescriptionColumns;
    s.lst->setMinimumSize(fixed.horizontalAdvance(QString(columns, u'0')) + 24, kListRows * fixed.height());
    s.cmdAdd = DialogButton("cmdAdd" + name, "Add", s.Frame);
    s.cmdEdit = DialogButton("cmdEdit" + name, "Edit", s.Frame);
    s.cmdRemove = DialogButton("cmdRemove" + name, "Remove", s.Frame);
    s.cmdEdit->setEnabled(false);
    s.cmdRemove->setEnabled(false);
    s.lstFort = Named<QComboBox>("lstFort" + name, s.Frame);
    for (const std::string& fort : forts_.Names())
        s.lstFort->addItem(ToDisplayText(fort));
    if (s.lstFort->count() > 0)
        s.lstFort->setCurrentIndex(0);
    s.pnlManCount = Named<QLabel>(side == TCombatSide::Left ? "pnlManCountL" : "pnlManCountR", "0 men", s.Frame);
    s.pnlManCount->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    s.pnlManCount->setAlignment(Qt::AlignCenter);
    s.pnlManCount->setMinimumWidth(s.pnlManCount->fontMetrics().horizontalAdvance(" 000000 men "));
}

void TfrmCombats::CreateControls(const std::string& programDir)
{
    CreateSide(TCombatSide::Left);
    CreateSide(TCombatSide::Right);

    lblTactical = new QLabel("Tactical Advantage", this);
    chkTacL = Named<QCheckBox>("chkTacL", "Left", this);
    chkTacL->setToolTip("Give side Left tactical advantage.");
    chkTacR = Named<QCheckBox>("chkTacR", "Right", this);
    chkTacR->setToolTip("Give side Right tactical advantage.");
    chkUseHorses = Named<QCheckBox>("chkUseHorses", " Suitable horse terrain", this);
    chkUseHorses->setToolTip("Horses affect combat in Cities, Towns, Plains, Deserts and Tundra.");

    cmdStartCombat = DialogButton("cmdStartCombat", "Run Combat", this);
    cmdViewResults = DialogButton("cmdViewResults", "View Results", this);
    cmdViewResults->setEnabled(false);
    cmdLoad = DialogButton("cmdLoad", "Load Battle", this);
    cmdSave = DialogButton("cmdSave", "Save Battle", this);
    cmdClearAll = DialogButton("cmdClearAll", "Clear All", this);
    cmdClose = DialogButton("cmdClose", "Close", this);

    dlgLoad = BattleFileDialog("dlgLoad", "Load Battle", programDir, this);
    dlgLoad->setAcceptMode(QFileDialog::AcceptOpen);
    dlgLoad->setFileMode(QFileDialog::ExistingFile);
    dlgSave = BattleFileDialog("dlgSave", "Save Battle", programDir, this);
    dlgSave->setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension still shows among the battle files when loading.
    dlgSave->setDefaultSuffix("BTL");
    // The window asks its own question about a file that exists.
    dlgSave->setOption(QFileDialog::DontConfirmOverwrite);
}

void TfrmCombats::LayOutControls()
{
    auto* sides = new QHBoxLayout;
    for (Side& s : sides_) {
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(s.cmdAdd);
        buttons->addWidget(s.cmdEdit);
        buttons->addWidget(s.cmdRemove);
        buttons->addStretch();
        buttons->addWidget(s.pnlManCount);
        auto* fort = new QHBoxLayout;
        fort->addWidget(new QLabel("Fortifications", s.Frame));
        fort->addWidget(s.lstFort, 1);
        auto* column = new QVBoxLayout(s.Frame);
        column->addWidget(s.lst, 1);
        column->addLayout(buttons);
        column->addLayout(fort);
        sides->addWidget(s.Frame, 1);
    }

    auto* field = new QHBoxLayout;
    field->addWidget(lblTactical);
    field->addWidget(chkTacL);
    field->addWidget(chkTacR);
    field->addSpacing(24);
    field->addWidget(chkUseHorses);
    field->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdStartCombat);
    buttons->addWidget(cmdViewResults);
    buttons->addSpacing(16);
    buttons->addWidget(cmdLoad);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClearAll);
    buttons->addStretch();
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sides, 1);
    layout->addLayout(field);
    layout->addLayout(buttons);
}

void TfrmCombats::ConnectControls()
{
    for (TCombatSide side : {TCombatSide::Left, TCombatSide::Right}) {
        Side& s = SideOf(side);
        connect(s.lst, &QListWidget::itemSelectionChanged, this, [this, side] { lstSideSelectionChange(side); });
        connect(s.lst, &QListWidget::itemDoubleClicked, this, [this, side] { cmdEditClick(side); });
        connect(s.cmdAdd, &QPushButton::clicked, this, [this, side] { cmdAddClick(side); });
        connect(s.cmdEdit, &QPushButton::clicked, this, [this, side] { cmdEditClick(side); });
        connect(s.cmdRemove, &QPushButton::clicked, this, [this, side] { cmdRemoveClick(side); });
        connect(s.lstFort, &QComboBox::currentIndexChanged, this,
                [this, side](int position) { lstFortChange(side, position); });
    }
    connect(chkTacL, &QCheckBox::toggled, this, [this] { chkTacClick(chkTacL, chkTacR); });
    connect(chkTacR, &QCheckBox::toggled, this, [this] { chkTacClick(chkTacR, chkTacL); });
    connect(chkUseHorses, &QCheckBox::toggled, this, [this] { battleChanged_ = true; });
    connect(cmdStartCombat, &QPushButton::clicked, this, &TfrmCombats::cmdStartCombatClick);
    connect(cmdViewResults, &QPushButton::clicked, this, &TfrmCombats::cmdViewResultsClick);
    connect(cmdLoad, &QPushButton::clicked, this, &TfrmCombats::cmdLoadClick);
    connect(cmdSave, &QPushButton::clicked, this, &TfrmCombats::cmdSaveClick);
    connect(cmdClearAll, &QPushButton::clicked, this, &TfrmCombats::cmdClearAllClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmCombats::reject);
}

TfrmCombats::Side& TfrmCombats::SideOf(TCombatSide side)
{
    return sides_[side == TCombatSide::Left ? 0 : 1];
}

TfrmCombats::Side& TfrmCombats::OtherSide(TCombatSide side)
{
    return sides_[side == TCombatSide::Left ? 1 : 0];
}

int TfrmCombats::SelectedRow(TCombatSide side)
{
    const QListWidget* list = SideOf(side).lst;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

void TfrmCombats::RefreshSide(TCombatSide side)
{
    Side& s = SideOf(side);
    s.lst->clear();
    for (const auto& unit : s.Units)
        s.lst->addItem(ToDisplayText(UnitLine(unit)));
    s.pnlManCount->setText(QString::fromStdString(ManCount(s.Units)));
    lstSideSelectionChange(side);
}

void TfrmCombats::ClearSide(TCombatSide side)
{
    SideOf(side).Units.clear();
}

void TfrmCombats::lstSideSelectionChange(TCombatSide side)
{
    Side& s = SideOf(side);
    const bool selected = SelectedRow(side) >= 0;
    s.cmdEdit->setEnabled(selected);
    s.cmdRemove->setEnabled(selected);
}

void TfrmCombats::cmdAddClick(TCombatSide side)
{
    TCombatUnit unit;
    TfrmCombatUnit dialog(unit, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SideOf(side).Units.push_back(std::move(unit));
    RefreshSide(side);
    battleChanged_ = true;
}

void TfrmCombats::cmdEditClick(TCombatSide side)
{
    const int row = SelectedRow(side);
    if (row < 0)
        return;
    Side& s = SideOf(side);
    TfrmCombatUnit dialog(s.Units[static_cast<std::size_t>(row)], this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    RefreshSide(side);
    // The player goes on where he was.
    s.lst->setCurrentRow(row);
    battleChanged_ = true;
}

void TfrmCombats::cmdRemoveClick(TCombatSide side)
{
    const int row = SelectedRow(side);
    if (row < 0)
        return;
    Side& s = SideOf(side);
    s.Units.erase(s.Units.begin() + row);
    RefreshSide(side);
    battleChanged_ = true;
}

void TfrmCombats::lstFortChange(TCombatSide side, int position)
{
    // At most one side holds a fortification: the attacker comes from outside.
    if (position > 0)
        OtherSide(side).lstFort->setCurrentIndex(0);
    battleChanged_ = true;
}

void TfrmCombats::chkTacClick(QCheckBox* ticked, QCheckBox* other)
{
    if (ticked->isChecked())
        other->setChecked(false);
    battleChanged_ = true;
}

void TfrmCombats::cmdStartCombatClick()
{
    const std::vector<TCombatUnit>& left = SideOf(TCombatSide::Left).Units;
    const std::vector<TCombatUnit>& right = SideOf(TCombatSide::Right).Units;
    {
        // A battle refused (a side empty or too large) says so at once, without the wait cursor over it.
        std::optional<BusyCursor> busy;
        if (BattleRefusal(left, right).empty())
            busy.emplace();
        RunBattle(left, right, forts_.Capacity(SideOf(TCombatSide::Left).lstFort->currentIndex()),
                  forts_.Capacity(SideOf(TCombatSide::Right).lstFort->currentIndex()), TacticalAdvantage(),
                  chkUseHorses->isChecked(), report_, ui_);
    }
    cmdViewResults->setEnabled(true);
    cmdViewResultsClick();
}

void TfrmCombats::cmdViewResultsClick()
{
    TfrmCombatResults results(report_, this);
    results.exec();
}

void TfrmCombats::cmdClearAllClick()
{
    if (!ui_.AskYesNo("Are you sure you wish to clear all battle data ?"))
        return;
    // The field stays as it was: the fortifications and the horse terrain describe the ground,
    // not the armies, and the last report can still be looked at.
    const bool hadUnits = !sides_[0].Units.empty() || !sides_[1].Units.empty();
    for (TCombatSide side : {TCombatSide::Left, TCombatSide::Right}) {
        ClearSide(side);
        RefreshSide(side);
    }
    chkTacL->setChecked(false);
    chkTacR->setChecked(false);
    if (hadUnits)
        battleChanged_ = true;
}

void TfrmCombats::reject()
{
    if (battleChanged_
        && !ui_.AskYesNo("You will lose the changes you have made. Do you wish to exit without saving ?"))
        return;
    QDialog::reject();
}

TCombatSide TfrmCombats::TacticalAdvantage() const
{
    if (chkTacL->isChecked())
        return TCombatSide::Left;
    return chkTacR->isChecked() ? TCombatSide::Right : TCombatSide::None;
}

BattleSetup TfrmCombats::CurrentSetup()
{
    BattleSetup setup;
    setup.Left = SideOf(TCombatSide::Left).Units;
    setup.Right = SideOf(TCombatSide::Right).Units;
    setup.TacticalAdvantage = TacticalAdvantage();
    setup.HorseTerrain = chkUseHorses->isChecked();
    return setup;
}

void TfrmCombats::ShowSetup(BattleSetup setup)
{
    SideOf(TCombatSide::Left).Units = std::move(setup.Left);
    SideOf(TCombatSide::Right).Units = std::move(setup.Right);
    RefreshSide(TCombatSide::Left);
    RefreshSide(TCombatSide::Right);
    chkTacL->setChecked(setup.TacticalAdvantage == TCombatSide::Left);
    chkTacR->setChecked(setup.TacticalAdvantage == TCombatSide::Right);
    chkUseHorses->setChecked(setup.HorseTerrain);
}

void TfrmCombats::cmdLoadClick()
{
    if (dlgLoad->exec() != QDialog::Accepted || dlgLoad->selectedFiles().isEmpty())
        return;
    LoadBattle(FromUserText(dlgLoad->selectedFiles().front()));
}

bool TfrmCombats::LoadBattle(const std::string& fileName)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) {
        ui_.Info("Failed to find specified file.");
        return false;
    }
    BattleSetup setup;
    std::vector<BattleFileProblem> problems;
    FileResult read;
    {
        const BusyCursor busy;
        // Read before anything is cleared: a file that cannot be read costs the player nothing.
        read = korvane::LoadBattleFile(fileName, setup, problems);
    }
    if (!read) {
        ui_.Error("Unable to read the battle file " + fileName + ".");
        return false;
    }
    ShowSetup(std::move(setup));
    // Saved back, the file will be what it was meant to hold: the save proposes its name.
    dlgSave->selectFile(ToDisplayText(fileName));
    // A set-up loaded only in part is not what the file holds, and closing the window asks.
    battleChanged_ = !problems.empty();
    if (!problems.empty())
        ui_.Warning(ProblemsText(fileName, problems));
    return true;
}

void TfrmCombats::cmdSaveClick()
{
    if (dlgSave->exec() != QDialog::Accepted || dlgSave->selectedFiles().isEmpty())
        return;
    const std::string fileName = FromUserText(dlgSave->selectedFiles().front());
    std::error_code error;
    if (std::filesystem::exists(fileName, error) && !ui_.AskYesNo("File exists. Overwrite ?"))
        return;
    if (SaveBattle(fileName))
        battleChanged_ = false;
}

bool TfrmCombats::SaveBattle(const std::string& fileName)
{
    FileResult saved;
    {
        const BusyCursor busy;
        saved = SaveBattleFile(fileName, CurrentSetup());
    }
    // The player must not leave believing his set-up is kept.
    if (!saved)
        ui_.Error("Unable to save the battle to " + saved.Text());
    return saved.Ok;
}

}  // namespace korvane
