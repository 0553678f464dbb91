// Time helpers for the short pauses and durations the windows measure.
#pragma once

namespace korvane {

class UserInteraction;

struct TimeOfDay
{
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

/// Milliseconds between two times of day; 0 when their hours differ by 2 or more.
int ElapsedMs(const TimeOfDay& a, const TimeOfDay& b);

/// Waits at least `tenths` tenths of a second, letting the window system work meanwhile.
/// Measured on a monotonic clock, so midnight or a clock change cannot stretch it.
void PauseTenths(int tenths, UserInteraction& ui);

}  // namespace korvane
