// The hex that blinks on the map while a unit browser shows where a unit was last seen.
#pragma once

namespace korvane {

/// A hex of the grid on one level; level -1 is none.
struct FlashHex
{
    int x = -1, y = -1, level = -1;
    bool operator==(const FlashHex&) const = default;
};

/// The blinking: which hex, which phase, and the target asked for next, taken over only between
/// two blinks so that the old hex is always left drawn normally.
class FlashTarget
{
public:
    /// Asks for `hex` to blink (positions off the grid are ignored), or, with `on` false, for the
    /// blinking to stop. True when the timer must be started.
    bool SetFlashHex(bool on, int x, int level, int y);

    /// What one timer tick redraws: the hex and its phase (1 normal, 0 highlighted), or none.
    struct Redraw
    {
        FlashHex hex;
        int phase = 1;
    };
    /// One tick: the redraw it asks for (when the current hex lies on the level shown), then
    /// the phase turns. False in `keepRunning` once the blinking has ended.
    bool Tick(int shownLevel, Redraw& redraw, bool& keepRunning);

    bool Running() const { return running_; }
    /// The hex blinking now and its phase, for a full repaint between two ticks.
    const FlashHex& Current() const { return current_; }
    int Phase() const { return phase_; }

private:
    FlashHex current_, pending_;
    int phase_ = 1;
    bool running_ = false;
};

}  // namespace korvane
