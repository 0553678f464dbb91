// The main window's helpers over the map: the hex balloon, the blinking hex, the splitter.
#include "mapview/windows/frm_map.h"

#include "mapview/render/colour.h"
#include "mapview/windows/hex_balloon.h"
#include "support/file_dialog_answer.h"
#include "support/scripted_interaction.h"
#include "windows/frm_colour_key.h"
#include "windows/frm_icon_key.h"
#include "windows/frm_map_list.h"
#include "windows/frm_troop_show_select.h"
#include "windows/window_test_helpers.h"
#include "support/temp_dir.h"
#include "workspace/workspace.h"
#include "world/map_cell.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QScrollBar>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QMenu>
#include <QSplitter>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace korvane {
namespace {

class MapToolsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.StartUp());
        window.resize(900, 650);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // A known hex with products, and a point of the paint box over it.
    QPoint KnownHex(int& x, int& y)
    {
        const QWidget* paintBox = window.Widgets().paintMap;
        for (int py = 40; py < paintBox->height(); py += 5) {
            const HexPosition hex = HexAtPoint(window.Canvas().View(), 60, py);
            if (!hex.IsValid())
                continue;
            std::tie(x, y) = std::tuple(hex.x, hex.y);
            TMapCell& cell = *workspace.Map.EnsureCell(0, x, y);
            cell.Terrain = workspace.Map.TerrainIndex("forest");
            cell.Products = {{workspace.Map.ProductList.Add("GRAI", "grain"), 30, 0}};
            return paintBox->mapToGlobal(QPoint(60, py));
        }
        ADD_FAILURE() << "no hex on the paint box";
        return {};
    }

    void Ticks(const QPoint& cursor, int count)
    {
        for (int i = 0; i < count; ++i)
            window.Canvas().HintTick(cursor);
    }

    testing::TempDir home;
    Workspace workspace{home.Path()};
    testing::ScriptedInteraction ui;
    TfrmMAP window{workspace, ui};
};

TEST_F(MapToolsTest, BalloonShowsAHexsProductsUnderARestingCursorButNotAfterTheMenu)
{
    int x = 0, y = 0;
    const QPoint over = KnownHex(x, y);
    Ticks(over, 8);
    EXPECT_FALSE(window.Canvas().Balloon().isVisible()) << "balloons are off";

    window.Widgets().chkShowHints->setChecked(true);
    Ticks(over, 6);
    ASSERT_TRUE(window.Canvas().Balloon().isVisible());
    EXPECT_EQ(window.Canvas().Balloon().Texts().Title,
              "Hex Products (" + std::to_string(x) + "," + std::to_string(y) + ")");
    EXPECT_EQ(window.Canvas().Balloon().pos(), over + QPoint(1, 1))
        << "right of and below a cursor in the screen's top-left";
    const QImage balloon = window.findChild<QWidget*>("hexBalloon")->grab().toImage();
    EXPECT_EQ(balloon.pixelColor(90, 70), QColor(Qt::yellow));

    Ticks(over + QPoint(5, 0), 1);
    EXPECT_FALSE(window.Canvas().Balloon().isVisible()) << "gone as the cursor moves";
    Ticks(window.Widgets().paintMap->mapToGlobal(QPoint(-30, 30)), 8);
    EXPECT_FALSE(window.Canvas().Balloon().isVisible()) << "nothing beside the map";

    // None after the pop-up menu until the cursor moves.
    QWidget* paintBox = window.Widgets().paintMap;
    Ticks(over, 2);  // the timer runs all the time: the cursor is known to rest there
    QTest::mouseClick(paintBox, Qt::RightButton, {}, paintBox->mapFromGlobal(over));
    window.Menus().mnuHex->hide();
    Ticks(over, 10);
    EXPECT_FALSE(window.Canvas().Balloon().isVisible()) << "after the menu";
    Ticks(over + QPoint(0, 4), 6);
    EXPECT_TRUE(window.Canvas().Balloon().isVisible());
}

TEST_F(MapToolsTest, FlashingHexBlinksWhiteAndIsLeftAsDrawn)
{
    int x = 0, y = 0;
    const QPoint centre = window.Widgets().paintMap->mapFromGlobal(KnownHex(x, y));
    QWidget* paintBox = window.Widgets().paintMap;
    const QColor forest = ToQColor(workspace.Map.TerrainColour(workspace.Map.TerrainIndex("forest")));
    ASSERT_EQ(paintBox->grab().toImage().pixelColor(centre), forest);

    window.SetFlashHex(true, x, 0, y);
    window.Canvas().FlashTick();  // takes the hex
    window.Canvas().FlashTick();
    EXPECT_EQ(paintBox->grab().toImage().pixelColor(centre), QColor(Qt::white));
    window.SetFlashHex(false, 0, 0, 0);
    window.Canvas().FlashTick();
    window.Canvas().FlashTick();
    EXPECT_EQ(paintBox->grab().toImage().pixelColor(centre), forest) << "switched off on its normal picture";
    EXPECT_FALSE(window.findChild<QTimer*>("tmrFlash")->isActive());
}

TEST_F(MapToolsTest, DataAndFactionListImportsThroughTheMenu)
{
    const FrmMapMenus& m = window.Menus();
    testing::PickFileWhenAsked(
        home.Write("regions.txt", "forest (3,5) in Lavan, 120 peasants (elves),\r\n  $300.\r\n"));
    m.mnuImportData->trigger();
    EXPECT_EQ(ui.shown.back().text, "Data file imported successfully.");
    ASSERT_NE(workspace.Map.Cell(0, 3, 5), nullptr);
    EXPECT_TRUE(window.DataChanged());
    EXPECT_NE(window.StoredGlobalMap().pixelColor(3, 5), QColor(0xC0, 0xC0, 0xC0)) << "the overview shows it";
    window.ImportData(home.File("missing.txt"));
    EXPECT_EQ(ui.shown.back().text, "Data file import failed.");

    testing::PickFileWhenAsked(home.Write("factions.txt", "Ravenmoor Riders (7), riders@example.org\n"));
    m.mnuImportFactions->trigger();
    EXPECT_EQ(ui.shown.back().text, "Import completed successfully.");
    EXPECT_NE(workspace.Factions.Find(7), nullptr);
    window.ImportFactionList(home.File("missing.txt"));
    EXPECT_EQ(ui.shown.back().text, "Import failed.");
}

TEST_F(MapToolsTest, CalculatorIsTheFirstOneInstalledOrAMessageSaysThereIsNone)
{
    const QByteArray path = qgetenv("PATH");
    testing::TempDir bin;
    const std::string marker = bin.File("started");
    bin.Write("xcalc", "#!/bin/sh\n: > '" + marker + "'\n");  // no other program on this PATH
    std::filesystem::permissions(bin.File("xcalc"), std::filesystem::perms::owner_all);
    qputenv("PATH", QByteArray::fromStdString(bin.Path()));
    window.Menus().mnuToolsCalc->trigger();
    QTRY_VERIFY(std::filesystem::exists(marker));
    EXPECT_TRUE(ui.shown.empty());

    std::filesystem::remove(bin.File("xcalc"));
    window.StartCalculator();
    qputenv("PATH", path);
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_NE(ui.shown.back().text.find("No calculator was found."), std::string::npos);
}

TEST_F(MapToolsTest, GateListAndCitySearchCentreTheViewOnWhatIsChosen)
{
    workspace.Map.EnsureCell(0, 100, 60)->Gate = 7;
    workspace.Map.EnsureCell(0, 150, 90)->PopCenter = "Newport";
    // Notes the list's lines, then goes to the first and closes.
    const auto goToFirst = [](TfrmMapList* list, testing::Lines& lines) {
        lines = testing::LineTexts(*testing::Child<QListWidget>(*list, "lstItems"));
        testing::Child<QListWidget>(*list, "lstItems")->setCurrentRow(0);
        testing::Child(*list, "cmdGoto")->click();
        testing::Child(*list, "cmdClose")->click();
    };
    const auto inView = [this](int x, int y) {
        const MapViewport& view = window.Canvas().View();
        return x > view.ViewLeft && x < view.ViewLeft + view.ViewCols && y > view.ViewTop
            && y < view.ViewTop + view.ViewRows;
    };

    testing::Lines gates, cities;
    testing::WhenModalShown<TfrmMapList>([&](TfrmMapList* list) { goToFirst(list, gates); });
    window.Menus().mnuViewGateList->trigger();
    EXPECT_EQ(gates, testing::Lines{"  7  (100,60)"});
    EXPECT_TRUE(inView(100, 60));

    testing::WhenModalShown<QInputDialog>([](QInputDialog* ask) {
        EXPECT_EQ(ask->windowTitle(), "City Search string");
        ask->setTextValue("PORT");
        ask->accept();
    });
    testing::WhenModalShown<TfrmMapList>([&](TfrmMapList* list) {
        EXPECT_EQ(list->windowTitle(), "City Search: PORT");
        goToFirst(list, cities);
    });
    window.Menus().cmdFindCity->trigger();
    EXPECT_EQ(cities, testing::Lines{"Newport  (150,90)"});
    EXPECT_TRUE(inView(150, 90));

    testing::WhenModalShown<QInputDialog>([](QInputDialog* ask) {
        EXPECT_EQ(ask->textValue(), "PORT") << "the last search is offered again";
        ask->reject();
    });
    window.Menus().cmdFindCity->trigger();
}

TEST_F(MapToolsTest, KeyWindowsFollowTheirMenuItemsAndButtons)
{
    const FrmMapMenus& m = window.Menus();
    TfrmColourKey& colours = window.ColourKey();
    EXPECT_FALSE(colours.isVisible());
    m.mnuViewColourKey->trigger();
    EXPECT_TRUE(colours.isVisible());
    EXPECT_TRUE(m.mnuViewColourKey->isChecked());
    colours.close();  // only hides, and the check mark goes
    EXPECT_FALSE(colours.isVisible());
    EXPECT_FALSE(m.mnuViewColourKey->isChecked());
    window.Widgets().cmdIconChart->click();
    EXPECT_TRUE(window.IconKey().isVisible());
    EXPECT_TRUE(m.mnuViewIconKey->isChecked());
    window.Widgets().cmdIconChart->click();
    EXPECT_FALSE(window.IconKey().isVisible());
}

TEST_F(MapToolsTest, DisplayListsChooseWhoseTroopsTheMapMarks)
{
    const FrmMapWidgets& w = window.Widgets();
    auto faction = std::make_unique<TFaction>();
    std::tie(faction->Number, faction->Name, faction->Colour) = std::tuple(7, "Blue Moon", 0xFF00FF);
    workspace.Factions.Add(std::move(faction));
    int x = 0, y = 0;
    KnownHex(x, y);
    auto unit = std::make_unique<TUnit>();
    std::tie(unit->Number, unit->Faction) = std::tuple(40, 7);
    unit->Troops.push_back({0, 25});
    workspace.Map.Cell(0, x, y)->Units.Add(std::move(unit));
    w.scrollScale->setValue(11 - 6);  // troop marks show from zoom 3 on
    w.chkShowUnits->setChecked(true);
    const auto shows = [&](const QColor& colour) {
        const QImage map = w.paintMap->grab().toImage();
        for (int py = 0; py < map.height(); ++py)
            for (int px = 0; px < map.width(); ++px)
                if (map.pixelColor(px, py) == colour)
                    return true;
        return false;
    };
    EXPECT_TRUE(shows(QColor(Qt::magenta))) << "the general list marks everyone";

    // A new alliance list, empty: it marks no one.
    window.Menus().mnuViewTroopSelection->trigger();
    TfrmTroopShowSelect& lists = window.TroopShowSelect();
    EXPECT_FALSE(w.lstTroopViews->isEnabled()) << "one place chooses at a time";
    lists.AddNewList("Pacts");
    lists.MakeAllianceBased(true);
    EXPECT_EQ(workspace.Settings.UnitList, "Pacts");
    EXPECT_FALSE(shows(QColor(Qt::magenta)));

    // Back to the general list through the drop-down.
    window.Widgets().cmdTroops->click();
    EXPECT_TRUE(w.lstTroopViews->isEnabled());
    w.lstTroopViews->setCurrentIndex(w.lstTroopViews->findText("General List"));
    emit w.lstTroopViews->activated(w.lstTroopViews->currentIndex());
    EXPECT_EQ(workspace.Settings.UnitList, "General List");
    EXPECT_TRUE(shows(QColor(Qt::magenta)));
}

TEST(MapWindowPlaces, KeyWindowsAndTheRightColumnKeepTheirPlacesFromOneSessionToTheNext)
{
    for (const auto& [saved, expected] : {std::pair(100, 170), std::pair(260, 260)}) {
        testing::TempDir home;
        home.Write("ATLANTIS.INI",
                   "[Windows]\r\nColourKeyPosX=140\r\nColourKeyPosY=120\r\nMainSplitterX=" + std::to_string(saved)
                       + "\r\n");
        Workspace workspace(home.Path());
        testing::ScriptedInteraction ui;
        TfrmMAP window(workspace, ui);
        window.StartUp();
        window.show();
        EXPECT_EQ(window.ColourKey().pos(), QPoint(140, 120));
        EXPECT_EQ(window.Widgets().pnlRight->width(), expected) << "never narrower than 170";
        QSplitter* splitter = window.Widgets().pnlMain;
        splitter->setSizes({splitter->width() - 60, 60});
        EXPECT_EQ(window.Widgets().pnlRight->width(), 170) << "a drag too far stops at 170";

        window.IconKey().move(300, 200);
        EXPECT_TRUE(window.close());
        const std::string written = home.Read("ATLANTIS.INI");
        for (const char* kept :
             {"ColourKeyPosX=140", "ColourKeyPosY=120", "IconKeyPosX=300", "IconKeyPosY=200", "MainSplitterX=170"})
            EXPECT_NE(written.find(kept), std::string::npos) << kept;
    }
}

}  // namespace
}  // namespace korvane
