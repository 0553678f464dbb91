// Faction keys, the faction registry and its file "Factions.dat".
#include "core/settings.h"
#include "people/faction_list.h"
#include "people/registry_fields.h"

#include "support/param_names.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

using testing::TempDir;
using namespace std::string_literals;

std::unique_ptr<TFaction> MakeFaction(std::int32_t number, std::string name)
{
    auto faction = std::make_unique<TFaction>();
    faction->Number = number;
    faction->Name = std::move(name);
    return faction;
}

TrecINI SettingsIn(const TempDir& dir)
{
    TrecINI settings(dir.File("ATLANTIS.INI"));
    settings.DataDir = dir.Path();
    return settings;
}

TEST(FactionKey, PadsToFiveDigitsWithoutCutting)
{
    for (const auto& [number, key] : std::vector<std::pair<std::int32_t, std::string>>{
             {7, "00007"}, {99999, "99999"}, {123456, "123456"}, {0, "00000"}, {INT32_MIN, "00000"}})
        EXPECT_EQ(FactionKey(number), key) << number;
}

TEST(FactionList, KeepsNumberOrderOneRecordPerNumber)
{
    TFactionList list;
    list.Add(MakeFaction(12, "Twelve"));
    list.Add(MakeFaction(7, "Seven"));
    TFaction* replacement = list.Add(MakeFaction(12, "Other"));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0)->Number, 7) << "7 sorts before 12";
    EXPECT_EQ(list.Items(1), replacement);
    EXPECT_EQ(list.Items(2), nullptr);
    EXPECT_EQ(list.Find(13), nullptr);
    // Units of no known faction carry -1: they must not find a stray record keyed 00000.
    list.Add(MakeFaction(0, "Stray"));
    EXPECT_EQ(list.Find(0), nullptr);
    EXPECT_EQ(list.Find(-1), nullptr);
}

TEST(FactionFile, WritesEveryFieldFollowedByTheSeparatorAndReadsItBack)
{
    TempDir dir;
    const TrecINI settings = SettingsIn(dir);
    TFactionList list;
    auto faction = MakeFaction(12, "  The Guild ");
    faction->Player = "Ann";
    faction->EMail = "ann@example.org ";
    faction->Comments = "says \"hi\"";
    faction->Colour = 255;
    faction->AddAlliance(9);
    faction->AddAlliance(3);
    faction->AddAlliance(9);  // a second membership of the same alliance changes nothing
    list.Add(std::move(faction));
    list.Add(MakeFaction(7, "Seven"));
    ASSERT_TRUE(list.SaveToFile(settings));
    const std::string saved = dir.Read("Factions.dat");
    EXPECT_EQ(saved,
              "VERSION,2.31\r\n"
              "7^\"^Seven^\"^^\"^^\"^^\"^16711680^\"^0^\"^\r\n"
              "12^\"^The Guild^\"^Ann^\"^ann@example.org^\"^says \"hi\"^\"^255^\"^2^\"^00009^\"^00003^\"^\r\n");

    TFactionList loaded;
    loaded.Add(MakeFaction(5, "dropped by the load"));
    ASSERT_TRUE(loaded.LoadFromFile(settings));
    ASSERT_TRUE(loaded.SaveToFile(settings));
    EXPECT_EQ(dir.Read("Factions.dat"), saved) << "every field read back where it was";
}

struct HeaderCase
{
    const char* name;
    const char* contents;
    bool result;
    int count;
};

void PrintTo(const HeaderCase& c, std::ostream* os)
{
    *os << testing::Quoted(c.contents) << " -> " << (c.result ? "loaded" : "refused") << ", count " << c.count;
}

class FactionFileHeader : public ::testing::TestWithParam<HeaderCase>
{
};

TEST_P(FactionFileHeader, DecidesWhetherAnythingLoads)
{
    const HeaderCase& c = GetParam();
    TempDir dir;
    dir.Write("Factions.dat", c.contents);
    TFactionList list;
    list.Add(MakeFaction(99, "Old"));
    EXPECT_EQ(list.LoadFromFile(SettingsIn(dir)), c.result);
    EXPECT_EQ(list.Count(), c.count);
    EXPECT_EQ(list.Find(99) != nullptr, !c.result) << "a file loads in place of the list; a refused one leaves it";
}

INSTANTIATE_TEST_SUITE_P(
    Headers, FactionFileHeader,
    ::testing::Values(HeaderCase{"LowerCaseSpaced", " version , 2.00\r\n7^\"^A^\"^\r\n", true, 1},
                      HeaderCase{"Newer", "VERSION,3.5\r\n7^\"^A^\"^\r\n", true, 1},
                      // Headerless, first-format and damaged headers: the session's test of refused files.
                      HeaderCase{"Empty", "", false, 1}),
    testing::NameField());

TEST(FactionFile, MissingFileChangesNothingAndUnreadableOneIsRefused)
{
    TempDir dir;
    const TrecINI settings = SettingsIn(dir);
    TFactionList list;
    list.Add(MakeFaction(3, "Kept"));
    EXPECT_TRUE(list.LoadFromFile(settings));
    std::filesystem::create_directory(dir.File("Factions.dat"));
    EXPECT_FALSE(list.LoadFromFile(settings));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_FALSE(list.SaveToFile(settings)) << "a folder in the way is a failed save";
}

TEST(FactionFile, BadRecordsReadWhatIsThere)
{
    TempDir dir;
    std::string manyKeys = "40^\"^^\"^^\"^^\"^^\"^1^\"^100000^\"^";
    for (int i = 0; i < 10000; ++i)
        manyKeys += "00001^\"^";
    dir.Write("Factions.dat",
              "VERSION,2.31\r\n\r\n   \r\n"
              "7^\"^Short\r\n"
              "8^\"^^\"^^\"^^\"^^\"^9^\"^2000000000^\"^00004^\"^00004^\"^\r\n"
              "9^\"^^\"^^\"^^\"^^\"^x^\"^-3^\"^00001^\"^\r\n"
              "10^\"^A\0B^\"^^\"^^\"^^\"^1^\"^3^\"^^\"^^\"^\r\n"s
              "11^\"^\"^\"^\"^^^\"^\"^\"^\"^\"^\r\n"
              "12^\"^"
                  + std::string(3'000'000, 'x') + "\r\n" + manyKeys);
    TFactionList list;
    ASSERT_TRUE(list.LoadFromFile(SettingsIn(dir)));
    ASSERT_EQ(list.Count(), 7);
    EXPECT_EQ(list.Find(7)->Name, "Short");
    EXPECT_EQ(list.Find(7)->Colour, 0xFF0000) << "missing pieces keep the initial values";
    EXPECT_EQ(list.Find(8)->AllianceKeys, std::vector<std::string>{"00004"}) << "count beyond the pieces";
    EXPECT_EQ(list.Find(9)->Colour, 0);
    EXPECT_TRUE(list.Find(9)->AllianceKeys.empty()) << "negative count";
    EXPECT_EQ(list.Find(10)->Name, "A\0B"s);
    EXPECT_TRUE(list.Find(10)->AllianceKeys.empty()) << "empty keys are skipped";
    EXPECT_EQ(list.Find(12)->Name.size(), 3'000'000u);
    EXPECT_EQ(list.Find(40)->AllianceKeys, std::vector<std::string>{"00001"});
}

TEST(FactionFile, TextsThatLookLikeSeparatorsCannotShiftFields)
{
    for (const auto& [text, stored] : std::vector<std::pair<std::string, std::string>>{{"a^\"^b", "a^'^b"},
                                                                                       {"\"", "'"},
                                                                                       {"ends^\"", "ends^'"},
                                                                                       {"\"^starts", "'^starts"},
                                                                                       {"say \"hi\"", "say \"hi\""},
                                                                                       {"two\r\nlines", "two  lines"},
                                                                                       {"  padded  ", "padded"}})
        EXPECT_EQ(StorableText(text), stored) << text;

    TempDir dir;
    const TrecINI settings = SettingsIn(dir);
    TFactionList list;
    auto faction = MakeFaction(5, "\"");
    faction->Player = "x^\"";
    faction->EMail = "\"^y";
    faction->Colour = 77;
    list.Add(std::move(faction));
    ASSERT_TRUE(list.SaveToFile(settings));
    ASSERT_TRUE(list.LoadFromFile(settings));
    EXPECT_EQ(list.Find(5)->EMail, "'^y");
    EXPECT_EQ(list.Find(5)->Colour, 77) << "fields after the odd texts stay in place";
}

}  // namespace
}  // namespace korvane
