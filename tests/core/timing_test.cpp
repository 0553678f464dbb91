// Durations between times of day, and pauses that keep the window system served.
#include "core/timing.h"

#include "support/scripted_interaction.h"

#include <gtest/gtest.h>

#include <chrono>

namespace korvane {
namespace {

TEST(Timing, ElapsedMsIsTheDifferenceWithinTwoHoursAndPausesPumpMessages)
{
    EXPECT_EQ(std::tuple(ElapsedMs({10, 0, 0, 0}, {10, 0, 1, 500}), ElapsedMs({10, 0, 1, 500}, {10, 0, 0, 0}),
                         ElapsedMs({10, 59, 59, 900}, {11, 0, 0, 100}), ElapsedMs({10, 0, 0, 0}, {12, 0, 0, 0})),
              std::tuple(1500, 1500, 200, 0));
    EXPECT_EQ(ElapsedMs({23, 59, 59, 999}, {0, 0, 0, 0}), 0) << "across midnight the hours differ by 23";

    testing::ScriptedInteraction ui;
    const auto start = std::chrono::steady_clock::now();
    PauseTenths(1, ui);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    EXPECT_GT(ui.pendingMessageCalls, 0);
    ui.pendingMessageCalls = 0;
    PauseTenths(0, ui);
    PauseTenths(-3, ui);
    EXPECT_LE(ui.pendingMessageCalls, 1);
}

}  // namespace
}  // namespace korvane
