// Map bitmaps: the checks of a request, the bitmap's size, and a file drawn in bands that
// matches the picture drawn whole.
#include "mapview/render/draw_options.h"
#include "mapview/render/map_bitmap.h"
#include "mapview/render/map_scene.h"
#include "people/alliance_list.h"
#include "people/faction_list.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "world/map.h"

#include <QImage>
#include <gtest/gtest.h>

#include <tuple>

namespace korvane {
namespace {

using Kind = testing::ScriptedInteraction::Kind;

class MapBitmapTest : public ::testing::Test
{
protected:
    MapBitmapFields Fields(std::string left, std::string top, std::string right, std::string bottom, std::string scale)
    {
        MapBitmapFields fields;
        fields.fileName = dir.File("map.bmp");
        std::tie(fields.left, fields.top, fields.right, fields.bottom, fields.scale) = std::tie(left, top, right,
                                                                                                bottom, scale);
        return fields;
    }

    testing::TempDir dir;
    TMap map;
    TFactionList factions;
    TAllianceList alliances;
    MapScene scene{map, factions, alliances};
};

TEST_F(MapBitmapTest, ScaleAboveTenIsRefused)
{
    testing::ScriptedInteraction ui;
    MapBitmapFields fields = Fields("0", "0", "5", "5", "12");
    MapBitmapField focus = MapBitmapField::None;
    EXPECT_FALSE(CheckMapBitmapFields(fields, ui, focus).has_value());
    EXPECT_EQ(focus, MapBitmapField::Scale);
    EXPECT_EQ(ui.Texts(Kind::Error), std::vector<std::string>{"Whoa ... that's a little BIG. 10 is as large as I go."});
}

TEST_F(MapBitmapTest, RectangleIsClampedIntoTheGridAndWrittenBack)
{
    testing::ScriptedInteraction ui;
    MapBitmapFields fields = Fields("-5", "-2", "400", "300", "2");
    std::tie(fields.townNames, fields.gateNumbers, fields.underworld) = std::tuple(true, true, true);
    MapBitmapField focus;
    const auto request = CheckMapBitmapFields(fields, ui, focus);
    ASSERT_TRUE(request.has_value());
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(std::tie(fields.left, fields.top, fields.right, fields.bottom), std::make_tuple("0", "0", "320", "192"));
    // Column 320 and row 192 are not counted in the size.
    EXPECT_EQ(std::tuple(request->width, request->height, request->options, request->level),
              std::tuple(320, 192, doTownNames | doGateNumbers, 1));
}

TEST_F(MapBitmapTest, FileDrawnInBandsMatchesThePictureDrawnWhole)
{
    for (int x = 0; x <= 30; ++x) {
        for (int y = x % 2; y <= 20; y += 2) {
            TMapCell& cell = *map.EnsureCell(0, x, y);
            cell.Terrain = 1 + (x + 2 * y) % 12;
            cell.Unconfirmed = (x + y) % 5 == 0;
            if ((x * y) % 7 == 3) {
                cell.PopCenter = "Port Lowell";
                cell.PopCenterType = 1 + x % 3;
            }
            if ((x + y) % 11 == 0)
                cell.Gate = x + y;
        }
    }
    MapBitmapRequest request;
    request.fileName = dir.File("bands.bmp");
    request.title = "Bands";
    std::tie(request.left, request.top, request.width, request.height, request.scale) = std::tuple(1, 2, 12, 10, 4);
    request.options = doTownIcons | doTownNames | doHexCoords | doUnconfirmed | doGates | doGateNumbers;
    const QDate date(2026, 12, 6);
    dir.Write("bands.bmp", "an older map");

    std::string error;
    // Seven rows at a time cuts through hexes, names and the frame everywhere.
    ASSERT_TRUE(MakeMapBitmap(scene, request, &error, date, 7)) << error;
    const QImage written(QString::fromStdString(request.fileName));
    ASSERT_FALSE(written.isNull());
    const QImage whole = RenderMapBitmap(scene, request, date);
    EXPECT_EQ(written.size(), MapBitmapSize(request));
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), whole);
}

}  // namespace
}  // namespace korvane
