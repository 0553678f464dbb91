// Map bitmaps: the streaming BMP writer, a request's checks, bands matching the whole picture, cancelling.
#include "mapview/map_builders.h"

#include "mapview/render/bmp_stream_writer.h"
#include "mapview/render/draw_options.h"
#include "mapview/render/map_bitmap.h"
#include "support/recording_progress.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <QImage>

#include <climits>
#include <filesystem>

namespace korvane::testing {
namespace {

// A different colour for every pixel, every channel in use, and alpha that must be ignored.
std::uint32_t PictureColour(int x, int y)
{
    const auto byte = [](int value) { return static_cast<std::uint32_t>(value) & 0xFF; };
    return byte((x + y) * 40) << 24 | byte(x * 37 + y * 11) << 16 | byte(y * 53 + 7) << 8 | byte(x * 91 + y * 29 + 200);
}

TEST(BmpStreamWriter, OddAndEvenWidthsReadBackPixelForPixel)
{
    for (const int width : {1, 2, 3, 4099}) {
        SCOPED_TRACE(width);
        const int height = 3;
        TempDir dir;
        const std::string file = dir.File("out/map.bmp");
        BmpStreamWriter writer(file, width, height);
        ASSERT_TRUE(writer.Open());
        std::vector<std::uint32_t> row(width);
        for (int y = height - 1; y >= 0; --y) {  // bottom row first
            for (int x = 0; x < width; ++x)
                row[x] = PictureColour(x, y);
            ASSERT_TRUE(writer.WriteRow(row.data()));
        }
        std::string error;
        ASSERT_TRUE(writer.Commit(&error)) << error;
        const std::uint64_t size = 54 + (3 * static_cast<std::uint64_t>(width) + 3) / 4 * 4 * height;
        EXPECT_EQ(std::tuple(std::filesystem::file_size(file), BmpStreamWriter::FileSize(width, height)),
                  std::tuple(size, size));
        const QImage image(QString::fromStdString(file), "BMP");
        ASSERT_EQ(std::tuple(image.width(), image.height(), image.dotsPerMeterX()), std::tuple(width, height, 3780));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                EXPECT_EQ(image.pixel(x, y) & 0xFFFFFFu, PictureColour(x, y) & 0xFFFFFFu) << x << "," << y;
    }
}

TEST(BmpStreamWriter, WrongRowCountKeepsOldFileAndLeavesNoTemporary)
{
    TempDir dir;
    const std::string file = dir.Write("map.bmp", "old");
    const std::uint32_t row[2] = {0xFF0000u, 0x00FF00u};
    std::string error;
    {
        BmpStreamWriter tooFew(file, 2, 3);
        ASSERT_TRUE(tooFew.Open() && tooFew.WriteRow(row) && tooFew.WriteRow(row));
        EXPECT_FALSE(tooFew.Commit(&error));
        EXPECT_NE(error.find("2 of 3"), std::string::npos) << error;
    }
    {
        BmpStreamWriter tooMany(file, 2, 1);
        ASSERT_TRUE(tooMany.Open() && tooMany.WriteRow(row));
        EXPECT_FALSE(tooMany.WriteRow(row) || tooMany.Commit());
    }
    {
        BmpStreamWriter givenUp(file, 2, 2);
        ASSERT_TRUE(givenUp.Open() && givenUp.WriteRow(row));
    }
    EXPECT_EQ(dir.Read("map.bmp"), "old");
    EXPECT_EQ(dir.FileCount(), 1);
}

TEST(BmpStreamWriter, RefusesWhatABmpCannotHold)
{
    // 65536 pixels make 196608-byte rows; 21845 of them are the most that stay under 4 GB.
    const std::tuple<int, int, bool> sizes[] = {
        {0, 1, false}, {5, 0, false}, {INT_MAX, INT_MAX, false}, {65536, 21846, false}, {65536, 21845, true}};
    for (const auto& [width, height, fits] : sizes) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        TempDir dir;
        BmpStreamWriter writer(dir.File("map.bmp"), width, height);
        std::string error;
        EXPECT_EQ(writer.Open(&error), fits);
        EXPECT_EQ(std::tuple(error.empty(), BmpStreamWriter::FileSize(width, height) != 0), std::tuple(fits, fits))
            << error;
        EXPECT_FALSE(writer.Commit()) << "no rows written";
        EXPECT_EQ(dir.FileCount(), 0);
    }
}

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
    int Height() const { return MapBitmapSize(request).height(); }

    TempDir dir;
    ScriptedInteraction ui;
    MapBitmapRequest request;
    const QDate date{2026, 12, 6};
};

TEST_F(MapBitmapTest, FieldsRefuseAScaleAboveTenAndClampTheRectangleIntoTheGrid)
{
    MapBitmapFields fields{.fileName = dir.File("map.bmp")};
    std::tie(fields.left, fields.top, fields.right, fields.bottom, fields.scale) = std::tuple("0", "0", "5", "5", "12");
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
    EXPECT_EQ(std::tuple(checked->width, checked->height, checked->options, checked->level),
              std::tuple(320, 192, doTownNames | doGateNumbers, 1))
        << "column 320 and row 192 are not counted in the size";
}

TEST_F(MapBitmapTest, FileInBandsIsThePictureDrawnWholeAndCancelBetweenThemLeavesNoFileOrTheOldOne)
{
    // One step before each band of 16 rows, then one when all are written (too late to cancel).
    const int bands = (Height() + 15) / 16;
    const std::tuple<const char*, bool, int> rows[] = {{"before the first band", false, 1},
                                                       {"halfway over an old map", true, 6},
                                                       {"before the last band over an old map", true, bands},
                                                       {"once all are written", true, bands + 1}};
    for (const auto& [name, oldFile, cancelAt] : rows) {
        SCOPED_TRACE(name);
        std::filesystem::create_directory(dir.File(name));
        const std::string file = std::string(name) + "/map.bmp";
        if (oldFile)
            dir.Write(file, "an older map");
        RecordingProgress progress(cancelAt);
        request.fileName = dir.File(file);
        const FileResult made = MakeMapBitmap(scene, request, date, 16, &progress);
        EXPECT_EQ(progress.steps.size(), static_cast<std::size_t>(cancelAt)) << "stops at once";
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File(name)), {}), oldFile ? 1 : 0)
            << "no temporary";
        if (cancelAt > bands) {
            ASSERT_TRUE(made) << made.Text();
            EXPECT_TRUE(progress.RanFromZeroToTotal());
            EXPECT_EQ(progress.steps.back().total, Height());
            const QImage written(QString::fromStdString(request.fileName));  // bands cut hexes, names and frame
            EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), RenderMapBitmap(scene, request, date));
            continue;
        }
        EXPECT_EQ(std::tuple(bool(made), made.Reason), std::tuple(false, kMapBitmapCancelled));
        EXPECT_EQ(dir.Read(file), oldFile ? "an older map" : "");
    }
}

}  // namespace
}  // namespace korvane::testing
