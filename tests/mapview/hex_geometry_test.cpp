// Hex sizes, the hit test, and the viewport's moves and zooms.
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

MapViewport View(int zoom, int left, int top, int width, int height)
{
    MapViewport view;
    std::tie(view.Zoom, view.ViewLeft, view.ViewTop) = std::tuple(zoom, left, top);
    ResizeViewport(view, width, height);
    return view;
}

std::pair<int, int> Hit(const MapViewport& view, int px, int py)
{
    const HexPosition at = HexAtPoint(view, px, py);
    return {at.x, at.y};
}

TEST(HexGeometryTest, SizesOfEveryZoomRoundingAndPointInHexBox)
{
    const std::tuple<int, int, int, int, int> sizes[] = {
        {6, 9, 5, 7, 10},     {12, 18, 10, 13, 20}, {18, 27, 16, 19, 32}, {24, 36, 21, 25, 42}, {30, 45, 26, 31, 52},
        {36, 54, 31, 37, 62}, {42, 63, 36, 43, 72}, {48, 72, 42, 49, 84}, {54, 81, 47, 55, 94}, {60, 90, 52, 61, 104}};
    for (int zoom = 1; zoom <= 10; ++zoom) {
        const HexGeometry hex = HexGeometry::ForZoom(zoom);
        EXPECT_EQ(std::tuple(hex.S, hex.C, hex.Hh, hex.BoxWidth(), hex.BoxHeight()), sizes[zoom - 1])
            << "zoom " << zoom << ": S, C, Hh, box width and height";
    }
    EXPECT_EQ(std::tuple(RoundHalfEven(3.5), RoundHalfEven(6.5), RoundHalfEven(-2.5), RoundHalfEven(2.4999)),
              std::tuple(4, 6, -2, 2));
    // Zoom 1 box: left 10, top 20, width 7, height 10; the wings stick out 3 pixels, as drawn.
    const std::tuple<int, int, int, int, bool> points[] = {
        {7, 10, 7, 25, true},   {7, 10, 20, 25, true},  // the tips
        {7, 10, 7, 24, false},  {7, 10, 8, 21, false},  // beside a tip, above the wing's slope
        {13, 20, 7, 25, false}, {13, 20, 7, 26, true}};  // exactly on the slope is outside (zoom 2)
    for (const auto& [width, height, px, py, inside] : points)
        EXPECT_EQ(HexBoxContains(10, 20, width, height, px, py), inside) << px << "," << py;
}

TEST(ViewportTest, HitTestFindsTheHexUnderThePointerOnEdgesAndEveryPixelOfATallView)
{
    const MapViewport five = View(5, 10, 20, 800, 600);
    const HexGeometry g = HexGeometry::ForZoom(5);
    const int left = g.BoxLeft(12, 10, 4), cx = left + g.S / 2, cy = g.BoxTop(24, 20, 4) + g.Hh;
    EXPECT_EQ(Hit(five, cx, cy), std::pair(12, 24)) << "the middle of (12, 24)";
    EXPECT_EQ(Hit(five, left + g.S + 1, cy + g.Hh).first, 12) << "an edge with (13, 25): the smaller x wins";
    EXPECT_EQ(Hit(five, cx, g.BoxTop(26, 20, 4)), std::pair(12, 24)) << "and with (12, 26): the smaller y";
    EXPECT_EQ(Hit(five, left - g.S / 2, cy), std::pair(11, 23)) << "the left tip is a corner of (11, 23)";
    EXPECT_EQ(Hit(five, left - g.S / 2 + 2, cy), std::pair(12, 24)) << "a pixel inside is its own";

    // Each hex painted in its own colour, outlined as the map does: a drifting hit test misses rows far down.
    for (int zoom : {1, 3, 4, 10}) {
        const MapViewport view = View(zoom, 3, 5, 500, 1100);
        const HexGeometry hex = HexGeometry::ForZoom(zoom);
        QImage image(500, 1100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        TMap map;
        HexPainter hexPainter(painter, map, hex, 0, 0);
        painter.setPen(QPen(Qt::black, 1));
        for (int x = view.ViewLeft + view.ViewCols + 1; x >= view.ViewLeft - 1; --x)
            for (int y = view.ViewTop - 2 + (x + view.ViewTop) % 2;
                 y <= std::min(view.ViewTop + view.ViewRows + 1, 192); y += 2) {
                painter.setBrush(QColor(x, y, 200));
                painter.drawPolygon(
                    hexPainter.Outline(hex.BoxLeft(x, view.ViewLeft, 4), hex.BoxTop(y, view.ViewTop, 4)));
            }
        painter.end();
        int wrong = 0;
        for (int py = 4; py < 1100; py += 3)
            for (int px = 4; px < 500; px += 3) {
                const QRgb drawn = image.pixel(px, py);
                wrong += qBlue(drawn) == 200 && Hit(view, px, py) != std::pair(qRed(drawn), qGreen(drawn));
            }
        EXPECT_EQ(wrong, 0) << "zoom " << zoom << ": points inside a hex that hit none or another";
    }
}

TEST(ViewportTest, ZoomKeepsThePlaceOrTheHexUnderThePointerAndStaysInsideTheScrollRanges)
{
    for (int from = 1; from <= 10; ++from)
        for (const int to : {from - 1, from + 1, from + 3})
            for (const auto& [px, py] : {std::pair(15, 15), {400, 300}, {790, 590}, {123, 457}}) {
                MapViewport view = View(from, 100, 80, 800, 600);
                const auto before = Hit(view, px, py);
                if (to < 1 || to > 10 || before.first < 0)
                    continue;
                ZoomViewportAt(view, to, px, py, 800, 600);
                EXPECT_EQ(std::pair(view.Zoom, Hit(view, px, py)), std::pair(to, before))
                    << from << "->" << to << " at " << px << "," << py;
            }
    MapViewport view = View(10, 150, 90, 1000, 700);  // zoomed out and back without a pointer: the same place
    ZoomViewport(view, 1, 1000, 700);
    EXPECT_TRUE(view.Zoom == 1 && view.ViewLeft < 150);
    ZoomViewport(view, 10, 1000, 700);
    EXPECT_EQ(std::tuple(view.ViewLeft, view.ViewTop), std::tuple(150, 90));
    std::tie(view.ViewLeft, view.ViewTop) = std::tuple(5, 3);
    ZoomViewport(view, 1, 1000, 700);
    EXPECT_EQ(std::tuple(view.ViewLeft, view.ViewTop), std::tuple(0, 0)) << "near the corner a clamp at 0 intervenes";
    view = View(10, 0, 0, 800, 600);
    ZoomViewportAt(view, 1, 795, 595, 800, 600);  // out at the far right of a view at the corner
    EXPECT_EQ(std::tuple(view.ViewLeft, view.ViewTop), std::tuple(0, 0));
    std::tie(view.ViewLeft, view.ViewTop) = std::tuple(TMap::kMaxX, TMap::kMaxY);
    ZoomViewportAt(view, 10, 5, 5, 800, 600);  // in at the bottom right of the grid
    EXPECT_TRUE(view.ViewLeft <= TMap::kMaxX && view.ViewTop <= TMap::kMaxY);
    ZoomViewportAt(view, 42, 5, 5, 800, 600);
    EXPECT_EQ(view.Zoom, 10);
}

}  // namespace
}  // namespace korvane
