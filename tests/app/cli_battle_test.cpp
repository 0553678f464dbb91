// korvane-cli battle: the report of a saved set-up, the same for the same seed, fortifications
// by name, and damaged or missing files said on standard error.
#include "combat/battle.h"
#include "combat/battle_file.h"
#include "core/silent_interaction.h"

#include "support/cli_run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <utility>

namespace korvane {
namespace {

using testing::CliResult;

constexpr const char* kBattle = "VERSION,2.31\r\n"
                                "N,Y\r\n"
                                "1\r\n"
                                "12,Heavy Cavalry,25,N,3,0,0,2,0,0,25,0,0,0,0,25,0,25,0,1,1\r\n"
                                "2\r\n"
                                "7,Longbow men,30,Y,0,3,0,0,0,0,0,30,0,0,0,0,30,0,0,1,1\r\n"
                                "8,Fighters,20,N,2,0,0,0,0,0,20,0,0,0,0,0,20,0,0,1,1\r\n";

class CliBattleTest : public ::testing::Test
{
protected:
    CliResult Cli(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--home", home.Path()});
        return testing::RunCliCapture(args);
    }

    testing::TempDir home;
    const std::string file = home.Write("clash.btl", kBattle);
};

TEST_F(CliBattleTest, SameSeedPrintsTheEnginesReportEveryTime)
{
    const CliResult first = Cli({"battle", file, "--seed", "77", "--fort-right", "castle"});
    const CliResult second = Cli({"battle", "--seed=77", "--fort-right", "Castle", file});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.err, "");
    EXPECT_FALSE(first.out.empty());
    EXPECT_EQ(first.out, second.out);

    BattleSetup setup;
    std::vector<BattleFileProblem> problems;
    ASSERT_TRUE(LoadBattleFile(file, setup, problems));
    std::vector<std::string> report;
    SilentInteraction ui;
    ASSERT_TRUE(RunBattle(setup.Left, setup.Right, 0, 250, TCombatSide::None, true, report, ui, 77u));
    std::string expected;
    for (const auto& line : report)
        expected += line + "\n";
    EXPECT_EQ(first.out, expected);
}

TEST_F(CliBattleTest, BadOptionsAreRefusedWithTheValidNames)
{
    const CliResult unknown = Cli({"battle", file, "--fort-left", "Magical Fortress"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("\"Magical Fortess\""), std::string::npos) << unknown.err;
    EXPECT_NE(unknown.err.find("\"None\""), std::string::npos) << unknown.err;

    EXPECT_EQ(Cli({"battle", file, "--fort-left", "Tower", "--fort-right", "Fort"}).status, 2);
    EXPECT_EQ(Cli({"battle", file, "--seed", "-3"}).status, 2);
    EXPECT_EQ(Cli({"battle", file, "--seed"}).status, 2);
    EXPECT_EQ(Cli({"battle"}).status, 2);
}

TEST_F(CliBattleTest, DamagedFileIsFoughtAsReadAndMissingFileFails)
{
    const std::string damaged = home.Write(
        "damaged.btl", "VERSION,2.31\nN,N\n1\n1,Fighters,10,N,1\n3\n2,Fighters,10,N,1,0,0,0,0,0,10\n");
    const CliResult run = Cli({"battle", damaged, "--seed", "5"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find(damaged + ":4: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(damaged + ":7: "), std::string::npos) << run.err;
    EXPECT_FALSE(run.out.empty());

    // Refused battles: no report, the reason on standard error, a failing status.
    const std::pair<std::string, std::string> refused[] = {
        {"VERSION,2.31\nN,N\n0\n0\n", "One side has no troops - no combat occurs."},
        {"VERSION,2.31\nN,N\n1\n1,Horde,2000000000,N\n1\n2,Scout,1,N,1\n",
         "error: No combat occurs: Left fields 2000000000 men, but a side can field at most 100000 men."},
    };
    for (const auto& [text, message] : refused) {
        const CliResult run = Cli({"battle", home.Write("refused.btl", text), "--seed", "5"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }

    const CliResult missing = Cli({"battle", home.File("none.btl")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
}

}  // namespace
}  // namespace korvane
