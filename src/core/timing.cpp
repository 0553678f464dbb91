// Time helpers.
#include "core/timing.h"

#include "core/user_interaction.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace korvane {

int ElapsedMs(const TimeOfDay& a, const TimeOfDay& b)
{
    if (std::abs(b.hour - a.hour) >= 2)
        return 0;
    const long long ms = (b.millisecond - a.millisecond) + (b.second - a.second) * 1000LL
        + (b.minute - a.minute) * 60000LL + (b.hour - a.hour) * 3600000LL;
    return static_cast<int>(ms < 0 ? -ms : ms);
}

void PauseTenths(int tenths, UserInteraction& ui)
{
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::milliseconds(100LL * tenths);
    while (Clock::now() < end) {
        if (!ui.ProcessPendingMessages())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace korvane
