// What the alliance window changes in the registry, and going back to the registry as it was.
#include "people/alliance_editing.h"

#include "core/line_reader.h"
#include "core/settings.h"
#include "people/alliance_list.h"
#include "people/faction_list.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>

namespace korvane {
namespace {

TFaction* AddFaction(TFactionList& factions, std::int32_t number, std::string name)
{
    auto faction = std::make_unique<TFaction>();
    faction->Number = number;
    faction->Name = std::move(name);
    return factions.Add(std::move(faction));
}

TAlliance* AddAlliance(TAllianceList& alliances, std::string name)
{
    auto alliance = std::make_unique<TAlliance>();
    alliance->Name = std::move(name);
    return alliances.Add(std::move(alliance));
}

/// Every field of every alliance, in order.
std::string Dump(const TAllianceList& alliances)
{
    std::string text;
    for (int i = 0; i < alliances.Count(); ++i) {
        const TAlliance& a = *alliances.Items(i);
        text += std::to_string(a.Number) + "|" + a.Name + "|" + a.Comments + "|" + std::to_string(a.Colour) + "|";
        for (const auto& key : a.Members)
            text += key + " ";
        text += "\n";
    }
    return text;
}

TEST(AllianceEditing, MembershipOnBothSidesAndDeleteClearsEveryFactionsKey)
{
    TFactionList factions;
    TFaction* red = AddFaction(factions, 7, "Red");
    TFaction* blue = AddFaction(factions, 12, "Blue");
    TAllianceList alliances;
    TAlliance* north = AddAlliance(alliances, "North");
    TAlliance* south = AddAlliance(alliances, "South");

    JoinAlliance(*north, *red);
    JoinAlliance(*north, *red);
    JoinAlliance(*south, *red);
    JoinAlliance(*north, *blue);
    EXPECT_EQ(north->Members, (std::vector<std::string>{"00007", "00012"}));
    EXPECT_EQ(red->AllianceKeys, (std::vector<std::string>{"00001", "00002"}));
    LeaveAlliance(*north, *blue);
    EXPECT_EQ(north->Members, std::vector<std::string>{"00007"});
    EXPECT_TRUE(blue->AllianceKeys.empty());

    blue->AddAlliance(1);  // a key the alliance itself does not list
    DeleteAlliance(alliances, 0, factions);
    EXPECT_EQ(alliances.ListNames(), std::vector<std::string>{"South"});
    EXPECT_EQ(red->AllianceKeys, std::vector<std::string>{"00002"});
    EXPECT_TRUE(blue->AllianceKeys.empty()) << "no faction keeps the number of an alliance that is gone";
    DeleteAlliance(alliances, 5, factions);
    EXPECT_EQ(alliances.Count(), 1);
}

TEST(AllianceEditing, SnapshotPutsEverythingBackAndNothingElse)
{
    TFactionList factions;
    TFaction* red = AddFaction(factions, 7, "Red");
    TFaction* blue = AddFaction(factions, 123456, "Blue");  // a key that sorts out of number order
    TFaction* green = AddFaction(factions, 99999, "Green");
    green->AllianceKeys = {"00003", "00001"};
    TAllianceList alliances;
    TAlliance* north = AddAlliance(alliances, "North");
    north->Comments = "old friends";
    north->Colour = 0x00FF00;
    JoinAlliance(*north, *red);
    JoinAlliance(*north, *blue);
    AddAlliance(alliances, "South");
    const std::string before = Dump(alliances);
    const auto blueKeys = blue->AllianceKeys;

    const TAllianceRegistrySnapshot snapshot(alliances, factions);
    north->Name = "Renamed";
    LeaveAlliance(*north, *red);
    DeleteAlliance(alliances, 1, factions);
    JoinAlliance(*AddAlliance(alliances, "West"), *blue);
    TFaction* imported = AddFaction(factions, 40, "Imported");
    imported->AddAlliance(1);
    green->AllianceKeys = {"00001", "00003"};
    red->Name = "Red Hand";

    snapshot.Restore(alliances, factions);
    EXPECT_EQ(Dump(alliances), before);
    EXPECT_EQ(red->AllianceKeys, std::vector<std::string>{"00001"});
    EXPECT_EQ(blue->AllianceKeys, blueKeys);
    EXPECT_EQ(green->AllianceKeys, (std::vector<std::string>{"00003", "00001"})) << "keys in their order";
    EXPECT_TRUE(imported->AllianceKeys.empty()) << "a faction imported since was in no alliance";
    EXPECT_EQ(factions.Count(), 4) << "factions are neither added nor removed";
    EXPECT_EQ(red->Name, "Red Hand") << "only alliance keys go back";
}

TEST(AllianceEditing, TypedTextIsKeptAsTheFileWillHoldIt)
{
    struct Row
    {
        const char* typed;
        const char* kept;
    };
    const Row rows[] = {
        {"  North\t", "North"},
        {"\r\nNorth\n", "North"},
        {"two\r\nlines", "two  lines"},  // the separator rules themselves: the faction file's test
        {"end^\"\n", "end^'"},
        {"Dragon's, \"fine\" band", "Dragon's, \"fine\" band"},
        {" \t ", ""},
    };
    testing::TempDir dir;
    const TrecINI settings(dir.File("ATLANTIS.INI"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        const std::string kept = AllianceText(row.typed);
        EXPECT_EQ(kept, row.kept);
        if (kept.empty())
            continue;
        TAllianceList saved;
        TAlliance* alliance = AddAlliance(saved, kept);
        alliance->Comments = kept;
        ASSERT_TRUE(saved.SaveToFile(dir.Path(), settings));
        TAllianceList loaded;
        ASSERT_TRUE(loaded.LoadFromFile(dir.Path(), settings));
        ASSERT_EQ(loaded.Count(), 1);
        EXPECT_EQ(loaded.Items(0)->Name, kept) << "what the window shows is what comes back";
        EXPECT_EQ(loaded.Items(0)->Comments, kept);
    }
}

}  // namespace
}  // namespace korvane
