// Where the real turn reports from the game server are, when this machine has them.
#pragma once

#include <filesystem>
#include <string>

namespace korvane::testing {

inline std::string FixturesDir()
{
    return KORVANE_FIXTURES_DIR;
}

inline bool HaveFixtures()
{
    return std::filesystem::is_directory(FixturesDir());
}

}  // namespace korvane::testing

/// Skips the current test when the real reports are absent, as on a player's machine.
#define KORVANE_REQUIRE_FIXTURES()                                                                                     \
    do {                                                                                                               \
        if (!::korvane::testing::HaveFixtures())                                                                       \
            GTEST_SKIP() << "no real reports at " << KORVANE_FIXTURES_DIR;                                             \
    } while (0)
