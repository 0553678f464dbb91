// The dice of a battle.
#include "combat/combat_random.h"

#include <chrono>

namespace korvane {

CombatRandom::CombatRandom()
    : CombatRandom(ClockSeed())
{
}

CombatRandom::CombatRandom(std::uint32_t seed)
{
    Reseed(seed);
}

std::uint32_t CombatRandom::ClockSeed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto wide = static_cast<std::uint64_t>(ticks);
    return static_cast<std::uint32_t>(wide ^ (wide >> 32));
}

void CombatRandom::Reseed(std::uint32_t seed)
{
    seed_ = seed;
    engine_.seed(seed);
}

std::int32_t CombatRandom::Below(std::int32_t n)
{
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(engine_);
}

}  // namespace korvane
