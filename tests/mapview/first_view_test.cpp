// The first start shows the player's own world, and the overview can frame the known part of it.
#include "mapview/main_window_fixture.h"
#include "mapview/render/colour.h"
#include "mapview/render/overview_map.h"
#include "support/fixtures.h"

namespace korvane::testing {
namespace {

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

}  // namespace
}  // namespace korvane::testing
