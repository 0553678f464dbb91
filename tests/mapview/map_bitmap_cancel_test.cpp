// Map bitmaps made with progress: the rows counted band by band, and a cancelled bitmap that
// leaves no file, or the old one, behind.
#include "mapview/render/map_bitmap.h"
#include "mapview/render/map_scene.h"
#include "people/alliance_list.h"
#include "people/faction_list.h"
#include "support/recording_progress.h"
#include "support/temp_dir.h"
#include "world/map.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace korvane {
namespace {

using testing::RecordingProgress;

// Few rows a band, so that even a small bitmap takes many steps.
constexpr int kBandRows = 16;

class MapBitmapCancelTest : public ::testing::Test
{
protected:
    MapBitmapCancelTest()
    {
        for (int x = 0; x <= 12; ++x) {
            for (int y = x % 2; y <= 10; y += 2)
                map.EnsureCell(0, x, y)->Terrain = 1 + (x + y) % 10;
        }
        request.title = "Cancelled";
        std::tie(request.left, request.top, request.width, request.height, request.scale) = std::tuple(0, 0, 12, 10, 3);
    }

    bool Make(const std::string& fileName, Progress& progress, std::string& error)
    {
        request.fileName = fileName;
        return MakeMapBitmap(scene, request, &error, date, kBandRows, &progress);
    }

    int Bands() const { return (MapBitmapSize(request).height() + kBandRows - 1) / kBandRows; }

    /// The names of the files in a folder, temporaries included.
    static std::vector<std::string> FilesIn(const std::string& folder)
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        return names;
    }

    testing::TempDir dir;
    TMap map;
    TFactionList factions;
    TAllianceList alliances;
    MapScene scene{map, factions, alliances};
    MapBitmapRequest request;
    const QDate date{2026, 12, 7};
};

TEST_F(MapBitmapCancelTest, ProgressCountsTheRowsBandByBandUpToTheWholeBitmap)
{
    const int height = MapBitmapSize(request).height();
    // One step before each band, then one when all are written: cancelling that one is too late.
    const int steps = Bands() + 1;
    RecordingProgress progress(steps);
    std::string error;
    ASSERT_TRUE(Make(dir.File("map.bmp"), progress, error)) << error;
    EXPECT_TRUE(progress.RanFromZeroToTotal());
    EXPECT_EQ(progress.steps.back().total, height);
    EXPECT_EQ(progress.steps.size(), static_cast<std::size_t>(steps));
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("map.bmp"))).height(), height);
}

TEST_F(MapBitmapCancelTest, CancelBetweenBandsLeavesNoFileOrTheOldOne)
{
    struct Row
    {
        const char* name;
        bool oldFile;
        int cancelAt;
    };
    const Row rows[] = {
        {"before the first band", false, 1},
        {"halfway over an old map", true, 6},
        {"before the last band over an old map", true, 0},  // 0: the step before the last band
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string folder = dir.File(row.name);
        std::filesystem::create_directory(folder);
        const std::string name = std::string(row.name) + "/map.bmp";
        if (row.oldFile)
            dir.Write(name, "an older map");
        const int cancelAt = row.cancelAt > 0 ? row.cancelAt : Bands();
        RecordingProgress progress(cancelAt);
        std::string error;
        EXPECT_FALSE(Make(dir.File(name), progress, error));
        EXPECT_EQ(error, kMapBitmapCancelled);
        EXPECT_EQ(progress.steps.size(), static_cast<std::size_t>(cancelAt)) << "stops at once";
        if (row.oldFile) {
            EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"map.bmp"});
            EXPECT_EQ(dir.Read(name), "an older map");
        } else {
            EXPECT_EQ(FilesIn(folder), std::vector<std::string>{});
        }
    }
}

}  // namespace
}  // namespace korvane
