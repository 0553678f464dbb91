// Zooming at the pointer, and wheel deltas summed to notches.
#include "mapview/render/map_viewport.h"
#include "mapview/windows/wheel_notches.h"
#include "world/map.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

constexpr int kWidth = 800, kHeight = 600;

TEST(ZoomViewportAt, KeepsTheHexUnderThePointerAtEveryZoomBothWays)
{
    const std::pair<int, int> points[] = {{15, 15}, {400, 300}, {790, 590}, {123, 457}};
    for (int from = 1; from <= 10; ++from) {
        for (const int to : {from - 1, from + 1, from + 3}) {
            if (to < 1 || to > 10)
                continue;
            for (const auto& [px, py] : points) {
                MapViewport view;
                view.Zoom = from;
                ResizeViewport(view, kWidth, kHeight);
                view.ViewLeft = 100;
                view.ViewTop = 80;
                const HexPosition before = HexAtPoint(view, px, py);
                if (!before.IsValid())
                    continue;
                ZoomViewportAt(view, to, px, py, kWidth, kHeight);
                const HexPosition after = HexAtPoint(view, px, py);
                EXPECT_EQ(view.Zoom, to);
                EXPECT_EQ(after.x, before.x) << from << "->" << to << " at " << px << "," << py;
                EXPECT_EQ(after.y, before.y) << from << "->" << to << " at " << px << "," << py;
            }
        }
    }
}

TEST(ZoomViewportAt, StaysInsideTheScrollRangesNearTheEdges)
{
    MapViewport view;
    view.Zoom = 10;
    ResizeViewport(view, kWidth, kHeight);
    // Zooming out at the far right of a view already at the top left corner cannot scroll
    // below 0; zooming in at the bottom right of the grid cannot scroll past its end.
    ZoomViewportAt(view, 1, kWidth - 5, kHeight - 5, kWidth, kHeight);
    EXPECT_EQ(view.ViewLeft, 0);
    EXPECT_EQ(view.ViewTop, 0);
    view.ViewLeft = TMap::kMaxX;
    view.ViewTop = TMap::kMaxY;
    ZoomViewportAt(view, 10, 5, 5, kWidth, kHeight);
    EXPECT_LE(view.ViewLeft, TMap::kMaxX);
    EXPECT_LE(view.ViewTop, TMap::kMaxY);
    ZoomViewportAt(view, 42, 5, 5, kWidth, kHeight);
    EXPECT_EQ(view.Zoom, 10);
}

TEST(WheelNotches, SumsPartialDeltasAndStartsAfreshOnATurnBack)
{
    WheelNotches wheel;
    EXPECT_EQ(wheel.Add(120), 1);
    EXPECT_EQ(wheel.Add(-360), -3);
    // A trackpad's small steps make a notch once they add up to one.
    EXPECT_EQ(wheel.Add(50), 0);
    EXPECT_EQ(wheel.Add(50), 0);
    EXPECT_EQ(wheel.Add(50), 1);
    // 30 left over forwards; turning back does not have to undo them first.
    EXPECT_EQ(wheel.Add(-100), 0);
    EXPECT_EQ(wheel.Add(-20), -1);
}

}  // namespace
}  // namespace korvane
