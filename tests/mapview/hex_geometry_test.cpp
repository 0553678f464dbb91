// Hex sizes, the hit test and the viewport's moves.
#include "core/settings.h"
#include "mapview/render/hex_geometry.h"
#include "mapview/render/hex_painter.h"
#include "mapview/render/map_viewport.h"
#include "world/map.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <tuple>

namespace korvane {
namespace {

TEST(HexGeometryTest, SizesOfEveryZoom)
{
    const struct
    {
        int zoom, s, c, hh, boxWidth, boxHeight;
    } rows[] = {{1, 6, 9, 5, 7, 10},     {2, 12, 18, 10, 13, 20},  {3, 18, 27, 16, 19, 32}, {4, 24, 36, 21, 25, 42},
                {5, 30, 45, 26, 31, 52}, {6, 36, 54, 31, 37, 62},  {7, 42, 63, 36, 43, 72}, {8, 48, 72, 42, 49, 84},
                {9, 54, 81, 47, 55, 94}, {10, 60, 90, 52, 61, 104}};
    for (const auto& row : rows) {
        const HexGeometry hex = HexGeometry::ForZoom(row.zoom);
        EXPECT_EQ(std::tuple(hex.S, hex.C, hex.Hh, hex.BoxWidth(), hex.BoxHeight()),
                  std::tuple(row.s, row.c, row.hh, row.boxWidth, row.boxHeight))
            << "zoom " << row.zoom << ": S, C, Hh, box width and height";
        EXPECT_EQ(BarPositionOfZoom(row.zoom), 11 - row.zoom);
    }
}

TEST(HexGeometryTest, RoundsHalfToEven)
{
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(6.5), 6);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
}

TEST(HexGeometryTest, PointInHexBox)
{
    // Zoom 1 box: left 10, top 20, width 7, height 10; the wings stick out 3 pixels, as drawn.
    EXPECT_TRUE(HexBoxContains(10, 20, 7, 10, 7, 25));  // left tip
    EXPECT_TRUE(HexBoxContains(10, 20, 7, 10, 20, 25));  // right tip
    EXPECT_FALSE(HexBoxContains(10, 20, 7, 10, 7, 24));  // beside the tip
    EXPECT_FALSE(HexBoxContains(10, 20, 7, 10, 8, 21));  // above the wing's slope
    // Exactly on the slope is outside: hh / e == dy / dx (zoom 2: e = 6, hh = 10).
    EXPECT_FALSE(HexBoxContains(10, 20, 13, 20, 7, 25));
    EXPECT_TRUE(HexBoxContains(10, 20, 13, 20, 7, 26));
}

TEST(ViewportTest, HitTestFindsTheHexUnderThePointer)
{
    MapViewport view;
    std::tie(view.Zoom, view.ViewLeft, view.ViewTop) = std::tuple(5, 10, 20);
    ResizeViewport(view, 800, 600);
    const HexGeometry hex = HexGeometry::ForZoom(5);
    // The middle of hex (12, 24).
    const int cx = hex.BoxLeft(12, 10, 4) + hex.S / 2, cy = hex.BoxTop(24, 20, 4) + hex.Hh;
    const auto hit = [&view](int px, int py) {
        const HexPosition at = HexAtPoint(view, px, py);
        return std::pair(at.x, at.y);
    };
    EXPECT_EQ(hit(cx, cy), std::pair(12, 24));
    // Where (12, 24) touches (13, 25) along an edge, the smaller x wins.
    EXPECT_EQ(hit(hex.BoxLeft(12, 10, 4) + hex.S + 1, hex.BoxTop(24, 20, 4) + 2 * hex.Hh).first, 12);
    // Along the shared top/bottom edge of (12, 24) and (12, 26), the smaller y wins.
    EXPECT_EQ(hit(cx, hex.BoxTop(26, 20, 4)), std::pair(12, 24));
    // Its left tip is also a corner of (11, 23), whose x is smaller; a pixel inside is its own.
    EXPECT_EQ(hit(hex.BoxLeft(12, 10, 4) - hex.S / 2, cy), std::pair(11, 23));
    EXPECT_EQ(hit(hex.BoxLeft(12, 10, 4) - hex.S / 2 + 2, cy), std::pair(12, 24));
}

TEST(ViewportTest, EveryPixelOfATallViewHitsTheHexDrawnThere)
{
    // Paint each hex in a colour of its own, outlined as the map does, and compare with the
    // hit test inside the outlines: a hit test that drifts from the drawing misses rows far
    // down the view.
    for (int zoom : {1, 3, 4, 10}) {
        MapViewport view;
        std::tie(view.Zoom, view.ViewLeft, view.ViewTop) = std::tuple(zoom, 3, 5);
        ResizeViewport(view, 500, 1100);
        const HexGeometry hex = HexGeometry::ForZoom(zoom);
        QImage image(500, 1100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        TMap map;
        HexPainter hexPainter(painter, map, hex, 0, 0);
        painter.setPen(QPen(Qt::black, 1));
        for (int x = view.ViewLeft + view.ViewCols + 1; x >= view.ViewLeft - 1; --x) {
            for (int y = view.ViewTop - 2 + (x + view.ViewTop) % 2;
                 y <= std::min(view.ViewTop + view.ViewRows + 1, 192); y += 2) {
                painter.setBrush(QColor(x, y, 200));
                painter.drawPolygon(
                    hexPainter.Outline(hex.BoxLeft(x, view.ViewLeft, 4), hex.BoxTop(y, view.ViewTop, 4)));
            }
        }
        painter.end();
        int mismatches = 0, misses = 0, probes = 0;
        for (int py = 4; py < 1100; py += 3) {
            for (int px = 4; px < 500; px += 3) {
                const QRgb drawn = image.pixel(px, py);
                if (qBlue(drawn) != 200)
                    continue;  // an outline
                ++probes;
                const HexPosition hit = HexAtPoint(view, px, py);
                if (!hit.IsValid())
                    ++misses;
                else if (hit.x != qRed(drawn) || hit.y != qGreen(drawn))
                    ++mismatches;
            }
        }
        EXPECT_EQ(misses, 0) << "zoom " << zoom;
        EXPECT_EQ(mismatches, 0) << "zoom " << zoom;
    }
}

TEST(ViewportTest, ZoomingOutAndBackReturnsToTheSamePlace)
{
    MapViewport view;
    std::tie(view.Zoom, view.ViewLeft, view.ViewTop) = std::tuple(10, 150, 90);
    ResizeViewport(view, 1000, 700);
    ZoomViewport(view, 1, 1000, 700);
    EXPECT_EQ(view.Zoom, 1);
    EXPECT_LT(view.ViewLeft, 150);
    ZoomViewport(view, 10, 1000, 700);
    EXPECT_EQ(std::pair(view.ViewLeft, view.ViewTop), std::pair(150, 90));

    // Near the corner a clamp at 0 intervenes.
    std::tie(view.ViewLeft, view.ViewTop) = std::tuple(5, 3);
    ZoomViewport(view, 1, 1000, 700);
    EXPECT_EQ(std::pair(view.ViewLeft, view.ViewTop), std::pair(0, 0));
}

TEST(ViewportTest, CentringAndJumping)
{
    MapViewport view;
    view.Zoom = 5;
    ResizeViewport(view, 900, 520);
    EXPECT_EQ(view.ViewCols, 900 / 45 + 1);
    EXPECT_EQ(view.ViewRows, 2 * 10 + 1);
    CentreOnHex(view, 0, 16);
    EXPECT_EQ(std::pair(view.ViewLeft, view.ViewTop), std::pair(0, 16 - view.ViewRows / 2)) << "column 0 shows";
    CentreOnHex(view, 100, 60);
    EXPECT_EQ(std::pair(view.ViewLeft, view.ViewTop), std::pair(100 - view.ViewCols / 2, 60 - view.ViewRows / 2));

    EXPECT_FALSE(MoveToHex(view, -1, 10, 1));
    EXPECT_FALSE(MoveToHex(view, 5, 193, 1));
    EXPECT_EQ(view.ViewLevel, 0);
    EXPECT_EQ(view.ViewLeft, 100 - view.ViewCols / 2);
    EXPECT_TRUE(MoveToHex(view, 20, 30, 1));
    EXPECT_EQ(view.ViewLevel, 1);
    EXPECT_EQ(view.ViewLeft, 20 - view.ViewCols / 2);
}

TEST(ViewportTest, SmallMapClickAndHome)
{
    MapViewport view;
    view.Zoom = 3;
    ResizeViewport(view, 600, 400);
    SmallMapClick(view, 321, 193, 642, 386, 400, 200);
    EXPECT_EQ(std::pair(view.ViewLeft, view.ViewTop), std::pair(200 - view.ViewCols / 2, 100 - view.ViewRows / 2));

    TrecINI settings("/nonexistent");
    view.ViewLevel = 1;
    SaveHome(view, settings);
    MapViewport home;
    GoHome(home, settings, 600, 400);
    EXPECT_EQ(std::tuple(home.ViewLeft, home.ViewTop, home.ViewLevel, home.Zoom, home.ViewCols),
              std::tuple(view.ViewLeft, view.ViewTop, 1, 3, view.ViewCols));
}

}  // namespace
}  // namespace korvane
