// The windows the main window opens: the tool windows it keeps, the hex details, the unit
// browsers and the order windows over them.
#include "mapview/windows/frm_map.h"

#include "core/text_helpers.h"
#include "core/user_interaction.h"
#include "mapview/render/display_text.h"
#include "mapview/render/overview_map.h"
#include "mapview/windows/main_window_placement.h"
#include "windows/centre_window.h"
#include "windows/frm_all_units.h"
#include "windows/frm_alliance_list.h"
#include "windows/frm_colour_key.h"
#include "windows/frm_factions.h"
#include "windows/frm_give_orders.h"
#include "windows/frm_hex_info.h"
#include "windows/frm_hex_units.h"
#include "windows/frm_icon_key.h"
#include "windows/frm_troop_show_select.h"
#include "windows/frm_unit_summ.h"
#include "workspace/workspace.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>

namespace korvane {

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
        if (w_.chkDrawGlobalMap->isChecked() && level == Canvas().View().ViewLevel)
            RefreshGlobalMap(storedGlobalMap_, map, level, x, y, x, y);
        ShowOverview();
        SetDataChanged(true);
        RedrawMap();
    } else if (madeForTheWindow) {
        map.RemoveCell(level, x, y);
    }
}

void TfrmMAP::OpenOrderWindow(std::int32_t unit, QWidget* parent, std::function<void()> closed)
{
    auto* orders = new TfrmGiveOrders(workspace_, orderVocabulary_.For(workspace_), parent);
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
    // A unit window writes the turn's orders when it closes: the units must be in by then.
    workspace_.FinishOpen(ui_);
    if (!workspace_.Map.Cell(level, x, y)) {
        ui_.Info("No unit information for this hex.");
        return;
    }
    TfrmHexUnits units(workspace_, orderVocabulary_.For(workspace_), level, x, y, ui_, parent ? parent : this);
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
    workspace_.FinishOpen(ui_);  // as for the units of a hex
    TfrmAllUnits units(workspace_, orderVocabulary_.For(workspace_), ui_, this);
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

}  // namespace korvane
