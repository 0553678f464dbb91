// The map and the overview on screens scaled to 150 % and 200 %: drawn with the screen's own
// pixels, never enlarged from a picture of the logical size.
#include "mapview/render/colour.h"
#include "mapview/render/draw_options.h"
#include "mapview/render/map_buffer.h"
#include "mapview/render/map_drawing.h"
#include "mapview/render/map_scene.h"
#include "mapview/render/map_viewport.h"
#include "mapview/render/overview_map.h"
#include "people/alliance_list.h"
#include "people/faction_list.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "world/map.h"
#include "world/vocabulary.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>

namespace korvane {
namespace {

// The 2 × 2 blocks of device pixels whose four pixels are not all alike: none in a picture
// enlarged from one of the logical size.
int MixedBlocks(const QImage& image)
{
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb first = image.pixel(x, y);
            mixed += image.pixel(x + 1, y) != first || image.pixel(x, y + 1) != first
                || image.pixel(x + 1, y + 1) != first;
        }
    }
    return mixed;
}

// True when every pixel of `shown` has its colour in `drawn` at most `reach` pixels away.
bool WithinReach(const QImage& shown, const QImage& drawn, int reach)
{
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            bool near = false;
            for (int dy = -reach; dy <= reach && !near; ++dy)
                for (int dx = -reach; dx <= reach && !near; ++dx)
                    near = drawn.valid(x + dx, y + dy) && drawn.pixel(x + dx, y + dy) == shown.pixel(x, y);
            if (!near)
                return false;
        }
    }
    return true;
}

class HighDpiTest : public ::testing::Test
{
protected:
    HighDpiTest()
    {
        // Named towns on varied terrain: text has detail finer than a logical pixel.
        for (int x = 0; x <= 40; ++x) {
            for (int y = x % 2; y <= 30; y += 2) {
                TMapCell& cell = *map.EnsureCell(0, x, y);
                cell.Terrain = 1 + (x * 7 + y * 3) % 10;
                cell.Unconfirmed = (x + y) % 6 == 0;
                cell.PopCenter = (x + y) % 4 == 0 ? "Port " + std::to_string(x) : "";
            }
        }
    }

    // A picture of 400 × 300 logical pixels, `ratio` device pixels to each, drawn directly
    // or through `buffer`.
    QImage Draw(const MapFrame& frame, qreal ratio, MapBuffer* buffer = nullptr)
    {
        QImage image(static_cast<int>(std::ceil(400 * ratio)), static_cast<int>(std::ceil(300 * ratio)),
                     QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(kMapBackground);
        QPainter painter(&image);
        if (buffer)
            DrawMapBuffered(painter, *buffer, scene, frame, false);
        else
            DrawMap(painter, scene, frame);
        return image;
    }

    static MapFrame Frame(int zoom, int options)
    {
        MapFrame frame;
        std::tie(frame.cols, frame.rows, frame.zoom) = std::tuple(ViewColsFor(400, zoom), ViewRowsFor(300, zoom), zoom);
        frame.clip = QRect(0, 0, 400, 300);
        frame.options = options;
        return frame;
    }

    TMap map;
    TFactionList factions;
    TAllianceList alliances;
    MapScene scene{map, factions, alliances};
};

TEST_F(HighDpiTest, MapIsDrawnWithTheScreensOwnPixelsBufferedOrNot)
{
    // At 150 % a hex can fall between device pixels, and the buffer and the screen may round
    // its edges apart; resampling the buffer would blend colours found nowhere near.
    for (const auto& [ratio, reach] : {std::pair(2.0, 0), {1.5, 2}}) {
        MapBuffer buffer;
        for (int zoom : {3, 5, 8}) {
            // Without names: the buffer's margin would show those of hexes left of the view
            // reaching into it, which direct drawing leaves out.
            MapFrame frame = Frame(zoom, doTownIcons | doUnconfirmed | doHexCoords);
            for (frame.left = 0; frame.left < 3; ++frame.left)
                EXPECT_TRUE(WithinReach(Draw(frame, ratio, &buffer), Draw(frame, ratio), reach))
                    << "ratio " << ratio << " zoom " << zoom << " left " << frame.left;
        }
    }
    // With names, scrolling down at 200 %: the letters keep their fine detail.
    MapBuffer buffer;
    for (int zoom : {3, 5, 8}) {
        MapFrame frame = Frame(zoom, doTownIcons | doTownNames);
        for (frame.top = 0; frame.top < 3; ++frame.top) {
            const QImage buffered = Draw(frame, 2, &buffer);
            EXPECT_EQ(buffered, Draw(frame, 2)) << "zoom " << zoom << " top " << frame.top;
            EXPECT_GT(MixedBlocks(buffered), 100) << "zoom " << zoom << " top " << frame.top;
        }
    }
    // Without text only slanted hex edges, hatches and round icons can show detail finer than
    // a logical pixel, and they must, or they were drawn small and enlarged.
    for (int zoom : {2, 6})
        EXPECT_GT(MixedBlocks(Draw(Frame(zoom, doTownIcons | doUnconfirmed), 2)), 500) << zoom;
}

TEST_F(HighDpiTest, BufferMadeForAnotherScreenIsMadeAgain)
{
    // The window moved from a screen at 100 % to one at 200 % and back, nothing else changed.
    const MapFrame frame = Frame(5, doTownIcons | doTownNames);
    MapBuffer buffer;
    for (qreal ratio : {1.0, 2.0, 1.0})
        EXPECT_EQ(Draw(frame, ratio, &buffer), Draw(frame, ratio)) << ratio;
}

TEST_F(HighDpiTest, OverviewKeepsItsLogicalSizeWithSharpTerrainAndFrame)
{
    QImage overview = NewOverviewImage();
    RefreshGlobalMap(overview, map, 0, 0, 0, 320, 192);
    MapViewport view;
    std::tie(view.ViewLeft, view.ViewTop, view.ViewCols, view.ViewRows) = std::tuple(100, 20, 30, 20);

    // On an ordinary screen: the overview with its frame, as ever.
    QImage framed = overview;
    DrawViewFrame(framed, view);
    EXPECT_EQ(OverviewForScreen(overview, view, 1), framed);

    const QImage shown = OverviewForScreen(overview, view, 2);
    EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(321, 193));
    // Each terrain pixel a block of four.
    const QColor terrain = ToQColor(map.TerrainColour(map.Cell(0, 3, 5)->Terrain));
    for (const QPoint& at : {QPoint(6, 8), QPoint(7, 8), QPoint(6, 11), QPoint(7, 11)})
        EXPECT_EQ(shown.pixelColor(at), terrain) << at.x() << "," << at.y();
    // The frame is drawn with the screen's pixels: its inner edge lies on an odd one, which a
    // frame drawn first and enlarged after could not.
    EXPECT_EQ(shown.pixelColor(202, 60), QColor(Qt::red));
    EXPECT_NE(shown.pixelColor(203, 60), QColor(Qt::red));
}

// The window program at 200 % on the demo world, whose first view holds named towns: the
// picture of its window once the map is drawn, directly or through the buffer.
QImage WindowAtTwiceThePixels(const testing::TempDir& home, bool buffered)
{
    std::string settings = home.Read("ATLANTIS.INI");
    const std::string from = buffered ? "BufferDraw=FALSE" : "BufferDraw=TRUE";
    if (const std::size_t at = settings.find(from); at != std::string::npos)
        settings.replace(at, from.size(), buffered ? "BufferDraw=TRUE" : "BufferDraw=FALSE");
    home.Write("ATLANTIS.INI", settings);
    const std::string picture = home.File("window.png");
    const std::string command = "QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 '" KORVANE_PATH "' --home '" + home.Path()
        + "' --screenshot '" + picture + "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return QImage(QString::fromStdString(picture));
}

TEST(HighDpiWindow, AtTwiceThePixelsTheBufferedWindowLooksAsTheDirectOne)
{
    testing::TempDir home;
    const testing::CliResult import = testing::RunCliCapture(
        {"--home", home.Path(), "import", "--faction", "3", KORVANE_DEMO_DIR "/report-turn1.txt"});
    ASSERT_EQ(import.status, 0) << import.err;
    const QImage direct = WindowAtTwiceThePixels(home, false);
    EXPECT_EQ(direct.size(), QSize(2000, 1400)) << "the designed size of a first start, at 200 %";
    EXPECT_EQ(WindowAtTwiceThePixels(home, true), direct);
}

}  // namespace
}  // namespace korvane
