// The hex window's view of a cell: fields to texts and back, positions, and the market lines.
#include "world/hex_details.h"
#include "world/map.h"
#include "world/vocabulary.h"

#include <gtest/gtest.h>

#include <tuple>

namespace korvane {
namespace {

class HexDetailsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        grain = map.ProductList.Add("GRAI", "grain");
        horses = map.ProductList.Add("HORS", "  horses  ");
        longName = map.ProductList.Add("WING", "winged horse of the northern wastes");
        cell = map.EnsureCell(0, 12, 4);
    }

    TMap map;
    int grain = 0, horses = 0, longName = 0;
    TMapCell* cell = nullptr;
};

TEST_F(HexDetailsTest, EveryEditedFieldComesBackAsItWas)
{
    cell->Terrain = kTerrainSolid;
    cell->Region = map.RegionList.Add("Lavan");
    cell->Race = map.RaceList.Add("nomads");
    std::tie(cell->PopCenter, cell->PopCenterType) = std::tuple("Kelsey", kVillage);
    std::tie(cell->Population, cell->Silver, cell->Wages, cell->Entertainment) = std::tuple(4300, 1720, 13, 86);
    std::tie(cell->Gate, cell->FactionNo, cell->Shaft) = std::tuple(17, 42, "Shaft");
    std::tie(cell->Other, cell->Comments, cell->Unconfirmed) = std::tuple("Lair Ruin", "ask the elves", false);

    TMapCell copy;
    StoreHexDetails(HexDetailsOf(map, *cell), copy);
    EXPECT_EQ(std::tuple(copy.Terrain, copy.Region, copy.Race, copy.PopCenter, copy.PopCenterType),
              std::tuple(cell->Terrain, cell->Region, cell->Race, cell->PopCenter, cell->PopCenterType));
    EXPECT_EQ(std::tuple(copy.Population, copy.Silver, copy.Wages, copy.Entertainment, copy.Gate, copy.FactionNo),
              std::tuple(4300, 1720, 13, 86, 17, 42));
    EXPECT_EQ(std::tuple(copy.Shaft, copy.Other, copy.Comments, copy.Unconfirmed),
              std::tuple("Shaft", "Lair Ruin", "ask the elves", false));

    // What a new cell shows, saved over this one: nothing known, but the faction never below 0
    // and the natives' race, which a drop-down list cannot unchoose.
    StoreHexDetails(HexDetailsOf(map, TMapCell()), *cell);
    EXPECT_EQ(std::tuple(cell->Terrain, cell->Region, cell->PopCenter, cell->PopCenterType, cell->Population),
              std::tuple(0, 0, "", kNoPopCenter, -1));
    EXPECT_EQ(std::tuple(cell->Gate, cell->FactionNo, cell->Shaft, cell->Unconfirmed), std::tuple(0, 0, "", true));
    EXPECT_EQ(cell->Race, copy.Race);
}

TEST_F(HexDetailsTest, TextsShownForNumbersMarksAndTurns)
{
    std::tie(cell->MaxWages, cell->LastUpdate, cell->Shaft) = std::tuple(1500, 0, "   ");
    cell->WeatherWas = map.WeatherList.Add("clear");
    cell->WeatherNext = 5;  // a weather the list lost
    const HexDetails shown = HexDetailsOf(map, *cell);
    EXPECT_EQ(std::tuple(shown.Gate, shown.FactionNo, shown.NativeCount), std::tuple("", "", ""))
        << "no gate, no faction and no count read as blanks, not as 0 or -1";
    EXPECT_EQ(std::tuple(shown.MaxWages, shown.WeatherWas, shown.WeatherNext), std::tuple("(1500)", "clear", ""));
    EXPECT_EQ(shown.LastUpdate, "Never updated from turn import.");
    EXPECT_FALSE(shown.Shaft) << "a blank shaft text is no shaft";

    cell->LastUpdate = 14;
    cell->Unconfirmed = false;
    EXPECT_EQ(HexDetailsOf(map, *cell).LastUpdate, "Last import update - Turn 14");
    EXPECT_TRUE(HexDetailsOf(map, *cell).Unconfirmed) << "a hex of unknown terrain is never confirmed";
    cell->Terrain = kTerrainOcean;
    EXPECT_FALSE(HexDetailsOf(map, *cell).Unconfirmed);
}

TEST_F(HexDetailsTest, EditedTextsAreReadAsTheCellStoresThem)
{
    HexDetails edited = HexDetailsOf(map, *cell);
    edited.PopCenter = "  Port Arn  ";
    edited.PopCenterType = kNoPopCenter;
    edited.NativeCount = " 12abc";
    edited.Silver = "lots";
    edited.Gate = "";
    edited.FactionNo = "-7";
    edited.Other = "  Cave  ";
    cell->PopCenterType = kTown;
    StoreHexDetails(edited, *cell);
    EXPECT_EQ(std::tuple(cell->PopCenter, cell->PopCenterType), std::tuple("Port Arn", kTown))
        << "a named settlement keeps its kind when no button is checked";
    EXPECT_EQ(std::tuple(cell->Population, cell->Silver, cell->Gate, cell->FactionNo), std::tuple(12, 0, 0, 0));
    EXPECT_EQ(cell->Other, "Cave");

    edited.PopCenter = "   ";
    edited.PopCenterType = kCity;
    StoreHexDetails(edited, *cell);
    EXPECT_EQ(std::tuple(cell->PopCenter, cell->PopCenterType), std::tuple("", kNoPopCenter))
        << "no name, no settlement, whatever button is checked";

    // Codes the lists lack (their file lost) show nothing chosen, and stay when saved.
    std::tie(cell->Terrain, cell->Region, cell->Race) = std::tuple(40, 41, 42);
    edited = HexDetailsOf(map, *cell);
    edited.Terrain = edited.Province = edited.Race = -1;
    StoreHexDetails(edited, *cell);
    EXPECT_EQ(std::tuple(cell->Terrain, cell->Region, cell->Race), std::tuple(40, 41, 42));
}

TEST(HexPosition, CoordinatesAndPathwayKinds)
{
    struct Row
    {
        int level, x, y, kind;
        const char* coord;
    };
    for (const Row& row : {Row{0, 12, 4, 0, "12 , 4"}, Row{0, 1, 1, 0, "1 , 1"}, Row{1, 8, 6, 0, "4 , 2"},
                           Row{1, 0, 2, 0, "0 , 0"}, Row{1, 0, 0, 1, " - , - "}, Row{1, 1, 1, 2, " - , - "},
                           Row{1, 1, 3, 3, " - , - "}, Row{1, 3, 1, 3, " - , - "}}) {
        EXPECT_EQ(PathwayKind(row.level, row.x, row.y), row.kind) << row.level << ":" << row.x << "," << row.y;
        EXPECT_EQ(HexCoordText(row.level, row.x, row.y), row.coord) << row.level << ":" << row.x << "," << row.y;
    }
    EXPECT_EQ(PathwayCaption(1), " Underworld pathway North/South Exists");
    EXPECT_EQ(PathwayCaption(2), " Underworld pathway North East/South West Exists");
    EXPECT_EQ(PathwayCaption(3), " Underworld pathway South East/North West Exists");
    EXPECT_EQ(PathwayCaption(0), "");
}

TEST_F(HexDetailsTest, MarketLinesLineUpInColumns)
{
    cell->Wanted = {{grain, 12, 40}, {99, 5, 5}, {longName, 1234567, 300}};
    cell->ForSale = {{horses, -1, 65}};
    cell->Products = {{grain, 30, 0}, {-1, 3, 0}, {horses, 12, 0}};
    EXPECT_EQ(ListWanted(*cell, map.ProductList),
              (std::vector<std::string>{"12    grain                at $40", "123456winged horse of the  at $300"}))
        << "an item the list lacks is left out; long amounts and names are cut to their columns";
    EXPECT_EQ(ListForSale(*cell, map.ProductList), std::vector<std::string>{"unlim horses               at $65"});
    EXPECT_EQ(ListProducts(*cell, map.ProductList),
              (std::vector<std::string>{"30    grain               ", "12    horses              "}));
}

}  // namespace
}  // namespace korvane
