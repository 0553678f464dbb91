// The dice of a battle: uniform whole numbers below a bound, from a seed that can be given
// so that a battle can be fought again blow for blow.
#pragma once

#include <cstdint>
#include <random>

namespace korvane {

class CombatRandom
{
public:
    /// Seeded from the clock, as every battle the player starts is.
    CombatRandom();
    explicit CombatRandom(std::uint32_t seed);

    /// A seed taken from the clock; a caller that wants to repeat a battle keeps it.
    static std::uint32_t ClockSeed();

    void Reseed(std::uint32_t seed);
    std::uint32_t Seed() const { return seed_; }

    /// A uniform number from 0 to n - 1; 0 when n is 0 or less.
    std::int32_t Below(std::int32_t n);

private:
    std::uint32_t seed_ = 0;
    std::mt19937 engine_;
};

}  // namespace korvane
