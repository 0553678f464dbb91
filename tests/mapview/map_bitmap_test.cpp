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

#include <filesystem>

namespace korvane {
namespace {

using Kind = testing::ScriptedInteraction::Kind;

class MapBitmapTest : public ::testing::Test
{
protected:
    MapBitmapFields Fields(std::string left, std::string top, std::string right, std::string bottom,
                           std::string scale)
    {
        MapBitmapFields fields;
        fields.fileName = dir.File("map.bmp");
        std::tie(fields.left, fields.top, fields.right, fields.bottom, fields.scale) =
            std::tie(left, top, right, bottom, scale);
        return fields;
    }

    // The one message a refused request showed.
    std::string Refusal(MapBitmapFields fields, MapBitmapField expectedFocus)
    {
        testing::ScriptedInteraction ui;
        MapBitmapField focus = MapBitmapField::None;
        EXPECT_FALSE(CheckMapBitmapFields(fields, ui, focus).has_value());
        EXPECT_EQ(focus, expectedFocus);
        return ui.shown.size() == 1 ? ui.shown[0].text : std::string("(") + std::to_string(ui.shown.size()) + " messages)";
    }

    testing::TempDir dir;
    TMap map;
    TFactionList factions;
    TAllianceList alliances;
    MapScene scene{map, factions, alliances};
};

TEST_F(MapBitmapTest, RefusalsSayWhatIsWrong)
{
    MapBitmapFields noName = Fields("0", "0", "5", "5", "3");
    noName.fileName = "   ";
    EXPECT_EQ(Refusal(noName, MapBitmapField::FileName), "Bad file name ... bad, BAD file name.");
    EXPECT_EQ(Refusal(Fields("9", "0", "5", "5", "3"), MapBitmapField::Left),
              "Errr, I think you want to make Left <= Right.");
    EXPECT_EQ(Refusal(Fields("0", "9", "5", "5", "3"), MapBitmapField::Top),
              "Sadly, my coordinate system requires Top <= Bottom. Try again.");
    EXPECT_EQ(Refusal(Fields("0", "0", "5", "5", ""), MapBitmapField::Scale),
              "Jeeesh, you really want the map small. Sorry, 1 is as small as I go.");
    EXPECT_EQ(Refusal(Fields("0", "0", "5", "5", "12"), MapBitmapField::Scale),
              "Whoa ... that's a little BIG. 10 is as large as I go.");

    // An existing file is only replaced when the player agrees.
    dir.Write("map.bmp", "old");
    EXPECT_EQ(Refusal(Fields("0", "0", "5", "5", "3"), MapBitmapField::None),
              "File exist. Do you wish to overwrite it ?");
    testing::ScriptedInteraction yes;
    yes.yesNoAnswers.push_back(true);
    MapBitmapFields fields = Fields("0", "0", "5", "5", "3");
    MapBitmapField focus;
    EXPECT_TRUE(CheckMapBitmapFields(fields, yes, focus).has_value());
}

TEST_F(MapBitmapTest, RectangleIsClampedIntoTheGridAndWrittenBack)
{
    testing::ScriptedInteraction ui;
    MapBitmapFields fields = Fields("-5", "-2", "400", "300", "2");
    fields.townNames = true;
    fields.gateNumbers = true;
    fields.underworld = true;
    MapBitmapField focus;
    const auto request = CheckMapBitmapFields(fields, ui, focus);
    ASSERT_TRUE(request.has_value());
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(std::tie(fields.left, fields.top, fields.right, fields.bottom),
              std::make_tuple("0", "0", "320", "192"));
    // Column 320 and row 192 are not counted in the size.
    EXPECT_EQ(request->width, 320);
    EXPECT_EQ(request->height, 192);
    EXPECT_EQ(request->options, doTownNames | doGateNumbers);
    EXPECT_EQ(request->level, 1);
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
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_EQ(entry.path().filename(), "bands.bmp");
}

TEST_F(MapBitmapTest, UnwritableFolderFailsAndSaysWhy)
{
    MapBitmapRequest request;
    dir.Write("file", "x");
    request.fileName = dir.File("file/map.bmp");
    std::string error;
    EXPECT_FALSE(MakeMapBitmap(scene, request, &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace korvane
