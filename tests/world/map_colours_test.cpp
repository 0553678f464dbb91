// The terrain colours and feature icons: what a new map draws with, how any entry is read,
// how edits keep the other half of an icon entry, and the two files.
#include "core/settings.h"
#include "world/map.h"

#include "support/param_names.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::Quoted;
using testing::TempDir;

constexpr std::int32_t kGrey = 0x808080;

// The built-in values themselves are pinned byte for byte by the map database's test of missing colour files.
TEST(MapColours, OutOfRangeReadsDefaultsAndSetsNothing)
{
    TMap map;
    ASSERT_EQ(static_cast<int>(map.TerrainColours.size()), map.TerrainList.Count());
    for (int index : {-1, 13, 1 << 30})
        EXPECT_EQ(map.TerrainColour(index), kGrey) << index;
    for (int icon : {-1, 6}) {
        EXPECT_EQ(map.IconStyle(icon), 10) << icon;
        EXPECT_EQ(map.IconColour(icon), 255) << icon;
    }

    // A terrain added beyond the colour list keeps being grey: the list is never extended.
    map.SetTerrainColour(13, 255);
    map.SetTerrainColour(-1, 255);
    map.SetIconStyle(6, 3);
    map.SetIconColour(-1, 3);
    EXPECT_EQ(map.TerrainColours, TMap::DefaultTerrainColours());
    EXPECT_EQ(map.MapIcons, TMap::DefaultMapIcons());

    map.SetTerrainColour(12, 0x123456);
    EXPECT_EQ(map.TerrainColours[12], "1193046");
    EXPECT_EQ(map.TerrainColour(12), 0x123456);
}

TEST(MapColours, AnyIconEntryGivesAStyleAndAColour)
{
    const struct
    {
        std::string entry;
        int style;
        std::int32_t colour;
    } rows[] = {{"9,255", 9, 255},
                {"16711680", 0, 16711680},  // no comma: all colour
                {"12abc", 0, 12},
                {"7," + std::string(19, '0') + "12", 7, 1},  // the colour is read from 20 characters
                {"3,255,7", 3, 255},  // the first comma counts
                {"4294967305,4294967296", 9, 0}};  // huge numbers wrap
    for (const auto& row : rows) {
        TMap map;
        map.MapIcons[kIconTown] = row.entry;
        EXPECT_EQ(std::tuple(map.IconStyle(kIconTown), map.IconColour(kIconTown)), std::tuple(row.style, row.colour))
            << Quoted(row.entry);
    }
}

// Edits of a "style,colour" entry are driven through the icon key window; an entry of a colour
// alone must gain its style without losing that colour.
TEST(MapColours, EditingAnEntryWithoutStyleKeepsTheOtherHalf)
{
    TMap map;
    map.MapIcons[kIconShaft] = "255";
    map.SetIconStyle(kIconShaft, 4);
    EXPECT_EQ(map.MapIcons[kIconShaft], "4,255");
    map.MapIcons[kIconShaft] = "255";
    map.SetIconColour(kIconShaft, 7);
    EXPECT_EQ(map.MapIcons[kIconShaft], "0,7");
}

class MapColourFiles : public ::testing::Test
{
protected:
    MapColourFiles()
        : settings(dir.File("ATLANTIS.INI"))
    {
    }

    TempDir dir;
    const TrecINI settings;
};

TEST_F(MapColourFiles, RoundTripWritesOneEntryPerCrLfLine)
{
    TMap map;
    map.SetTerrainColour(1, 0xABCDEF);
    map.SetIconStyle(kIconGate, 13);
    map.MapIcons[kIconOther] = "garbage kept as it is";
    ASSERT_TRUE(map.SaveColourLists(dir.Path(), settings));
    EXPECT_EQ(dir.Read("MapIcons.dat"), "9,255\r\n7,255\r\n6,255\r\n13,16711680\r\n6,0\r\ngarbage kept as it is\r\n");
    EXPECT_EQ(dir.Read("Colours.dat"),
              "8421504\r\n11259375\r\n16777215\r\n65280\r\n128\r\n32896\r\n32768\r\n"
              "65535\r\n12632256\r\n128\r\n8421376\r\n0\r\n255\r\n");

    TMap loaded;
    loaded.TerrainColours.clear();
    loaded.LoadColourLists(dir.Path(), settings);
    EXPECT_EQ(loaded.TerrainColours, map.TerrainColours);
    EXPECT_EQ(loaded.MapIcons, map.MapIcons);
}

TEST_F(MapColourFiles, ReadsAnyLineEndAndShortFilesDrawGrey)
{
    for (const std::string ends : {"\n", "\r", "\r\n"}) {
        dir.Write("Colours.dat", "255" + ends + "65280" + ends);
        dir.Write("MapIcons.dat", "1,2" + ends + "3");
        TMap map;
        map.LoadColourLists(dir.Path(), settings);
        EXPECT_EQ(map.TerrainColours, (std::vector<std::string>{"255", "65280"})) << int(ends.back());
        EXPECT_EQ(map.MapIcons, (std::vector<std::string>{"1,2", "3"})) << int(ends.back());
        EXPECT_EQ(map.TerrainColour(1), 65280);
        EXPECT_EQ(map.TerrainColour(2), kGrey) << "a terrain beyond the file is grey";
        EXPECT_EQ(map.IconStyle(kIconVillage), 10);
    }
}

}  // namespace
}  // namespace korvane
