// Wheel notches from partial deltas.
#include "mapview/windows/wheel_notches.h"

namespace korvane {

int WheelNotches::Add(int delta)
{
    // Left over from a turn the other way, the rest would swallow the first part of this one.
    if ((rest_ > 0 && delta < 0) || (rest_ < 0 && delta > 0))
        rest_ = 0;
    rest_ += delta;
    const int notches = rest_ / kNotch;
    rest_ -= notches * kNotch;
    return notches;
}

}  // namespace korvane
