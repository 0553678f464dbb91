// korvane-cli export-kvd and import-kvd: one player's map carried into another's program folder.
#include "support/cli_run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace korvane {
namespace {

using testing::CliResult;
using testing::TempDir;

CliResult Cli(const TempDir& home, std::vector<std::string> args)
{
    args.insert(args.begin(), {"--home", home.Path()});
    return testing::RunCliCapture(args);
}

class CliKvdTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const CliResult import = Cli(
            mine, {"import", "--faction", "7", KORVANE_TEST_DATA_DIR "/reports/ravenmoor-turn14.txt"});
        ASSERT_EQ(import.status, 0) << import.err;
    }

    TempDir mine;
    TempDir theirs;
};

TEST_F(CliKvdTest, AMapTravelsToAnotherProgramFolder)
{
    const std::string file = mine.File("shared.KVD");
    const CliResult out = Cli(mine, {"export-kvd", "--town-names", "--gate-numbers", "--shafts", "--other", file});
    ASSERT_EQ(out.status, 0) << out.err;
    EXPECT_NE(out.out.find("Exported "), std::string::npos);
    EXPECT_EQ(mine.Read("shared.KVD").rfind("VERSION,2.31\r\n", 0), 0u);
    const CliResult under = Cli(mine, {"export-kvd", "--under", "--shafts", mine.File("under.KVD")});
    ASSERT_EQ(under.status, 0) << under.err;

    for (const std::string& kvd : {file, mine.File("under.KVD")}) {
        const CliResult in = Cli(theirs, {"import-kvd", "--confirmed", kvd});
        ASSERT_EQ(in.status, 0) << in.err;
        EXPECT_NE(in.out.find("the map database is saved"), std::string::npos);
    }
    const CliResult hex = Cli(theirs, {"hex", "10", "12"});
    ASSERT_EQ(hex.status, 0) << hex.err;
    for (const char* expected : {"Terrain:        Plain", "Settlement:     Oakbridge town",
                                 "Peasants:       1234 (high elves)", "Gate:           4"})
        EXPECT_NE(hex.out.find(expected), std::string::npos) << expected << "\n" << hex.out;
    EXPECT_NE(Cli(theirs, {"hex", "5", "3", "--under"}).out.find("Shaft:          Shaft"), std::string::npos);

    // What came across is all that went: the second folder exports the same file.
    ASSERT_EQ(
        Cli(theirs, {"export-kvd", "--town-names", "--gate-numbers", "--shafts", "--other", theirs.File("again.KVD")})
            .status,
        0);
    EXPECT_EQ(theirs.Read("again.KVD"), mine.Read("shared.KVD"));

    const CliResult kept = Cli(mine, {"export-kvd", "--under", file});
    EXPECT_EQ(kept.status, 1);
    EXPECT_NE(kept.err.find("give --overwrite"), std::string::npos) << kept.err;
    EXPECT_EQ(mine.Read("shared.KVD"), theirs.Read("again.KVD"));
    EXPECT_EQ(Cli(mine, {"export-kvd", "--under", "--shafts", "--overwrite", file}).status, 0);
    EXPECT_EQ(mine.Read("shared.KVD"), mine.Read("under.KVD"));
}

TEST_F(CliKvdTest, ARectangleAndGatesWithoutNumbers)
{
    ASSERT_EQ(Cli(mine, {"export-kvd", "--rect", "10,12,10,12", "--gates", mine.File("one.KVD")}).status, 0);
    const std::string one = mine.Read("one.KVD");
    EXPECT_EQ(one.rfind("VERSION,2.31\r\n0,10,12,", 0), 0u) << one;
    EXPECT_NE(one.find(",999,"), std::string::npos) << one;
    EXPECT_EQ(one.find("Oakbridge"), std::string::npos) << "town names were not asked for";
    EXPECT_EQ(std::count(one.begin(), one.end(), '\n'), 2);

    ASSERT_EQ(Cli(theirs, {"import-kvd", mine.File("one.KVD")}).status, 0);
    EXPECT_NE(Cli(theirs, {"hex", "10", "12"}).out.find("Gate:           999"), std::string::npos);

    // A file that knows nothing of the hex takes nothing from it, even overriding.
    const std::string nothing = mine.Write(
        "nothing.KVD", "VERSION,2.31\r\n0,10,12,0,Unknown,Unknown,-1,,0,,0,,,Unknown,-1,-1,0,,,,0,0,0\r\n");
    ASSERT_EQ(Cli(mine, {"import-kvd", "--override", nothing}).status, 0);
    const std::string hex = Cli(mine, {"hex", "10", "12"}).out;
    for (const char* expected : {"Terrain:        Plain", "Province:       Ravenmoor",
                                 "Peasants:       1234 (high elves)", "Silver:         5678"})
        EXPECT_NE(hex.find(expected), std::string::npos) << expected << "\n" << hex;
}

TEST_F(CliKvdTest, WrongUseAndRefusedFilesChangeNothing)
{
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{"export-kvd"},
                                                  {"export-kvd", "--rect", "1,2,3", "x.KVD"},
                                                  {"export-kvd", "--gate", "x.KVD"},
                                                  {"import-kvd", "--confirmed", "--unconfirmed", "x.KVD"},
                                                  {"import-kvd", "a.KVD", "b.KVD"}})
        EXPECT_EQ(Cli(mine, wrong).status, 2) << wrong.back();
    const CliResult backwards = Cli(mine, {"export-kvd", "--rect", "9,0,3,5", mine.File("x.KVD")});
    EXPECT_EQ(backwards.status, 1);
    EXPECT_NE(backwards.err.find("Errr, I think you want to make Left <= Right."), std::string::npos);

    const std::string map = mine.Read("DATA/Map.Dat");
    const CliResult missing = Cli(mine, {"import-kvd", mine.File("none.KVD")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("Import file not found"), std::string::npos);
    const std::string newer = mine.Write("newer.KVD", "VERSION,2.40\r\n0,2,2,1,,,,,,,,,,,,,0,,,,0,0,0\r\n");
    EXPECT_EQ(Cli(mine, {"import-kvd", newer}).status, 1);
    EXPECT_EQ(mine.Read("DATA/Map.Dat"), map);

    // A map database from a newer program is neither exported from nor written over.
    std::string refused = map;
    refused.replace(0, refused.find('\n') + 1, "VERSION,9.99\r\n");
    std::filesystem::create_directory(theirs.File("DATA"));
    theirs.Write("DATA/Map.Dat", refused);
    const std::string good = mine.Write("good.KVD", "VERSION,2.31\r\n0,2,2,1,,,,,,,,,,,,,0,,,,0,0,0\r\n");
    EXPECT_EQ(Cli(theirs, {"import-kvd", good}).status, 1);
    EXPECT_EQ(Cli(theirs, {"export-kvd", theirs.File("out.KVD")}).status, 1);
    EXPECT_EQ(theirs.Read("DATA/Map.Dat"), refused);
    EXPECT_EQ(theirs.Read("out.KVD"), "");
}

}  // namespace
}  // namespace korvane
