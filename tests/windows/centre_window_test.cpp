// Centring windows: the placement arithmetic case by case (the gate list's test centres a real one).
#include "windows/centre_window.h"

#include <QRect>

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(CentreWindow, PlacesTheWindowOverItsOpenerOrTheScreenAndKeepsItOnTheScreen)
{
    const QRect screen(0, 0, 1280, 1024);
    const std::tuple<const char*, std::optional<QRect>, QSize, QRect, QPoint> cases[] = {
        {"over its opener", QRect(100, 100, 400, 300), {200, 100}, screen, {200, 200}},
        // Without an opener the screen counts from (1, 1): 1 + (1024 - 200) / 2, 1 + (768 - 100) / 2.
        {"over the screen", std::nullopt, {200, 100}, QRect(0, 0, 1024, 768), {413, 335}},
        // Larger than its opener by an odd amount: -101 / 2 is -50 and -51 / 2 is -25, not -51 and -26.
        {"half the difference towards zero", QRect(100, 100, 100, 100), {201, 151}, screen, {50, 75}},
        {"pulled back from the bottom right", QRect(1000, 900, 200, 200), {400, 300}, screen, {880, 724}},
        {"edges may touch the screen's", QRect(1080, 824, 200, 200), {200, 200}, screen, {1080, 824}},
        // The top-left corner wins, so that the title bar stays reachable.
        {"larger than the screen", std::nullopt, {2000, 1100}, screen, {1, 1}},
        {"below a panel", QRect(0, 0, 100, 100), {300, 300}, QRect(0, 30, 1280, 994), {1, 31}}};
    for (const auto& [name, opener, size, on, expected] : cases)
        EXPECT_EQ(CentredPosition(opener, size, on), expected) << name;
}

}  // namespace
}  // namespace korvane
