// The hex window's view of a cell: fields to texts and back, positions, and the market lines.
#include "world/hex_details.h"
#include "world/map.h"
#include "world/vocabulary.h"

#include "support/record_builders.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

class HexDetailsTest : public ::testing::Test
{
protected:
    TMap map;
    TMapCell* cell = map.EnsureCell(0, 12, 4);
};

TEST_F(HexDetailsTest, TextsShownForNumbersMarksAndTurnsAndEditedTextsAreReadAsTheCellStoresThem)
{
    cell->Shaft = "   ";
    cell->WeatherNext = 5;  // a weather the list lost
    const HexDetails shown = HexDetailsOf(map, *cell);
    EXPECT_EQ(std::tuple(shown.Gate, shown.FactionNo, shown.NativeCount, shown.WeatherNext), std::tuple("", "", "", ""))
        << "no gate, no faction, no count and a lost weather read as blanks, not as 0 or -1";
    EXPECT_EQ(shown.LastUpdate, "Never updated from turn import.");
    EXPECT_FALSE(shown.Shaft) << "a blank shaft text is no shaft";

    cell->Unconfirmed = false;
    EXPECT_TRUE(HexDetailsOf(map, *cell).Unconfirmed) << "a hex of unknown terrain is never confirmed";
    cell->Terrain = kTerrainOcean;
    EXPECT_FALSE(HexDetailsOf(map, *cell).Unconfirmed);

    // A new cell saved over a known one clears all but the faction (never below 0) and the drop-down's race.
    TMapCell& known = testing::KnownCell(map, 0, 12, 4);
    known.Terrain = kTerrainSolid;
    const int race = known.Race;
    StoreHexDetails(HexDetailsOf(map, TMapCell()), known);
    EXPECT_EQ(std::tuple(known.Terrain, known.Region, known.PopCenter, known.PopCenterType, known.Population),
              std::tuple(0, 0, "", kNoPopCenter, -1));
    EXPECT_EQ(std::tuple(known.Gate, known.FactionNo, known.Shaft, known.Unconfirmed, known.Race),
              std::tuple(0, 0, "", true, race));

    HexDetails edited = HexDetailsOf(map, *cell);
    edited.PopCenter = "  Port Arn  ";
    edited.PopCenterType = kNoPopCenter;
    std::tie(edited.NativeCount, edited.Silver, edited.Gate, edited.FactionNo) = std::tuple(" 12abc", "lots", "", "-7");
    edited.Other = "  Cave  ";
    cell->PopCenterType = kTown;
    StoreHexDetails(edited, *cell);
    EXPECT_EQ(std::tuple(cell->PopCenter, cell->PopCenterType), std::tuple("Port Arn", kTown))
        << "a named settlement keeps its kind when no button is checked";
    EXPECT_EQ(std::tuple(cell->Population, cell->Silver, cell->Gate, cell->FactionNo, cell->Other),
              std::tuple(12, 0, 0, 0, "Cave"));

    std::tie(cell->Terrain, cell->Region, cell->Race) = std::tuple(40, 41, 42);
    edited = HexDetailsOf(map, *cell);
    edited.Terrain = edited.Province = edited.Race = -1;
    StoreHexDetails(edited, *cell);
    EXPECT_EQ(std::tuple(cell->Terrain, cell->Region, cell->Race), std::tuple(40, 41, 42))
        << "codes the lists lack show nothing chosen, and stay when saved";
}

TEST(HexPosition, CoordinatesAndPathwayCaptions)
{
    using R = std::tuple<int, int, int, const char*>;
    for (const auto& [level, x, y, coord] :
         {R(0, 12, 4, "12 , 4"), R(0, 1, 1, "1 , 1"), R(1, 8, 6, "4 , 2"), R(1, 0, 2, "0 , 0"), R(1, 0, 0, " - , - "),
          R(1, 1, 1, " - , - "), R(1, 3, 1, " - , - ")}) {
        EXPECT_EQ(HexCoordText(level, x, y), coord) << level << ":" << x << "," << y;
        EXPECT_EQ(PathwayKind(level, x, y) != 0, coord[1] == '-') << level << ":" << x << "," << y;
    }
    EXPECT_EQ(PathwayCaption(2), " Underworld pathway North East/South West Exists");
    for (int kind : {0, 1, 3, 4})
        EXPECT_EQ(PathwayCaption(kind).empty(), kind % 4 == 0) << kind;
}

TEST_F(HexDetailsTest, MarketLinesLeaveOutUnknownItemsAndCutLongOnesToTheirColumns)
{
    const int horses = map.ProductList.Add("HORS", "  horses  ");
    const int longName = map.ProductList.Add("WING", "winged horse of the northern wastes");
    cell->Wanted = {{99, 5, 5}, {longName, 1234567, 300}};
    cell->Products = {{-1, 3, 0}, {horses, 12, 0}};
    EXPECT_EQ(ListWanted(*cell, map.ProductList), std::vector<std::string>{"123456winged horse of the  at $300"});
    EXPECT_EQ(ListProducts(*cell, map.ProductList), std::vector<std::string>{"12    horses              "})
        << "the name trimmed";
}

}  // namespace
}  // namespace korvane
