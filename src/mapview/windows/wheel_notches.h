// Turns wheel deltas into whole notches: a plain wheel sends one notch per event, while
// high-resolution wheels and trackpads send parts of one, which add up here.
#pragma once

namespace korvane {

class WheelNotches
{
public:
    /// One notch of a plain wheel, in eighths of a degree.
    static constexpr int kNotch = 120;

    /// Adds `delta` and returns the whole notches it completes (positive away from the
    /// player); the rest waits for the next delta. A turn the other way starts afresh.
    int Add(int delta);
    void Reset() { rest_ = 0; }

private:
    int rest_ = 0;
};

}  // namespace korvane
