// korvane-cli: the program directory choice and the commands a player runs.
#include "app/cli/cli_interaction.h"
#include "core/program_dir.h"

#include "support/cli_run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korvane {
namespace {

using testing::TempDir;

TEST(ProgramDir, HomeOptionThenVariableThenExecutableFolder)
{
    auto choice = ChooseProgramDir({"--home", "/a/b/", "info"}, "/env", "/exe");
    EXPECT_EQ(choice.dir, "/a/b");
    EXPECT_EQ(choice.rest, std::vector<std::string>{"info"});
    EXPECT_EQ(ChooseProgramDir({"--home=/c", "x"}, nullptr, "/exe").dir, "/c");
    EXPECT_EQ(ChooseProgramDir({"info"}, "/env", "/exe").dir, "/env");
    EXPECT_EQ(ChooseProgramDir({"info"}, "", "/exe").dir, "/exe");
    EXPECT_EQ(ChooseProgramDir({"info"}, nullptr, "/exe").dir, "/exe");
    EXPECT_FALSE(ChooseProgramDir({"info", "--home"}, nullptr, "/exe").error.empty());
    EXPECT_EQ(SettingsFileIn("/a/b"), "/a/b/ATLANTIS.INI");
}

TEST(ProgramDir, AnInstalledProgramKeepsItsDataWithTheUser)
{
    TempDir writable;
    EXPECT_EQ(DefaultProgramDir(writable.Path(), "/data", "/home/p"), writable.Path());
    // A folder the program may not write (here: one that is not there) sends it to the user's.
    const std::string system = writable.File("usr/bin");
    EXPECT_EQ(DefaultProgramDir(system, "/data", "/home/p"), "/data/korvane");
    EXPECT_EQ(DefaultProgramDir(system, "", "/home/p"), "/home/p/.local/share/korvane");
    EXPECT_EQ(DefaultProgramDir(system, nullptr, nullptr), system);
}

using testing::CliResult;

CliResult RunCommand(const std::vector<std::string>& args)
{
    return testing::RunCliCapture(args);
}

TEST(Cli, VersionHelpAndUnknownCommand)
{
    EXPECT_EQ(RunCommand({"--version"}).out, "Korvane 2.31\n");
    const CliResult help = RunCommand({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("info"), std::string::npos);
    const CliResult unknown = RunCommand({"frobnicate"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("frobnicate"), std::string::npos);
    EXPECT_EQ(RunCommand({}).status, 2);
}

TEST(Cli, InfoOnEmptyProgramDirShowsDefaults)
{
    TempDir home;
    const CliResult info = RunCommand({"--home", home.Path(), "info"});
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.out.find("Program directory: " + home.Path() + "\n"), std::string::npos);
    EXPECT_NE(info.out.find("(absent: defaults shown)"), std::string::npos);
    EXPECT_NE(info.out.find("DataDir          " + home.Path() + "/DATA\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("TurnDir          " + home.Path() + "/TURNS\n"), std::string::npos);
    EXPECT_NE(info.out.find("StartZoom        5\n"), std::string::npos);
    EXPECT_NE(info.out.find("FacPoints        0,0,0\n"), std::string::npos);
    EXPECT_NE(info.out.find(home.Path() + "/DATA/Map.Dat (absent)"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(home.File("ATLANTIS.INI"))) << "info writes nothing";
}

TEST(Cli, InfoShowsSettingsAsRead)
{
    TempDir home;
    home.Write("ATLANTIS.INI", "[Faction]\r\nFactionNo=17\r\n[General]\r\nCurrentTurn=30\r\n");
    const CliResult info = RunCommand({"--home", home.Path(), "info"});
    EXPECT_NE(info.out.find("FactionNo        17\n"), std::string::npos);
    EXPECT_NE(info.out.find("MaxTurn          30\n"), std::string::npos);
    EXPECT_EQ(info.out.find("absent: defaults"), std::string::npos);
}

TEST(CliInteraction, PrintsMessagesAndAnswersByPolicy)
{
    std::ostringstream out, err;
    CliInteraction ui(out, err);
    ui.Info("Turn file imported successfully.");
    ui.Error("first\rsecond");
    ui.identifyAsTroop = true;
    EXPECT_TRUE(ui.Identify("wolves [WOLF]"));
    EXPECT_FALSE(ui.AskYesNo("Apply the orders template ?"));
    EXPECT_EQ(ui.AskYesNoCancel("Save ?"), Answer::Cancel);
    EXPECT_EQ(out.str(), "Turn file imported successfully.\n");
    EXPECT_NE(err.str().find("error: first\nsecond\n"), std::string::npos);
    EXPECT_NE(err.str().find("wolves [WOLF] taken as troop"), std::string::npos);
    EXPECT_EQ(ui.ErrorCount(), 1);
}

}  // namespace
}  // namespace korvane
