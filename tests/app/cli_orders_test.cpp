// korvane-cli orders and check-orders: files written and kept, failures, and problems told.
#include "app/cli_home.h"
#include "support/fixtures.h"
#include "support/generated_report.h"

#include <map>

namespace korvane {
namespace {

namespace fs = std::filesystem;

class CliOrdersTest : public testing::CliHome
{
protected:
    /// Faction 1's template orders 1000002 (at (0,0), 150 silver, beside 2000001); 1000004 is at (0,2).
    void SetUp() override
    {
        const std::string report = testing::GenerateReport(
                                       {.month = 7, .columns = 4, .rows = 4, .unitsPerRegion = 3, .factions = 2})
            + "Orders Template (Long Format):\n\n#atlantis 1 \"pw\"\n\nunit 1000002\nwork\n"
              "give 1000004 20 silver\n\nunit 1000004\n\n#end\n";
        Expect({{{"import", "--faction", "1", "--template", "apply", out.Write("report.txt", report)}}});
    }

    testing::TempDir out;
};

// The file's layout is the logic's; here: nothing else written, its problems told, a file there kept.
TEST_F(CliOrdersTest, WritesInTheCurrentFolderTellsItsProblemsAndKeepsAnExistingFile)
{
    const auto snapshot = [this] {  // every file of the program folder, with its bytes and time of writing
        std::map<std::string, std::pair<std::string, fs::file_time_type>> files;
        for (const auto& entry : fs::recursive_directory_iterator(home.Path()))
            if (entry.is_regular_file())
                files[entry.path().string()] = {home.Read(fs::relative(entry.path(), home.Path()).string()),
                                                entry.last_write_time()};
        return files;
    };
    const auto before = snapshot();
    const fs::path previous = fs::current_path();
    fs::current_path(out.Path());
    const auto run = Expect({{{"orders", "Turn008.txt"}, 0, {"Wrote Turn008.txt"}}});
    const std::string made = out.Read("Turn008.txt");
    out.Write("Turn008.txt", "the player's own text");
    Expect({{{"orders", "Turn008.txt"}, 1, {}, {"Turn008.txt is kept; give --overwrite to replace it"}}});
    const std::string afterKept = out.Read("Turn008.txt");
    Expect({{{"orders", "--overwrite", "Turn008.txt"}, 0, {}, {"replace Turn008.txt ? -> yes"}}});
    fs::current_path(previous);

    EXPECT_EQ(snapshot(), before) << "nothing in the program folder is written";
    EXPECT_EQ(
        run.err,
        "Turn008.txt:10: warning: GIVE: Not in the same hex: unit 1000004 is in (0,2) this turn, not in (0,0).\n");
    EXPECT_THAT(made, ::testing::HasSubstr("\nunit 1000002\n  work\n  give 1000004 20 silver\n"));
    EXPECT_EQ(afterKept, "the player's own text");
    EXPECT_EQ(out.Read("Turn008.txt"), made);
}

TEST_F(CliOrdersTest, FailuresSayWhyAndExitWithOne)
{
    const std::string blocked = out.File("plain/Turn008.txt");
    out.Write("plain", "a file, not a folder");
    Expect({{{"orders", blocked}, 1, {}, {"Unable to write the orders file " + blocked}, {}, true},
            {{"orders"}, 2},
            {{"orders", "a.txt", "b.txt"}, 2},
            {{"orders", "--force", "a.txt"}, 2}});
    RefuseMap();
    Expect({{{"orders", out.File("Turn008.txt")}, 1, {}, {"no orders file written"}}});
    EXPECT_FALSE(fs::exists(out.File("Turn008.txt")));
}

// check-orders: one line per problem, and the status an error gives.
TEST_F(CliOrdersTest, CheckOrdersOneLinePerProblemAndTheStatusOfAnError)
{
    const std::string orders = out.Write("orders.txt", "#atlantis 1 \"pw\"\nunit 2000001\nbogus\n#end\n");
    const std::string warned = out.Write("warned.txt", "#atlantis 1\r\nunit 1000002\r\ngive 1000004 151 silver\r\n");
    Expect({{{"check-orders", orders},
             1,
             {orders + ":2: warning: UNIT: Not your unit: 2000001 is not one of your units in turn 7.\n" + orders
              + ":3: error: bogus is not a valid order.\n"}},
            // CR LF ends lines here, but the server would keep the CR: said once, as a warning.
            {{"check-orders", warned}, 0, {warned + ":1: warning: Line ends: this line ends in a CR"}},
            {{"check-orders"}, 2, {}, {"usage: check-orders FILE"}, {}, true},
            {{"check-orders", orders, orders}, 2},
            {{"check-orders", "--strict", orders}, 2},
            {{"check-orders", out.File("missing.txt")}, 1, {}, {"cannot read the orders file"}, {}, true},
            {{"check-orders", out.Path()}, 1, {}, {"cannot read the orders file " + out.Path()}, {}, true}});

    // Without a map database the server's checks still run; the map has nothing to say.
    const testing::TempDir empty;
    EXPECT_EQ(Cli({"check-orders", orders}, empty).out, orders + ":3: error: bogus is not a valid order.\n");
}

// A real report with the player's template: the file the server takes.
TEST_F(CliOrdersTest, RealReportWithItsTemplate)
{
    KORVANE_REQUIRE_FIXTURES();
    const testing::TempDir fresh;
    Expect({{{"import", "--faction", "3", "--template", "apply",
              testing::FixturesDir() + "/report-with-template-f3-t1.txt"}},
            {{"orders", out.File("Turn002.txt")}}},
           &fresh);
    EXPECT_EQ(out.Read("Turn002.txt"),
              "#atlantis 3 \"redpw\"\n\n; Orders file for Turn 2\n; Generated by Korvane  Version 2.31\n\n"
              "; Forest (0,16)\n\nunit 74\n\n\n#END\n");
}

}  // namespace
}  // namespace korvane
