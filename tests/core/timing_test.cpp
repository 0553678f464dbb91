// Durations between times of day.
#include "core/timing.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(Timing, ElapsedMsIsTheDifferenceWithinTwoHours)
{
    EXPECT_EQ(std::tuple(ElapsedMs({10, 0, 0, 0}, {10, 0, 1, 500}), ElapsedMs({10, 0, 1, 500}, {10, 0, 0, 0}),
                         ElapsedMs({10, 59, 59, 900}, {11, 0, 0, 100}), ElapsedMs({10, 0, 0, 0}, {12, 0, 0, 0})),
              std::tuple(1500, 1500, 200, 0));
    EXPECT_EQ(ElapsedMs({23, 59, 59, 999}, {0, 0, 0, 0}), 0) << "across midnight the hours differ by 23";
}

}  // namespace
}  // namespace korvane
