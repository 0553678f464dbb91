// The map window's wheel, drag, keys and status bar.
#include "mapview/windows/frm_map.h"

#include "mapview/render/hex_geometry.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "workspace/workspace.h"
#include "world/map_cell.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QWheelEvent>

namespace korvane {
namespace {

class MapGesturesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.StartUp());
        window.resize(900, 650);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        Map()->setFocus();
    }

    QWidget* Map() const { return window.Widgets().paintMap; }
    const MapViewport& View() const { return window.Canvas().View(); }

    void Wheel(const QPoint& at, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWheelEvent event(at, Map()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(Map(), &event);
    }

    void Mouse(QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, Map()->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(Map(), &event);
    }

    void ScrollTo(int left, int top) { window.ScrollView(left - View().ViewLeft, top - View().ViewTop); }

    testing::TempDir home;
    Workspace workspace{home.Path()};
    testing::ScriptedInteraction ui;
    TfrmMAP window{workspace, ui};
};

TEST_F(MapGesturesTest, WheelZoomsAtThePointerAndModifiersScroll)
{
    ScrollTo(100, 80);
    const QPoint at(300, 200);
    const HexPosition hex = HexAtPoint(View(), at.x(), at.y());
    ASSERT_TRUE(hex.IsValid());
    const int zoom = View().Zoom;
    Wheel(at, 120);
    EXPECT_EQ(View().Zoom, zoom + 1);
    EXPECT_EQ(window.Widgets().scrollScale->value(), BarPositionOfZoom(zoom + 1));
    EXPECT_EQ(HexAtPoint(View(), at.x(), at.y()).x, hex.x);
    EXPECT_EQ(HexAtPoint(View(), at.x(), at.y()).y, hex.y);
    // Half notches of a trackpad add up to one.
    Wheel(at, -60);
    EXPECT_EQ(View().Zoom, zoom + 1);
    Wheel(at, -60);
    EXPECT_EQ(View().Zoom, zoom);

    const int left = View().ViewLeft, top = View().ViewTop;
    const int lines = QApplication::wheelScrollLines();
    Wheel(at, -120, Qt::ShiftModifier);
    EXPECT_EQ(View().ViewLeft, left + lines);
    Wheel(at, -120, Qt::ControlModifier);
    EXPECT_EQ(View().ViewTop, top + lines);
    EXPECT_EQ(View().Zoom, zoom);

    // Switched off for trackpads, the plain wheel scrolls and the setting keeps it.
    window.findChild<QCheckBox*>("chkWheelZooms")->setChecked(false);
    EXPECT_FALSE(workspace.Settings.WheelZooms);
    Wheel(at, 120);
    EXPECT_EQ(View().Zoom, zoom);
    EXPECT_EQ(View().ViewTop, top);
}

TEST_F(MapGesturesTest, DraggingPansByWholeColumnsAndLeavesClicksAlone)
{
    ScrollTo(100, 80);
    const HexGeometry hex = HexGeometry::ForZoom(View().Zoom);
    const QPoint start(400, 300);
    Mouse(QEvent::MouseButtonPress, start, Qt::MiddleButton, Qt::MiddleButton);
    Mouse(QEvent::MouseMove, start + QPoint(3 * hex.C, -2 * hex.Hh), Qt::NoButton, Qt::MiddleButton);
    EXPECT_EQ(View().ViewLeft, 97);
    EXPECT_EQ(View().ViewTop, 82);
    Mouse(QEvent::MouseButtonRelease, start, Qt::MiddleButton, Qt::NoButton);
    Mouse(QEvent::MouseMove, start + QPoint(5 * hex.C, 0), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(View().ViewLeft, 97) << "the drag ended with its button";

    // Space held, the left button drags too; without it, a left click is a click.
    QTest::keyPress(Map(), Qt::Key_Space);
    Mouse(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, start + QPoint(-hex.C, 0), Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
    QTest::keyRelease(Map(), Qt::Key_Space);
    EXPECT_EQ(View().ViewLeft, 98);
    Mouse(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, start + QPoint(-4 * hex.C, 0), Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(View().ViewLeft, 98);
}

TEST_F(MapGesturesTest, KeysMoveTheMapButNotInsideEditBoxes)
{
    ScrollTo(100, 80);
    QTest::keyClick(Map(), Qt::Key_Right);
    EXPECT_EQ(View().ViewLeft, 101);
    QTest::keyClick(Map(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(View().ViewTop, 90);
    const int zoom = View().Zoom;
    QTest::keyClick(Map(), Qt::Key_Minus);
    EXPECT_EQ(View().Zoom, zoom - 1);
    QTest::keyClick(Map(), Qt::Key_Equal);
    EXPECT_EQ(View().Zoom, zoom);
    QTest::keyClick(Map(), Qt::Key_U);
    EXPECT_EQ(View().ViewLevel, TMap::kUnderworld);

    // In the delay box the arrows change the delay, and the map stays where it is.
    window.findChild<QCheckBox*>("chkShowHints")->setChecked(true);
    auto* delay = window.findChild<QSpinBox*>("udHintDelay");
    delay->setValue(3);
    delay->setFocus();
    QTest::keyClick(delay, Qt::Key_Up);
    QTest::keyClick(delay, Qt::Key_U);
    EXPECT_EQ(delay->value(), 4);
    EXPECT_EQ(View().ViewTop, 90);
    EXPECT_EQ(View().ViewLevel, TMap::kUnderworld);
    // Keys with Ctrl are the window's wherever the focus is; saving still needs the faction.
    window.SetDataChanged(true);
    QTest::keyClick(delay, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(MapGesturesTest, StatusBarNamesTheHexUnderThePointerAndPassingMessages)
{
    ScrollTo(0, 0);
    const HexPosition hex = HexAtPoint(View(), 200, 200);
    ASSERT_TRUE(hex.IsValid());
    TMapCell& cell = *workspace.Map.EnsureCell(0, hex.x, hex.y);
    cell.Terrain = workspace.Map.TerrainIndex("forest");
    cell.Region = workspace.Map.RegionList.Add("Glorforgost");
    cell.PopCenter = "Krakow";
    cell.PopCenterType = kCity;
    Mouse(QEvent::MouseMove, QPoint(200, 200), Qt::NoButton, Qt::NoButton);
    const QString expected = QString("%1,%2 Overworld  Forest  in Glorforgost  Krakow (city)").arg(hex.x).arg(hex.y);
    EXPECT_EQ(window.findChild<QLabel*>("lblStatusHex")->text(), expected);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Map(), &leave);
    EXPECT_EQ(window.findChild<QLabel*>("lblStatusHex")->text(), "") << "the pointer left the map";
    EXPECT_EQ(window.Widgets().pnlCoords->text(), "");
    window.ShowStatusMessage("Database saved");
    EXPECT_EQ(window.statusBar()->currentMessage(), "Database saved");
}

}  // namespace
}  // namespace korvane
