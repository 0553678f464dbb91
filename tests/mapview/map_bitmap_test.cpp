// Map bitmaps: the streaming BMP writer's refusals, bands matching the whole picture, cancelling, and the
// command line's map with its refusals.
#include "mapview/map_builders.h"

#include "mapview/render/bmp_stream_writer.h"
#include "mapview/render/draw_options.h"
#include "mapview/render/map_bitmap.h"
#include "support/cli_run.h"
#include "support/recording_progress.h"
#include "support/temp_dir.h"

#include <QImage>

#include <climits>
#include <filesystem>
#include <sstream>

namespace korvane::testing {
namespace {

TEST(BmpStreamWriter, WrongRowCountKeepsOldFileLeavesNoTemporaryAndWhatABmpCannotHoldIsRefused)
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

    // 65536 pixels make 196608-byte rows; 21845 of them are the most that stay under 4 GB.
    const std::tuple<int, int, bool> sizes[] = {
        {0, 1, false}, {5, 0, false}, {INT_MAX, INT_MAX, false}, {65536, 21846, false}, {65536, 21845, true}};
    for (const auto& [width, height, fits] : sizes) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        TempDir fresh;
        BmpStreamWriter writer(fresh.File("map.bmp"), width, height);
        std::string why;
        EXPECT_EQ(writer.Open(&why), fits);
        EXPECT_EQ(std::tuple(why.empty(), BmpStreamWriter::FileSize(width, height) != 0), std::tuple(fits, fits))
            << why;
        EXPECT_FALSE(writer.Commit()) << "no rows written";
        EXPECT_EQ(fresh.FileCount(), 0);
    }
}

using MapBitmapTest = RenderTest;

TEST_F(MapBitmapTest, FileInBandsIsThePictureDrawnWholeAndCancelBetweenThemLeavesNoFileOrTheOldOne)
{
    FillHexes(map, 30, 20, [](TMapCell& cell, int x, int y) {
        std::tie(cell.Terrain, cell.Unconfirmed) = std::tuple(1 + (x + 2 * y) % 12, (x + y) % 5 == 0);
        if ((x * y) % 7 == 3)
            std::tie(cell.PopCenter, cell.PopCenterType) = std::tuple("Port Lowell", 1 + x % 3);
        if ((x + y) % 11 == 0)
            cell.Gate = x + y;
    });
    TempDir dir;
    MapBitmapRequest request;
    const QDate date{2026, 12, 6};
    std::tie(request.title, request.left, request.top, request.width, request.height,
             request.scale) = std::tuple("Bands", 1, 2, 11, 10, 3);
    request.options = doTownIcons | doTownNames | doHexCoords | doUnconfirmed | doGates | doGateNumbers;
    // One step before each band of 16 rows, then one when all are written (too late to cancel).
    const int height = MapBitmapSize(request).height(), bands = (height + 15) / 16;
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
            EXPECT_EQ(progress.steps.back().total, height);
            const QImage written(QString::fromStdString(request.fileName));  // bands cut hexes, names and frame
            EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), RenderMapBitmap(scene, request, date));
            EXPECT_EQ(std::tuple(written.width() % 4, written.dotsPerMeterX()), std::tuple(1, 3780)) << "rows padded";
            continue;
        }
        EXPECT_EQ(std::tuple(bool(made), made.Reason), std::tuple(false, kMapBitmapCancelled));
        EXPECT_EQ(dir.Read(file), oldFile ? "an older map" : "");
    }
}

TEST(CliMap, RefusalsSayWhyAndWriteNothingAndAnExistingFileIsReplacedOnlyWithOverwrite)
{
    TempDir home, out;
    // FILE is a file in an empty folder; the map window's checks refuse as they do there.
    const std::tuple<const char*, int, const char*> refusals[] = {
        {"--rect -4,-4,0,0 --scale 0 FILE", 1,
         "error: Jeeesh, you really want the map small. Sorry, 1 is as small as I go."},
        {"--rect 0,0,5,5 --scale 12 FILE", 1, "error: Whoa ... that's a little BIG. 10 is as large as I go."},
        {"--scale 3 FILE", 2, "usage: map --rect"},
        {"--rect 0,0,5 --scale 3 FILE", 2, "--rect is four whole numbers"},
        {"--rect a,0,5,5 --scale 3 FILE", 2, "--rect is four whole numbers"},
        {"--rect 0,0,5,5 --scale big FILE", 2, "--scale is a whole number"},
        {"--rect 0,0,5,5 --scale 3 --colour FILE", 2, "map does not know --colour"}};
    for (const auto& [arguments, status, message] : refusals) {
        SCOPED_TRACE(arguments);
        std::vector<std::string> args{"--home", home.Path(), "map"};
        std::istringstream words(arguments);
        for (std::string word; words >> word;)
            args.push_back(word == "FILE" ? out.File("map.bmp") : word);
        const CliResult run = RunCliCapture(args);
        EXPECT_EQ(run.status, status);
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_TRUE(std::filesystem::is_empty(out.Path()));
    }

    const std::string file = out.Write("map.bmp", "old picture");
    const CliResult kept = RunCliCapture({"--home", home.Path(), "map", "--rect", "7,9,7,9", "--scale", "2", file});
    EXPECT_EQ(kept.status, 1);
    EXPECT_NE(kept.err.find("File exist. Do you wish to overwrite it ? -> no"), std::string::npos) << kept.err;
    EXPECT_NE(kept.err.find("give --overwrite"), std::string::npos);
    EXPECT_EQ(out.Read("map.bmp"), "old picture");
    const CliResult run = RunCliCapture(
        {"--home", home.Path(), "map", "--overwrite", "--under", "--names", "--rect", "7,9,7,9", "--scale", "1", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(QImage(QString::fromStdString(file), "BMP").size(), QSize(81, 85)) << "one hex and the margins";
    EXPECT_EQ(run.out, "Wrote " + file + " (81 x 85 pixels)\n");
    EXPECT_EQ(out.FileCount(), 1) << "no temporary left";
    EXPECT_TRUE(std::filesystem::is_empty(home.Path())) << "drawing reads the program folder and writes nothing there";
}

}  // namespace
}  // namespace korvane::testing
