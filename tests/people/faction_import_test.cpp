// Merging the game's faction list into the faction registry.
#include "people/faction_list.h"

#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

using testing::ScriptedInteraction;
using testing::TempDir;

// Name, number in parentheses, a comma and an address; long entries wrap onto lines
// indented by two spaces. The last entry has no line end.
constexpr const char* kFactionList = "The Guardsmen (1), none\r\n"
                                     "Merchants of (Old) Vell (12), vell@example.org\r\n"
                                     "A Faction With A Very Long Name (7),\r\n"
                                     "  seven@example.org\r\n"
                                     "\r\n"
                                     "No number here, nobody@example.org\n"
                                     "Zero (0), zero@example.org\n"
                                     "Garbled (x9), garbled@example.org\n"
                                     "Last One (40), last@example.org";

TEST(FactionImport, ReadsEntriesWrappedAndLastAndKeepsPlayerFieldsOnReimport)
{
    TempDir dir;
    TFactionList list;
    ScriptedInteraction ui;
    ASSERT_TRUE(list.ImportFactionList(dir.Write("a.txt", kFactionList), ui));
    ASSERT_EQ(list.Count(), 4) << "numbers below 1, unreadable ones and entries without one are skipped";
    EXPECT_EQ(list.Find(1)->EMail, "none");
    EXPECT_EQ(std::tuple(list.Find(7)->Name, list.Find(7)->EMail),
              std::tuple("A Faction With A Very Long Name", "seven@example.org"));
    EXPECT_EQ(list.Find(12)->Name, "Merchants of (Old) Vell");
    EXPECT_EQ(list.Find(40)->EMail, "last@example.org") << "the entry on the last line";

    TFaction* guild = list.Find(12);
    guild->Player = "Ann";
    guild->Colour = 255;
    guild->Comments = "ally";
    guild->AddAlliance(3);
    ASSERT_TRUE(list.ImportFactionList(dir.Write("b.txt", "Vell Traders (12), new@example.org\r\n"), ui));
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Find(12), guild) << "one record per faction number";
    EXPECT_EQ(std::tuple(guild->Name, guild->EMail), std::tuple("Vell Traders", "new@example.org"));
    EXPECT_EQ(std::tuple(guild->Player, guild->Colour, guild->Comments, guild->InAlliance(3)),
              std::tuple("Ann", 255, "ally", true))
        << "what the player set is kept";
    EXPECT_TRUE(ui.shown.empty());
}

TEST(FactionImport, MissingOrUnopenableFileWarns)
{
    TempDir dir;
    TFactionList list;
    ScriptedInteraction ui;
    EXPECT_FALSE(list.ImportFactionList(dir.File("absent.txt"), ui));
    std::filesystem::create_directory(dir.File("folder.txt"));
    EXPECT_FALSE(list.ImportFactionList(dir.File("folder.txt"), ui));
    EXPECT_EQ(
        ui.Texts(ScriptedInteraction::Kind::Warning),
        (std::vector<std::string>{"Unable to find specified Faction List file.", "Unable to open Faction List file."}));
}

TEST(FactionImport, OddInputReadsWhatItCan)
{
    TempDir dir;
    std::string contents("Nul\0Name (3), a@example.org\n", 28);
    contents += "Long Address (4), " + std::string(300, 'm') + "\n";
    contents += "Spaced ( 5 ), spaced@example.org\nUnclosed (6, broken\n),(\n";
    // One entry wrapped over thousands of long lines: megabytes, read in one go.
    contents += "Wrapped (8),";
    for (int i = 0; i < 2000; ++i)
        contents += "\n  " + std::string(1500, 'w');
    TFactionList list;
    ScriptedInteraction ui;
    ASSERT_TRUE(list.ImportFactionList(dir.Write("odd.txt", contents), ui));
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Find(3)->Name, std::string("Nul\0Name", 8));
    EXPECT_EQ(list.Find(4)->EMail, std::string(255, 'm')) << "addresses are kept to 255 characters";
    EXPECT_NE(list.Find(5), nullptr);
    EXPECT_EQ(list.Find(8)->EMail.size(), 255u);
}

}  // namespace
}  // namespace korvane
