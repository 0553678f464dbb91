// The main window's way to the orders, their problems before the turn file is written, and a hex's details.
#include "mapview/main_window_fixture.h"

#include "windows/frm_all_units.h"
#include "windows/frm_give_orders.h"
#include "windows/frm_hex_info.h"
#include "windows/frm_hex_units.h"
#include "windows/frm_order_problems.h"

#include <QListView>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTreeWidget>

namespace korvane::testing {
namespace {

class MapOrdersTest : public ShownMainWindow
{
protected:
    void SetUp() override
    {
        ShownMainWindow::SetUp();
        // With a password the header has nothing to warn of.
        std::tie(workspace.Settings.FactionNo, workspace.Settings.Password) = std::tuple(12, "\"secret\"");
    }
    // An own unit shown at (x, y), with its record in the world's unit list.
    TUnit& OwnUnit(int x, int y, int number, Lines orders)
    {
        auto unit = NewUnit(number, 12, 0, workspace.Settings.CurrentTurn);
        unit->Orders = std::move(orders);
        workspace.Map.EnsureCell(0, x, y)->Units.Add(std::make_unique<TUnit>(*unit));
        return *workspace.Map.UnitFileList.Add(std::move(unit));
    }
};

TEST_F(MapOrdersTest, TurnFileIsWrittenForTheGameReplacedOnlyWhenAgreedAndAfterItsProblemsOnlyAnyway)
{
    TUnit& unit = OwnUnit(10, 12, 76, {"work"});
    const std::string file = home.File("Turn001.txt");
    window.GenerateTurnFile(file);
    const std::string written = home.Read("Turn001.txt");
    EXPECT_NE(written.find("unit 76\n  work\n"), std::string::npos) << written;
    EXPECT_TRUE(ui.shown.empty());

    home.Write("Turn001.txt", "old");
    ui.yesNoAnswers = {false, true};
    window.GenerateTurnFile(file);
    EXPECT_EQ(Last(), "File exists. Do you wish to replace Turn001.txt ?");
    EXPECT_EQ(home.Read("Turn001.txt"), "old");
    window.GenerateTurnFile(file);
    EXPECT_EQ(home.Read("Turn001.txt"), written);

    home.Write("blocker", "a file where a folder would have to be");
    window.GenerateTurnFile(home.File("blocker/Turn001.txt"));
    EXPECT_TRUE(LastHas("Unable to write the orders file")) << Last();

    // Problems are listed before the turn file, and it is written only anyway.
    workspace.Settings.Password.clear();
    unit.Orders = {"work", "wrok"};
    const std::string second = home.File("Turn002.txt");
    using Row = std::tuple<std::string, std::string, std::string>;  // unit, line, severity
    const auto rows = [](const TfrmOrderProblems& list) {
        std::vector<Row> shown;
        const auto* view = Child<QTreeWidget>(list, "lstProblems");
        for (int at = 0; at < view->topLevelItemCount(); ++at) {
            const QTreeWidgetItem* row = view->topLevelItem(at);
            shown.emplace_back(row->text(0).toStdString(), row->text(1).toStdString(), row->text(2).toStdString());
            EXPECT_FALSE(row->text(3).isEmpty()) << "the message";
        }
        return shown;
    };
    // Cancelled: nothing written. A double click opens the unit's orders; mended, the list follows.
    std::vector<Row> before, after;
    WhenModalShown<TfrmOrderProblems>([&](TfrmOrderProblems* list) {
        before = rows(*list);
        auto* view = Child<QTreeWidget>(*list, "lstProblems");
        ClickLine(view, 1, {}, true);
        auto* orders = list->findChild<TfrmGiveOrders*>();
        ASSERT_NE(orders, nullptr);
        Child<QPlainTextEdit>(*orders, "txtOrders")->setPlainText("work");
        Child(*orders, "cmdDone")->click();
        after = rows(*list);
        Child(*list, "cmdCancel")->click();
    });
    window.GenerateTurnFile(second);
    EXPECT_EQ(before, (std::vector<Row>{{"", "1", "warning"}, {"76", "10", "error"}})) << "the header is no unit's";
    EXPECT_EQ(after, (std::vector<Row>{{"", "1", "warning"}}));
    EXPECT_FALSE(std::filesystem::exists(second));
    // Written anyway when the player says so, with what an order window still open holds.
    unit.Orders = {"wrok"};
    WhenModalShown<TfrmOrderProblems>([](TfrmOrderProblems* list) {
        ClickLine(Child<QTreeWidget>(*list, "lstProblems"), 1, {}, true);
        Child<QPlainTextEdit>(*list->findChild<TfrmGiveOrders*>(), "txtOrders")->setPlainText("tax");
        Child(*list, "cmdWrite")->click();
    });
    window.GenerateTurnFile(second);
    EXPECT_NE(home.Read("Turn002.txt").find("unit 76\n  tax\n"), std::string::npos);
}

TEST_F(MapOrdersTest, HexDetailsLeaveNoCellUnlessSavedAndOrdersGivenInTheHexUnitBrowserAreMarkedAndSaved)
{
    WhenModalShown<TfrmHexInfo>([](TfrmHexInfo* details) { details->reject(); });
    window.ShowHexDetails(0, 40, 40);
    EXPECT_FALSE(workspace.Map.Cell(0, 40, 40) || window.DataChanged());

    workspace.Map.EnsureCell(0, 42, 40)->Silver = 500;
    WhenModalShown<TfrmHexInfo>([](TfrmHexInfo* details) {
        details->SaveCell();
        details->reject();
    });
    window.ShowHexDetails(0, 42, 40);
    EXPECT_TRUE(workspace.Map.Cell(0, 42, 40) && window.DataChanged());

    // Orders given in the hex unit browser are marked and saved; the unit still without them is found.
    TUnit& unit = OwnUnit(12, 8, 76, {"work"});
    window.ShowHexUnits(0, 14, 8);
    EXPECT_EQ(Last(), "No unit information for this hex.");

    WhenModalShown<TfrmHexUnits>([](TfrmHexUnits* units) {
        auto* list = Child<QListView>(*units, "lstUnits");
        list->setCurrentIndex(list->model()->index(0, 0));
        Child(*units, "cmdOrders")->click();
        auto* orders = units->findChild<TfrmGiveOrders*>();
        ASSERT_NE(orders, nullptr) << "the order window opened over the browser";
        Child<QPlainTextEdit>(*orders, "txtOrders")->setPlainText("work\nstudy COMB");
        Child(*orders, "cmdDone")->click();
        units->reject();
    });
    window.ShowHexUnits(0, 12, 8);
    EXPECT_TRUE(unit.OrdersDone);
    EXPECT_EQ(unit.Orders, (Lines{"work", "study COMB"}));
    EXPECT_NE(home.Read("DATA/Ords0000.dat").find("study COMB"), std::string::npos) << "saved as the browser closed";

    WhenModalShown<TfrmAllUnits>([](TfrmAllUnits* units) { units->reject(); });
    M().mnuViewAllUnits->trigger();
    window.Canvas().FlashTick();  // the blinking of the unit's hex ends once it is drawn normally again
    window.Canvas().FlashTick();
    EXPECT_FALSE(window.findChild<QTimer*>("tmrFlash")->isActive());

    OwnUnit(0, 16, 41, {});  // the one unit left without orders, in column 0, which holds hexes too
    window.GoToCoordinate("150", "150");
    ui.shown.clear();
    M().mnuHexFindIncomplete->trigger();
    EXPECT_EQ(View().ViewLeft, 0);
    EXPECT_TRUE(16 >= View().ViewTop && 16 < View().ViewTop + View().ViewRows);
    EXPECT_TRUE(ui.shown.empty()) << "no complaint about the edge";
}

}  // namespace
}  // namespace korvane::testing
