// The map at 150 % and 200 %: drawn with the screen's own pixels, never enlarged.
#include "mapview/map_builders.h"

#include "mapview/render/draw_options.h"

namespace korvane::testing {
namespace {

// The 2 × 2 blocks of device pixels not all alike: none in a picture enlarged from the logical size.
int MixedBlocks(const QImage& image)
{
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2)
            mixed += image.pixel(x + 1, y) != image.pixel(x, y) || image.pixel(x, y + 1) != image.pixel(x, y)
                || image.pixel(x + 1, y + 1) != image.pixel(x, y);
    return mixed;
}

// True when every pixel of `shown` has its colour in `drawn` at most `reach` pixels away.
bool WithinReach(const QImage& shown, const QImage& drawn, int reach)
{
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            bool near = false;
            for (int dy = -reach; dy <= reach && !near; ++dy)
                for (int dx = -reach; dx <= reach && !near; ++dx)
                    near = drawn.valid(x + dx, y + dy) && drawn.pixel(x + dx, y + dy) == shown.pixel(x, y);
            if (!near)
                return false;
        }
    return true;
}

using HighDpiTest = RenderTest;

TEST_F(HighDpiTest, MapIsDrawnWithTheScreensOwnPixelsBufferedOrNotAndTheBufferRemadeForAnotherScreen)
{
    std::tie(size, clip) = std::tuple(QSize(400, 300), QRect(0, 0, 400, 300));
    // Named towns and troops on varied terrain: text has detail finer than a logical pixel.
    FillHexes(map, 40, 30, [](TMapCell& cell, int x, int y) {
        std::tie(cell.Terrain, cell.Unconfirmed) = std::tuple(1 + (x * 7 + y * 3) % 10, (x + y) % 6 == 0);
        cell.PopCenter = (x + y) % 4 == 0 ? "Port " + std::to_string(x) : "";
        if ((x * y) % 5 == 1)
            cell.Units.Add(NewUnit(x * 1000 + y, 3));
    });
    // At 150 % buffer and screen may round hex edges apart; resampling would blend colours found nowhere near.
    MapBuffer buffer;  // one buffer across screens, as when the window moves between them
    for (const auto& [ratio, reach] : {std::pair(2.0, 0), {1.5, 2}, {1.0, 0}}) {
        for (int zoom : {3, 5, 8}) {
            // Troops shown write no names, which would reach in from the buffer's margin; from column 0 on.
            MapFrame frame = Frame(zoom, doTownIcons | doTownNames | doTroops | doUnconfirmed | doHexCoords);
            for (frame.left = 0; frame.left < 3; ++frame.left)
                EXPECT_TRUE(WithinReach(Draw(frame, ratio, &buffer), Draw(frame, ratio), reach))
                    << "ratio " << ratio << " zoom " << zoom << " left " << frame.left;
        }
    }
    // With names, scrolling down at 200 %: the letters keep their fine detail.
    for (int zoom : {3, 5, 8}) {
        MapFrame frame = Frame(zoom, doTownIcons | doTownNames);
        for (frame.top = 0; frame.top < 3; ++frame.top) {
            const QImage buffered = Draw(frame, 2, &buffer);
            EXPECT_EQ(buffered, Draw(frame, 2)) << "zoom " << zoom << " top " << frame.top;
            EXPECT_GT(MixedBlocks(buffered), 100) << "zoom " << zoom << " top " << frame.top;
        }
    }
    // Without text, slanted edges, hatches and round icons must show detail finer than a logical pixel.
    for (int zoom : {2, 6})
        EXPECT_GT(MixedBlocks(Draw(Frame(zoom, doTownIcons | doUnconfirmed), 2)), 500) << zoom;
}

}  // namespace
}  // namespace korvane::testing
