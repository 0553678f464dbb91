// The map area on its own: what it tells the window around it.
#include "mapview/windows/map_canvas.h"

#include "mapview/main_window_fixture.h"

#include <QSignalSpy>

namespace korvane::testing {
namespace {

class MapCanvasTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        canvas.resize(400, 300);
        // The grid corner's margin lies on no hex: a point well inside the first hex along a row.
        for (int x = 4; x < 200 && !hex.IsValid(); ++x)
            if ((hex = canvas.HexAt(x, 150)).IsValid())
                onHex = QPoint(x + 8, 150);
        hex = canvas.HexAt(onHex.x(), onHex.y());
        ASSERT_TRUE(hex.IsValid());
    }
    // The level, x and y a signal told.
    static std::tuple<int, int, int> Hex(const QSignalSpy& spy, int i = 0)
    {
        return {spy.at(i).at(0).toInt(), spy.at(i).at(1).toInt(), spy.at(i).at(2).toInt()};
    }

    TempDir home;
    Workspace workspace{home.Path()};
    MapCanvas canvas{workspace};
    HexPosition hex;
    QPoint onHex;
};

TEST_F(MapCanvasTest, TellsWhichHexIsPointedAtClickedOpenedAndEachMoveOfTheView)
{
    QSignalSpy hovered(&canvas, &MapCanvas::hexHovered), clicked(&canvas, &MapCanvas::hexClicked),
        menu(&canvas, &MapCanvas::contextMenuRequested), opened(&canvas, &MapCanvas::hexActivated),
        left(&canvas, &MapCanvas::pointerLeft);
    SendMouse(canvas, QEvent::MouseMove, onHex, Qt::NoButton);
    SendMouse(canvas, QEvent::MouseMove, QPoint(1, 1), Qt::NoButton);
    ASSERT_EQ(hovered.count(), 2);
    EXPECT_EQ(Hex(hovered, 0), std::tuple(0, hex.x, hex.y));
    EXPECT_EQ(Hex(hovered, 1), std::tuple(0, -1, -1)) << "the margin holds no hex";

    SendMouse(canvas, QEvent::MouseButtonRelease, onHex, Qt::LeftButton);
    EXPECT_EQ(menu.count(), 0) << "the left button asks for no menu";
    SendMouse(canvas, QEvent::MouseButtonRelease, onHex, Qt::RightButton);
    ASSERT_EQ(std::tuple(clicked.count(), menu.count()), std::tuple(2, 1));
    EXPECT_EQ(Hex(menu), std::tuple(0, hex.x, hex.y));
    EXPECT_EQ(menu.at(0).at(3).toPoint(), canvas.mapToGlobal(onHex));

    SendMouse(canvas, QEvent::MouseButtonDblClick, QPoint(1, 1), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(opened.count(), 0) << "off the hexes nothing opens";
    SendMouse(canvas, QEvent::MouseButtonDblClick, onHex, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(Hex(opened), std::tuple(0, hex.x, hex.y));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&canvas, &leave);
    EXPECT_EQ(left.count(), 1);

    // The view stays on the grid and each move is told once.
    QSignalSpy moved(&canvas, &MapCanvas::viewChanged);
    canvas.ScrollBy(-50, 500);
    EXPECT_EQ(std::tuple(canvas.View().ViewLeft, canvas.View().ViewTop, moved.count()), std::tuple(0, TMap::kMaxY, 1));
    canvas.ScrollBy(-1, 1);
    EXPECT_EQ(moved.count(), 1) << "already at the edge: nothing moved, nothing told";
    EXPECT_FALSE(canvas.MoveTo(0, TMap::kMaxX + 1, 5));
    EXPECT_EQ(moved.count(), 1);
    EXPECT_TRUE(canvas.MoveTo(TMap::kUnderworld, 40, 30));
    EXPECT_EQ(std::tuple(canvas.View().ViewLevel, moved.count()), std::tuple(TMap::kUnderworld, 2));
}

}  // namespace
}  // namespace korvane::testing
