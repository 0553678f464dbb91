// The main window as the program opens it.
#include "mapview/windows/frm_map.h"

#include "core/settings.h"
#include "people/faction.h"
#include "world/map.h"
#include "support/file_dialog_answer.h"
#include "support/fixtures.h"
#include "support/generated_report.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "windows/frm_bulk_turn_import.h"
#include "workspace/workspace.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include <QScreen>

#include <filesystem>
#include <tuple>
#include <utility>

namespace korvane {
namespace {

TEST(MainWindow, DisplaySwitchesFollowAndWriteTheSettings)
{
    testing::TempDir home;
    Workspace workspace(home.Path());
    TrecINI& settings = workspace.Settings;
    std::tie(settings.ShowTowns, settings.ShowTownNames, settings.ShowGates,
             settings.ShowDepth) = std::tuple(false, false, true, 1);
    std::tie(settings.ShowHints, settings.HintDelay) = std::tuple(true, 0);
    testing::ScriptedInteraction ui;
    TfrmMAP window(workspace, ui);
    const FrmMapWidgets& w = window.Widgets();
    EXPECT_TRUE(w.chkGates->isChecked() && w.optShowUnderworld->isChecked());
    EXPECT_EQ(std::tuple(w.udHintDelay->value(), settings.HintDelay), std::tuple(1, 1)) << "held to 1..10";
    EXPECT_TRUE(w.pnlHintDelay->isVisibleTo(&window));

    w.chkTownNames->click();  // names need their icons
    EXPECT_TRUE(w.chkTownIcons->isChecked());
    EXPECT_TRUE(settings.ShowTowns && settings.ShowTownNames);
    w.chkTownIcons->click();  // and go with them
    EXPECT_FALSE(settings.ShowTowns || settings.ShowTownNames);
    w.chkShowHints->click();
    EXPECT_FALSE(settings.ShowHints);
    EXPECT_FALSE(w.pnlHintDelay->isVisibleTo(&window));
}

TEST(MainWindow, TurnStepperStaysWithinTheTurnsKnown)
{
    testing::TempDir home;
    Workspace workspace(home.Path());
    std::tie(workspace.Settings.CurrentTurn, workspace.Settings.MaxTurn) = std::tuple(0, 0);
    testing::ScriptedInteraction ui;
    TfrmMAP window(workspace, ui);
    const FrmMapWidgets& w = window.Widgets();
    EXPECT_EQ(w.pnlTurn->text(), "?");

    std::tie(workspace.Settings.CurrentTurn, workspace.Settings.MaxTurn) = std::tuple(4, 6);
    w.cmdTurnU2->click();
    EXPECT_EQ(w.pnlTurn->text(), "6") << "five up stops at the last turn";
    w.cmdTurnU1->click();
    EXPECT_EQ(workspace.Settings.CurrentTurn, 6);
    w.cmdTurnD2->click();
    EXPECT_EQ(w.pnlTurn->text(), "1");
    w.cmdTurnD1->click();
    EXPECT_EQ(workspace.Settings.CurrentTurn, 1) << "nothing below turn 1";
    EXPECT_TRUE(ui.shown.empty()) << "turns without unit files are no fault";
}

TEST(MainWindow, StartsFromTheFilesAndWritesThemAtClosing)
{
    testing::TempDir home;
    home.Write("ATLANTIS.INI",
               "[Preferences]\r\nShowGates=TRUE\r\nHintDelay=25\r\n[General]\r\nCurrentTurn=3\r\n"
               "[Windows]\r\nMainX=5000\r\nMainY=20\r\nMainW=400\r\nMainH=300\r\n");
    Workspace workspace(home.Path());
    testing::ScriptedInteraction ui;
    TfrmMAP window(workspace, ui);
    ASSERT_TRUE(window.StartUp()) << "no database is an empty world";
    const FrmMapWidgets& w = window.Widgets();
    const int screenWidth = window.screen()->availableGeometry().width();
    EXPECT_EQ(window.geometry(), QRect(screenWidth - 400, 20, 400, 300)) << "brought back onto the screen";
    EXPECT_TRUE(w.chkGates->isChecked());
    EXPECT_EQ(w.udHintDelay->value(), 10);
    EXPECT_EQ(w.pnlTurn->text(), "3");
    EXPECT_FALSE(window.DataChanged());

    window.show();
    window.SetDataChanged(true);
    ui.yesNoAnswers = {false};
    EXPECT_FALSE(window.close()) << "No keeps the program running";
    EXPECT_EQ(ui.shown.back().text, "Data has changed. Do you wish to exit without saving ?");
    EXPECT_NE(home.Read("ATLANTIS.INI").find("HintDelay=25"), std::string::npos) << "nothing written yet";

    ui.yesNoAnswers = {true};
    EXPECT_TRUE(window.close());
    const std::string written = home.Read("ATLANTIS.INI");
    EXPECT_NE(written.find("HintDelay=10"), std::string::npos) << "the clamped delay is written back";
    EXPECT_NE(written.find("MainX="), std::string::npos);
    EXPECT_TRUE(home.Read("DATA/Map.Dat").empty()) << "the map database is not written at closing";
}

// A window started in an empty program folder.
class StartedMainWindow : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(window.StartUp()) << "no database is an empty world"; }

    testing::TempDir home;
    Workspace workspace{home.Path()};
    testing::ScriptedInteraction ui;
    TfrmMAP window{workspace, ui};
};

TEST_F(StartedMainWindow, DrawsTheMapAndDescribesTheHexUnderTheMouse)
{
    EXPECT_EQ(window.pos(), QPoint(10, 10)) << "a first start";
    EXPECT_TRUE(ui.shown.empty()) << "an empty folder has nothing to report";
    window.resize(900, 650);
    window.show();
    const FrmMapWidgets& w = window.Widgets();

    // The first point of the paint box that lies on a hex, and a plain there.
    HexPosition hex;
    int px = 0, py = 0;
    for (py = 20; py < 200 && !hex.IsValid(); py += 3)
        for (px = 20; px < 300 && !hex.IsValid(); px += 3)
            hex = HexAtPoint(window.Canvas().View(), px, py);
    ASSERT_TRUE(hex.IsValid());
    TMapCell& cell = *workspace.Map.EnsureCell(0, hex.x, hex.y);
    std::tie(cell.Terrain, cell.Silver) = std::tuple(workspace.Map.TerrainIndex("plain"), 4321);

    EXPECT_FALSE(w.paintMap->grab().isNull()) << "the map draws";
    w.tabShow->setCurrentIndex(1);
    window.PointAt(px - 3, py - 3);
    const QString at = QString::number(hex.x) + "," + QString::number(hex.y);
    EXPECT_EQ(w.pnlCoords->text(), at);
    EXPECT_EQ(w.pnlHexCoord->text(), at);
    EXPECT_EQ(w.pnlHexTerrain->text(), "Plain");
    EXPECT_TRUE(w.pnlHexTaxes->text().startsWith("4")) << w.pnlHexTaxes->text().toStdString();

    // The "Facs" page colours a faction by its own number, not by the first five characters of
    // its line, which for 123456 name faction 12345.
    for (const auto& [number, colour] : {std::pair(12345, 0x0000FF), std::pair(123456, 0xFF0000)}) {
        auto faction = std::make_unique<TFaction>();
        std::tie(faction->Number, faction->Name, faction->Colour) = std::tuple(number, "Folk", colour);
        workspace.Factions.Add(std::move(faction));
    }
    auto unit = std::make_unique<TUnit>();
    std::tie(unit->Number, unit->Faction) = std::tuple(7, 123456);
    cell.Units.Add(std::move(unit));
    workspace.Settings.FactionNo = 3;
    w.tabShow->setCurrentIndex(3);
    window.PointAt(px - 3, py - 3);
    ASSERT_EQ(w.lstHexFactions->count(), 1);
    const QRect line = w.lstHexFactions->visualItemRect(w.lstHexFactions->item(0));
    EXPECT_EQ(w.lstHexFactions->viewport()->grab().toImage().pixelColor(line.left() + 3, line.center().y()),
              QColor(Qt::blue));
    w.tabShow->setCurrentIndex(1);

    window.PointAt(-50, -50);
    EXPECT_TRUE(w.pnlCoords->text().isEmpty() && w.pnlHexTerrain->text().isEmpty());
    w.scrollH->setValue(12);
    w.scrollV->setValue(20);
    EXPECT_EQ(std::tuple(window.Canvas().View().ViewLeft, window.Canvas().View().ViewTop), std::tuple(12, 20));
    w.scrollH->setValue(0);
    w.scrollV->setValue(0);

    // The overview shows the plain, is left blank while switched off, and is drawn at once
    // when switched on again.
    const QColor grey(0xC0, 0xC0, 0xC0);
    window.RefreshOverview();
    EXPECT_NE(window.StoredGlobalMap().pixelColor(hex.x, hex.y), grey);
    EXPECT_FALSE(w.imgSmallMap->pixmap().isNull());
    w.chkDrawGlobalMap->setChecked(false);
    EXPECT_FALSE(workspace.Settings.ShowGlobalMap);
    window.RefreshOverview();
    EXPECT_EQ(window.StoredGlobalMap().pixelColor(hex.x, hex.y), grey) << "left blank";
    w.chkDrawGlobalMap->click();
    EXPECT_TRUE(workspace.Settings.ShowGlobalMap);
    EXPECT_NE(window.StoredGlobalMap().pixelColor(hex.x, hex.y), grey);
}

TEST_F(StartedMainWindow, FileMenuSavesReloadsAndImports)
{
    const FrmMapMenus& m = window.Menus();
    emit m.mnuFile->aboutToShow();
    EXPECT_FALSE(m.mnuFileSaveDB->isEnabled()) << "nothing to save";

    window.SetDataChanged(true);
    emit m.mnuFile->aboutToShow();
    EXPECT_TRUE(m.mnuFileSaveDB->isEnabled());
    window.SaveDatabase();  // no faction number yet
    EXPECT_EQ(ui.shown.back().text,
              "Please provide a valid faction number before saving the map database.\r"
              "(Use menu item View/Faction Details)");
    window.ImportTurnFile(home.Write("report.txt", testing::GenerateReport({.columns = 4, .rows = 6})));
    EXPECT_EQ(ui.shown.back().text,
              "You must provide a valid faction number before importing a turn file.\r"
              "(Use menu item View/Faction Details)");

    workspace.Settings.FactionNo = 1;
    window.ImportTurnFile(home.File("report.txt"));
    EXPECT_EQ(ui.shown.back().text, "Turn file imported successfully.");
    EXPECT_FALSE(window.DataChanged()) << "saved at once";
    EXPECT_FALSE(home.Read("DATA/Map.Dat").empty());
    EXPECT_EQ(window.Widgets().pnlTurn->text(), "1");

    workspace.Map.EnsureCell(0, 40, 40)->Terrain = 3;  // an edit not saved
    ui.yesNoAnswers = {false};
    m.mnuFileReloadDB->trigger();
    EXPECT_NE(workspace.Map.Cell(0, 40, 40), nullptr) << "No keeps the edits";
    ui.yesNoAnswers = {true};
    m.mnuFileReloadDB->trigger();
    EXPECT_EQ(workspace.Map.Cell(0, 40, 40), nullptr) << "Yes reads the saved database again";
    EXPECT_NE(workspace.Map.Cell(0, 0, 0), nullptr);

    window.ImportTurnFile(home.File("missing.txt"));
    EXPECT_EQ(ui.shown.back().text, "Turn file import failed.");
}

TEST_F(StartedMainWindow, BulkImportIsRefusedAtTheMenuWithoutAFactionNumberOrADatabase)
{
    bool opened = false;
    QTimer closer;  // ends the window should it open
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&opened] {
        if (auto* bulk = qobject_cast<TfrmBulkTurnImport*>(QApplication::activeModalWidget())) {
            opened = true;
            bulk->reject();
        }
    });
    closer.start();
    window.Menus().mnuBulkImport->trigger();
    workspace.Settings.FactionNo = 1;
    workspace.Refused.Add(workspace.Settings.DataPath(workspace.Settings.MapFile));
    window.Menus().mnuBulkImport->trigger();
    EXPECT_FALSE(opened);
    const auto errors = ui.Texts(testing::ScriptedInteraction::Kind::Error);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0],
              "You must provide a valid faction number before importing turn files.\r"
              "(Use menu item View/Faction Details)");
    EXPECT_NE(errors[1].find("no turn file can be imported into it"), std::string::npos) << errors[1];
}

TEST_F(StartedMainWindow, GoToCoordinateAndTheOverviewMoveTheView)
{
    window.resize(900, 650);
    window.show();
    const FrmMapWidgets& w = window.Widgets();
    window.GoToCoordinate("-1", "10");
    EXPECT_EQ(ui.shown.back().text, "Coordinate out of range. Unable to move to hex.");
    const MapViewport before = window.Canvas().View();

    window.GoToCoordinate("160", "96x");  // read leniently
    const MapViewport& view = window.Canvas().View();
    EXPECT_GT(view.ViewLeft, before.ViewLeft);
    EXPECT_LT(view.ViewLeft, 160);
    EXPECT_GT(view.ViewLeft + view.ViewCols, 160) << "the hex is in view";
    EXPECT_EQ(std::tuple(w.scrollH->value(), w.scrollV->value()), std::tuple(view.ViewLeft, view.ViewTop));

    w.optShowUnderworld->setChecked(true);
    window.GoToCoordinate("60", "40");  // game coordinates of the underworld: grid 120, 82
    EXPECT_LT(view.ViewLeft, 120);
    EXPECT_GT(view.ViewLeft + view.ViewCols, 120);

    window.OverviewClicked(0, 0);
    EXPECT_EQ(std::tuple(view.ViewLeft, view.ViewTop), std::tuple(0, 0)) << "the top-left corner";
}

TEST_F(StartedMainWindow, BufferedDrawingFollowsAnImport)
{
    window.resize(700, 500);
    window.show();
    const FrmMapWidgets& w = window.Widgets();
    workspace.Settings.FactionNo = 1;
    workspace.Settings.BufferDraw = true;
    // Long names run on over the hexes beside their own, and the buffer holds more of those
    // than the view: only pictures without names are the same pixel for pixel.
    w.chkTownNames->setChecked(false);
    window.ImportTurnFile(home.Write("report.txt", testing::GenerateReport({.columns = 6, .rows = 8})));
    const QImage before = w.paintMap->grab().toImage();
    // A second report fills hexes the buffer already holds empty: they are drawn afresh.
    window.ImportTurnFile(home.Write("report2.txt", testing::GenerateReport({.month = 2, .columns = 30, .rows = 24})));
    const QImage buffered = w.paintMap->grab().toImage();
    workspace.Settings.BufferDraw = false;
    EXPECT_NE(buffered, before);
    EXPECT_EQ(buffered, w.paintMap->grab().toImage());
}

TEST_F(StartedMainWindow, RealReportImportedThroughTheMenuShowsItsHexes)
{
    KORVANE_REQUIRE_FIXTURES();
    window.resize(1000, 700);
    window.show();
    const FrmMapWidgets& w = window.Widgets();
    workspace.Settings.FactionNo = 3;
    testing::PickFileWhenAsked(testing::FixturesDir() + "/report-f3-t1.txt");
    window.Menus().mnuImportTurn->trigger();
    EXPECT_EQ(ui.shown.back().text, "Turn file imported successfully.");
    EXPECT_EQ(w.pnlTurn->text(), "1");
    EXPECT_FALSE(window.DataChanged()) << "saved at once";

    // Glorforgost, the city at 0,16: found on the screen by the window's own hit test.
    int px = -1, py = -1;
    for (int y = 0; y < w.paintMap->height() && px < 0; ++y)
        for (int x = 0; x < w.paintMap->width() && px < 0; ++x)
            if (const HexPosition hex = HexAtPoint(window.Canvas().View(), x, y); hex.x == 0 && hex.y == 16)
                std::tie(px, py) = std::tuple(x + 8, y + 8);
    ASSERT_GE(px, 0) << "0,16 is in the home view";
    w.tabShow->setCurrentIndex(1);
    window.PointAt(px, py);
    const std::vector<std::pair<QLabel*, QString>> expected = {
        {w.pnlHexCoord, "0,16"},          {w.pnlHexTerrain, "Forest"}, {w.pnlHexNatives, "26457 vikings"},
        {w.pnlHexPop, "Glorforgost (C)"}, {w.pnlHexTaxes, "77,250"},   {w.pnlHexWages, "25,749 (14)"},
        {w.pnlHexWeatWas, "clear"},       {w.pnlHexWeatNext, "clear"}, {w.pnlLastUpd, "1"}};
    for (const auto& [panel, text] : expected)
        EXPECT_EQ(panel->text(), text) << panel->objectName().toStdString();
}

TEST(MainWindow, HomeBringsItsLevelToTheButtonsAndIsWrittenAtOnce)
{
    testing::TempDir home;
    home.Write("ATLANTIS.INI", "[Preferences]\r\nStartX=30\r\nStartY=40\r\nStartZ=1\r\nShowDepth=0\r\n");
    Workspace workspace(home.Path());
    testing::ScriptedInteraction ui;
    TfrmMAP window(workspace, ui);
    ASSERT_TRUE(window.StartUp());
    const FrmMapWidgets& w = window.Widgets();
    const FrmMapMenus& m = window.Menus();
    const auto shownLevel = [&] {
        return std::tuple(window.Canvas().View().ViewLevel, w.optShowUnderworld->isChecked(),
                          workspace.Settings.ShowDepth);
    };
    EXPECT_EQ(shownLevel(), std::tuple(1, true, 1)) << "the home's level, on the buttons and for the next start";
    w.optShowOverworld->click();
    m.mnuViewHome->trigger();
    EXPECT_EQ(shownLevel(), std::tuple(1, true, 1));

    window.ScrollView(5, 6);
    w.optShowOverworld->click();
    m.mnuHexSaveHome->trigger();
    const std::string written = home.Read("ATLANTIS.INI");
    for (const char* key : {"StartX=35", "StartY=46", "StartZ=0", "ShowDepth=0"})
        EXPECT_NE(written.find(key), std::string::npos) << key << " written before the program ends";
    EXPECT_TRUE(ui.shown.empty());

    std::filesystem::remove(home.File("ATLANTIS.INI"));
    std::filesystem::create_directory(home.File("ATLANTIS.INI"));  // nothing can be written there
    m.mnuViewSaveHome->trigger();
    EXPECT_EQ(ui.Texts(testing::ScriptedInteraction::Kind::Error).size(), 1u) << "the failure is said";
    std::filesystem::remove(home.File("ATLANTIS.INI"));
    home.Write("ATLANTIS.INI", written);

    workspace.Refused.Add(workspace.Settings.FileName());  // as when it could not be read at the start
    window.ScrollView(1, 0);
    m.mnuViewSaveHome->trigger();
    EXPECT_EQ(home.Read("ATLANTIS.INI"), written) << "a refused settings file is left as it is";
    EXPECT_EQ(ui.Texts(testing::ScriptedInteraction::Kind::Warning).size(), 1u);
    EXPECT_EQ(workspace.Settings.StartX, 36) << "the home still holds for this session";
}

TEST(MainWindow, ARefusedDatabaseOpensAnEmptyMapAndOutlivesTheSession)
{
    testing::TempDir home;
    std::filesystem::create_directories(home.File("DATA"));
    const std::string newer = "VERSION,9.99\r\n0,1,1,2,0,0,0\r\n";  // as a later version might write it
    home.Write("DATA/Map.Dat", newer);
    home.Write("ATLANTIS.INI", "[Faction]\r\nFactionNo=1\r\n");
    Workspace workspace(home.Path());
    testing::ScriptedInteraction ui;
    TfrmMAP window(workspace, ui);
    EXPECT_FALSE(window.StartUp());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_NE(ui.shown[0].text.find("more recent version"), std::string::npos) << ui.shown[0].text;
    EXPECT_EQ(workspace.Map.CellCount(), 0);

    window.SetDataChanged(true);
    window.SaveDatabase();
    EXPECT_NE(ui.shown.back().text.find("could not be loaded when Korvane started, so it is not written over"),
              std::string::npos)
        << ui.shown.back().text;
    window.ImportTurnFile(home.Write("report.txt", testing::GenerateReport({.columns = 4, .rows = 6})));
    EXPECT_NE(ui.shown.back().text.find("no turn file can be imported into it"), std::string::npos);
    EXPECT_EQ(workspace.Settings.CurrentTurn, 0) << "nothing of the report was taken in";

    ui.yesNoAnswers = {true};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(home.Read("DATA/Map.Dat"), newer);
    EXPECT_NE(home.Read("ATLANTIS.INI").find("MainX="), std::string::npos) << "the rest is written as always";
}

}  // namespace
}  // namespace korvane
