// korvane-cli import, hex, units and import-factions against a program folder of its own.
#include "support/cli_run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

std::string Report(const char* name)
{
    return std::string(KORVANE_TEST_DATA_DIR) + "/reports/" + name;
}

using testing::CliResult;

class CliWorldTest : public ::testing::Test
{
protected:
    CliResult Cli(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--home", home.Path()});
        return testing::RunCliCapture(args);
    }

    testing::TempDir home;
};

TEST_F(CliWorldTest, ImportNeedsAFactionNumber)
{
    const CliResult run = Cli({"import", Report("ravenmoor-turn14.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("You must provide a valid faction number before importing turn files."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(home.File("DATA/Map.Dat")));
    EXPECT_EQ(Cli({"import", "--faction", "x", "f.txt"}).status, 2);
    EXPECT_EQ(Cli({"import", "--objects", "thing", "f.txt"}).status, 2);
    EXPECT_EQ(Cli({"import", "--faction", "7"}).status, 2);
}

TEST_F(CliWorldTest, ImportThenQueryHexAndUnits)
{
    const CliResult import = Cli({"import", "--faction", "7", "--objects", "troop", "--template", "apply",
                                  Report("ravenmoor-turn13.txt"), Report("ravenmoor-turn14.txt")});
    ASSERT_EQ(import.status, 0) << import.err;
    EXPECT_NE(import.out.find("Imported 2 of 2 files"), std::string::npos);
    EXPECT_NE(import.err.find("horses [HORS] taken as troop"), std::string::npos);
    EXPECT_NE(home.Read("ATLANTIS.INI").find("FactionNo=7"), std::string::npos);
    EXPECT_NE(home.Read("ATLANTIS.INI").find("CurrentTurn=14"), std::string::npos);
    EXPECT_NE(home.Read("DATA/Factions.dat").find("Ravenmoor Riders"), std::string::npos);

    const CliResult hex = Cli({"hex", "10", "12"});
    ASSERT_EQ(hex.status, 0) << hex.err;
    for (const char* expected :
         {"Hex:            (10,12)", "Terrain:        Plain", "Settlement:     Oakbridge town",
          "Peasants:       1234 (high elves)", "Gate:           4", "Wanted:         10 grain [GRAI] at $20",
          "[1] Watchtower : TOWER; needs 2.", "Units (turn 14):", "    21    7 Scout"})
        EXPECT_NE(hex.out.find(expected), std::string::npos) << expected << "\n" << hex.out;

    const CliResult under = Cli({"hex", "5", "3", "--under"});
    EXPECT_NE(under.out.find("(5,3,under)"), std::string::npos) << under.out;
    EXPECT_NE(under.out.find("Shaft:          Shaft"), std::string::npos);
    EXPECT_EQ(Cli({"hex", "99", "99"}).status, 1);
    EXPECT_EQ(Cli({"hex", "1"}).status, 2);

    const CliResult units = Cli({"units"});
    EXPECT_NE(units.out.find("    21    7 Scout                          3 LEAD     (10,12)"), std::string::npos)
        << units.out;
    EXPECT_NE(units.out.find("(10,12)     In 1"), std::string::npos);
    const CliResult own = Cli({"units", "--faction", "7"});
    EXPECT_EQ(own.out.find("Raiders"), std::string::npos);
    EXPECT_NE(own.out.find("men\n"), std::string::npos);
}

TEST_F(CliWorldTest, QueriesOfARefusedDatabaseFail)
{
    ASSERT_EQ(Cli({"import", "--faction", "7", Report("ravenmoor-turn14.txt")}).status, 0);
    std::string map = home.Read("DATA/Map.Dat");
    map.replace(0, map.find('\n') + 1, "VERSION,9.99\r\n");  // as a newer version would write it
    home.Write("DATA/Map.Dat", map);

    for (const std::vector<std::string>& query :
         {std::vector<std::string>{"hex", "10", "12"}, std::vector<std::string>{"units"}}) {
        const CliResult run = Cli(query);
        EXPECT_EQ(run.status, 1) << query[0];
        EXPECT_NE(run.err.find("more recent version"), std::string::npos) << query[0] << ": " << run.err;
        EXPECT_EQ(run.out.find("men"), std::string::npos) << query[0] << ": no empty world\n" << run.out;
    }
    EXPECT_EQ(home.Read("DATA/Map.Dat"), map);
}

TEST_F(CliWorldTest, FailedReportStopsTheRunButKeepsWhatWentIn)
{
    const std::string bad = home.Write("cut.txt",
                                       "Atlantis Report For:\nX (7)\nMay, Year 1\n\nUnclaimed silver: 99999.\n");
    const CliResult run = Cli(
        {"import", "--faction", "7", Report("ravenmoor-turn13.txt"), bad, Report("ravenmoor-turn14.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("error importing file " + bad), std::string::npos);
    EXPECT_NE(run.out.find("Imported 1 of 3 files"), std::string::npos);
    EXPECT_NE(home.Read("DATA/Map.Dat").find("Oakbridge"), std::string::npos);
    EXPECT_NE(home.Read("ATLANTIS.INI").find("Unclaimed=90\r\n"), std::string::npos) << "nothing of the failed report";
}

TEST_F(CliWorldTest, AFileThatCouldNotBeWrittenIsNoSuccess)
{
    std::filesystem::create_directories(home.File("DATA/Units0014.dat"));  // in the way of the turn's units
    const CliResult run = Cli({"import", "--faction", "7", Report("ravenmoor-turn14.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Error saving hex unit lists."), std::string::npos);
}

TEST_F(CliWorldTest, ImportFactionList)
{
    const std::string list = home.Write("factions.txt",
                                        "Ravenmoor Riders (7), riders@example.org\n"
                                        "Blue Moon (12),\n  moon@example.net\n");
    const CliResult run = Cli({"import-factions", list});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Import completed successfully."), std::string::npos);
    EXPECT_NE(home.Read("DATA/Factions.dat").find("moon@example.net"), std::string::npos);
    EXPECT_EQ(Cli({"import-factions", home.File("none.txt")}).status, 1);
}

}  // namespace
}  // namespace korvane

namespace korvane {
namespace {

TEST(DemoWorld, ImportsAsTheRunScriptDoes)
{
    testing::TempDir home;
    std::vector<std::string> args{"--home", home.Path(), "import", "--faction", "3", "--template", "apply"};
    for (int turn = 1; turn <= 3; ++turn)
        args.push_back(std::string(KORVANE_DEMO_DIR) + "/report-turn" + std::to_string(turn) + ".txt");
    const auto run = testing::RunCliCapture(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto hex = testing::RunCliCapture({"--home", home.Path(), "hex", "14", "14"});
    EXPECT_NE(hex.out.find("Settlement:     Highmarket city"), std::string::npos) << hex.out;
    EXPECT_NE(hex.out.find("Archivist"), std::string::npos);
    const auto under = testing::RunCliCapture({"--home", home.Path(), "hex", "8", "8", "--under"});
    EXPECT_NE(under.out.find("Lanternfall"), std::string::npos) << under.out;
}

}  // namespace
}  // namespace korvane
