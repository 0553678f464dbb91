// Map bitmaps: a request's checks, bands matching the whole picture, progress and cancelling.
#include "mapview/map_builders.h"

#include "mapview/render/draw_options.h"
#include "mapview/render/map_bitmap.h"
#include "support/recording_progress.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <QImage>

#include <filesystem>

namespace korvane::testing {
namespace {

class MapBitmapTest : public RenderTest
{
protected:
    MapBitmapTest()
    {
        FillHexes(map, 30, 20, [](TMapCell& cell, int x, int y) {
            std::tie(cell.Terrain, cell.Unconfirmed) = std::tuple(1 + (x + 2 * y) % 12, (x + y) % 5 == 0);
            if ((x * y) % 7 == 3)
                std::tie(cell.PopCenter, cell.PopCenterType) = std::tuple("Port Lowell", 1 + x % 3);
            if ((x + y) % 11 == 0)
                cell.Gate = x + y;
        });
        std::tie(request.title, request.left, request.top, request.width, request.height,
                 request.scale) = std::tuple("Bands", 1, 2, 12, 10, 4);
        request.options = doTownIcons | doTownNames | doHexCoords | doUnconfirmed | doGates | doGateNumbers;
    }
    // Made into `name` in bands of `bandRows`, reporting to `progress`.
    FileResult Make(const std::string& name, int bandRows, Progress* progress = nullptr)
    {
        request.fileName = dir.File(name);
        return MakeMapBitmap(scene, request, date, bandRows, progress);
    }
    int Height() const { return MapBitmapSize(request).height(); }

    TempDir dir;
    ScriptedInteraction ui;
    MapBitmapRequest request;
    const QDate date{2026, 12, 6};
};

TEST_F(MapBitmapTest, FieldsRefuseAScaleAboveTenAndClampTheRectangleIntoTheGrid)
{
    MapBitmapFields fields{.fileName = dir.File("map.bmp"),
                           .title = "",
                           .left = "0",
                           .top = "0",
                           .right = "5",
                           .bottom = "5",
                           .scale = "12"};
    MapBitmapField focus = MapBitmapField::None;
    EXPECT_FALSE(CheckMapBitmapFields(fields, ui, focus).has_value());
    EXPECT_EQ(focus, MapBitmapField::Scale);
    EXPECT_EQ(ui.Texts(ScriptedInteraction::Kind::Error),
              std::vector<std::string>{"Whoa ... that's a little BIG. 10 is as large as I go."});

    std::tie(fields.left, fields.top, fields.right, fields.bottom, fields.scale) = std::tuple("-5", "-2", "400", "300",
                                                                                              "2");
    fields.townNames = fields.gateNumbers = fields.underworld = true;
    const auto checked = CheckMapBitmapFields(fields, ui, focus);
    ASSERT_TRUE(checked.has_value());
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(std::tie(fields.left, fields.top, fields.right, fields.bottom), std::make_tuple("0", "0", "320", "192"));
    EXPECT_EQ(std::tuple(checked->width, checked->height, checked->options, checked->level),
              std::tuple(320, 192, doTownNames | doGateNumbers, 1))
        << "column 320 and row 192 are not counted in the size";
}

TEST_F(MapBitmapTest, FileDrawnInBandsMatchesThePictureDrawnWhole)
{
    dir.Write("bands.bmp", "an older map");
    const FileResult made = Make("bands.bmp", 7);
    ASSERT_TRUE(made) << made.Text();  // cuts through hexes, names and the frame
    const QImage written(QString::fromStdString(request.fileName));
    EXPECT_EQ(written.size(), MapBitmapSize(request));
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), RenderMapBitmap(scene, request, date));
}

TEST_F(MapBitmapTest, ProgressCountsTheRowsBandByBandUpToTheWholeBitmap)
{
    // One step before each band of 16 rows, then one when all are written (too late to cancel).
    const int steps = (Height() + 15) / 16 + 1;
    RecordingProgress progress(steps);
    const FileResult made = Make("map.bmp", 16, &progress);
    ASSERT_TRUE(made) << made.Text();
    EXPECT_TRUE(progress.RanFromZeroToTotal());
    EXPECT_EQ(std::tuple(progress.steps.back().total, progress.steps.size()), std::tuple(Height(), steps));
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("map.bmp"))).height(), Height());
}

TEST_F(MapBitmapTest, CancelBetweenBandsLeavesNoFileOrTheOldOne)
{
    const int bands = (Height() + 15) / 16;
    const std::tuple<const char*, bool, int> rows[] = {{"before the first band", false, 1},
                                                       {"halfway over an old map", true, 6},
                                                       {"before the last band over an old map", true, bands}};
    for (const auto& [name, oldFile, cancelAt] : rows) {
        SCOPED_TRACE(name);
        std::filesystem::create_directory(dir.File(name));
        const std::string file = std::string(name) + "/map.bmp";
        if (oldFile)
            dir.Write(file, "an older map");
        RecordingProgress progress(cancelAt);
        const FileResult made = Make(file, 16, &progress);
        EXPECT_FALSE(made);
        EXPECT_EQ(made.Reason, kMapBitmapCancelled);
        EXPECT_EQ(progress.steps.size(), static_cast<std::size_t>(cancelAt)) << "stops at once";
        const auto left = std::distance(std::filesystem::directory_iterator(dir.File(name)), {});
        EXPECT_EQ(left, oldFile ? 1 : 0) << "no temporary";
        EXPECT_EQ(dir.Read(file), oldFile ? "an older map" : "");
    }
}

}  // namespace
}  // namespace korvane::testing
