// The "All Known Units" browser.
#include "windows/frm_all_units.h"

#include "windows/widget_makers.h"
#include "workspace/workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>

namespace korvane {

TfrmAllUnits::TfrmAllUnits(Workspace& workspace, const OrderVocabulary& vocabulary, UserInteraction& ui,
                           QWidget* parent)
    : TUnitBrowser(workspace, vocabulary, ui, parent)
{
    setObjectName("frmAllUnits");
    setWindowTitle("All Known Units");
    cmdShowAll = DialogButton("cmdShowAll", "All", this);
    cmdShowHex = DialogButton("cmdShowHex", "Show He&x", this);
    cmdMoveMaptoHex = DialogButton("cmdMoveMaptoHex", "Map to &Hex", this);
    connect(cmdShowAll, &QPushButton::clicked, this, &TfrmAllUnits::cmdShowAllClick);
    connect(cmdShowHex, &QPushButton::clicked, this, &TfrmAllUnits::cmdShowHexClick);
    connect(cmdMoveMaptoHex, &QPushButton::clicked, this, &TfrmAllUnits::cmdMoveMaptoHexClick);
    filterRow_->addWidget(cmdShowAll);
    filterRow_->addWidget(pnlManCount);
    buttonRow_->addWidget(cmdShowHex);
    buttonRow_->addWidget(cmdMoveMaptoHex);
    LoadAll();
}

void TfrmAllUnits::LoadAll()
{
    FillFactions(workspace_.Map.UnitFileList);
    ChangeSelection();
}

void TfrmAllUnits::ChangeSelection()
{
    std::int64_t men = 0;
    std::vector<UnitLineKey> keys;
    std::vector<std::string> lines = workspace_.Map.ListAllUnits(FactionCode(), workspace_.TroopList, men, &keys);
    ShowUnitLines(std::move(lines), std::move(keys), men);
    SelectLine(LineCount() > 0 ? 0 : -1);
}

TUnit* TfrmAllUnits::FindUnit(std::int32_t number) const
{
    return workspace_.Map.UnitFileList.Find(number);
}

void TfrmAllUnits::UnitLineSelected(int row)
{
    cmdShowHex->setEnabled(row >= 0);
    cmdMoveMaptoHex->setEnabled(row >= 0);
}

void TfrmAllUnits::UnitShown(const TUnit* unit)
{
    if (!setFlashHex)
        return;
    if (unit)
        setFlashHex(true, unit->LastX, unit->LastLevel, unit->LastY);
    else
        setFlashHex(false, 0, 0, 0);
}

void TfrmAllUnits::Closing()
{
    if (setFlashHex)
        setFlashHex(false, 0, 0, 0);
}

int TfrmAllUnits::OrderWindowTop() const
{
    return mapToGlobal(QPoint(0, lstUnits->geometry().bottom() + 1)).y();
}

void TfrmAllUnits::cmdShowAllClick()
{
    ChooseFaction(lstFactions->count() > 0 ? 0 : -1);
}

void TfrmAllUnits::cmdShowHexClick()
{
    // An order window works on the unit records the hex window could change beneath it.
    if (OpenOrderWindows() >= 1) {
        QApplication::beep();
        return;
    }
    const int row = SelectedLine();
    if (row < 0 || !showHex)
        return;
    const UnitLineKey& listed = KeyAt(row);
    showHex(listed.Level, listed.X, listed.Y, this);
}

void TfrmAllUnits::cmdMoveMaptoHexClick()
{
    if (const TUnit* unit = SelectedUnit(); unit && moveMapTo)
        moveMapTo(unit->Level, unit->X, unit->Y);
}

}  // namespace korvane
