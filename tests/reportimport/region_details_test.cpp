// Detail lines of a region block: weather, markets and structures.
#include "reportimport/region_details.h"
#include "world/map.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

class RegionDetailsTest : public ::testing::Test
{
protected:
    TMapCell& Cell(int level, int x, int y) { return *map.EnsureCell(level, x, y); }
    std::string Product(const TProduct& p) const
    {
        return map.ProductList[p.Item].Code + ":" + std::to_string(p.Amount) + "@" + std::to_string(p.Price);
    }

    TMap map;
    const ReportAge current{7, 7};
};

TEST_F(RegionDetailsTest, WeatherInEitherWordingAndMarketLines)
{
    TMapCell& cell = Cell(0, 2, 2);
    ParseWeather(map, cell, "  The weather was clear last month; it will be monsoon season next month.", current);
    EXPECT_EQ(map.WeatherList[cell.WeatherNext], "monsoon");
    ParseWeather(map, cell, "  It was Winter last month; it will be winter next month.", current);
    EXPECT_EQ(std::tuple(map.WeatherList[cell.WeatherWas], map.WeatherList[cell.WeatherNext], map.WeatherList.Count()),
              std::tuple("winter", "winter", 3));

    ParseMarket(map, cell,
                "  For Sale: unlimited iron [IRON] at $75, sword [swor] at $150, 44 high  elves [HELF] at $52.",
                kCodeForSale, current);
    ASSERT_EQ(cell.ForSale.size(), 3u);  // no amount means one; codes are upper-cased
    EXPECT_EQ(std::tuple(Product(cell.ForSale[0]), Product(cell.ForSale[1]), Product(cell.ForSale[2]),
                         map.ProductList[cell.ForSale[2].Item].Product.Name,
                         map.ProductList[cell.ForSale[1].Item].Product.Name),
              std::tuple("IRON:-1@75", "SWOR:1@150", "HELF:44@52", "high elves", "sword"));
    ParseMarket(map, cell, "  Products: 20 livestock [LIVE], 10 furs [FUR] at $3.", kCodeProducts, current);
    EXPECT_EQ(Product(cell.Products[1]), "FUR:10@0") << "products have no price";
    ParseMarket(map, cell, "  Wanted: none.", kCodeWanted, current);
    EXPECT_TRUE(cell.Wanted.empty());
    ParseMarket(map, cell, "  Wanted: 10 grain [GRAI] at $20, 5 fish [FISH] at $40.", kCodeWanted, current);
    ParseMarket(map, cell, "  Wanted: 12 grain [GRAI] at $22.", kCodeWanted, current);
    ASSERT_EQ(cell.Wanted.size(), 2u) << "an item a report leaves out stays listed";
    EXPECT_EQ(std::tuple(Product(cell.Wanted[0]), Product(cell.Wanted[1])), std::tuple("GRAI:12@22", "FISH:5@40"));
}

TEST_F(RegionDetailsTest, StructuresShaftsAndLairs)
{
    TMapCell& cell = Cell(0, 2, 2);
    using R = std::pair<const char*, int>;
    for (const auto& [line, number] :
         {R("+ Red Keep, of Lavan [3] : Tower.", 3), R("+ Barge [7] : Longboat; sails the rivers, slowly.", 7),
          R("+ Hut [8]", 8), R("+ Odd, line [9] : Fort, needs 4; done, almost.", 9), R("+ No number here", -1)})
        EXPECT_EQ(ParseStructure(map, cell, line), number) << line;
    const auto at = [&cell](int number) { return cell.Structures.Find(TMapCell::StructureKey(number)); };
    EXPECT_EQ(std::tuple(at(3)->Name, map.StructureTypes[at(3)->Type], at(3)->Description),
              std::tuple("Red Keep, of Lavan", "TOWER", ""));
    EXPECT_EQ(std::tuple(map.StructureTypes[at(7)->Type], at(7)->Description),
              std::tuple("LONGBOAT", "sails the rivers; slowly."));
    EXPECT_EQ(at(8)->Type, 0);
    EXPECT_EQ(map.StructureTypes[at(9)->Type], "UNKNOWN") << "the type runs to the semicolon, even past a comma";
    ParseStructure(map, cell, "+ Red Keep [3] : Castle.");
    EXPECT_EQ(std::tuple(cell.Structures.Count(), at(3)->Name), std::tuple(4, "Red Keep"))
        << "a number seen again replaces the structure";

    // Shafts and lairs, by name or type; a site already noted is not added again.
    using S = std::pair<const char*, const char*>;  // a line and the hex's sites after it
    for (const auto& [line, other] :
         {S("+ Dummy [1] : Shaft, contains an inner location.", ""),
          S("+ Cave [2] : Lair, closed to player units.", "Cave Lair"), S("+ cave [3] : Cave.", "Cave Lair"),
          S("+ Dummy [4] : Demon Pit, closed to player units.", "Cave Lair Demon Pit")}) {
        ParseStructure(map, cell, line);
        EXPECT_EQ(std::tuple(cell.Shaft, cell.Other), std::tuple("Shaft", other)) << line;
    }
    ParseStructure(map, cell, "+ Shaft [5]");
    EXPECT_EQ(map.StructureTypes[cell.Structures.Find(TMapCell::StructureKey(1))->Type], "SHAFT");
}

}  // namespace
}  // namespace korvane
