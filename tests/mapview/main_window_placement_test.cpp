// The main window's place from the settings and back, and its tool windows' places.
#include "core/settings.h"
#include "mapview/windows/main_window_placement.h"

#include <gtest/gtest.h>

#include <tuple>

namespace korvane {
namespace {

constexpr ScreenSize kScreen{1024, 768};

TEST(MainWindowPlacement, SavedPlacesAreBroughtBackOntoTheScreenAndStored)
{
    TrecINI settings("/nonexistent");
    std::tie(settings.MainX, settings.MainY, settings.MainW, settings.MainH) = std::tuple(5000, 768, 800, 2000);
    std::tie(settings.MainSplitterX, settings.WindowState) = std::tuple(230, 2);
    const MainWindowPlacement placement = RestoreMainWindow(settings, kScreen, 640, 480);
    // Too tall for the screen, and at or beyond its edges.
    EXPECT_EQ(std::tuple(*placement.width, *placement.height, placement.x, placement.y), std::tuple(800, 768, 224, 0));
    EXPECT_EQ(std::tuple(settings.MainX, settings.MainY, settings.MainH), std::tuple(224, 0, 768));
    EXPECT_EQ(std::tuple(*placement.rightColumnWidth, *placement.state), std::tuple(230, 2));

    TrecINI placeOnly("/nonexistent");  // a place without a size: the window's own size keeps it on the screen
    std::tie(placeOnly.MainX, placeOnly.MainY) = std::tuple(3000, 40);
    const MainWindowPlacement moved = RestoreMainWindow(placeOnly, kScreen, 640, 480);
    EXPECT_EQ(std::tuple(moved.x, moved.y, moved.width.has_value()), std::tuple(1024 - 640, 40, false));
}

TEST(MainWindowPlacement, AMaximisedWindowKeepsTheSizeItReturnsToAndToolWindowsComeBackOntoTheScreen)
{
    TrecINI settings("/nonexistent");
    StoreMainWindow(settings, 30, 40, 900, 700, 180, 0);
    EXPECT_EQ(std::tuple(settings.MainX, settings.MainY, settings.MainW, settings.MainH), std::tuple(30, 40, 900, 700));
    StoreMainWindow(settings, 0, 0, 1024, 768, 200, 2);
    EXPECT_EQ(std::tuple(settings.MainX, settings.MainW, settings.MainH, settings.MainSplitterX, settings.WindowState),
              std::tuple(0, 900, 700, 200, 2));
    EXPECT_FALSE(ToolWindowPlace(0, 50, 200, 100, kScreen) || ToolWindowPlace(50, -1, 200, 100, kScreen))
        << "no saved place: centred over the owner";
    EXPECT_EQ(ToolWindowPlace(2000, 50, 200, 100, kScreen), std::pair(824, 50));
    EXPECT_EQ(ToolWindowPlace(1024, 900, 200, 100, kScreen), std::pair(1024, 668)) << "only beyond the edge moves";
}

}  // namespace
}  // namespace korvane
