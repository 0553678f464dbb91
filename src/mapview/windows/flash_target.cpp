// The blinking hex.
#include "mapview/windows/flash_target.h"

#include "world/map.h"

namespace korvane {

bool FlashTarget::SetFlashHex(bool on, int x, int level, int y)
{
    if (!on) {
        pending_ = {};
        return false;
    }
    if (x < 0 || x > TMap::kMaxX || y < 0 || y > TMap::kMaxY || level < 0 || level > 1)
        return false;
    pending_ = {x, y, level};
    if (running_)
        return false;
    running_ = true;
    return true;
}

bool FlashTarget::Tick(int shownLevel, Redraw& redraw, bool& keepRunning)
{
    const bool draws = current_.level >= 0 && current_.level == shownLevel;
    if (draws)
        redraw = {current_, phase_};
    phase_ = 1 - phase_;
    // Only when the next blink is the highlight: the hex left behind was just drawn normally.
    if (phase_ == 0) {
        current_ = pending_;
        // Nothing to blink, also when a target was asked for and withdrawn before its first blink.
        if (current_.level < 0) {
            running_ = false;
            phase_ = 1;
        }
    }
    keepRunning = running_;
    return draws;
}

}  // namespace korvane
