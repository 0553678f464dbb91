// korvane-cli export-kvd and import-kvd: one player's map carried into another's program folder.
#include "app/cli_home.h"

namespace korvane {
namespace {

using CliKvdTest = testing::CliHome;
using testing::SampleReport;

TEST_F(CliKvdTest, AMapTravelsToAnotherProgramFolder)
{
    const std::string file = home.File("shared.KVD"), under = home.File("under.KVD");
    const testing::TempDir theirs;
    Expect({{{"import", "--faction", "7", SampleReport(14)}},
            {{"export-kvd", "--town-names", "--gate-numbers", "--shafts", "--other", file}, 0, {"Exported "}},
            {{"export-kvd", "--under", "--shafts", under}}});

    const std::string saved = "the map database is saved";
    Expect({{{"import-kvd", "--confirmed", file}, 0, {saved}},
            {{"import-kvd", "--confirmed", under}, 0, {saved}},
            {{"hex", "10", "12"}, 0, {"Settlement:     Oakbridge town", "Gate:           4"}},
            {{"hex", "5", "3", "--under"}, 0, {"Shaft:          Shaft"}},
            // What came across is all that went: the second folder exports the same file.
            {{"export-kvd", "--town-names", "--gate-numbers", "--shafts", "--other", theirs.File("again.KVD")}}},
           &theirs);
    EXPECT_EQ(theirs.Read("again.KVD"), home.Read("shared.KVD"));

    Expect({{{"export-kvd", "--under", file}, 1, {}, {"give --overwrite"}}});
    EXPECT_EQ(home.Read("shared.KVD"), theirs.Read("again.KVD"));
    Expect({{{"export-kvd", "--under", "--shafts", "--overwrite", file}}});
    EXPECT_EQ(home.Read("shared.KVD"), home.Read("under.KVD"));
}

TEST_F(CliKvdTest, WrongUseAndRefusedFilesChangeNothing)
{
    Expect({{{"import", "--faction", "7", SampleReport(14)}}});
    const std::string map = home.Read("DATA/Map.Dat");
    const std::string newer = home.Write("newer.KVD", "VERSION,2.40\r\n0,2,2,1,,,,,,,,,,,,,0,,,,0,0,0\r\n");
    Expect({{{"export-kvd"}, 2},
            {{"export-kvd", "--rect", "1,2,3", "x.KVD"}, 2},
            {{"export-kvd", "--gate", "x.KVD"}, 2},
            {{"import-kvd", "--confirmed", "--unconfirmed", "x.KVD"}, 2},
            {{"import-kvd", "a.KVD", "b.KVD"}, 2},
            {{"export-kvd", "--rect", "9,0,3,5", home.File("x.KVD")}, 1, {}, {"make Left <= Right."}},
            {{"import-kvd", home.File("none.KVD")}, 1, {"Import file not found"}},
            {{"import-kvd", newer}, 1}});
    EXPECT_EQ(home.Read("DATA/Map.Dat"), map);

    // A map database from a newer program is neither exported from nor written over.
    const std::string refused = RefuseMap();
    const std::string good = home.Write("good.KVD", "VERSION,2.31\r\n0,2,2,1,,,,,,,,,,,,,0,,,,0,0,0\r\n");
    Expect({{{"import-kvd", good}, 1}, {{"export-kvd", home.File("out.KVD")}, 1}});
    EXPECT_EQ(home.Read("DATA/Map.Dat"), refused);
    EXPECT_EQ(home.Read("out.KVD"), "");
}

}  // namespace
}  // namespace korvane
