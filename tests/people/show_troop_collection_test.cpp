// The display selection lists and their file "UnitLsts.Dat".
#include "people/show_troop_collection.h"

#include "core/settings.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

using testing::TempDir;
using Entries = std::vector<std::string>;

TEST(ShowTroopCollection, ListsFoundByTrimmedNamesAndTheirFileWhereOnlyAnUpperCaseYMarksAlliances)
{
    TShowTroopCollection lists;
    lists.SetList("  Friends ", false, {"12", "7"});
    EXPECT_TRUE(lists.Exists("Friends"));
    lists.SetList("Friends", true, {"2"});
    EXPECT_EQ(lists.Names(), Entries{"Friends"}) << "the same list";
    ASSERT_NE(lists.GetList(" Friends"), nullptr);
    EXPECT_EQ(lists.GetList("Friends")->Entries, Entries{"2"});
    EXPECT_EQ(std::tuple(lists.IsAllianceBased("Friends"), lists.IsAllianceBased("Foes"), lists.GetList("Foes")),
              std::tuple(true, false, nullptr))
        << "Foes: no such list";
    lists.SetList("Foes", false, {});
    lists.DeleteList(" Friends ");
    EXPECT_EQ(lists.Names(), Entries{"Foes"});

    TempDir dir;
    const TrecINI settings(dir.File("ATLANTIS.INI"));
    TShowTroopCollection loaded, fresh;
    dir.Write("UnitLsts.Dat", "VERSION,2.31\nFriends,N, 12,7\r\nAllies,y,3\r\n\r\n Pacts ,Y,1,2\n");
    ASSERT_TRUE(loaded.Load(dir.Path(), settings));
    EXPECT_EQ(loaded.Names(), (Entries{"Friends", "Allies", "Pacts"})) << "a blank line is no list";
    EXPECT_EQ(loaded.GetList("Friends")->Entries, (Entries{" 12", "7"}));
    EXPECT_EQ(std::tuple(loaded.IsAllianceBased("Allies"), loaded.IsAllianceBased("Pacts")), std::tuple(false, true));
    ASSERT_TRUE(loaded.Save(dir.Path(), settings));
    EXPECT_EQ(dir.Read("UnitLsts.Dat"), "VERSION,2.31\r\nFriends,N,12,7\r\nAllies,N,3\r\nPacts,Y,1,2\r\n");

    // An unreadable file leaves the lists as they were, and is not written over.
    std::filesystem::remove(dir.File("UnitLsts.Dat"));
    std::filesystem::create_directory(dir.File("UnitLsts.Dat"));
    EXPECT_FALSE(loaded.Load(dir.Path(), settings));
    EXPECT_EQ(loaded.Names(), (Entries{"Friends", "Allies", "Pacts"}));
    EXPECT_FALSE(loaded.Save(dir.Path(), settings));

    std::filesystem::remove(dir.File("UnitLsts.Dat"));
    ASSERT_TRUE(fresh.Load(dir.Path(), settings));
    ASSERT_TRUE(fresh.Save(dir.Path(), settings));
    EXPECT_EQ(dir.Read("UnitLsts.Dat"), "VERSION,2.31\r\nGeneral List,N\r\n")
        << "a missing file gives the general list";
}

}  // namespace
}  // namespace korvane
