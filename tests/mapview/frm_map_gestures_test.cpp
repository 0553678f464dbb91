// The map window's wheel, drag and keys.
#include "mapview/main_window_fixture.h"

#include <QWheelEvent>

namespace korvane::testing {
namespace {

class MapGesturesTest : public ActiveMainWindow
{
protected:
    void SetUp() override
    {
        ActiveMainWindow::SetUp();
        Map()->setFocus();
        window.ScrollView(100, 80);
    }
    QWidget* Map() const { return W().paintMap; }
    void Wheel(const QPoint& at, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWheelEvent event(at, Map()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(Map(), &event);
    }
    void Drag(const QPoint& from, const QPoint& by, Qt::MouseButton button)
    {
        SendMouse(*Map(), QEvent::MouseButtonPress, from, button, button);
        SendMouse(*Map(), QEvent::MouseMove, from + by, Qt::NoButton, button);
        SendMouse(*Map(), QEvent::MouseButtonRelease, from + by, button, Qt::NoButton);
    }
    std::pair<int, int> Corner() const { return {View().ViewLeft, View().ViewTop}; }
};

TEST_F(MapGesturesTest, WheelZoomsAtThePointerAndModifiersScroll)
{
    const QPoint at(300, 200);
    const HexPosition hex = HexAt(at);
    ASSERT_TRUE(hex.IsValid());
    const int zoom = View().Zoom;
    Wheel(at, 120);
    EXPECT_EQ(std::tuple(View().Zoom, W().scrollScale->value()), std::tuple(zoom + 1, BarPositionOfZoom(zoom + 1)));
    EXPECT_EQ(std::tuple(HexAt(at).x, HexAt(at).y), std::tuple(hex.x, hex.y));
    Wheel(at, -60);  // half notches of a trackpad add up to one
    EXPECT_EQ(View().Zoom, zoom + 1);
    Wheel(at, -60);
    EXPECT_EQ(View().Zoom, zoom);

    const auto [left, top] = Corner();
    const int lines = QApplication::wheelScrollLines();
    Wheel(at, -120, Qt::ShiftModifier);
    Wheel(at, -120, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(View().ViewLeft, View().ViewTop, View().Zoom), std::tuple(left + lines, top + lines, zoom));

    // Switched off for trackpads, the plain wheel scrolls and the setting keeps it.
    Child<QCheckBox>(window, "chkWheelZooms")->setChecked(false);
    EXPECT_FALSE(workspace.Settings.WheelZooms);
    Wheel(at, 120);
    EXPECT_EQ(std::tuple(View().Zoom, View().ViewTop), std::tuple(zoom, top));
}

TEST_F(MapGesturesTest, DraggingPansByWholeColumnsAndLeavesClicksAlone)
{
    const HexGeometry hex = HexGeometry::ForZoom(View().Zoom);
    const QPoint start(400, 300);
    Drag(start, QPoint(3 * hex.C, -2 * hex.Hh), Qt::MiddleButton);
    EXPECT_EQ(Corner(), std::pair(97, 82));
    SendMouse(*Map(), QEvent::MouseMove, start + QPoint(5 * hex.C, 0), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(View().ViewLeft, 97) << "the drag ended with its button";

    QTest::keyPress(Map(), Qt::Key_Space);  // Space held, the left button drags too
    Drag(start, QPoint(-hex.C, 0), Qt::LeftButton);
    QTest::keyRelease(Map(), Qt::Key_Space);
    EXPECT_EQ(View().ViewLeft, 98);
    Drag(start, QPoint(-4 * hex.C, 0), Qt::LeftButton);
    EXPECT_EQ(View().ViewLeft, 98) << "without it, a left click is a click";
}

TEST_F(MapGesturesTest, KeysMoveTheMapButNotInsideEditBoxes)
{
    const int zoom = View().Zoom;
    QTest::keyClick(Map(), Qt::Key_Right);
    QTest::keyClick(Map(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Corner(), std::pair(101, 90));
    QTest::keyClick(Map(), Qt::Key_Minus);
    EXPECT_EQ(View().Zoom, zoom - 1);
    QTest::keyClick(Map(), Qt::Key_Equal);
    EXPECT_EQ(View().Zoom, zoom);
    QTest::keyClick(Map(), Qt::Key_U);
    EXPECT_EQ(View().ViewLevel, TMap::kUnderworld);

    // In the delay box the arrows change the delay, and the map stays where it is.
    W().chkShowHints->setChecked(true);
    W().udHintDelay->setValue(3);
    W().udHintDelay->setFocus();
    QTest::keyClick(W().udHintDelay, Qt::Key_Up);
    QTest::keyClick(W().udHintDelay, Qt::Key_U);
    EXPECT_EQ(std::tuple(W().udHintDelay->value(), View().ViewTop, View().ViewLevel),
              std::tuple(4, 90, TMap::kUnderworld));
    // Keys with Ctrl are the window's wherever the focus is; saving still needs the faction.
    window.SetDataChanged(true);
    QTest::keyClick(W().udHintDelay, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ui.shown.size(), 1u);
}

}  // namespace
}  // namespace korvane::testing
