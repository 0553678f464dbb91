// The main window's jumps: to a coordinate, a gate or city, an incomplete order, a point
// of the overview.
#include "mapview/windows/frm_map.h"

#include "core/text_helpers.h"
#include "core/user_interaction.h"
#include "mapview/render/display_text.h"
#include "mapview/render/overview_map.h"
#include "mapview/windows/frm_get_coord.h"
#include "orders/missing_orders.h"
#include "windows/busy_cursor.h"
#include "windows/centre_window.h"
#include "windows/frm_map_list.h"
#include "workspace/workspace.h"
#include "world/place_lists.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace korvane {

void TfrmMAP::FindIncompleteOrder()
{
    if (const TMapCell* cell = FindMissingOrders(workspace_.Map, workspace_.Settings.FactionNo))
        MoveViewTo(cell->Level, cell->X, cell->Y);
}

void TfrmMAP::ShowLevelChoice()
{
    // Quietly: the view has its level already, and the overview follows where needed.
    const QSignalBlocker quiet(w_.optShowUnderworld);
    (Canvas().View().ViewLevel == TMap::kUnderworld ? w_.optShowUnderworld : w_.optShowOverworld)->setChecked(true);
}

bool TfrmMAP::MoveViewTo(int level, int x, int y)
{
    const int before = Canvas().View().ViewLevel;
    if (!Canvas().MoveTo(level, x, y)) {
        ui_.Info(kCoordinateOutOfRange);
        return false;
    }
    ShowLevelChoice();
    if (Canvas().View().ViewLevel != before)
        RefreshOverview();
    return true;
}

void TfrmMAP::CentreOn(int x, int y)
{
    Canvas().CentreOn(x, y);
}

void TfrmMAP::ShowGateList()
{
    TfrmMapList list(
        MapListMode::Gates, "Gate List", GateListItems(workspace_.Map), workspace_.Settings,
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
    TfrmMapList list(
        MapListMode::Cities, "City Search: " + ToDisplayText(searchText), items, workspace_.Settings,
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
    const int level = Canvas().View().ViewLevel;
    if (level == TMap::kUnderworld)
        TMap::UnderToGrid(x, y);
    MoveViewTo(level, x, y);
}

void TfrmMAP::OverviewClicked(int px, int py)
{
    Canvas().OverviewClick(overviewArea_, w_.imgSmallMap->size(), {px, py});
}

}  // namespace korvane
