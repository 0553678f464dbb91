// Faction keys, the registry and its file, the list line, and importing the game's faction list.
#include "core/settings.h"
#include "people/faction_line.h"
#include "people/faction_list.h"

#include "support/param_names.h"
#include "support/record_builders.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

using testing::NewFaction;
using namespace std::string_literals;

class FactionTest : public ::testing::Test
{
protected:
    FactionTest() { settings.DataDir = dir.Path(); }
    TFaction* Add(std::int32_t number, std::string name) { return list.Add(NewFaction(number, std::move(name))); }
    bool Import(const std::string& contents) { return bool(list.ImportFactionList(dir.Write("list.txt", contents))); }

    testing::TempDir dir;
    TrecINI settings{dir.File("ATLANTIS.INI")};
    TFactionList list;
};

TEST_F(FactionTest, KeysPadToFiveDigitsAndTheListKeepsNumberOrderOneRecordPerNumber)
{
    EXPECT_EQ(std::tuple(FactionKey(7), FactionKey(99999), FactionKey(123456), FactionKey(0), FactionKey(INT32_MIN)),
              std::tuple("00007", "99999", "123456", "00000", "00000"));
    Add(12, "Twelve");
    Add(7, "Seven");
    TFaction* replacement = Add(12, "Other");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(std::tuple(list.Items(0)->Number, list.Items(1), list.Items(2), list.Find(13)),
              std::tuple(7, replacement, nullptr, nullptr));
    // Units of no known faction carry -1: they must not find a stray record keyed 00000.
    Add(0, "Stray");
    EXPECT_TRUE(!list.Find(0) && !list.Find(-1));
}

TEST_F(FactionTest, FileWritesEveryFieldFollowedByTheSeparatorAndReadsItBackUnderAKnownHeader)
{
    TFaction* guild = Add(12, "  The Guild ");
    guild->Player = "Ann";
    guild->EMail = "ann@example.org ";
    guild->Comments = "says \"hi\"";
    guild->Colour = 255;
    for (int alliance : {9, 3, 9})  // a second membership of the same alliance changes nothing
        guild->AddAlliance(alliance);
    Add(7, "Seven");
    TFaction* odd = Add(5, "\"");  // texts that look like separators cannot shift the fields after them
    odd->Player = "x^\"";
    odd->EMail = "\"^y";
    odd->Colour = 77;
    ASSERT_TRUE(list.SaveToFile(settings));
    const std::string saved = dir.Read("Factions.dat");
    EXPECT_EQ(
        saved,
        "VERSION,2.31\r\n5^\"^'^\"^x^'^\"^'^y^\"^^\"^77^\"^0^\"^\r\n7^\"^Seven^\"^^\"^^\"^^\"^16711680^\"^0^\"^\r\n"
        "12^\"^The Guild^\"^Ann^\"^ann@example.org^\"^says \"hi\"^\"^255^\"^2^\"^00009^\"^00003^\"^\r\n");
    TFactionList loaded;
    loaded.Add(NewFaction(6, "dropped by the load"));
    ASSERT_TRUE(loaded.LoadFromFile(settings));
    ASSERT_TRUE(loaded.SaveToFile(settings));
    EXPECT_EQ(dir.Read("Factions.dat"), saved) << "every field read back where it was";

    // The header decides whether anything loads.
    for (const auto& [contents, loads] :
         {std::pair{" version , 2.00\r\n7^\"^A^\"^\r\n", true}, {"VERSION,3.5\r\n7^\"^A^\"^\r\n", true}, {"", false}}) {
        dir.Write("Factions.dat", contents);
        TFactionList old;
        old.Add(NewFaction(99, "Old"));
        EXPECT_EQ(static_cast<bool>(old.LoadFromFile(settings)), loads) << testing::Quoted(contents);
        EXPECT_EQ(std::tuple(old.Count(), old.Find(99) != nullptr), std::tuple(1, !loads))
            << "a file loads in place of the list; a refused one leaves it";
    }
    std::filesystem::remove(dir.File("Factions.dat"));
    std::filesystem::create_directory(dir.File("Factions.dat"));
    EXPECT_FALSE(list.SaveToFile(settings)) << "a folder in the way is a failed save";
}

TEST(FactionLine, LinesUpNumberNameAndAddressAndReadsTheNumberBack)
{
    EXPECT_EQ(FactionLine(*NewFaction(7, "Red Hand")), "7    Red Hand" + std::string(17, ' ') + "  ");
    TFaction doom = *NewFaction(12, "The Very Long Faction Name Of Doom");
    doom.EMail = "  a@b.org ";
    EXPECT_EQ(FactionLine(doom), "12   The Very Long Faction Nam  a@b.org");
    EXPECT_EQ(FactionLine(*NewFaction(12345, "X")), "12345 X" + std::string(24, ' ') + "  ")
        << "a long number is never cut";
    EXPECT_EQ(FactionLineNumber(FactionLine(*NewFaction(123456, "2nd Legion"))), 123456);
    // Names are measured in characters and never split; 8-bit and overlong bytes count one each.
    using R = std::pair<std::string, std::string>;
    for (const auto& [name, shown] : {R("\xC3\x86lfred's Host", "\xC3\x86lfred's Host" + std::string(12, ' ')),
                                      R(std::string(24, 'a') + "\xC3\xA9" + "bc", std::string(24, 'a') + "\xC3\xA9"),
                                      R(std::string(24, 'b') + "\xE9\xE9", std::string(24, 'b') + "\xE9"),
                                      R(std::string(23, 'c') + "\xE0\x80\x80x", std::string(23, 'c') + "\xE0\x80")})
        EXPECT_EQ(FactionLine(*NewFaction(3, name)), "3    " + shown + "  ") << testing::Quoted(name);
}

TEST_F(FactionTest, ImportReadsEntriesWrappedAndLastAndKeepsPlayerFieldsOnReimport)
{
    // Long entries wrap onto lines indented by two spaces; the last has no line end.
    ASSERT_TRUE(Import("The Guardsmen (1), none\r\nMerchants of (Old) Vell (12), vell@example.org\r\n"
                       "A Faction With A Very Long Name (7),\r\n  seven@example.org\r\n\r\n"
                       "No number here, nobody@example.org\nZero (0), zero@example.org\n"
                       "Garbled (x9), garbled@example.org\nLast One (40), last@example.org"));
    ASSERT_EQ(list.Count(), 4) << "numbers below 1, unreadable ones and entries without one are skipped";
    EXPECT_EQ(std::tuple(list.Find(7)->Name, list.Find(7)->EMail),
              std::tuple("A Faction With A Very Long Name", "seven@example.org"));
    EXPECT_EQ(std::tuple(list.Find(1)->EMail, list.Find(12)->Name, list.Find(40)->EMail),
              std::tuple("none", "Merchants of (Old) Vell", "last@example.org"));

    TFaction* guild = list.Find(12);
    guild->Player = "Ann";
    guild->Colour = 255;
    guild->Comments = "ally";
    guild->AddAlliance(3);
    ASSERT_TRUE(Import("Vell Traders (12), new@example.org\r\n"));
    EXPECT_EQ(std::tuple(list.Count(), list.Find(12)), std::tuple(4, guild)) << "one record per faction number";
    EXPECT_EQ(std::tuple(guild->Name, guild->EMail), std::tuple("Vell Traders", "new@example.org"));
    EXPECT_EQ(std::tuple(guild->Player, guild->Colour, guild->Comments, guild->InAlliance(3)),
              std::tuple("Ann", 255, "ally", true))
        << "what the player set is kept";
}

TEST_F(FactionTest, ImportOfOddInputReadsWhatItCan)
{
    std::string contents = "Nul\0Name (3), a@example.org\nLong Address (4), "s + std::string(300, 'm')
        + "\nSpaced ( 5 ), spaced@example.org\nUnclosed (6, broken\n),(\nWrapped (8),";
    for (int i = 0; i < 2000; ++i)  // megabytes of one entry, read in one go
        contents += "\n  " + std::string(1500, 'w');
    ASSERT_TRUE(Import(contents));
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Find(3)->Name, "Nul\0Name"s);
    EXPECT_EQ(list.Find(4)->EMail, std::string(255, 'm')) << "addresses are kept to 255 characters";
    EXPECT_NE(list.Find(5), nullptr);
    EXPECT_EQ(list.Find(8)->EMail.size(), 255u);
}

}  // namespace
}  // namespace korvane
