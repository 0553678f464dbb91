// The texts of the main window's hex pages, coordinate panel and turn panel, and stored bytes shown as text.
#include "mapview/map_builders.h"

#include "core/key_string_list.h"
#include "mapview/render/display_text.h"
#include "mapview/windows/hex_pages.h"
#include "support/param_names.h"
#include "world/vocabulary.h"

#include <limits>

namespace korvane::testing {
namespace {

using Texts = std::vector<std::string>;

Texts All(const HexPageTexts& p)
{
    return {p.Coord, p.Terrain, p.Natives, p.Taxes, p.Wages, p.Pop, p.Gate, p.WeatherWas, p.WeatherNext, p.LastUpdate};
}

Texts All(const UnitsPageTexts& p)
{
    return {p.Silver,    p.Taxes,   p.Wages,      p.TotalIncome, p.LeadUnits,  p.LeadMen,
            p.SerfUnits, p.SerfMen, p.TotalUnits, p.TotalMen,    p.Maintenance};
}

TEST(HexPages, NumbersAndBytesShownAsUtf8OrElseAsLatin1AndEachPageAndTheBalloonShowWhatIsKnownOfATown)
{
    EXPECT_EQ((Texts{GroupedNumber(0, ","), GroupedNumber(999, ","), GroupedNumber(1234567, "."),
                     GroupedNumber(-1234, ","), GroupedNumber(std::numeric_limits<std::int64_t>::min(), ",")}),
              (Texts{"0", "999", "1.234.567", "-1,234", "-9,223,372,036,854,775,808"}));
    // The game's underworld coordinates; "- , -" between underworld hexes.
    EXPECT_EQ((Texts{PointerCoordText(0, 4, 2), PointerCoordText(1, 4, 6), PointerCoordText(1, 3, 3)}),
              (Texts{"4,2", "2,2", "- , -"}));

    // UTF-8, Latin-1, UTF-8 cut off, and a byte order mark (kept), as UTF-16 code units.
    const std::string bytes[] = {"Gr\xC3\xB6\xC3\x9F\x65", "Gr\xF6\xDF\x65", "caf\xC3", "\xEF\xBB\xBFx"};
    const std::u16string shown[] = {u"Gr\u00f6\u00dfe", u"Gr\u00f6\u00dfe", u"caf\u00c3", u"\ufeffx"};
    for (std::size_t i = 0; i < std::size(bytes); ++i)
        EXPECT_EQ(ToDisplayText(bytes[i]).toStdU16String(), shown[i]) << Quoted(bytes[i]);

    // Typed text is stored as UTF-8 and shown again unchanged.
    const QString typed = QString::fromUtf8(u8"Zw\u00f6lf \u00c6sir \u2014 \u6771 \U0001F43A");
    const std::string stored = FromUserText(typed);
    EXPECT_EQ(stored, "Zw\xC3\xB6lf \xC3\x86sir \xE2\x80\x94 \xE6\x9D\xB1 \xF0\x9F\x90\xBA");
    EXPECT_EQ(ToDisplayText(stored), typed);

    // Each page and the balloon show what is known of a town.
    TMap map;
    TKeyStringList troops;
    TFactionList factions;
    AddRaceTable(troops);
    AddFaction(factions, 3);
    AddFaction(factions, 12);
    TMapCell& town = *map.EnsureCell(0, 4, 2);
    std::tie(town.Terrain, town.Population, town.Race) = std::tuple(map.TerrainIndex("plain"), 1200,
                                                                    map.RaceList.Add("high elves"));
    std::tie(town.Silver, town.Wages, town.MaxWages) = std::tuple(12345, 13, 1500);
    std::tie(town.PopCenter, town.PopCenterType, town.Gate) = std::tuple("Riverton", kTown, 7);
    std::tie(town.WeatherWas, town.LastUpdate) = std::tuple(map.WeatherList.Add("clear"), 9);
    for (const auto& [number, faction, race, men, silver] :
         {std::tuple(1, 3, "LEAD", 2, 300), {2, 3, "VIKI", 10, 50}, {3, 12, "VIKI", 4, 999}})
        town.Units.Add(NewUnit(number, faction, men, 0, troops.IndexOfKey(race)))->Silver = silver;

    EXPECT_EQ(
        All(HexPage(map, 0, 4, 2, ",")),
        (Texts{"4,2", "Plain", "1200 high elves", "12,345", "1,500 (13)", "Riverton (T)", "7", "clear", "", "9"}));
    TMapCell& wild = *map.EnsureCell(1, 4, 6);
    EXPECT_EQ(All(HexPage(map, 1, 4, 6, ",")),
              (Texts{"2,2,under", "Unknown", "", "0", "0 (0)", " ", "", "", "", "Never"}));
    std::tie(wild.Population, wild.Race) = std::tuple(40, 99);  // a race not in the list
    EXPECT_EQ(HexPage(map, 1, 4, 6, ",").Natives, "40 peasants");
    EXPECT_EQ(All(HexPage(map, 0, 8, 8, ",")), Texts(10)) << "no cell: all empty";

    // Maintenance: 2 men with a leader at 20, 10 without at 10.
    EXPECT_EQ(All(UnitsPage(map, troops, 3, false, 0, 4, 2, ",")),
              (Texts{"350 ", "12,345 ", "1,500 ", "13,845 ", "1 ", "2 ", "1 ", "10 ", "2 ", "12 ", "140 "}));
    EXPECT_EQ(All(UnitsPage(map, troops, 3, true, 0, 4, 2, ",")),
              (Texts{"350 ", "12,345 ", "1,500 ", "13,845 ", "1 ", "2 ", "2 ", "14 ", "3 ", "16 ", "180 "}));
    EXPECT_TRUE(UnitsPage(map, troops, 3, true, 0, 6, 2, ",").Silver.empty());

    // The factions page needs the own faction.
    const Texts lines = FactionsPage(map, factions, 3, 0, 4, 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(std::tuple(lines[0].substr(0, 5), lines[1].substr(0, 5)), std::tuple("    3", "   12"));
    EXPECT_TRUE(FactionsPage(map, factions, 0, 0, 4, 2).empty() && FactionsPage(map, factions, 3, 0, 6, 2).empty());

    // The balloon names the products of a known hex, in the game's coordinates.
    const int grain = map.ProductList.Add("GRAI", "grain");
    map.Cell(0, 4, 2)->Products = {{grain, 25, 0}, {grain + 7, -1, 0}};
    const std::optional<BalloonTexts> texts = BalloonTextsOf(map, 0, 4, 2);
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->Title, "Hex Products (4,2)");
    EXPECT_EQ(texts->Products, (std::vector<std::pair<std::string, std::string>>{{"25", "grain"}, {"unlim", "?"}}));
    EXPECT_EQ(BalloonTextsOf(map, 1, 4, 6)->Title, "Hex Products (2,2)");
    map.EnsureCell(1, 7, 9);  // a passage between underworld hexes
    EXPECT_FALSE(BalloonTextsOf(map, 0, 8, 8) || BalloonTextsOf(map, 1, 7, 9)) << "no cell, or a passage";
}

}  // namespace
}  // namespace korvane::testing
