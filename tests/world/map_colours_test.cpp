// Terrain colours and feature icons: reading any entry, edits, and the two files.
#include "core/settings.h"
#include "world/map.h"

#include "support/param_names.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

constexpr std::int32_t kGrey = 0x808080;

TEST(MapColours, AnyEntryGivesAStyleAndAColourOutOfRangeSetsNothingAndTheFilesRoundTrip)
{
    TMap map;
    ASSERT_EQ(static_cast<int>(map.TerrainColours.size()), map.TerrainList.Count());
    for (int index : {-1, 13, 1 << 30})
        EXPECT_EQ(map.TerrainColour(index), kGrey) << index;
    for (int icon : {-1, 6})
        EXPECT_EQ(std::tuple(map.IconStyle(icon), map.IconColour(icon)), std::tuple(10, 255)) << icon;
    map.SetTerrainColour(13, 255);
    map.SetTerrainColour(-1, 255);
    map.SetIconStyle(6, 3);
    map.SetIconColour(-1, 3);
    EXPECT_EQ(map.TerrainColours, TMap::DefaultTerrainColours()) << "a terrain beyond the list never extends it";
    EXPECT_EQ(map.MapIcons, TMap::DefaultMapIcons());
    map.SetTerrainColour(12, 0x123456);
    EXPECT_EQ(std::tuple(map.TerrainColours[12], map.TerrainColour(12)), std::tuple("1193046", 0x123456));

    // No comma: all colour; the colour is read from 20 characters; the first comma counts; huge numbers wrap.
    using R = std::tuple<std::string, int, std::int32_t>;
    for (const auto& [entry, style, colour] :
         {R("9,255", 9, 255), R("16711680", 0, 16711680), R("12abc", 0, 12),
          R("7," + std::string(19, '0') + "12", 7, 1), R("3,255,7", 3, 255), R("4294967305,4294967296", 9, 0)}) {
        map.MapIcons[kIconTown] = entry;
        EXPECT_EQ(std::tuple(map.IconStyle(kIconTown), map.IconColour(kIconTown)), std::tuple(style, colour))
            << testing::Quoted(entry);
    }
    map.MapIcons[kIconShaft] = "255";
    map.SetIconStyle(kIconShaft, 4);
    EXPECT_EQ(map.MapIcons[kIconShaft], "4,255") << "a colour alone gets a style and keeps its colour";
    map.MapIcons[kIconShaft] = "255";
    map.SetIconColour(kIconShaft, 7);
    EXPECT_EQ(map.MapIcons[kIconShaft], "0,7");

    // The files: one entry per CR LF line written, any line end read.
    testing::TempDir dir;
    const TrecINI settings(dir.File("ATLANTIS.INI"));
    TMap saved, loaded;
    saved.SetTerrainColour(1, 0xABCDEF);
    saved.SetIconStyle(kIconGate, 13);
    saved.MapIcons[kIconOther] = "garbage kept as it is";
    ASSERT_TRUE(saved.SaveColourLists(dir.Path(), settings));
    EXPECT_EQ(dir.Read("MapIcons.dat"), "9,255\r\n7,255\r\n6,255\r\n13,16711680\r\n6,0\r\ngarbage kept as it is\r\n");
    EXPECT_EQ(dir.Read("Colours.dat").substr(0, 19), "8421504\r\n11259375\r\n");
    loaded.TerrainColours.clear();
    loaded.LoadColourLists(dir.Path(), settings);
    EXPECT_EQ(std::tuple(loaded.TerrainColours, loaded.MapIcons), std::tuple(saved.TerrainColours, saved.MapIcons));

    dir.Write("Colours.dat", "255\n65280\r");  // any line end
    dir.Write("MapIcons.dat", "1,2\r\n3");
    TMap shorter;
    shorter.LoadColourLists(dir.Path(), settings);
    using Texts = std::vector<std::string>;
    EXPECT_EQ(std::tuple(shorter.TerrainColours, shorter.MapIcons),
              std::tuple(Texts{"255", "65280"}, Texts{"1,2", "3"}));
}

}  // namespace
}  // namespace korvane
