// Drawing hexes, checked by the colours of pixels where things must (or must not) appear.
#include "mapview/render/colour.h"
#include "mapview/render/draw_options.h"
#include "mapview/render/hex_geometry.h"
#include "mapview/render/map_buffer.h"
#include "mapview/render/map_drawing.h"
#include "mapview/render/map_scene.h"
#include "mapview/render/map_viewport.h"
#include "mapview/render/overview_map.h"
#include "people/alliance_list.h"
#include "people/faction.h"
#include "people/faction_list.h"
#include "people/unit.h"
#include "world/map.h"
#include "world/vocabulary.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <tuple>

namespace korvane {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
const QColor kBackground(0xF0, 0xF0, 0xF0);

class MapDrawingTest : public ::testing::Test
{
protected:
    TMapCell& Cell(int x, int y, int terrain, int level = 0)
    {
        TMapCell& cell = *map.EnsureCell(level, x, y);
        cell.Terrain = terrain;
        cell.Unconfirmed = false;
        return cell;
    }

    // Clipped inside the image: where the image itself cuts a slanted edge, Qt may place its
    // last pixel differently.
    static MapFrame Frame(int zoom, int options, int level = 0)
    {
        return {.cols = ViewColsFor(kWidth, zoom),
                .rows = ViewRowsFor(kHeight, zoom),
                .zoom = zoom,
                .level = level,
                .clip = QRect(QPoint(4, 4), QPoint(kWidth - 9, kHeight - 9)),
                .options = options};
    }

    void AddFaction(int number, std::int32_t colour = 0)
    {
        auto faction = std::make_unique<TFaction>();
        std::tie(faction->Number, faction->Colour) = std::tuple(number, colour);
        factions.Add(std::move(faction));
    }

    static std::unique_ptr<TUnit> Unit(int number, int faction, int men = 0, int turn = 0)
    {
        auto unit = std::make_unique<TUnit>();
        std::tie(unit->Number, unit->Faction, unit->Turn) = std::tuple(number, faction, turn);
        if (men > 0)
            unit->Troops.push_back({0, men});
        return unit;
    }

    // Drawn over the window's background colour, which the buffer also has outside the world.
    QImage Draw(const MapFrame& frame)
    {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        image.fill(kBackground);
        QPainter painter(&image);
        DrawMap(painter, scene, frame);
        return image;
    }

    // The pixel at an offset from the middle of hex (x, y) of a frame.
    static QColor At(const QImage& image, const MapFrame& frame, int x, int y, int dx = 0, int dy = 0)
    {
        const HexGeometry hex = HexGeometry::ForZoom(frame.zoom);
        const int cx = hex.BoxLeft(x, frame.left, frame.marginX) + hex.S / 2 + dx;
        const int cy = hex.BoxTop(y, frame.top, frame.marginY) + hex.Hh + dy;
        return image.pixelColor(cx, cy);
    }

    static int CountColour(const QImage& image, const QRect& area, const QColor& colour)
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.pixelColor(x, y) == colour;
        return count;
    }

    TMap map;
    TFactionList factions;
    TAllianceList alliances;
    MapScene scene{map, factions, alliances};
};

TEST_F(MapDrawingTest, EveryTerrainFillsItsHexAndUnknownPositionsUseEntryZero)
{
    for (int terrain = 1; terrain < map.TerrainList.Count(); ++terrain)
        Cell(terrain, 2 + terrain % 2, terrain);
    map.SetTerrainColour(5, 0x123456);
    const MapFrame frame = Frame(4, 0);
    const QImage image = Draw(frame);
    for (int terrain = 1; terrain < map.TerrainList.Count(); ++terrain)
        EXPECT_EQ(At(image, frame, terrain, 2 + terrain % 2), ToQColor(map.TerrainColour(terrain))) << terrain;
    // (1, 5) holds no cell: drawn as unknown terrain.
    EXPECT_EQ(At(image, frame, 1, 5), ToQColor(map.TerrainColour(0)));
}

TEST_F(MapDrawingTest, UnconfirmedHexesAreHatchedOnSilver)
{
    Cell(2, 2, kTerrainOcean).Unconfirmed = true;
    Cell(4, 2, kTerrainOcean).Unconfirmed = true;
    const MapFrame frame = Frame(5, doUnconfirmed);
    const QImage image = Draw(frame);
    const HexGeometry hex = HexGeometry::ForZoom(5);
    const QRect inside(hex.BoxLeft(2, 0, 4) + 4, hex.BoxTop(2, 0, 4) + 4, hex.S - 8, 2 * hex.Hh - 8);
    const QColor ocean = ToQColor(map.TerrainColour(kTerrainOcean));
    const int silver = CountColour(image, inside, QColor(0xC0, 0xC0, 0xC0));
    const int hatch = CountColour(image, inside, ocean);
    EXPECT_GT(silver, inside.width() * inside.height() / 3);
    EXPECT_GT(hatch, inside.width() * inside.height() / 10);

    // Without the switch the terrain is filled plainly.
    const QImage plain = Draw(Frame(5, 0));
    EXPECT_EQ(CountColour(plain, inside, ocean), inside.width() * inside.height());
}

TEST_F(MapDrawingTest, SettlementIconColourAndNameOnlyWhenThereIsRoom)
{
    TMapCell& city = Cell(4, 4, kTerrainOcean);
    std::tie(city.PopCenter, city.PopCenterType) = std::tuple(" Highmarket ", kCity);
    city.Gate = 7;  // a settlement hides the gate
    map.SetIconStyle(kIconCity, 6);
    map.SetIconColour(kIconCity, 0x00FF00);
    const int options = doTownIcons | doTownNames | doGates | doGateNumbers;

    for (int zoom : {1, 2, 5}) {
        const MapFrame frame = Frame(zoom, options);
        const QImage image = Draw(frame);
        EXPECT_EQ(At(image, frame, 4, 4), QColor(0, 0xFF, 0)) << zoom;
        const HexGeometry hex = HexGeometry::ForZoom(zoom);
        const QRect nameArea(hex.BoxLeft(4, 0, 4) + hex.S / 2 + RoundHalfEven(hex.S * 0.3333) + 3,
                             hex.BoxTop(4, 0, 4) + hex.Hh / 2, 60, hex.Hh);
        const int ink = CountColour(image, nameArea, Qt::black);
        if (hex.S > 10)
            EXPECT_GT(ink, 10) << zoom;
        else
            EXPECT_EQ(ink, CountColour(Draw(Frame(zoom, doTownIcons)), nameArea, Qt::black)) << zoom;
    }
}

TEST_F(MapDrawingTest, FeatureIconsFollowTheirSwitches)
{
    Cell(2, 2, kTerrainOcean).Gate = 650;
    Cell(6, 2, kTerrainOcean).Shaft = "Shaft";
    Cell(10, 2, kTerrainOcean).Other = "Ruin";
    for (const auto& [icon, colour] : {std::pair{kIconGate, 0xFF}, {kIconShaft, 0xFF00}, {kIconOther, 0xFF00FF}}) {
        map.SetIconStyle(icon, 1);
        map.SetIconColour(icon, colour);
    }
    const MapFrame all = Frame(5, doGates | doShafts | doOther);
    const QImage image = Draw(all);
    EXPECT_EQ(At(image, all, 2, 2), QColor(0xFF, 0, 0));
    EXPECT_EQ(At(image, all, 6, 2), QColor(0, 0xFF, 0));
    EXPECT_EQ(At(image, all, 10, 2), QColor(0xFF, 0, 0xFF));
    const QImage bare = Draw(Frame(5, 0));
    const QColor ocean = ToQColor(map.TerrainColour(kTerrainOcean));
    EXPECT_EQ(std::pair(At(bare, all, 2, 2), At(bare, all, 6, 2)), std::pair(ocean, ocean)) << "switched off";
}

TEST_F(MapDrawingTest, TroopMarksFromZoomThreeStaleOnesDotted)
{
    AddFaction(3, 0x00FF00);
    AddFaction(4, 0xFF00FF);
    scene.currentTurn = 9;
    TMapCell& cell = Cell(4, 4, kTerrainOcean);
    cell.Units.Add(Unit(11, 3, 50, 9));
    cell.Units.Add(Unit(12, 4, 5, 7));  // stale

    for (int zoom : {2, 3, 6}) {
        const MapFrame frame = Frame(zoom, doTroops);
        const QImage image = Draw(frame);
        const HexGeometry hex = HexGeometry::ForZoom(zoom);
        const int left = hex.BoxLeft(4, 0, 4), top = hex.BoxTop(4, 0, 4);
        // The largest group takes the upper left wing, the next the upper right one.
        const QRect leftWing(left - hex.S / 2 + 3, top + 3, hex.S / 2, hex.Hh - 3);
        const QRect rightWing(left + hex.S, top + 2, hex.S / 2, hex.Hh - 2);
        const int green = CountColour(image, leftWing, QColor(0, 0xFF, 0));
        const int magenta = CountColour(image, rightWing, QColor(0xFF, 0, 0xFF));
        if (zoom < 3) {
            EXPECT_EQ(green + magenta, 0) << zoom;
            continue;
        }
        EXPECT_GT(green, 5) << zoom;
        EXPECT_GT(magenta, 2) << zoom;
        // A stale group is only partly filled, and its edge is dotted.
        EXPECT_LT(magenta * 3, green * 2) << zoom;
        const int edgeX = left + hex.S;
        int edgeBlack = 0;
        for (int y = top + 2; y <= top + hex.Hh; ++y)
            edgeBlack += image.pixelColor(edgeX, y) == Qt::black;
        EXPECT_LT(edgeBlack, hex.Hh - 2) << zoom;
    }
}

TEST_F(MapDrawingTest, PassagesOnSolidUnderworldCellsAndTheDoneCross)
{
    TMapCell& solid = Cell(3, 5, kTerrainSolid, TMap::kUnderworld);
    solid.Pathway[0] = true;
    const MapFrame under = Frame(5, 0, TMap::kUnderworld);
    const QImage image = Draw(under);
    EXPECT_EQ(At(image, under, 3, 5, 0, -10), QColor(0xFF, 0xFF, 0));
    EXPECT_EQ(At(image, under, 3, 5, 8, -10), QColor(0, 0, 0));

    scene.ownFaction = 3;
    Cell(2, 2, kTerrainOcean).Units.Add(Unit(21, 3));
    TUnit* stored = map.UnitFileList.Add(Unit(21, 3));
    stored->OrdersDone = true;
    const MapFrame frame = Frame(5, doDoneOrders);
    const HexGeometry hex = HexGeometry::ForZoom(5);
    const QRect box(hex.BoxLeft(2, 0, 4), hex.BoxTop(2, 0, 4), hex.S, 2 * hex.Hh);
    EXPECT_GT(CountColour(Draw(frame), box, QColor(0xFF, 0, 0)), 20);
    stored->OrdersDone = false;
    EXPECT_EQ(CountColour(Draw(frame), box, QColor(0xFF, 0, 0)), 0);
}

TEST_F(MapDrawingTest, BufferedDrawingShowsTheSamePictureWhileScrolling)
{
    AddFaction(3);
    for (int x = 0; x <= 60; ++x) {
        for (int y = x % 2; y <= 50; y += 2) {
            TMapCell& cell = Cell(x, y, 1 + (x * 7 + y * 3) % 12);
            cell.PopCenter = (x + y) % 9 == 0 ? "Town" : "";
            cell.Unconfirmed = (x + y) % 4 == 0;
            if ((x * y) % 5 == 1)
                cell.Units.Add(Unit(x * 1000 + y, 3));
        }
    }
    MapBuffer buffer;
    for (int zoom : {2, 5}) {
        // With troops shown no names are written (they would reach into the view from the
        // buffer's margin, but not when drawn directly).
        MapFrame frame = Frame(zoom, doTownIcons | doTownNames | doTroops | doUnconfirmed | doHexCoords);
        // From the very edge of the world: column and row 0 are real hexes.
        for (int step = 0; step < 4; ++step) {
            frame.left = step;
            frame.top = step / 2;
            const QImage direct = Draw(frame);
            QImage viaBuffer(kWidth, kHeight, QImage::Format_RGB32);
            viaBuffer.fill(kBackground);
            QPainter painter(&viaBuffer);
            DrawMapBuffered(painter, buffer, scene, frame, false);
            painter.end();
            EXPECT_EQ(viaBuffer, direct) << "zoom " << zoom << " step " << step;
        }
    }
}

TEST_F(MapDrawingTest, BufferFollowsChangesOfTheWorldAndTheFlashHighlights)
{
    Cell(4, 4, kTerrainOcean);
    const MapFrame frame = Frame(5, 0);
    MapBuffer buffer;
    auto buffered = [&](MapBuffer& through, const MapFrame& view) {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        image.fill(kBackground);
        QPainter painter(&image);
        DrawMapBuffered(painter, through, scene, view, false);
        return image;
    };
    EXPECT_EQ(At(buffered(buffer, frame), frame, 4, 4), ToQColor(map.TerrainColour(kTerrainOcean)));
    // A new turn shown (or an import) starts by emptying the cells' unit lists.
    map.Cell(0, 4, 4)->Terrain = kTerrainSolid;
    map.ClearCellLists();
    EXPECT_EQ(At(buffered(buffer, frame), frame, 4, 4), ToQColor(map.TerrainColour(kTerrainSolid)));
    map.SetTerrainColour(kTerrainSolid, 0x00FF00);
    EXPECT_EQ(At(buffered(buffer, frame), frame, 4, 4), QColor(0, 0xFF, 0));
    map.RemoveCell(0, 4, 4);
    EXPECT_EQ(At(buffered(buffer, frame), frame, 4, 4), ToQColor(map.TerrainColour(0)));

    // Each buffer knows what it holds: another one drawn elsewhere over the same world does
    // not make the first believe it holds that place too.
    Cell(4, 4, kTerrainSolid);
    map.ClearCellLists();
    Cell(84, 64, kTerrainOcean);
    MapFrame far = frame;
    std::tie(far.left, far.top) = std::tuple(80, 60);
    MapBuffer other;
    buffered(buffer, frame);
    buffered(other, far);
    EXPECT_EQ(buffered(buffer, far), Draw(far));

    QImage image = Draw(frame);
    QPainter painter(&image);
    DrawOneHex(painter, scene, frame, 4, 4, 0);
    EXPECT_EQ(At(image, frame, 4, 4), QColor(Qt::white));
    DrawOneHex(painter, scene, frame, 4, 4, 1);
    EXPECT_EQ(At(image, frame, 4, 4), QColor(0, 0xFF, 0));
    map.SetTerrainColour(kTerrainSolid, 0xFFFFFF);
    DrawOneHex(painter, scene, frame, 4, 4, 0);
    EXPECT_EQ(At(image, frame, 4, 4), QColor(Qt::black));
}

TEST_F(MapDrawingTest, OverviewShowsKnownTerrainOnTwoPixelsAndTheViewFrame)
{
    Cell(11, 5, kTerrainOcean);
    Cell(12, 6, kTerrainSolid, TMap::kUnderworld);
    QImage overview = NewOverviewImage();
    RefreshGlobalMap(overview, map, 0, 0, 0, 320, 192);
    const QColor ocean = ToQColor(map.TerrainColour(kTerrainOcean));
    EXPECT_EQ(overview.pixelColor(11, 4), ocean);
    EXPECT_EQ(overview.pixelColor(11, 5), ocean);
    EXPECT_EQ(overview.pixelColor(11, 6), ToQColor(map.TerrainColour(-1)));
    EXPECT_EQ(overview.pixelColor(12, 6), ToQColor(map.TerrainColour(-1)));  // underworld only
    EXPECT_EQ(overview.pixelColor(320, 192), ToQColor(map.TerrainColour(-1)));

    // One hex redrawn after it became unknown loses both of its pixels' colour.
    map.Cell(0, 11, 5)->Terrain = 0;
    RefreshGlobalMap(overview, map, 0, 11, 5, 11, 5);
    EXPECT_EQ(overview.pixelColor(11, 4), ToQColor(map.TerrainColour(-1)));
    EXPECT_EQ(overview.pixelColor(11, 5), ToQColor(map.TerrainColour(-1)));

    MapViewport view;
    std::tie(view.ViewLeft, view.ViewTop, view.ViewCols, view.ViewRows) = std::tuple(100, 50, 30, 20);
    DrawViewFrame(overview, view);
    EXPECT_EQ(overview.pixelColor(100, 60), QColor(0xFF, 0, 0));
    EXPECT_EQ(overview.pixelColor(115, 60), ToQColor(map.TerrainColour(-1)));
}

}  // namespace
}  // namespace korvane
