// korvane-cli: the program directory choice, the commands a player runs first, and its messages.
#include "app/cli/cli_interaction.h"
#include "core/program_dir.h"

#include "app/cli_home.h"

#include <sstream>

namespace korvane {
namespace {

using CliTest = testing::CliHome;

TEST(ProgramDir, HomeOptionThenVariableThenExecutableFolder)
{
    const auto choice = ChooseProgramDir({"--home", "/a/b/", "info"}, "/env", "/exe");
    EXPECT_EQ(std::tuple(choice.dir, choice.rest), std::tuple("/a/b", std::vector<std::string>{"info"}));
    EXPECT_EQ(ChooseProgramDir({"--home=/c", "x"}, nullptr, "/exe").dir, "/c");
    EXPECT_EQ(ChooseProgramDir({"info"}, "/env", "/exe").dir, "/env");
    EXPECT_EQ(ChooseProgramDir({"info"}, "", "/exe").dir, "/exe");
    EXPECT_EQ(ChooseProgramDir({"info"}, nullptr, "/exe").dir, "/exe");
    EXPECT_FALSE(ChooseProgramDir({"info", "--home"}, nullptr, "/exe").error.empty());
    EXPECT_EQ(SettingsFileIn("/a/b"), "/a/b/ATLANTIS.INI");
}

TEST(ProgramDir, AnInstalledProgramKeepsItsDataWithTheUser)
{
    testing::TempDir writable;
    EXPECT_EQ(DefaultProgramDir(writable.Path(), "/data", "/home/p"), writable.Path());
    // A folder the program may not write (here: one that is not there) sends it to the user's.
    const std::string system = writable.File("usr/bin");
    EXPECT_EQ(DefaultProgramDir(system, "/data", "/home/p"), "/data/korvane");
    EXPECT_EQ(DefaultProgramDir(system, "", "/home/p"), "/home/p/.local/share/korvane");
    EXPECT_EQ(DefaultProgramDir(system, nullptr, nullptr), system);
}

TEST_F(CliTest, VersionHelpInfoAndWrongUse)
{
    EXPECT_EQ(testing::RunCliCapture({"--version"}).out, "Korvane 2.31\n");
    EXPECT_EQ(testing::RunCliCapture({}).status, 2);
    const std::string dir = home.Path();
    Expect({{{"--help"}, 0, {"info"}},
            {{"frobnicate"}, 2, {}, {"frobnicate"}},
            {{"info"},
             0,
             {"Program directory: " + dir + "\n", "(absent: defaults shown)", "DataDir          " + dir + "/DATA\n",
              "TurnDir          " + dir + "/TURNS\n", "StartZoom        5\n", "FacPoints        0,0,0\n",
              dir + "/DATA/Map.Dat (absent)"}}});
    EXPECT_FALSE(std::filesystem::exists(home.File("ATLANTIS.INI"))) << "info writes nothing";

    home.Write("ATLANTIS.INI", "[Faction]\r\nFactionNo=17\r\n[General]\r\nCurrentTurn=30\r\n");
    Expect({{{"info"}, 0, {"FactionNo        17\n", "MaxTurn          30\n"}, {}, {"absent: defaults"}}});
}

// Messages keep their line breaks; a question no command asks is answered by the policy, and said.
TEST(CliInteraction, MessagesKeepTheirLineBreaksAndQuestionsAreAnsweredByPolicy)
{
    std::ostringstream out, err;
    CliInteraction ui(out, err);
    ui.Error("first\rsecond");
    EXPECT_EQ(ui.AskYesNoCancel("Save ?"), Answer::Cancel);
    EXPECT_EQ(std::tuple(out.str(), err.str()), std::tuple("", "error: first\nsecond\nSave ? -> cancel\n"));
}

}  // namespace
}  // namespace korvane
