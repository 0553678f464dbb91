// The map area on its own: what it tells the window around it, its blinking hex and its hex balloon.
#include "mapview/windows/map_canvas.h"

#include "mapview/main_window_fixture.h"
#include "mapview/windows/flash_target.h"
#include "mapview/windows/hex_balloon_state.h"

#include <QSignalSpy>

namespace korvane::testing {
namespace {

TEST(MapCanvas, TellsWhichHexIsPointedAtClickedOpenedAndEachMoveOfTheView)
{
    TempDir home;
    Workspace workspace{home.Path()};
    MapCanvas canvas{workspace};
    canvas.resize(400, 300);
    const HexGeometry g = HexGeometry::ForZoom(canvas.View().Zoom);
    const QPoint onHex(g.BoxLeft(2, canvas.View().ViewLeft, 4) + g.S / 2, g.BoxTop(2, canvas.View().ViewTop, 4) + g.Hh);
    const HexPosition hex = canvas.HexAt(onHex.x(), onHex.y());
    ASSERT_EQ(std::tuple(hex.x, hex.y), std::tuple(2, 2));
    const auto Hex = [](const QSignalSpy& spy, int i = 0) {  // the level, x and y a signal told
        return std::tuple(spy.at(i).at(0).toInt(), spy.at(i).at(1).toInt(), spy.at(i).at(2).toInt());
    };
    QSignalSpy hovered(&canvas, &MapCanvas::hexHovered), clicked(&canvas, &MapCanvas::hexClicked),
        menu(&canvas, &MapCanvas::contextMenuRequested), opened(&canvas, &MapCanvas::hexActivated);
    SendMouse(canvas, QEvent::MouseMove, onHex, Qt::NoButton);
    SendMouse(canvas, QEvent::MouseMove, QPoint(1, 1), Qt::NoButton);
    ASSERT_EQ(hovered.count(), 2);
    EXPECT_EQ(Hex(hovered, 0), std::tuple(0, hex.x, hex.y));
    EXPECT_EQ(Hex(hovered, 1), std::tuple(0, -1, -1)) << "the margin holds no hex";

    SendMouse(canvas, QEvent::MouseButtonRelease, onHex, Qt::LeftButton);  // the left button asks for no menu
    SendMouse(canvas, QEvent::MouseButtonRelease, onHex, Qt::RightButton);
    ASSERT_EQ(std::tuple(clicked.count(), menu.count()), std::tuple(2, 1));
    EXPECT_EQ(Hex(menu), std::tuple(0, hex.x, hex.y));
    EXPECT_EQ(menu.at(0).at(3).toPoint(), canvas.mapToGlobal(onHex));

    SendMouse(canvas, QEvent::MouseButtonDblClick, QPoint(1, 1), Qt::LeftButton, Qt::LeftButton);  // opens nothing
    SendMouse(canvas, QEvent::MouseButtonDblClick, onHex, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(Hex(opened), std::tuple(0, hex.x, hex.y));

    // The view stays on the grid and each move is told once.
    QSignalSpy moved(&canvas, &MapCanvas::viewChanged);
    canvas.ScrollBy(-50, 500);
    EXPECT_EQ(std::tuple(canvas.View().ViewLeft, canvas.View().ViewTop, moved.count()), std::tuple(0, TMap::kMaxY, 1));
    canvas.ScrollBy(-1, 1);
    EXPECT_EQ(moved.count(), 1) << "already at the edge: nothing moved, nothing told";
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
    EXPECT_TRUE(state.Showing());
    EXPECT_EQ(Rest(state, 103, 99, 1), Actions{Action::Hide});
    EXPECT_FALSE(state.Showing());

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
