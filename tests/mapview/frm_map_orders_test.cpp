// The main window's way to the orders and to a hex's details: the turn file for the game, the
// search for incomplete orders, and the double click on a hex.
#include "mapview/windows/frm_map.h"

#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "windows/frm_all_units.h"
#include "windows/frm_give_orders.h"
#include "windows/frm_hex_info.h"
#include "windows/frm_hex_units.h"
#include "windows/modal_driver.h"
#include "workspace/workspace.h"
#include "world/map_cell.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTest>

#include <filesystem>

namespace korvane {
namespace {

class MapOrdersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.StartUp());
        window.resize(900, 650);
        window.show();
        workspace.Settings.FactionNo = 12;
    }

    // An own unit shown at (x, y) with a record in the world's unit list.
    TUnit& OwnUnit(int level, int x, int y, int number, std::vector<std::string> orders)
    {
        const auto unit = [&] {
            auto made = std::make_unique<TUnit>();
            std::tie(made->Number, made->Faction, made->Turn) = std::tuple(number, 12, workspace.Settings.CurrentTurn);
            made->Orders = orders;
            return made;
        };
        workspace.Map.EnsureCell(level, x, y)->Units.Add(unit());
        return *workspace.Map.UnitFileList.Add(unit());
    }

    testing::TempDir home;
    Workspace workspace{home.Path()};
    testing::ScriptedInteraction ui;
    TfrmMAP window{workspace, ui};
};

TEST_F(MapOrdersTest, TurnFileIsWrittenForTheGameAndReplacedOnlyWhenAgreed)
{
    OwnUnit(0, 10, 12, 76, {"work"});
    const std::string file = home.File("Turn001.txt");
    window.GenerateTurnFile(file);
    const std::string written = home.Read("Turn001.txt");
    EXPECT_NE(written.find("unit 76\n  work\n"), std::string::npos) << written;
    EXPECT_TRUE(ui.shown.empty());

    home.Write("Turn001.txt", "old");
    ui.yesNoAnswers = {false};
    window.GenerateTurnFile(file);
    EXPECT_EQ(ui.shown.back().text, "File exists. Do you wish to replace Turn001.txt ?");
    EXPECT_EQ(home.Read("Turn001.txt"), "old");
    ui.yesNoAnswers = {true};
    window.GenerateTurnFile(file);
    EXPECT_EQ(home.Read("Turn001.txt"), written);

    home.Write("blocker", "a file where a folder would have to be");
    window.GenerateTurnFile(home.File("blocker/Turn001.txt"));
    EXPECT_NE(ui.shown.back().text.find("Unable to write the orders file"), std::string::npos) << ui.shown.back().text;
}

TEST_F(MapOrdersTest, FindIncompleteOrderMovesToTheHex)
{
    OwnUnit(0, 0, 16, 41, {});  // column 0 holds hexes too
    window.GoToCoordinate("150", "150");
    window.Menus().mnuHexFindIncomplete->trigger();
    const MapViewport& view = window.Canvas().View();
    EXPECT_EQ(view.ViewLeft, 0);
    EXPECT_TRUE(16 >= view.ViewTop && 16 < view.ViewTop + view.ViewRows);
    EXPECT_TRUE(ui.shown.empty()) << "no complaint about the edge";
}

TEST_F(MapOrdersTest, HexDetailsOfAnUnknownHexLeaveNoCellUnlessSaved)
{
    testing::WhenModalShown<TfrmHexInfo>([](TfrmHexInfo* details) { details->reject(); });
    window.ShowHexDetails(0, 40, 40);
    EXPECT_EQ(workspace.Map.Cell(0, 40, 40), nullptr);
    EXPECT_FALSE(window.DataChanged());

    workspace.Map.EnsureCell(0, 42, 40)->Silver = 500;
    testing::WhenModalShown<TfrmHexInfo>([](TfrmHexInfo* details) {
        details->SaveCell();
        details->reject();
    });
    window.ShowHexDetails(0, 42, 40);
    ASSERT_NE(workspace.Map.Cell(0, 42, 40), nullptr);
    EXPECT_TRUE(window.DataChanged());
}

TEST_F(MapOrdersTest, OrdersGivenThroughTheHexUnitBrowserAreMarkedAndSaved)
{
    TUnit& unit = OwnUnit(0, 12, 8, 76, {"work"});
    window.ShowHexUnits(0, 14, 8);
    EXPECT_EQ(ui.shown.back().text, "No unit information for this hex.");

    testing::WhenModalShown<TfrmHexUnits>([](TfrmHexUnits* units) {
        auto* list = units->findChild<QListView*>("lstUnits");
        list->setCurrentIndex(list->model()->index(0, 0));
        units->findChild<QPushButton*>("cmdOrders")->click();
        auto* orders = units->findChild<TfrmGiveOrders*>();
        ASSERT_NE(orders, nullptr) << "the order window opened over the browser";
        orders->findChild<QPlainTextEdit*>("txtOrders")->setPlainText("work\nstudy COMB");
        orders->findChild<QPushButton*>("cmdDone")->click();
        units->reject();
    });
    window.ShowHexUnits(0, 12, 8);
    EXPECT_TRUE(unit.OrdersDone);
    EXPECT_EQ(unit.Orders, (std::vector<std::string>{"work", "study COMB"}));
    EXPECT_NE(home.Read("DATA/Ords0000.dat").find("study COMB"), std::string::npos) << "saved as the browser closed";

    testing::WhenModalShown<TfrmAllUnits>([](TfrmAllUnits* units) { units->reject(); });
    window.Menus().mnuViewAllUnits->trigger();
    // The blinking of the unit's hex ends once the hex is drawn normally again.
    window.Canvas().FlashTick();
    window.Canvas().FlashTick();
    EXPECT_FALSE(window.findChild<QTimer*>("tmrFlash")->isActive());
}

}  // namespace
}  // namespace korvane
