// korvane-cli import, hex, units and import-factions, with files it must not write over.
#include "app/cli_home.h"

namespace korvane {
namespace {

using CliWorldTest = testing::CliHome;
using testing::SampleReport;

TEST_F(CliWorldTest, ImportThenQueryHexAndUnits)
{
    const std::string noFaction = "You must provide a valid faction number before importing turn files.";
    Expect({{{"import", SampleReport(14)}, 1, {}, {noFaction}},
            {{"import", "--faction", "x", "f.txt"}, 2},
            {{"import", "--objects", "thing", "f.txt"}, 2},
            {{"import", "--faction", "7"}, 2}});
    EXPECT_FALSE(std::filesystem::exists(home.File("DATA/Map.Dat")));

    Expect(
        {{{"import", "--faction", "7", "--objects", "troop", "--template", "apply", SampleReport(13), SampleReport(14)},
          0,
          {"Imported 2 of 2 files"},
          {"horses [HORS] taken as troop"}},
         {{"hex", "10", "12"},
          0,
          {"Hex:            (10,12)", "Terrain:        Plain", "Settlement:     Oakbridge town",
           "Peasants:       1234 (high elves)", "Gate:           4", "Wanted:         10 grain [GRAI] at $20",
           "[1] Watchtower : TOWER; needs 2.", "Units (turn 14):", "    21    7 Scout"}},
         {{"hex", "5", "3", "--under"}, 0, {"(5,3,under)", "Shaft:          Shaft"}},
         {{"hex", "99", "99"}, 1},
         {{"hex", "1"}, 2},
         {{"units"}, 0, {"    21    7 Scout                          3 LEAD     (10,12)", "(10,12)     In 1"}},
         {{"units", "--faction", "7"}, 0, {"men\n"}, {}, {"Raiders"}}});
    for (const char* setting : {"FactionNo=7", "CurrentTurn=14"})
        EXPECT_THAT(home.Read("ATLANTIS.INI"), ::testing::HasSubstr(setting));
    EXPECT_THAT(home.Read("DATA/Factions.dat"), ::testing::HasSubstr("Ravenmoor Riders"));

    // A map database from a newer version is said, rather than shown as an empty world.
    const std::string map = RefuseMap();
    Expect({{{"hex", "10", "12"}, 1, {}, {"more recent version"}, {"men"}},
            {{"units"}, 1, {}, {"more recent version"}, {"men"}}});
    EXPECT_EQ(home.Read("DATA/Map.Dat"), map);
}

TEST_F(CliWorldTest, FailedReportStopsTheRunButKeepsWhatWentIn)
{
    const std::string bad = home.Write("cut.txt",
                                       "Atlantis Report For:\nX (7)\nMay, Year 1\n\nUnclaimed silver: 99999.\n");
    Expect({{{"import", "--faction", "7", SampleReport(13), bad, SampleReport(14)},
             1,
             {"Imported 1 of 3 files"},
             {"error importing file " + bad}}});
    EXPECT_THAT(home.Read("DATA/Map.Dat"), ::testing::HasSubstr("Oakbridge"));
    EXPECT_THAT(home.Read("ATLANTIS.INI"), ::testing::HasSubstr("Unclaimed=90\r\n")) << "nothing of the failed report";

    std::filesystem::create_directories(home.File("DATA/Units0014.dat"));  // in the way of the turn's units
    Expect({{{"import", "--faction", "7", SampleReport(14)}, 1, {}, {"Error saving hex unit lists."}}});
}

TEST_F(CliWorldTest, FactionListMergesAndARefusedRegistryIsKept)
{
    const std::string list = home.Write("factions.txt",
                                        "Ravenmoor Riders (7), riders@example.org\n"
                                        "Blue Moon (12),\n  moon@example.net\n");
    Expect({{{"import-factions", list}, 0, {"Import completed successfully."}},
            {{"import-factions", home.File("none.txt")}, 1}});
    EXPECT_THAT(home.Read("DATA/Factions.dat"), ::testing::HasSubstr("moon@example.net"));

    const std::string registry = home.Write("DATA/Factions.dat",
                                            "VERSION,two\r\n12^\"^Blue Moon^\"^Bo^\"^^\"^ally^\"^255^\"^0^\"^\r\n");
    Expect({{{"import", "--faction", "7", SampleReport(14)}, 1, {}, {registry}},
            {{"import-factions", list}, 1, {}, {}, {"Import completed successfully."}}});
    EXPECT_THAT(home.Read("DATA/Map.Dat"), ::testing::HasSubstr("Oakbridge")) << "the report still went in";
    EXPECT_EQ(home.Read("DATA/Factions.dat"), "VERSION,two\r\n12^\"^Blue Moon^\"^Bo^\"^^\"^ally^\"^255^\"^0^\"^\r\n");
}

TEST_F(CliWorldTest, PasswordIsStoredOnlyFromTheOwnReportAndNeverShown)
{
    home.Write("ATLANTIS.INI", "[Faction]\r\nPassword=mine\r\n");
    // The report is faction 7's: for faction 3 it is an ally's, whose password is not ours.
    Expect({{{"import", "--faction", "3", SampleReport(14)}}, {{"info"}, 0, {"(set)"}, {}, {"mine"}}});
    EXPECT_THAT(home.Read("ATLANTIS.INI"), ::testing::HasSubstr("Password=mine\r\n"));
    Expect({{{"import", "--faction", "7", "--template", "apply", SampleReport(14)}}});
    EXPECT_THAT(home.Read("ATLANTIS.INI"), ::testing::HasSubstr("Password=\"sesame\"\r\n"));
}

}  // namespace
}  // namespace korvane
