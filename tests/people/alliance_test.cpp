// Alliances, the alliance registry and its file "Alliance.dat".
#include "core/settings.h"
#include "people/alliance_list.h"
#include "people/faction_list.h"

#include "support/param_names.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::TempDir;

std::unique_ptr<TAlliance> MakeAlliance(std::int32_t number, std::string name)
{
    auto alliance = std::make_unique<TAlliance>();
    alliance->Number = number;
    alliance->Name = std::move(name);
    return alliance;
}

TEST(AllianceList, NumbersAndOrder)
{
    TAllianceList list;
    EXPECT_EQ(list.NextNumber(), 1);
    list.Add(MakeAlliance(3, "Three"));
    list.Add(MakeAlliance(9, "Nine"));
    EXPECT_EQ(list.NextNumber(), 10);
    EXPECT_EQ(list.Add(std::make_unique<TAlliance>())->Number, 10) << "a new alliance gets the next number";
    list.Add(MakeAlliance(1, "One"));
    TAlliance* renamed = list.Add(MakeAlliance(9, "New Nine"));
    EXPECT_EQ(list.ListNames(), (std::vector<std::string>{"Three", "New Nine", "Unknown", "One"}))
        << "insertion order; a repeated number replaces the alliance in its place";
    EXPECT_EQ(list.Find(9), renamed);
    EXPECT_EQ(list.Find(4), nullptr);
    EXPECT_EQ(list.Items(4), nullptr);

    TAllianceList top;
    top.Add(MakeAlliance(INT32_MAX, "Top"));
    EXPECT_EQ(top.NextNumber(), 1) << "no overflow past the largest number";
}

TEST(Alliance, MembersSortedOnceAndListedByFaction)
{
    TFactionList factions;
    for (auto [number, name] : {std::pair{7, "  Seven "}, {12, "Twelve"}, {12345, "Many"}}) {
        auto faction = std::make_unique<TFaction>();
        faction->Number = number;
        faction->Name = name;
        factions.Add(std::move(faction));
    }
    TAlliance alliance;
    for (int member : {12, 12345, 7, 12, 30})
        alliance.AddMember(member);
    EXPECT_EQ(alliance.Members, (std::vector<std::string>{"00007", "00012", "00030", "12345"}));
    EXPECT_EQ(alliance.ListMembers(factions), (std::vector<std::string>{"   7 Seven", "  12 Twelve", "12345 Many"}))
        << "members missing from the registry are left out; long numbers are not cut";
}

TEST(AllianceFile, WritesHeaderAndRecordsAndReadsThemBack)
{
    TempDir dir;
    const TrecINI settings(dir.File("ATLANTIS.INI"));
    TAllianceList list;
    TAlliance* north = list.Add(MakeAlliance(4, " North "));
    north->Comments = "trade pact";
    north->Colour = 255;
    north->AddMember(12);
    north->AddMember(7);
    list.Add(MakeAlliance(2, "South"));
    ASSERT_TRUE(list.SaveToFile(dir.Path(), settings));
    const std::string saved = dir.Read("Alliance.dat");
    EXPECT_EQ(saved,
              "VERSION^\"^2.31\r\n"
              "4^\"^North^\"^trade pact^\"^255^\"^2^\"^00007^\"^00012^\"^\r\n"
              "2^\"^South^\"^^\"^16711680^\"^0^\"^\r\n");

    TAllianceList loaded;
    ASSERT_TRUE(loaded.LoadFromFile(dir.Path(), settings));
    ASSERT_TRUE(loaded.SaveToFile(dir.Path(), settings));
    EXPECT_EQ(dir.Read("Alliance.dat"), saved) << "every field read back where it was, in file order";

    EXPECT_TRUE(loaded.LoadFromFile(dir.Path() + "/missing", settings));
    EXPECT_EQ(loaded.Count(), 2);
    EXPECT_FALSE(list.SaveToFile(dir.Write("not-a-folder", "x"), settings));
}

struct LoadCase
{
    const char* name;
    const char* contents;
    std::vector<std::string> names;  // after the alliance 1 "Held" that was there before
};

void PrintTo(const LoadCase& c, std::ostream* os)
{
    *os << testing::Quoted(c.contents) << " -> " << ::testing::PrintToString(c.names);
}

class AllianceFileLoad : public ::testing::TestWithParam<LoadCase>
{
};

TEST_P(AllianceFileLoad, AddsWhatIsReadable)
{
    const LoadCase& c = GetParam();
    TempDir dir;
    dir.Write("Alliance.dat", c.contents);
    TAllianceList list;
    list.Add(MakeAlliance(1, "Held"));
    ASSERT_TRUE(list.LoadFromFile(dir.Path(), TrecINI(dir.File("ATLANTIS.INI"))));
    std::vector<std::string> expected{"Held"};
    expected.insert(expected.end(), c.names.begin(), c.names.end());
    EXPECT_EQ(list.ListNames(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, AllianceFileLoad,
    ::testing::Values(LoadCase{"Headerless", "5^\"^Five^\"^^\"^1^\"^0^\"^\r\n", {"Five"}},
                      LoadCase{"CommaHeader", "VERSION,2.31\r\n5^\"^Five^\"^\r\n", {"Five"}},
                      LoadCase{"BlankLines", "VERSION^\"^2.31\r\n\r\n  \r\n5^\"^Five^\"^\r\n", {"Five"}},
                      LoadCase{"LaterHeaderIsARecord", "5^\"^Five^\"^\r\nVERSION^\"^2.31\r\n", {"Five", "2.31"}},
                      LoadCase{"NamesAsTheyStand", "5^\"^ Five ^\"^\r\n", {" Five "}},
                      LoadCase{"MissingPieces", "5\r\n", {"Unknown"}},
                      LoadCase{"NegativeNumberRenumbered", "-1^\"^Next^\"^\r\n", {"Next"}},
                      LoadCase{"StrayLinesShareNumberZero", "^\"^^\"^^\"^\r\nx^\"^Garbage^\"^\r\n", {"Garbage"}}),
    testing::NameField());

TEST(AllianceFile, MemberCountsNeverTrusted)
{
    TempDir dir;
    const TrecINI settings(dir.File("ATLANTIS.INI"));
    dir.Write("Alliance.dat",
              "8^\"^Absurd^\"^^\"^0^\"^2000000000^\"^00012^\"^ 00003 ^\"^00012^\"^^\"^\r\n"
              "9^\"^Negative^\"^^\"^0^\"^-5^\"^00001^\"^\r\n");
    TAllianceList list;
    ASSERT_TRUE(list.LoadFromFile(dir.Path(), settings));
    EXPECT_EQ(list.Find(8)->Members, (std::vector<std::string>{"00003", "00012"}));
    EXPECT_TRUE(list.Find(9)->Members.empty());
}

}  // namespace
}  // namespace korvane
