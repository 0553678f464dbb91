// The map area: its wheel, drag and keys, its blinking hex and its hex balloon.
#include "mapview/main_window_fixture.h"
#include "mapview/windows/flash_target.h"
#include "mapview/windows/hex_balloon_state.h"

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
    Wheel(at, -100);  // a trackpad's small steps add up to a notch; a turn back drops what was left over
    Wheel(at, 10);
    Wheel(at, -110);
    EXPECT_EQ(View().Zoom, zoom + 1);
    Wheel(at, -10);
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

using Ticks = std::vector<std::string>;

// The ticks' redraws as "x,y:phase" ("-" for none), marked " stop" where the timer stopped.
Ticks Blink(FlashTarget& flash, int shownLevel, int count)
{
    Ticks ticks;
    for (int i = 0; i < count; ++i) {
        FlashTarget::Redraw redraw;
        bool running = true;
        const std::string tick = flash.Tick(shownLevel, redraw, running)
            ? std::to_string(redraw.hex.x) + "," + std::to_string(redraw.hex.y) + ":" + std::to_string(redraw.phase)
            : "-";
        ticks.push_back(running ? tick : tick + " stop");
    }
    return ticks;
}

TEST(FlashTarget, BlinksHandsOverOnlyBetweenBlinksAndEndsCleanly)
{
    FlashTarget flash;
    EXPECT_TRUE(flash.SetFlashHex(true, 10, 0, 12)) << "the timer starts";
    EXPECT_FALSE(flash.SetFlashHex(true, 10, 0, 12)) << "and is running already";
    EXPECT_EQ(Blink(flash, 0, 5), (Ticks{"-", "10,12:0", "10,12:1", "10,12:0", "10,12:1"}));
    flash.SetFlashHex(true, 20, 0, 22);
    EXPECT_EQ(Blink(flash, 0, 4), (Ticks{"10,12:0", "10,12:1", "20,22:0", "20,22:1"}))
        << "a new hex takes over once the old one has blinked back to normal";
    flash.SetFlashHex(true, 30, 0, 32);
    flash.SetFlashHex(true, 40, 0, 42);
    EXPECT_EQ(Blink(flash, 0, 3), (Ticks{"20,22:0", "20,22:1", "40,42:0"})) << "asked twice in one blink: the later";

    flash = FlashTarget();  // other levels and bad positions are left alone, and off ends it cleanly
    EXPECT_FALSE(flash.SetFlashHex(true, 321, 0, 4) || flash.SetFlashHex(true, 4, 2, 4)
                 || flash.SetFlashHex(true, 4, 0, -1) || flash.Running());
    flash.SetFlashHex(true, 6, 1, 8);
    EXPECT_EQ(Blink(flash, 0, 3), Ticks(3, "-")) << "the underworld is not shown";
    EXPECT_EQ(Blink(flash, 1, 1), Ticks{"6,8:0"});
    flash.SetFlashHex(false, 0, 0, 0);
    EXPECT_EQ(Blink(flash, 1, 1), Ticks{"6,8:1 stop"}) << "drawn normally before it ends";
    EXPECT_FALSE(flash.Running());
    EXPECT_TRUE(flash.SetFlashHex(true, 6, 1, 8)) << "and starts again";
    flash.SetFlashHex(false, 0, 0, 0);  // withdrawn before it ever blinked
    EXPECT_EQ(Blink(flash, 1, 1), Ticks{"- stop"});
}

using Action = HexBalloonState::Action;
using Actions = std::vector<Action>;

Actions Rest(HexBalloonState& state, int x, int y, int ticks, bool overKnownHex = true)
{
    Actions actions;
    for (int i = 0; i < ticks; ++i)
        actions.push_back(state.Tick(x, y, [overKnownHex] { return overKnownHex; }));
    return actions;
}

TEST(HexBalloonState, ComesAfterARestOverAKnownHexGoesOnAMoveAndKeepsOnTheScreen)
{
    HexBalloonState state;
    // The first tick only finds where the cursor is; five resting ticks follow.
    EXPECT_EQ(Rest(state, 100, 100, 6),
              (Actions{Action::None, Action::None, Action::None, Action::None, Action::None, Action::Show}));
    EXPECT_EQ(Rest(state, 101, 99, 3), Actions(3, Action::None)) << "a one-pixel tremor is rest";
    EXPECT_EQ(Rest(state, 103, 99, 1), Actions{Action::Hide});

    HexBalloonState creeping;  // moving by two pixels at every tick never rests
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(Rest(creeping, 2 * i, 0, 1), Actions{Action::None}) << i;

    // Placed beside the cursor, away from the screen's edges.
    const std::tuple<int, int, int, int, int> cases[] = {
        {100, 100, 101, 101, 1}, {900, 100, 719, 101, 2}, {100, 700, 101, 559, 3}, {900, 700, 719, 559, 4}};
    for (const auto& [cx, cy, x, y, corner] : cases) {
        const BalloonPlace place = PlaceBalloon(cx, cy, 1024, 768, 180, 140);
        EXPECT_EQ(std::tuple(place.x, place.y, place.corner), std::tuple(x, y, corner)) << cx << "," << cy;
    }
}

}  // namespace
}  // namespace korvane::testing
