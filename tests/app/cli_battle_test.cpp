// korvane-cli battle: the engine's report for a seed, and bad files said on standard error.
#include "combat/battle.h"
#include "combat/battle_file.h"
#include "core/silent_interaction.h"

#include "app/cli_home.h"

namespace korvane {
namespace {

constexpr const char* kBattle = "VERSION,2.31\r\nN,Y\r\n1\r\n"
                                "12,Heavy Cavalry,25,N,3,0,0,2,0,0,25,0,0,0,0,25,0,25,0,1,1\r\n2\r\n"
                                "7,Longbow men,30,Y,0,3,0,0,0,0,0,30,0,0,0,0,30,0,0,1,1\r\n"
                                "8,Fighters,20,N,2,0,0,0,0,0,20,0,0,0,0,0,20,0,0,1,1\r\n";

using CliBattleTest = testing::CliHome;

// The engine's report for the seed, every time; wrong use said, and of a damaged file what is readable fought.
TEST_F(CliBattleTest, PrintsTheEnginesReportForTheSeedAndSaysWhatItCannotRead)
{
    const std::string file = home.Write("clash.btl", kBattle);
    const testing::CliResult first = Cli({"battle", file, "--seed", "77", "--fort-right", "castle"});
    ASSERT_EQ(std::tuple(first.status, first.err), std::tuple(0, ""));
    EXPECT_EQ(first.out, Cli({"battle", "--seed=77", "--fort-right", "Castle", file}).out);

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

    const std::string damaged = home.Write(
        "damaged.btl", "VERSION,2.31\nN,N\n1\n1,Fighters,10,N,1\n3\n2,Fighters,10,N,1,0,0,0,0,0,10\n");
    const std::string empty = home.Write("empty.btl", "VERSION,2.31\nN,N\n0\n0\n");
    Expect({{{"battle", file, "--fort-left", "Magical Fortress"}, 2, {}, {"\"Magical Fortess\"", "\"None\""}, {}, true},
            {{"battle", file, "--fort-left", "Tower", "--fort-right", "Fort"}, 2},
            {{"battle", file, "--seed", "-3"}, 2},
            {{"battle", file, "--seed"}, 2},
            {{"battle"}, 2},
            {{"battle", damaged, "--seed", "5"}, 0, {"\n"}, {damaged + ":4: ", damaged + ":7: "}},
            {{"battle", empty, "--seed", "5"}, 1, {}, {"One side has no troops - no combat occurs."}, {}, true},
            {{"battle", home.File("none.btl")}, 1, {}, {}, {}, true}});
}

}  // namespace
}  // namespace korvane
