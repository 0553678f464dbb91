// korvane-cli with files it must not write over, and with the game's secrets.
#include "support/cli_run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

using testing::CliResult;

std::string Report(const char* name)
{
    return std::string(KORVANE_TEST_DATA_DIR) + "/reports/" + name;
}

class CliRefusedFilesTest : public ::testing::Test
{
protected:
    CliRefusedFilesTest() { std::filesystem::create_directory(home.File("DATA")); }

    CliResult Cli(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--home", home.Path()});
        return testing::RunCliCapture(args);
    }

    testing::TempDir home;
};

TEST_F(CliRefusedFilesTest, RefusedFactionRegistryIsKeptAndTheRunFails)
{
    const std::string registry = "VERSION,two\r\n12^\"^Blue Moon^\"^Bo^\"^^\"^ally^\"^255^\"^0^\"^\r\n";
    home.Write("DATA/Factions.dat", registry);

    const CliResult import = Cli({"import", "--faction", "7", Report("ravenmoor-turn14.txt")});
    EXPECT_EQ(import.status, 1);
    EXPECT_NE(import.err.find(home.File("DATA/Factions.dat")), std::string::npos) << import.err;
    EXPECT_NE(home.Read("DATA/Map.Dat").find("Oakbridge"), std::string::npos) << "the report still went in";
    EXPECT_EQ(home.Read("DATA/Factions.dat"), registry);

    const std::string list = home.Write("factions.txt", "Ravenmoor Riders (7), riders@example.org\n");
    const CliResult merge = Cli({"import-factions", list});
    EXPECT_EQ(merge.status, 1);
    EXPECT_EQ(merge.out.find("Import completed successfully."), std::string::npos);
    EXPECT_EQ(home.Read("DATA/Factions.dat"), registry);
}

TEST_F(CliRefusedFilesTest, PasswordIsStoredOnlyFromTheOwnReportAndNeverShown)
{
    home.Write("ATLANTIS.INI", "[Faction]\r\nPassword=mine\r\n");
    // The report is faction 7's: for faction 3 it is an ally's, whose password is not ours.
    ASSERT_EQ(Cli({"import", "--faction", "3", Report("ravenmoor-turn14.txt")}).status, 0);
    EXPECT_NE(home.Read("ATLANTIS.INI").find("Password=mine\r\n"), std::string::npos);

    const CliResult info = Cli({"info"});
    EXPECT_EQ(info.out.find("mine"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("(set)"), std::string::npos);

    ASSERT_EQ(Cli({"import", "--faction", "7", "--template", "apply", Report("ravenmoor-turn14.txt")}).status, 0);
    EXPECT_NE(home.Read("ATLANTIS.INI").find("Password=\"sesame\"\r\n"), std::string::npos)
        << home.Read("ATLANTIS.INI");
}

}  // namespace
}  // namespace korvane
