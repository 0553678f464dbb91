// The main window's helpers over the map, its tool windows, and files dropped on it.
#include "mapview/main_window_fixture.h"

#include "combat/battle_file.h"
#include "mapview/render/colour.h"
#include "mapview/windows/frm_options.h"
#include "mapview/windows/hex_balloon.h"
#include "windows/frm_colour_key.h"
#include "windows/frm_combats.h"
#include "windows/frm_export_data.h"
#include "windows/frm_icon_key.h"
#include "windows/frm_import_data.h"
#include "windows/frm_make_map.h"
#include "windows/frm_map_list.h"
#include "windows/frm_troop_show_select.h"

#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QScopeGuard>
#include <QSplitter>

namespace korvane::testing {
namespace {

using MapToolsTest = ActiveMainWindow;

TEST_F(MapToolsTest, BalloonShowsAHexsProductsUnderARestingCursorButNotAfterTheMenuAndTheHexFlashes)
{
    const auto BalloonAfter = [&](const QPoint& cursor, int count) {
        for (int i = 0; i < count; ++i)
            window.Canvas().HintTick(cursor);
        return window.Canvas().Balloon().isVisible();
    };
    Hex(2, 2, "forest").Products = {{workspace.Map.ProductList.Add("GRAI", "grain"), 30, 0}};
    const QPoint over = W().paintMap->mapToGlobal(CentreOf(2, 2));
    EXPECT_FALSE(BalloonAfter(over, 8)) << "balloons are off";
    W().chkShowHints->setChecked(true);
    ASSERT_TRUE(BalloonAfter(over, 6));
    EXPECT_EQ(window.Canvas().Balloon().pos(), over + QPoint(1, 1))
        << "right of and below a cursor in the screen's top-left";
    EXPECT_EQ(window.findChild<QWidget*>("hexBalloon")->grab().toImage().pixelColor(90, 70), QColor(Qt::yellow));

    EXPECT_FALSE(BalloonAfter(over + QPoint(5, 0), 1)) << "gone as the cursor moves";
    EXPECT_FALSE(BalloonAfter(W().paintMap->mapToGlobal(QPoint(-30, 30)), 8)) << "nothing beside the map";

    BalloonAfter(over, 2);  // the timer runs all the time: the cursor is known to rest there
    QTest::mouseClick(W().paintMap, Qt::RightButton, {}, W().paintMap->mapFromGlobal(over));
    M().mnuHex->hide();
    EXPECT_FALSE(BalloonAfter(over, 10)) << "none after the pop-up menu until the cursor moves";
    EXPECT_TRUE(BalloonAfter(over + QPoint(0, 4), 6));

    // A flashing hex blinks white and is left as drawn.
    const auto shown = [&] { return W().paintMap->grab().toImage().pixelColor(CentreOf(2, 2)); };
    const QColor forest = ToQColor(workspace.Map.TerrainColour(workspace.Map.TerrainIndex("forest")));
    window.SetFlashHex(true, 2, 0, 2);
    window.Canvas().FlashTick();  // takes the hex
    window.Canvas().FlashTick();
    EXPECT_EQ(shown(), QColor(Qt::white));
    window.SetFlashHex(false, 0, 0, 0);
    window.Canvas().FlashTick();
    window.Canvas().FlashTick();
    EXPECT_EQ(shown(), forest) << "switched off on its normal picture";
}

TEST_F(MapToolsTest, DataAndFactionListImportsThroughTheMenu)
{
    PickFileWhenAsked(home.Write("regions.txt", "forest (3,5) in Lavan, 120 peasants (elves),\r\n  $300.\r\n"));
    M().mnuImportData->trigger();
    EXPECT_EQ(Last(), "Data file imported successfully.");
    EXPECT_TRUE(window.DataChanged());
    EXPECT_NE(window.StoredGlobalMap().pixelColor(3, 5), QColor(0xC0, 0xC0, 0xC0)) << "the overview shows it";
    window.ImportData(home.File("missing.txt"));
    EXPECT_EQ(Last(), "Data file import failed.");

    PickFileWhenAsked(home.Write("factions.txt", "Ravenmoor Riders (7), riders@example.org\n"));
    M().mnuImportFactions->trigger();
    EXPECT_EQ(Last(), "Import completed successfully.");
    EXPECT_NE(workspace.Factions.Find(7), nullptr);
    window.ImportFactionList(home.File("missing.txt"));
    EXPECT_EQ(ui.Texts(ScriptedInteraction::Kind::Warning).back(), "Unable to find specified Faction List file.");
    EXPECT_EQ(Last(), "Import failed.");
}

TEST_F(MapToolsTest, CalculatorIsTheFirstOneInstalledOrAMessageSaysThereIsNone)
{
    TempDir bin;
    const std::string marker = bin.File("started");
    bin.Write("xcalc", "#!/bin/sh\n: > '" + marker + "'\n");
    std::filesystem::permissions(bin.File("xcalc"), std::filesystem::perms::owner_all);
    const auto restorePath = qScopeGuard([path = qgetenv("PATH")] { qputenv("PATH", path); });  // however it ends
    qputenv("PATH", QByteArray::fromStdString(bin.Path()));  // no other program on it
    M().mnuToolsCalc->trigger();
    QTRY_VERIFY(std::filesystem::exists(marker));
    EXPECT_TRUE(ui.shown.empty());
    std::filesystem::remove(bin.File("xcalc"));
    window.StartCalculator();
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_TRUE(LastHas("No calculator was found.")) << Last();
}

TEST_F(MapToolsTest, GateListAndCitySearchCentreTheViewOnWhatIsChosen)
{
    workspace.Map.EnsureCell(0, 100, 60)->Gate = 7;
    workspace.Map.EnsureCell(0, 150, 90)->PopCenter = "Newport";
    Lines shown;  // the list's title and lines; then it goes to the first line and closes
    const auto goToFirst = [&shown](TfrmMapList* list) {
        auto* items = Child<QListWidget>(*list, "lstItems");
        shown = LineTexts(*items);
        shown.insert(shown.begin(), list->windowTitle().toStdString());
        items->setCurrentRow(0);
        Child(*list, "cmdGoto")->click();
        Child(*list, "cmdClose")->click();
    };
    WhenModalShown<TfrmMapList>(goToFirst);
    M().mnuViewGateList->trigger();
    EXPECT_EQ(shown, (Lines{"Gate List", "  7  (100,60)"}));
    EXPECT_TRUE(InView(100, 60));

    WhenModalShown<QInputDialog>([](QInputDialog* ask) {
        ask->setTextValue("PORT");
        ask->accept();
    });
    WhenModalShown<TfrmMapList>(goToFirst);
    M().cmdFindCity->trigger();
    EXPECT_EQ(shown, (Lines{"City Search: PORT", "Newport  (150,90)"}));
    EXPECT_TRUE(InView(150, 90));
    WhenModalShown<QInputDialog>([](QInputDialog* ask) {
        EXPECT_EQ(ask->textValue(), "PORT") << "the last search is offered again";
        ask->reject();
    });
    M().cmdFindCity->trigger();
}

TEST_F(MapToolsTest, DisplayListsChooseWhoseTroopsTheMapMarks)
{
    AddFaction(workspace.Factions, 7, 0xFF00FF);
    Hex(2, 2).Units.Add(NewUnit(40, 7, 25));
    W().scrollScale->setValue(11 - 6);  // troop marks show from zoom 3 on
    W().chkShowUnits->setChecked(true);
    const auto showsMagenta = [&] {
        const QImage map = W().paintMap->grab().toImage();
        return CountColour(map, map.rect(), Qt::magenta) > 0;
    };
    EXPECT_TRUE(showsMagenta()) << "the general list marks everyone";

    M().mnuViewTroopSelection->trigger();  // a new alliance list, empty: it marks no one
    TfrmTroopShowSelect& lists = window.TroopShowSelect();
    EXPECT_FALSE(W().lstTroopViews->isEnabled()) << "one place chooses at a time";
    lists.AddNewList("Pacts");
    lists.MakeAllianceBased(true);
    EXPECT_EQ(workspace.Settings.UnitList, "Pacts");
    EXPECT_FALSE(showsMagenta());

    W().cmdTroops->click();  // back to the general list through the drop-down
    EXPECT_TRUE(W().lstTroopViews->isEnabled());
    W().lstTroopViews->setCurrentIndex(W().lstTroopViews->findText("General List"));
    emit W().lstTroopViews->activated(W().lstTroopViews->currentIndex());
    EXPECT_EQ(workspace.Settings.UnitList, "General List");
    EXPECT_TRUE(showsMagenta());
}

TEST_F(MainWindowTest, KeyWindowsFollowTheirMenuItemsAndKeepTheirPlacesAsTheRightColumnDoes)
{
    home.Write("ATLANTIS.INI", "[Windows]\r\nColourKeyPosX=140\r\nColourKeyPosY=120\r\nMainSplitterX=260\r\n");
    Start();
    window.show();
    EXPECT_EQ(window.ColourKey().pos(), QPoint(140, 120));
    EXPECT_EQ(W().pnlRight->width(), 260);
    W().pnlMain->setSizes({W().pnlMain->width() - 60, 60});
    EXPECT_EQ(W().pnlRight->width(), 170) << "a drag too far stops at 170";
    M().mnuViewColourKey->trigger();  // the key windows follow their menu items and buttons
    EXPECT_TRUE(window.ColourKey().isVisible() && M().mnuViewColourKey->isChecked());
    window.ColourKey().close();  // only hides, and the check mark goes
    EXPECT_FALSE(window.ColourKey().isVisible() || M().mnuViewColourKey->isChecked());
    W().cmdIconChart->click();
    EXPECT_TRUE(window.IconKey().isVisible() && M().mnuViewIconKey->isChecked());
    W().cmdIconChart->click();
    EXPECT_FALSE(window.IconKey().isVisible());
    window.IconKey().move(300, 200);
    EXPECT_TRUE(window.close());
    for (const char* kept :
         {"ColourKeyPosX=140", "ColourKeyPosY=120", "IconKeyPosX=300", "IconKeyPosY=200", "MainSplitterX=170"})
        EXPECT_TRUE(Written(kept)) << kept;
}

class MapToolWindowsTest : public ShownMainWindow
{
protected:
    // Opens a window of type T through `open` and answers it with `look`; whether it opened.
    template <typename T, typename Look>
    bool Opens(const std::function<void()>& open, Look look)
    {
        bool opened = false;
        WhenModalShown<T>([&](T* shown) {
            opened = true;
            look(*shown);
            shown->reject();
        });
        open();
        return opened;
    }
};

TEST_F(MapToolWindowsTest, MenusOpenTheirWindowsPresetFromTheView)
{
    window.ScrollView(37, 21);
    const auto corner = [](const QWidget& shown) {
        return Child<QLineEdit>(shown, "txtLeft")->text() + "," + Child<QLineEdit>(shown, "txtTop")->text();
    };
    const auto cornerIsTheViews = [&](const QWidget& shown) { EXPECT_EQ(corner(shown), "37,21"); };
    EXPECT_TRUE(Opens<TfrmMakeMap>([&] { M().mnuGenerateMap->trigger(); }, cornerIsTheViews));
    EXPECT_TRUE(Opens<TfrmExportData>([&] { M().mnuExportKvd->trigger(); }, cornerIsTheViews));
    EXPECT_TRUE(Opens<TfrmCombats>([&] { M().mnuCombat->trigger(); }, [](TfrmCombats&) {}));
}

TEST_F(MapToolWindowsTest, DroppedFilesGoWhereTheyBelongReportsInTurnOrderSavedOnce)
{
    workspace.Settings.FactionNo = 1;
    const std::string third = home.Write("c.txt", GenerateReport({.month = 3, .columns = 3, .rows = 4}));
    const std::string first = home.Write("a.txt", GenerateReport({.month = 1, .columns = 3, .rows = 4}));
    const std::string unknown = home.Write("notes.txt", "nothing the game wrote\n");
    window.SetDataChanged(true);
    window.DropFiles({third, unknown, first});
    EXPECT_EQ(std::tuple(workspace.Settings.CurrentTurn, workspace.Settings.MaxTurn), std::tuple(3, 3));
    EXPECT_TRUE(std::filesystem::exists(workspace.Settings.DataDir + "/Map.Dat"));
    EXPECT_FALSE(window.DataChanged());
    EXPECT_EQ(
        ui.Texts(Kind::Warning),
        Lines{unknown
              + " was not recognised: it is not a turn report, an exchange file, a battle file or a faction list."});

    BattleSetup battle;
    battle.Left.resize(2);
    const std::string battleFile = home.File("fight.dat");
    ASSERT_TRUE(SaveBattleFile(battleFile, battle));
    EXPECT_TRUE(Opens<TfrmCombats>(
        [&] { window.DropFiles({battleFile}); },
        [](TfrmCombats& combats) { EXPECT_EQ(Child<QListWidget>(combats, "lstLeft")->count(), 2); }));

    const std::string exchange = home.Write("allies.txt", "VERSION,2.31\r\n");
    const auto presetIsTheFile = [&](TfrmImportData& importData) {
        EXPECT_EQ(Child<QLineEdit>(importData, "txtFilename")->text().toStdString(), exchange);
    };
    EXPECT_TRUE(Opens<TfrmImportData>([&] { window.DropFiles({exchange}); }, presetIsTheFile));

    window.DropFiles({home.Write("factions", "The Seventh (7), seven@example.org\n")});
    EXPECT_NE(workspace.Factions.Find(7), nullptr);
}

TEST(FactionInformation, ShowsTheLastReportsFiguresAndTakesOnlyAFactionNumberOf1To1000)
{
    TrecINI settings("/nonexistent");
    settings.FacPoints = {2, 3, 1};
    settings.Unclaimed = 4500;
    ScriptedInteraction ui;
    TfrmOptions window(settings, ui);
    auto* number = Child<QLineEdit>(window, "txtFacNo");
    EXPECT_TRUE(number->text().isEmpty()) << "no faction number yet";
    EXPECT_EQ(std::tuple(Child<QLabel>(window, "pnlTrade")->text(), Child<QLabel>(window, "pnlUnclaimed")->text()),
              std::tuple("3", "4500"));
    for (const char* refused : {"", "0", "1001"}) {
        number->setText(refused);
        window.Confirm();
        EXPECT_EQ(ui.shown.back().text, "Invalid faction number. Please re-enter.") << refused;
        EXPECT_EQ(std::tuple(settings.FactionNo, window.result() == QDialog::Accepted), std::tuple(0, false));
    }
    for (const int accepted : {1, 1000}) {
        number->setText(QString::number(accepted));
        window.Confirm();
        EXPECT_EQ(std::tuple(settings.FactionNo, window.result()), std::tuple(accepted, int(QDialog::Accepted)));
    }
    EXPECT_EQ(Child<QLineEdit>(TfrmOptions(settings, ui), "txtFacNo")->text(), "1000") << "shown again";
}

}  // namespace
}  // namespace korvane::testing
