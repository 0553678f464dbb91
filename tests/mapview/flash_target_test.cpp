// The blinking hex: phases, targets taken over between blinks, and the end.
#include "mapview/windows/flash_target.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

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

}  // namespace
}  // namespace korvane
