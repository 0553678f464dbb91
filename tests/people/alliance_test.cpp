// Alliances, their registry and file, membership edits and going back to the registry as it was.
#include "core/settings.h"
#include "people/alliance_editing.h"
#include "people/alliance_list.h"
#include "people/faction_list.h"

#include "support/param_names.h"
#include "support/record_builders.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::NewAlliance;
using testing::NewFaction;
using Keys = std::vector<std::string>;

class AllianceTest : public ::testing::Test
{
protected:
    TAlliance* Alliance(std::string name, std::int32_t number = -1)
    {
        return alliances.Add(NewAlliance(number, std::move(name)));
    }
    TFaction* Faction(std::int32_t number, std::string name) { return factions.Add(NewFaction(number, name)); }
    /// Every field of every alliance, in order, as the file holds them.
    std::string Saved()
    {
        EXPECT_TRUE(alliances.SaveToFile(dir.Path(), settings));
        return dir.Read("Alliance.dat");
    }

    testing::TempDir dir;
    const TrecINI settings{dir.File("ATLANTIS.INI")};
    TAllianceList alliances;
    TFactionList factions;
};

TEST_F(AllianceTest, MembersSortedOnceAndListedByFaction)
{
    Faction(7, "  Seven ");
    Faction(12, "Twelve");
    Faction(12345, "Many");
    TAlliance alliance;
    for (int member : {12, 12345, 7, 12, 30})
        alliance.AddMember(member);
    EXPECT_EQ(alliance.Members, (Keys{"00007", "00012", "00030", "12345"}));
    EXPECT_EQ(alliance.ListMembers(factions), (Keys{"   7 Seven", "  12 Twelve", "12345 Many"}))
        << "members missing from the registry are left out; long numbers are not cut";
}

TEST_F(AllianceTest, FileHoldsEveryFieldAsTypedAndReadsItBack)
{
    TAlliance* north = Alliance(" North ", 4);
    north->Comments = "Dragon's, \"fine\" pact";
    north->Colour = 255;
    north->AddMember(12);
    north->AddMember(7);
    Alliance("South", 2)->Comments = "end^\"";
    const std::string saved = Saved();
    EXPECT_EQ(saved,
              "VERSION^\"^2.31\r\n4^\"^North^\"^Dragon's, \"fine\" pact^\"^255^\"^2^\"^00007^\"^00012^\"^\r\n"
              "2^\"^South^\"^end^'^\"^16711680^\"^0^\"^\r\n");
    TAllianceList loaded;
    ASSERT_TRUE(loaded.LoadFromFile(dir.Path(), settings));
    ASSERT_TRUE(loaded.SaveToFile(dir.Path(), settings));
    EXPECT_EQ(dir.Read("Alliance.dat"), saved) << "every field read back where it was, in file order";
    EXPECT_FALSE(alliances.SaveToFile(dir.Write("not-a-folder", "x"), settings));

    // Typed text is trimmed of blanks and control characters and made safe for the file.
    for (const auto& [text, kept] :
         {std::pair{"\r\n North\t", "North"}, {"two\r\nlines", "two  lines"}, {"end^\"\n", "end^'"}, {" \t ", ""}})
        EXPECT_EQ(AllianceText(text), kept) << text;
}

TEST_F(AllianceTest, FileLoadAddsWhatIsReadable)
{
    // What each file adds to a held alliance: headers, blank lines and stray lines (number 0) add none.
    using R = std::pair<const char*, Keys>;
    for (const auto& [contents, names] :
         {R("5^\"^Five^\"^^\"^1^\"^0^\"^\r\n", Keys{"Five"}), R("VERSION,2.31\r\n5^\"^Five^\"^\r\n", Keys{"Five"}),
          R("VERSION^\"^2.31\r\n\r\n  \r\n5^\"^Five^\"^\r\n", Keys{"Five"}),
          R("5^\"^Five^\"^\r\nVERSION^\"^2.31\r\n", Keys{"Five", "2.31"}), R("5^\"^ Five ^\"^\r\n", Keys{" Five "}),
          R("5\r\n", Keys{"Unknown"}), R("-1^\"^Next^\"^\r\n", Keys{"Next"}),
          R("^\"^^\"^^\"^\r\nx^\"^Garbage^\"^\r\n", Keys{"Garbage"})}) {
        dir.Write("Alliance.dat", contents);
        TAllianceList list;
        list.Add(NewAlliance(1, "Held"));
        ASSERT_TRUE(list.LoadFromFile(dir.Path(), settings));
        Keys expected{"Held"};
        expected.insert(expected.end(), names.begin(), names.end());
        EXPECT_EQ(list.ListNames(), expected) << testing::Quoted(contents);
    }
}

TEST_F(AllianceTest, MembershipOnBothSidesAndDeleteClearsEveryFactionsKey)
{
    TFaction* red = Faction(7, "Red");
    TFaction* blue = Faction(12, "Blue");
    TAlliance* north = Alliance("North");
    TAlliance* south = Alliance("South");
    for (auto [alliance, faction] : {std::pair{north, red}, {north, red}, {south, red}, {north, blue}})
        JoinAlliance(*alliance, *faction);
    EXPECT_EQ(north->Members, (Keys{"00007", "00012"}));
    EXPECT_EQ(red->AllianceKeys, (Keys{"00001", "00002"}));
    LeaveAlliance(*north, *blue);
    EXPECT_EQ(std::tuple(north->Members, blue->AllianceKeys), std::tuple(Keys{"00007"}, Keys{}));

    blue->AddAlliance(1);  // a key the alliance itself does not list
    DeleteAlliance(alliances, 0, factions);
    EXPECT_EQ(alliances.ListNames(), Keys{"South"});
    EXPECT_EQ(red->AllianceKeys, Keys{"00002"});
    EXPECT_TRUE(blue->AllianceKeys.empty()) << "no faction keeps the number of an alliance that is gone";
    DeleteAlliance(alliances, 5, factions);
    EXPECT_EQ(alliances.Count(), 1);

    // In the order added; a repeated number replaces in place; a new one follows the largest, or after the
    // largest there is takes the first one free.
    Alliance("Nine", 9);
    Alliance("One", 1);
    TAlliance* renamed = Alliance("New South", 2);
    EXPECT_EQ(alliances.ListNames(), (Keys{"New South", "Nine", "One"}));
    EXPECT_EQ(std::tuple(alliances.Find(2), alliances.Find(4), alliances.Items(3)),
              std::tuple(renamed, nullptr, nullptr));
    EXPECT_EQ(Alliance("Ten")->Number, 10);
    Alliance("Top", INT32_MAX);
    EXPECT_EQ(alliances.NextNumber(), 3);
}

TEST_F(AllianceTest, SnapshotPutsEverythingBackAndNothingElse)
{
    TFaction* red = Faction(7, "Red");
    TFaction* blue = Faction(123456, "Blue");  // a key that sorts out of number order
    TFaction* green = Faction(99999, "Green");
    green->AllianceKeys = {"00003", "00001"};
    TAlliance* north = Alliance("North");
    north->Comments = "old friends";
    north->Colour = 0x00FF00;
    JoinAlliance(*north, *red);
    JoinAlliance(*north, *blue);
    Alliance("South");
    const std::string before = Saved();

    const TAllianceRegistrySnapshot snapshot(alliances, factions);
    north->Name = "Renamed";
    LeaveAlliance(*north, *red);
    DeleteAlliance(alliances, 1, factions);
    JoinAlliance(*Alliance("West"), *blue);
    TFaction* imported = Faction(40, "Imported");
    imported->AddAlliance(1);
    green->AllianceKeys = {"00001", "00003"};
    red->Name = "Red Hand";

    snapshot.Restore(alliances, factions);
    EXPECT_EQ(Saved(), before);
    EXPECT_EQ(std::tuple(red->AllianceKeys, blue->AllianceKeys), std::tuple(Keys{"00001"}, Keys{"00001"}));
    EXPECT_EQ(green->AllianceKeys, (Keys{"00003", "00001"})) << "keys in their order";
    EXPECT_TRUE(imported->AllianceKeys.empty()) << "a faction imported since was in no alliance";
    EXPECT_EQ(factions.Count(), 4) << "factions are neither added nor removed";
    EXPECT_EQ(red->Name, "Red Hand") << "only alliance keys go back";
}

}  // namespace
}  // namespace korvane
