// The main window as the program opens it, its first view and overview, its place on the screen, and its database
// commands when files fail.
#include "mapview/main_window_fixture.h"

#include "mapview/render/colour.h"
#include "mapview/render/overview_map.h"
#include "mapview/windows/main_window_placement.h"
#include "support/fixtures.h"

#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>

namespace korvane::testing {
namespace {

constexpr ScreenSize kScreen{1024, 768};

TEST(MainWindowPlacement, SavedPlacesAreBroughtBackOntoTheScreenAndStored)
{
    TrecINI settings("/nonexistent");  // a place without a size: the window's own size keeps it on the screen
    std::tie(settings.MainX, settings.MainY, settings.WindowState) = std::tuple(3000, 768, 2);
    const MainWindowPlacement placement = RestoreMainWindow(settings, kScreen, 640, 480);
    EXPECT_EQ(std::tuple(placement.x, placement.y, placement.width.has_value(), *placement.state),
              std::tuple(1024 - 640, 768 - 480, false, 2));

    // A maximised window keeps the size it returns to; tool windows come back onto the screen.
    std::tie(settings.MainW, settings.MainH) = std::tuple(900, 700);
    StoreMainWindow(settings, 0, 0, 1024, 768, 200, 2);
    EXPECT_EQ(std::tuple(settings.MainW, settings.MainH, settings.MainSplitterX, settings.WindowState),
              std::tuple(900, 700, 200, 2));
    EXPECT_FALSE(ToolWindowPlace(0, 50, 200, 100, kScreen) || ToolWindowPlace(50, -1, 200, 100, kScreen))
        << "no saved place: centred over the owner";
    EXPECT_EQ(ToolWindowPlace(2000, 50, 200, 100, kScreen), std::pair(824, 50));
    EXPECT_EQ(ToolWindowPlace(1024, 900, 200, 100, kScreen), std::pair(1024, 668)) << "only beyond the edge moves";
}

TEST_F(MainWindowTest, StartsFromTheSettingsFileAndWritesItAtClosing)
{
    home.Write("ATLANTIS.INI",
               "[Preferences]\r\nShowGates=TRUE\r\nShowTowns=FALSE\r\nShowTownNames=FALSE\r\n"
               "ShowHints=TRUE\r\nHintDelay=25\r\n[General]\r\nCurrentTurn=3\r\n"
               "[Windows]\r\nMainX=5000\r\nMainY=20\r\nMainW=400\r\nMainH=300\r\n");
    Start();
    const TrecINI& settings = workspace.Settings;
    EXPECT_EQ(window.geometry(), QRect(window.screen()->availableGeometry().width() - 400, 20, 400, 300))
        << "brought back onto the screen";
    EXPECT_TRUE(W().chkGates->isChecked() && W().pnlHintDelay->isVisibleTo(&window));
    EXPECT_EQ(std::tuple(W().udHintDelay->value(), W().pnlTurn->text(), window.DataChanged()),
              std::tuple(10, "3", false));

    W().chkTownNames->click();  // names need their icons
    EXPECT_TRUE(W().chkTownIcons->isChecked() && settings.ShowTowns && settings.ShowTownNames);
    W().chkTownIcons->click();  // and go with them
    EXPECT_FALSE(settings.ShowTowns || settings.ShowTownNames);
    W().chkShowHints->click();
    EXPECT_FALSE(settings.ShowHints || W().pnlHintDelay->isVisibleTo(&window));

    window.show();
    window.SetDataChanged(true);
    ui.yesNoAnswers = {false, true};
    EXPECT_FALSE(window.close()) << "No keeps the program running";
    EXPECT_EQ(Last(), "Data has changed. Do you wish to exit without saving ?");
    EXPECT_TRUE(Written("HintDelay=25")) << "nothing written yet";
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(Written("HintDelay=10") && Written("MainX=") && Written("ShowHints=FALSE"));
    EXPECT_TRUE(home.Read("DATA/Map.Dat").empty()) << "the map database is not written at closing";

    std::tie(workspace.Settings.ShowDepth, workspace.Settings.HintDelay) = std::tuple(1, 0);
    const TfrmMAP again(workspace, ui);  // made on settings already read: shows them, the delay held to 1..10
    EXPECT_TRUE(again.Widgets().optShowUnderworld->isChecked() && again.Widgets().udHintDelay->value() == 1);
}

TEST_F(MainWindowTest, WithoutASavedHomeTheFirstViewShowsThePlayersUnits)
{
    KORVANE_REQUIRE_FIXTURES();
    workspace.Settings.FactionNo = 3;
    for (int turn = 1; turn <= 9; ++turn)
        ASSERT_TRUE(ImportTurnReport(workspace, FixturesDir() + "/report-f3-t" + std::to_string(turn) + ".txt", ui));
    ASSERT_TRUE(workspace.SaveDatabase());
    std::tie(workspace.Settings.WheelZooms, workspace.Settings.OverviewKnownWorld) = std::pair(false, true);
    ASSERT_TRUE(workspace.Settings.WriteSettings());
    Start();
    ASSERT_FALSE(workspace.Settings.HomeSaved);
    EXPECT_EQ(std::pair(W().chkWheelZooms->isChecked(), W().chkOverviewKnownWorld->isChecked()), std::pair(false, true))
        << "the boxes show the switches the file holds";

    const MapViewport& view = View();
    int own = 0;
    for (int x = view.ViewLeft; x < view.ViewLeft + view.ViewCols; ++x)
        for (int y = view.ViewTop; y < view.ViewTop + view.ViewRows; ++y)
            if (const TMapCell* cell = workspace.Map.Cell(view.ViewLevel, x, y))
                cell->Units.ForEach([&](const TUnit& unit) { own += unit.IsOwn(3) ? 1 : 0; });
    EXPECT_GT(own, 0) << "at " << view.ViewLeft << "," << view.ViewTop;
    EXPECT_GT(view.ViewTop, 0) << "their units stand away from the corner";

    M().mnuViewSaveHome->trigger();
    EXPECT_TRUE(Written("StartY=" + std::to_string(view.ViewTop) + "\r\nStartZ="));
}

TEST_F(StartedMainWindow, OverviewOfTheKnownWorldFillsThePanelAndClicksStillFindTheirHex)
{
    for (int x = 100; x <= 120; ++x)
        for (int y = 60 + x % 2; y <= 80; y += 2)
            Hex(x, y, "ocean");
    Hex(110, 70, "forest");
    Show();
    W().chkOverviewKnownWorld->click();
    ASSERT_TRUE(workspace.Settings.OverviewKnownWorld);

    const OverviewArea area = OverviewAreaOf(workspace.Map, 0, true);
    EXPECT_EQ(area.Grid, QRect(QPoint(99, 58), QPoint(121, 83)));
    const QImage shown = W().imgSmallMap->pixmap().toImage();
    const QPointF forest = area.ToOverview({110.5, 70.5}) * shown.devicePixelRatio();
    EXPECT_EQ(shown.pixelColor(forest.toPoint()),
              ToQColor(workspace.Map.TerrainColour(workspace.Map.TerrainIndex("forest"))));

    const QSize control = W().imgSmallMap->size();
    const QPointF at = area.ToOverview({110.5, 70.5});
    SendMouse(*W().imgSmallMap, QEvent::MouseButtonPress,
              QPoint(int(at.x() * control.width() / kOverviewWidth), int(at.y() * control.height() / kOverviewHeight)),
              Qt::LeftButton);
    EXPECT_EQ(View().ViewLeft + View().ViewCols / 2, 110);
    EXPECT_EQ(View().ViewTop + View().ViewRows / 2, 70);
}

TEST_F(StartedMainWindow, DrawsTheMapDescribesTheHexUnderTheMouseStepsThroughTheTurnsAndMovesTheView)
{
    EXPECT_EQ(std::tuple(window.pos(), W().pnlTurn->text()), std::tuple(QPoint(10, 10), "?")) << "a first start";
    EXPECT_TRUE(ui.shown.empty()) << "an empty folder has nothing to report";
    Show();
    const QPoint at = CentreOf(2, 2);
    TMapCell& cell = Hex(2, 2);
    cell.Region = workspace.Map.RegionList.Add("Glorforgost");
    std::tie(cell.PopCenter, cell.PopCenterType) = std::tuple("Krakow", kCity);
    W().tabShow->setCurrentIndex(1);
    window.PointAt(at.x(), at.y());
    auto* status = Child<QLabel>(window, "lblStatusHex");
    EXPECT_EQ(std::tuple(W().pnlCoords->text(), W().pnlHexCoord->text(), W().pnlHexTerrain->text(), status->text()),
              std::tuple("2,2", "2,2", "Plain", "2,2 Overworld  Plain  in Glorforgost  Krakow (city)"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(W().paintMap, &leave);
    EXPECT_EQ(std::tuple(status->text(), W().pnlCoords->text()), std::tuple("", "")) << "the pointer left the map";

    // The "Facs" page colours faction 123456 by its number, not by its line's first five characters.
    AddFaction(workspace.Factions, 12345, 0x0000FF);
    AddFaction(workspace.Factions, 123456, 0xFF0000);
    cell.Units.Add(NewUnit(7, 123456));
    workspace.Settings.FactionNo = 3;
    W().tabShow->setCurrentIndex(3);
    window.PointAt(at.x(), at.y());
    ASSERT_EQ(W().lstHexFactions->count(), 1);
    EXPECT_EQ(LinePixel(W().lstHexFactions, 0, 3), QColor(Qt::blue));

    W().tabShow->setCurrentIndex(1);
    window.PointAt(-50, -50);
    EXPECT_TRUE(W().pnlCoords->text().isEmpty() && W().pnlHexTerrain->text().isEmpty());
    W().scrollH->setValue(12);
    W().scrollV->setValue(20);
    EXPECT_EQ(std::tuple(View().ViewLeft, View().ViewTop), std::tuple(12, 20));

    // The overview is left blank while switched off, and drawn at once when on.
    const QColor grey(0xC0, 0xC0, 0xC0);
    W().chkDrawGlobalMap->setChecked(false);
    window.RefreshOverview();
    EXPECT_EQ(std::tuple(workspace.Settings.ShowGlobalMap, window.StoredGlobalMap().pixelColor(2, 2)),
              std::tuple(false, grey));
    W().chkDrawGlobalMap->click();
    EXPECT_TRUE(workspace.Settings.ShowGlobalMap);
    EXPECT_NE(window.StoredGlobalMap().pixelColor(2, 2), grey);

    // The turn stepper stays within the turns known.
    std::tie(workspace.Settings.CurrentTurn, workspace.Settings.MaxTurn) = std::tuple(4, 6);
    const std::pair<QPushButton*, int> steps[] = {
        {W().cmdTurnU2, 6}, {W().cmdTurnU1, 6}, {W().cmdTurnD2, 1}, {W().cmdTurnD1, 1}};
    for (const auto& [button, turn] : steps) {
        button->click();
        EXPECT_EQ(std::tuple(W().pnlTurn->text(), workspace.Settings.CurrentTurn),
                  std::tuple(QString::number(turn), turn))
            << button->objectName().toStdString();
    }
    EXPECT_TRUE(ui.shown.empty()) << "turns without unit files are no fault";

    // Going to a coordinate and clicking the overview move the view.
    window.GoToCoordinate("-1", "10");
    EXPECT_EQ(Last(), "Coordinate out of range. Unable to move to hex.");
    EXPECT_EQ(View().ViewLeft, 12) << "the view stays";
    window.GoToCoordinate("160", "96x");  // read leniently
    EXPECT_TRUE(View().ViewLeft > 0 && InView(160, 96));
    EXPECT_EQ(std::tuple(W().scrollH->value(), W().scrollV->value()), std::tuple(View().ViewLeft, View().ViewTop));
    W().optShowUnderworld->setChecked(true);
    window.GoToCoordinate("60", "40");  // game coordinates of the underworld: grid 120, 82
    EXPECT_TRUE(InView(120, 82));
    window.OverviewClicked(0, 0);
    EXPECT_EQ(std::tuple(View().ViewLeft, View().ViewTop), std::tuple(0, 0)) << "the top-left corner";
}

TEST_F(StartedMainWindow, FileMenuSavesReloadsAndImportsAndTheBufferedMapFollows)
{
    emit M().mnuFile->aboutToShow();
    EXPECT_FALSE(M().mnuFileSaveDB->isEnabled()) << "nothing to save";
    window.SetDataChanged(true);
    emit M().mnuFile->aboutToShow();
    EXPECT_TRUE(M().mnuFileSaveDB->isEnabled());
    window.SaveDatabase();  // no faction number yet
    EXPECT_TRUE(LastHas("valid faction number before saving the map database.")) << Last();
    Import("report.txt");
    EXPECT_TRUE(LastHas("valid faction number before importing a turn file.")) << Last();
    window.DropFiles({home.File("report.txt")});  // refused before the bulk import window opens
    EXPECT_TRUE(LastHas("before importing turn files.")) << Last();

    Show(false, 700, 500);
    std::tie(workspace.Settings.FactionNo, workspace.Settings.BufferDraw) = std::tuple(1, true);
    W().chkTownNames->setChecked(false);  // names reach in from the buffer's margin: no pixel-for-pixel match
    const QImage before = W().paintMap->grab().toImage();
    window.ImportTurnFile(home.File("report.txt"));
    EXPECT_EQ(Last(), "Turn file imported successfully.");
    const QImage buffered = W().paintMap->grab().toImage();  // the hexes the buffer held empty, drawn afresh
    workspace.Settings.BufferDraw = false;
    EXPECT_NE(buffered, before);
    EXPECT_EQ(buffered, W().paintMap->grab().toImage());
    EXPECT_FALSE(window.DataChanged() || home.Read("DATA/Map.Dat").empty()) << "saved at once";
    EXPECT_EQ(std::tuple(W().pnlTurn->text(), window.statusBar()->currentMessage()),
              std::tuple("1", "Imported 1 turn report"));

    workspace.Map.EnsureCell(0, 40, 40)->Terrain = 3;  // an edit not saved
    ui.yesNoAnswers = {false, true};
    M().mnuFileReloadDB->trigger();
    EXPECT_NE(workspace.Map.Cell(0, 40, 40), nullptr) << "No keeps the edits";
    M().mnuFileReloadDB->trigger();
    EXPECT_EQ(workspace.Map.Cell(0, 40, 40), nullptr) << "Yes reads the saved database again";
    EXPECT_NE(workspace.Map.Cell(0, 0, 0), nullptr);

    window.ImportTurnFile(home.File("missing.txt"));
    EXPECT_EQ(Last(), "Turn file import failed.\r" + home.File("missing.txt") + ": there is no such file");
}

TEST_F(MainWindowTest, HomeBringsItsLevelToTheButtonsAndIsWrittenAtOnce)
{
    home.Write("ATLANTIS.INI", "[Preferences]\r\nStartX=30\r\nStartY=40\r\nStartZ=1\r\nShowDepth=0\r\n");
    Start();
    const auto shownLevel = [&] {
        return std::tuple(View().ViewLevel, W().optShowUnderworld->isChecked(), workspace.Settings.ShowDepth);
    };
    EXPECT_EQ(shownLevel(), std::tuple(1, true, 1)) << "the home's level, on the buttons and for the next start";
    W().optShowOverworld->click();
    M().mnuViewHome->trigger();
    EXPECT_EQ(shownLevel(), std::tuple(1, true, 1));

    window.ScrollView(5, 6);
    W().optShowOverworld->click();
    M().mnuHexSaveHome->trigger();
    for (const char* key : {"StartX=35", "StartY=46", "StartZ=0", "ShowDepth=0"})
        EXPECT_TRUE(Written(key)) << key << " written before the program ends";
    EXPECT_TRUE(ui.shown.empty());

    std::filesystem::remove(home.File("ATLANTIS.INI"));
    std::filesystem::create_directory(home.File("ATLANTIS.INI"));  // nothing can be written there
    M().mnuViewSaveHome->trigger();
    EXPECT_EQ(ui.Texts(Kind::Error).size(), 1u) << "the failure is said";

    workspace.Refused.Add(workspace.Settings.FileName());  // as when it could not be read at the start
    window.ScrollView(1, 0);
    M().mnuViewSaveHome->trigger();
    EXPECT_EQ(std::tuple(ui.Texts(Kind::Error).size(), ui.Texts(Kind::Warning).size()), std::tuple(1u, 1u))
        << "a refused settings file is not tried";
    EXPECT_EQ(workspace.Settings.StartX, 36) << "the home still holds for this session";
}

TEST_F(MainWindowTest, ARefusedDatabaseOpensAnEmptyMapAndRefusesSavesAndImports)
{
    const std::string newer = "VERSION,9.99\r\n0,1,1,2,0,0,0\r\n";  // as a later version might write it
    std::filesystem::create_directories(home.File("DATA"));
    home.Write("DATA/Map.Dat", newer);
    home.Write("ATLANTIS.INI", "[Faction]\r\nFactionNo=1\r\n");
    EXPECT_FALSE(window.StartUp());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(LastHas("more recent version")) << Last();
    EXPECT_EQ(workspace.Map.CellCount(), 0);

    window.SetDataChanged(true);
    window.SaveDatabase();
    EXPECT_TRUE(LastHas("could not be loaded when Korvane started, so it is not written over")) << Last();
    Import("report.txt");
    EXPECT_TRUE(LastHas("no turn file can be imported into it")) << Last();
}

TEST_F(StartedMainWindow, ImportsWhoseFilesCannotBeWrittenSaySoAndAFailedReloadKeepsTheEdits)
{
    workspace.Settings.FactionNo = 1;
    Import("report.txt");
    ASSERT_EQ(Last(), "Turn file imported successfully.");
    const std::string database = home.File("DATA/Map.Dat");
    std::filesystem::remove(database);
    std::filesystem::create_directories(database + "/inside");  // a folder in its place cannot be replaced
    Import("report2.txt", 2);
    EXPECT_TRUE(LastHas("imported, but the map database could not be saved.\r" + database + ": ")) << Last();
    EXPECT_TRUE(window.DataChanged());

    std::filesystem::remove_all(database);
    std::filesystem::create_directories(home.File("DATA/Units0003.dat/inside"));
    ui.shown.clear();
    Import("report3.txt", 3);
    EXPECT_EQ(Last().rfind("Error saving hex unit lists.\n" + home.File("DATA/Units0003.dat") + ": ", 0), 0u) << Last();
    EXPECT_EQ(ui.Texts(Kind::Info), Lines{}) << "no success after a failure";

    // A reload of a database that cannot be read keeps the world shown, and its edits unsaved.
    home.Write("DATA/Map.Dat", "VERSION,9.99\r\n");
    window.SetDataChanged(true);
    ui.yesNoAnswers = {true};
    M().mnuFileReloadDB->trigger();
    EXPECT_TRUE(workspace.Map.Cell(0, 0, 0) && window.DataChanged());
}

}  // namespace
}  // namespace korvane::testing
