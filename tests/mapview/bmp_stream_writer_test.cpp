// Streaming BMP writer: files that image readers take pixel for pixel, and nothing half-written.
#include "mapview/render/bmp_stream_writer.h"

#include "support/temp_dir.h"

#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <vector>

namespace korvane::testing {
namespace {

// A different colour for every pixel, every channel in use, and alpha that must be ignored.
std::uint32_t PictureColour(int x, int y)
{
    const auto byte = [](int value) { return static_cast<std::uint32_t>(value) & 0xFF; };
    return byte((x + y) * 40) << 24 | byte(x * 37 + y * 11) << 16 | byte(y * 53 + 7) << 8 | byte(x * 91 + y * 29 + 200);
}

class BmpStreamWriterWidths : public ::testing::TestWithParam<int>
{
};

TEST_P(BmpStreamWriterWidths, ReadsBackPixelForPixel)
{
    const int width = GetParam(), height = 3;
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
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(file), "BMP"));
    ASSERT_EQ(std::tuple(image.width(), image.height(), image.dotsPerMeterX()), std::tuple(width, height, 3780));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            EXPECT_EQ(image.pixel(x, y) & 0xFFFFFFu, PictureColour(x, y) & 0xFFFFFFu) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(OddAndEvenWidths, BmpStreamWriterWidths, ::testing::Values(1, 2, 3, 4099),
                         [](const auto& info) { return "Width" + std::to_string(info.param); });

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
        {0, 1, false}, {-1, 5, false}, {INT_MAX, INT_MAX, false}, {65536, 21846, false}, {65536, 21845, true}};
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

}  // namespace
}  // namespace korvane::testing
