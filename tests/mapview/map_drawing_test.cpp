// Drawing hexes, checked by the colours of pixels where things must (or must not) appear; troop groups.
#include "mapview/map_builders.h"

#include "mapview/render/colour.h"
#include "mapview/render/draw_options.h"
#include "mapview/render/hex_geometry.h"
#include "mapview/render/overview_map.h"
#include "mapview/render/troop_groups.h"
#include "people/alliance.h"
#include "world/vocabulary.h"

namespace korvane::testing {
namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0), kRed(0xFF, 0, 0), kGreen(0, 0xFF, 0), kMagenta(0xFF, 0, 0xFF);

class MapDrawingTest : public RenderTest
{
protected:
    TMapCell& Cell(int x, int y, int terrain, int level = 0) { return Land(map, x, y, terrain, level); }
    QColor Colour(int terrain) const { return ToQColor(map.TerrainColour(terrain)); }
    // The box of hex (x, y) at `zoom`, the view at the grid's corner; `inset` pixels in.
    static QRect Box(int zoom, int x, int y, int inset = 0)
    {
        const HexGeometry hex = HexGeometry::ForZoom(zoom);
        return QRect(hex.BoxLeft(x, 0, 4), hex.BoxTop(y, 0, 4), hex.S, 2 * hex.Hh)
            .adjusted(inset, inset, -inset, -inset);
    }
    static QColor At(const QImage& image, const MapFrame& frame, int x, int y, int dx = 0, int dy = 0)
    {
        const HexGeometry hex = HexGeometry::ForZoom(frame.zoom);
        return image.pixelColor(hex.BoxLeft(x, frame.left, frame.marginX) + hex.S / 2 + dx,
                                hex.BoxTop(y, frame.top, frame.marginY) + hex.Hh + dy);
    }
    // Each troop group's key, men, colour and staleness in `cell`, turn 9 shown.
    std::vector<std::tuple<std::string, int, int, int>> Groups(const TMapCell& cell, const TroopDisplay& display) const
    {
        std::vector<std::tuple<std::string, int, int, int>> groups;
        for (const auto& g : CollectTroopGroups(cell, display, factions, alliances, 9))
            groups.emplace_back(g.Key, g.Men, g.Colour, g.Stale);
        return groups;
    }
};

TEST_F(MapDrawingTest, SettlementIconColourAndNameOnlyWhenThereIsRoom)
{
    TMapCell& city = Cell(4, 4, kTerrainOcean);
    std::tie(city.PopCenter, city.PopCenterType, city.Gate) = std::tuple(" Highmarket ", kCity, 7);  // hides the gate
    map.SetIconStyle(kIconCity, 6);
    map.SetIconColour(kIconCity, 0x00FF00);
    for (int zoom : {1, 2, 5}) {
        const MapFrame frame = Frame(zoom, doTownIcons | doTownNames | doGates | doGateNumbers);
        const QImage image = Draw(frame);
        EXPECT_EQ(At(image, frame, 4, 4), kGreen) << zoom;
        const HexGeometry hex = HexGeometry::ForZoom(zoom);
        const QRect name(Box(zoom, 4, 4).left() + hex.S / 2 + RoundHalfEven(hex.S * 0.3333) + 3,
                         Box(zoom, 4, 4).top() + hex.Hh / 2, 60, hex.Hh);
        const int ink = CountColour(image, name, Qt::black);  // without room, no more than the icon alone leaves
        EXPECT_TRUE(hex.S > 10 ? ink > 10 : ink == CountColour(Draw(Frame(zoom, doTownIcons)), name, Qt::black))
            << zoom << ": " << ink;
    }
}

TEST_F(MapDrawingTest, FeatureIconsAndHatchesFollowTheirSwitches)
{
    Cell(2, 2, kTerrainOcean).Gate = 650;
    Cell(6, 2, kTerrainOcean).Shaft = "Shaft";
    Cell(10, 2, kTerrainOcean).Other = "Ruin";
    for (const auto& [icon, colour] : {std::pair{kIconGate, 0xFF}, {kIconShaft, 0xFF00}, {kIconOther, 0xFF00FF}}) {
        map.SetIconStyle(icon, 1);
        map.SetIconColour(icon, colour);
    }
    Cell(2, 6, kTerrainOcean).Unconfirmed = true;
    const MapFrame all = Frame(5, doGates | doShafts | doOther | doUnconfirmed);
    const QImage image = Draw(all), bare = Draw(Frame(5, 0));
    EXPECT_EQ(std::tuple(At(image, all, 2, 2), At(image, all, 6, 2), At(image, all, 10, 2)),
              std::tuple(kRed, kGreen, kMagenta));
    EXPECT_EQ(std::tuple(At(bare, all, 2, 2), At(bare, all, 6, 2)),
              std::tuple(Colour(kTerrainOcean), Colour(kTerrainOcean)))
        << "switched off";
    const QRect inside = Box(5, 2, 6, 4);  // unconfirmed hexes are hatched on silver
    const int area = inside.width() * inside.height();
    EXPECT_GT(CountColour(image, inside, kSilver), area / 3);
    EXPECT_GT(CountColour(image, inside, Colour(kTerrainOcean)), area / 10);
    EXPECT_EQ(CountColour(bare, inside, Colour(kTerrainOcean)), area) << "plain without the switch";
}

TEST_F(MapDrawingTest, TroopMarksFromZoomThreeStaleOnesDotted)
{
    AddFaction(factions, 3, 0x00FF00);
    AddFaction(factions, 4, 0xFF00FF);
    scene.currentTurn = 9;
    TMapCell& cell = Cell(4, 4, kTerrainOcean);
    cell.Units.Add(NewUnit(11, 3, 50, 9));
    cell.Units.Add(NewUnit(12, 4, 5, 7));  // stale
    for (int zoom : {2, 3, 6}) {
        const QImage image = Draw(Frame(zoom, doTroops));
        const HexGeometry hex = HexGeometry::ForZoom(zoom);
        const int left = Box(zoom, 4, 4).left(), top = Box(zoom, 4, 4).top();
        // The largest group takes the upper left wing, the next the upper right one.
        const int green = CountColour(image, QRect(left - hex.S / 2 + 3, top + 3, hex.S / 2, hex.Hh - 3), kGreen);
        const int magenta = CountColour(image, QRect(left + hex.S, top + 2, hex.S / 2, hex.Hh - 2), kMagenta);
        if (zoom < 3) {
            EXPECT_EQ(green + magenta, 0) << zoom;
            continue;
        }
        EXPECT_TRUE(green > 5 && magenta > 2) << zoom;
        EXPECT_LT(magenta * 3, green * 2) << zoom << ": a stale group is only partly filled";
        int edgeBlack = 0;
        for (int y = top + 2; y <= top + hex.Hh; ++y)
            edgeBlack += image.pixelColor(left + hex.S, y) == Qt::black;
        EXPECT_LT(edgeBlack, hex.Hh - 2) << zoom << ": and its edge is dotted";
    }
}

TEST_F(MapDrawingTest, PassagesOnSolidUnderworldCellsAndTheDoneCross)
{
    Cell(3, 5, kTerrainSolid, TMap::kUnderworld).Pathway[0] = true;
    const MapFrame under = Frame(5, 0, TMap::kUnderworld);
    const QImage image = Draw(under);
    EXPECT_EQ(std::tuple(At(image, under, 3, 5, 0, -10), At(image, under, 3, 5, 8, -10)),
              std::tuple(QColor(0xFF, 0xFF, 0), QColor(0, 0, 0)));

    scene.ownFaction = 3;
    Cell(2, 2, kTerrainOcean).Units.Add(NewUnit(21, 3));
    TUnit* stored = map.UnitFileList.Add(NewUnit(21, 3));
    stored->OrdersDone = true;
    EXPECT_GT(CountColour(Draw(Frame(5, doDoneOrders)), Box(5, 2, 2), kRed), 20);
    stored->OrdersDone = false;
    EXPECT_EQ(CountColour(Draw(Frame(5, doDoneOrders)), Box(5, 2, 2), kRed), 0);
}

TEST_F(MapDrawingTest, BufferFollowsChangesOfTheWorldAndTheFlashHighlights)
{
    Cell(4, 4, kTerrainOcean);
    const MapFrame frame = Frame(5, 0);
    MapBuffer buffer;
    const auto buffered = [&] { return At(Draw(frame, 1, &buffer), frame, 4, 4); };
    EXPECT_EQ(buffered(), Colour(kTerrainOcean));
    map.Cell(0, 4, 4)->Terrain = kTerrainSolid;
    map.ClearCellLists();  // as a new turn shown, or an import, starts
    EXPECT_EQ(buffered(), Colour(kTerrainSolid));
    map.SetTerrainColour(kTerrainSolid, 0x00FF00);
    EXPECT_EQ(buffered(), kGreen);
    map.RemoveCell(0, 4, 4);
    EXPECT_EQ(buffered(), Colour(0));

    // Another buffer drawn elsewhere over the same world does not make the first believe it holds that place.
    Cell(4, 4, kTerrainSolid);
    map.ClearCellLists();
    Cell(84, 64, kTerrainOcean);
    MapFrame far = frame;
    std::tie(far.left, far.top) = std::tuple(80, 60);
    MapBuffer other;
    Draw(frame, 1, &buffer);
    Draw(far, 1, &other);
    EXPECT_EQ(Draw(far, 1, &buffer), Draw(far));

    QImage image = Draw(frame);
    QPainter painter(&image);
    const auto flashed = [&](int phase) {
        DrawOneHex(painter, scene, frame, 4, 4, phase);
        return At(image, frame, 4, 4);
    };
    EXPECT_EQ(flashed(0), QColor(Qt::white));
    EXPECT_EQ(flashed(1), kGreen);
    map.SetTerrainColour(kTerrainSolid, 0xFFFFFF);
    EXPECT_EQ(flashed(0), QColor(Qt::black)) << "a white hex flashes black";
}

TEST_F(MapDrawingTest, TroopGroupsByFactionLargestFirstOrByTheDisplayList)
{
    for (int number : {3, 7, 12})
        AddFaction(factions, number, number * 1000);
    auto alliance = std::make_unique<TAlliance>();
    alliance->Colour = 4242;
    alliance->AddMember(7);
    alliance->AddMember(12);
    const std::string allies = std::to_string(alliances.Add(std::move(alliance))->Number);
    TMapCell cell;
    // Faction 99 is one the registry does not know; the last unit added decides staleness.
    for (const auto& [number, faction, men, turn] :
         {std::tuple(1, 12, 5, 9), {2, 3, 5, 9}, {3, 7, 40, 9}, {4, 99, 100, 9}, {5, 3, 1, 8}})
        cell.Units.Add(NewUnit(number, faction, men, turn));
    using Group = std::tuple<std::string, int, int, int>;
    EXPECT_EQ(Groups(cell, {}),
              (std::vector<Group>{{"00007", 40, 7000, 0}, {"00003", 6, 3000, -1}, {"00012", 5, 12000, 0}}));
    EXPECT_EQ(Groups(cell, {{" 12", "3"}, false}),
              (std::vector<Group>{{"00003", 6, 3000, -1}, {"00012", 5, 12000, 0}}));
    EXPECT_EQ(Groups(cell, {{allies}, true}), (std::vector<Group>{{"0000" + allies, 45, 4242, 0}}));
    // An empty alliance list marks nobody (no fall back to factions), nor does an alliance now gone.
    EXPECT_TRUE(Groups(cell, {{}, true}).empty() && Groups(cell, {{"77"}, true}).empty());
}

TEST_F(MapDrawingTest, OverviewShowsKnownTerrainOnTwoPixelsAndTheViewFrameSharpOnEveryScreen)
{
    Cell(11, 5, kTerrainOcean);
    Cell(12, 6, kTerrainSolid, TMap::kUnderworld);
    QImage overview = NewOverviewImage();
    RefreshGlobalMap(overview, map, 0, 0, 0, 320, 192);
    const QColor unknown = Colour(-1), ocean = Colour(kTerrainOcean);
    const auto pixels = [](const QImage& image, std::initializer_list<QPoint> at) {
        std::vector<QColor> colours;
        for (const QPoint& point : at)
            colours.push_back(image.pixelColor(point));
        return colours;
    };
    EXPECT_EQ(pixels(overview, {{11, 4}, {11, 5}, {11, 6}, {12, 6}, {320, 192}}),
              (std::vector<QColor>{ocean, ocean, unknown, unknown, unknown}))
        << "the underworld hex is not shown";

    MapViewport view;
    std::tie(view.ViewLeft, view.ViewTop, view.ViewCols, view.ViewRows) = std::tuple(100, 50, 30, 20);
    EXPECT_EQ(pixels(OverviewForScreen(overview, view, 1), {{100, 60}, {115, 60}}),
              (std::vector<QColor>{kRed, unknown}))
        << "an ordinary screen";
    // At 200 %: the logical size, each terrain pixel a block of four, the frame's inner edge on an odd pixel.
    const QImage shown = OverviewForScreen(overview, view, 2);
    EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(321, 193));
    EXPECT_EQ(pixels(shown, {{22, 8}, {23, 8}, {22, 11}, {23, 11}, {202, 120}, {203, 120}}),
              (std::vector<QColor>{ocean, ocean, ocean, ocean, kRed, unknown}));

    map.Cell(0, 11, 5)->Terrain = 0;  // one hex redrawn after it became unknown loses both pixels
    RefreshGlobalMap(overview, map, 0, 11, 5, 11, 5);
    EXPECT_EQ(pixels(overview, {{11, 4}, {11, 5}}), (std::vector<QColor>{unknown, unknown}));
}

}  // namespace
}  // namespace korvane::testing
