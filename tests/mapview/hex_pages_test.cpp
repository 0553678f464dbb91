// The texts of the main window's hex pages, coordinate panel and turn panel.
#include "core/key_string_list.h"
#include "mapview/windows/hex_pages.h"
#include "people/faction_list.h"
#include "world/map.h"
#include "world/vocabulary.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace korvane {
namespace {

TEST(HexPages, NumbersAndCoordinates)
{
    EXPECT_EQ(GroupedNumber(0, ","), "0");
    EXPECT_EQ(GroupedNumber(999, ","), "999");
    EXPECT_EQ(GroupedNumber(1234567, "."), "1.234.567");
    EXPECT_EQ(GroupedNumber(-1234, ","), "-1,234");
    EXPECT_EQ(GroupedNumber(std::numeric_limits<std::int64_t>::min(), ","), "-9,223,372,036,854,775,808");

    EXPECT_EQ(PointerCoordText(0, 4, 2), "4,2");
    EXPECT_EQ(PointerCoordText(1, 4, 6), "2,2") << "the game's underworld coordinates";
    EXPECT_EQ(PointerCoordText(1, 3, 3), "- , -") << "between underworld hexes";
}

class HexPagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AddRaceTable(troops);
        for (int number : {3, 12}) {
            auto faction = std::make_unique<TFaction>();
            std::tie(faction->Number, faction->Name) = std::tuple(number, "Faction " + std::to_string(number));
            factions.Add(std::move(faction));
        }
        TMapCell& town = *map.EnsureCell(0, 4, 2);
        town.Terrain = map.TerrainIndex("plain");
        town.Population = 1200;
        town.Race = map.RaceList.Add("high elves");
        std::tie(town.Silver, town.Wages, town.MaxWages) = std::tuple(12345, 13, 1500);
        std::tie(town.PopCenter, town.PopCenterType, town.Gate) = std::tuple("Riverton", kTown, 7);
        town.WeatherWas = map.WeatherList.Add("clear");
        town.LastUpdate = 9;
        AddUnit(town, 1, 3, troops.IndexOfKey("LEAD"), 2, 300);  // own, with a leader
        AddUnit(town, 2, 3, troops.IndexOfKey("VIKI"), 10, 50);  // own, men only
        AddUnit(town, 3, 12, troops.IndexOfKey("VIKI"), 4, 999);  // another faction
    }

    static void AddUnit(TMapCell& cell, int number, int faction, int race, int men, int silver)
    {
        auto unit = std::make_unique<TUnit>();
        std::tie(unit->Number, unit->Faction, unit->Silver) = std::tuple(number, faction, silver);
        unit->AddTroops({race, men});
        cell.Units.Add(std::move(unit));
    }

    TMap map;
    TKeyStringList troops;
    TFactionList factions;
};

TEST_F(HexPagesTest, HexPageShowsWhatIsKnownOfTheHex)
{
    const HexPageTexts page = HexPage(map, 0, 4, 2, ",");
    EXPECT_EQ(std::tuple(page.Coord, page.Terrain, page.Natives), std::tuple("4,2", "Plain", "1200 high elves"));
    EXPECT_EQ(std::tuple(page.Taxes, page.Wages, page.Pop, page.Gate),
              std::tuple("12,345", "1,500 (13)", "Riverton (T)", "7"));
    EXPECT_EQ(std::tuple(page.WeatherWas, page.WeatherNext, page.LastUpdate), std::tuple("clear", "", "9"));

    TMapCell& wild = *map.EnsureCell(1, 4, 6);
    const HexPageTexts uncounted = HexPage(map, 1, 4, 6, ",");
    EXPECT_EQ(std::tuple(uncounted.Coord, uncounted.Natives, uncounted.Pop, uncounted.Gate, uncounted.LastUpdate),
              std::tuple("2,2,under", "", " ", "", "Never"));
    std::tie(wild.Population, wild.Race) = std::tuple(40, 99);  // a race not in the list
    EXPECT_EQ(HexPage(map, 1, 4, 6, ",").Natives, "40 peasants");

    const HexPageTexts none = HexPage(map, 0, 8, 8, ",");
    EXPECT_TRUE(none.Coord.empty() && none.Terrain.empty() && none.LastUpdate.empty()) << "no cell: all empty";
}

TEST_F(HexPagesTest, UnitsPageCountsTheOwnFactionOrEveryone)
{
    const UnitsPageTexts own = UnitsPage(map, troops, 3, false, 0, 4, 2, ",");
    EXPECT_EQ(std::tuple(own.Silver, own.Taxes, own.Wages, own.TotalIncome),
              std::tuple("350 ", "12,345 ", "1,500 ", "13,845 "));
    EXPECT_EQ(std::tuple(own.LeadUnits, own.LeadMen, own.SerfUnits, own.SerfMen, own.TotalUnits, own.TotalMen),
              std::tuple("1 ", "2 ", "1 ", "10 ", "2 ", "12 "));
    EXPECT_EQ(own.Maintenance, "140 ") << "2 men with a leader at 20, 10 without at 10";

    const UnitsPageTexts all = UnitsPage(map, troops, 3, true, 0, 4, 2, ",");
    EXPECT_EQ(std::tuple(all.Silver, all.TotalUnits, all.TotalMen, all.Maintenance),
              std::tuple("350 ", "3 ", "16 ", "180 "));
    EXPECT_TRUE(UnitsPage(map, troops, 3, true, 0, 6, 2, ",").Silver.empty());
}

TEST_F(HexPagesTest, FactionsPageNeedsTheOwnFaction)
{
    const std::vector<std::string> lines = FactionsPage(map, factions, 3, 0, 4, 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 5), "    3");
    EXPECT_EQ(lines[1].substr(0, 5), "   12");
    EXPECT_TRUE(FactionsPage(map, factions, 0, 0, 4, 2).empty());
    EXPECT_TRUE(FactionsPage(map, factions, 3, 0, 6, 2).empty());
}

}  // namespace
}  // namespace korvane
