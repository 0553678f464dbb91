// The built-in vocabulary and the files that extend it.
#include "core/key_string_list.h"
#include "core/settings.h"
#include "world/map.h"
#include "world/vocabulary.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::TempDir;
using Names = std::vector<std::string>;

TEST(Vocabulary, BuiltInTablesKeepTheirPositionsAndTerrainIndexIgnoresCaseAndTheUnderPrefix)
{
    // Terrain and structure types are stored by position in the map database.
    const TMap map;
    using Row = std::pair<int, const char*>;
    ASSERT_EQ(map.TerrainList.Count(), 13);
    for (const auto& [at, name] : {Row{2, "Plain"}, Row{kTerrainSolid, "Solid"}})
        EXPECT_EQ(map.TerrainList[at], name) << at;
    ASSERT_EQ(map.StructureTypes.Count(), 41);
    for (const auto& [at, name] : {Row{5, "MAGICAL FORTRESS"}, Row{6, "Hold1"}, Row{12, "MINE"}, Row{23, "Hold12"},
                                   Row{24, "LONGBOAT"}, Row{34, "Hold18"}, Row{35, "SHAFT"}, Row{40, "DEMON PIT"}})
        EXPECT_EQ(map.StructureTypes[at], name) << at;
    using Index = std::pair<const char*, int>;
    for (const auto& [name, index] : {Index{"PLAIN", 2}, Index{"underforest", 3}, Index{"UnderForest", 3},
                                      Index{"forest", 3}, Index{"lava", 0}, Index{"under", 0}, Index{"", 0}})
        EXPECT_EQ(map.TerrainIndex(name), index) << name;
}

TEST(KeyStringList, AddKeyLooksUpTrimmedAndReplacesOnlyGivenNamesAndTheFileRoundTrips)
{
    TKeyStringList list;
    EXPECT_EQ(list.AddKey(" SWOR ", " sword ", "swords"), 0);
    EXPECT_EQ(std::tuple(list.KeyAt(0), list.SingularAt(0), list.IndexOfKey("swor")), std::tuple(" SWOR ", "sword", -1))
        << "a new key is stored as given, and stored keys are not trimmed";
    EXPECT_EQ(list.AddKey("HORS", "horse", "horses"), 1);
    EXPECT_EQ(list.AddKey(" hors  ", "", "steeds"), 1);
    EXPECT_EQ(std::tuple(list.SingularAt(1), list.PluralAt(1)), std::tuple("horse", "steeds"))
        << "an empty name keeps the old one";
    EXPECT_EQ(list.IndexOfKey("  HORS"), 1);
    EXPECT_EQ(std::tuple(list.KeyAt(7, "unchanged"), list.PluralAt(-1, "x")), std::tuple("unchanged", "x"));

    TempDir dir;
    TKeyStringList saved, troops;
    saved.AddKey("WOLF", "wolf", "wolves");
    saved.AddKey("LEAD", "leader", "leaders");
    ASSERT_TRUE(saved.SaveToFile(dir.File("Troops.dat")));
    EXPECT_EQ(dir.Read("Troops.dat"), "WOLF\r\nwolf\r\nwolves\r\nLEAD\r\nleader\r\nleaders\r\n");
    // A truncated record, then the race table: known keys keep their position.
    dir.Write("Troops.dat", "LEAD\r\nboss\r\nbosses\r\nWOLF\r\nwolf\r\nwolves\r\nORC");
    ASSERT_TRUE(troops.LoadFromFile(dir.File("Troops.dat")));
    ASSERT_EQ(troops.Count(), 3);
    EXPECT_EQ(std::tuple(troops.KeyAt(2), troops.SingularAt(2), troops.PluralAt(2)), std::tuple("ORC", "", ""));
    AddRaceTable(troops);
    EXPECT_EQ(troops.IndexOfKey("LEAD"), 0) << "a known key keeps its position";
    EXPECT_EQ(std::tuple(troops.SingularAt(0), troops.PluralAt(0)), std::tuple("leader", "leaders"));
    EXPECT_EQ(troops.SingularAt(troops.IndexOfKey("ORC")), "orc") << "names filled in for a cut-short record";
    EXPECT_EQ(std::tuple(troops.PluralAt(troops.IndexOfKey("UDWA")), troops.Count()), std::tuple("under dwarves", 18));
}

TEST(ReferenceLists, RoundTripAndMissingFilesGiveBuiltIns)
{
    TempDir dir, empty;
    const TrecINI names(dir.File("ATLANTIS.INI"));
    TMap map, loaded;
    map.RegionList.Add("Gryffindor");
    map.RegionList.Add("");
    map.RaceList.Add("High Elves");
    map.WeatherList.Add("clear");
    map.WeatherList.Add("monsoon season");
    map.ProductList.Add(" IRON ", "iron;ore");
    ASSERT_TRUE(map.SaveReferenceLists(dir.Path(), names));
    EXPECT_EQ(std::tuple(dir.Read("Regions.dat"), dir.Read("Products.dat")),
              std::tuple("Unknown\r\nGryffindor\r\n\r\n", "IRON;iron;ore\r\n"));
    // Products: lines blank or without a semicolon are passed over; names trimmed and kept to 250 characters.
    dir.Write("Products.dat",
              "HORS;  horse  \r\n   \r\nno semicolon\r\n IRON ;iron;ore\r\nLONG;" + std::string(300, 'n'));
    loaded.ProductList.Add("OLD", "dropped on load");
    loaded.LoadReferenceLists(dir.Path(), names);
    EXPECT_EQ(loaded.RegionList.Names(), map.RegionList.Names()) << "blank lines keep their position";
    EXPECT_EQ(loaded.RaceList.IndexOf("high elves"), 1);
    EXPECT_EQ(loaded.WeatherList.Names(), map.WeatherList.Names());
    EXPECT_EQ(loaded.TerrainList.Names(), map.TerrainList.Names());
    const ProductCodeList& products = loaded.ProductList;
    ASSERT_EQ(products.Count(), 3);
    EXPECT_EQ(std::tuple(products[0].Product.Name, products[1].Code, products[1].Product.Name),
              std::tuple("horse", " IRON ", "iron;ore"))
        << "the code is taken as it stands";
    EXPECT_EQ(std::tuple(products[2].Product.Name.size(), products.IndexOf("hors")), std::tuple(250u, 0));

    // Loading again from an empty folder resets every list to the built-in one, rather than keeping stale names.
    loaded.LoadReferenceLists(empty.Path(), names);
    EXPECT_EQ(std::tuple(loaded.RegionList.Names(), loaded.RaceList.Names()),
              std::tuple(Names{"Unknown"}, Names{"Unknown"}));
    EXPECT_EQ(std::tuple(loaded.WeatherList.Count(), loaded.ProductList.Count(), loaded.TerrainList.Count()),
              std::tuple(0, 0, 13));
}

}  // namespace
}  // namespace korvane
