// korvane-cli check-orders: one line per problem, the status an error gives, and the orders
// command telling the problems of the file it writes.
#include "app/cli_home.h"
#include "support/fixtures.h"
#include "support/generated_report.h"

namespace korvane {
namespace {

// Faction 1's units 1000002 at (0,0) and 1000004 at (0,2), each with 150 silver; 2000001 is
// another faction's, at (0,0).
class CliCheckOrdersTest : public testing::CliHome
{
protected:
    void SetUp() override
    {
        const std::string report = testing::GenerateReport(
                                       {.month = 7, .columns = 4, .rows = 4, .unitsPerRegion = 3, .factions = 2})
            + "Orders Template (Long Format):\n\n#atlantis 1 \"pw\"\n\nunit 1000002\nwork\nstudy combat\n"
              "give 1000004 20 silver\n\n#end\n";
        Expect({{{"import", "--faction", "1", "--template", "apply", files.Write("report.txt", report)}}});
    }

    testing::TempDir files;
};

TEST_F(CliCheckOrdersTest, OneLinePerProblemAndTheStatusOfAnError)
{
    const std::string orders = files.Write("orders.txt", "#atlantis 1 \"pw\"\nunit 2000001\nbogus\n#end\n");
    const std::string warned = files.Write("warned.txt", "#atlantis 1\r\nunit 1000002\r\ngive 1000004 151 silver\r\n");
    Expect({{{"check-orders", orders},
             1,
             {orders + ":2: warning: UNIT: Not your unit: 2000001 is not one of your units in turn 7.\n" + orders
              + ":3: error: bogus is not a valid order.\n"}},
            // CR LF ends lines here, but the server would keep the CR: said once, as a warning.
            {{"check-orders", warned},
             0,
             {warned + ":1: warning: Line ends: this line ends in a CR",
              warned + ":1: warning: No password on #atlantis line.",
              warned + ":3: warning: GIVE: Not in the same hex: unit 1000004 is in (0,2) this turn, not in (0,0).\n"
                  + warned + ":3: warning: GIVE: More than held: 151 silver, but the unit holds 150.\n"}},
            {{"check-orders"}, 2, {}, {"usage: check-orders FILE"}, {}, true},
            {{"check-orders", orders, orders}, 2},
            {{"check-orders", "--strict", orders}, 2},
            {{"check-orders", files.File("missing.txt")},
             1,
             {},
             {"cannot read the orders file " + files.File("missing.txt")},
             {},
             true},
            {{"check-orders", files.Path()}, 1, {}, {"cannot read the orders file"}, {}, true}});

    // Without a map database the server's checks still run; the map has nothing to say.
    const testing::TempDir empty;
    const auto run = Expect({{{"check-orders", orders}, 1, {orders + ":3: error: bogus is not a valid order.\n"}}},
                            &empty);
    EXPECT_EQ(run.out, orders + ":3: error: bogus is not a valid order.\n");
}

TEST_F(CliCheckOrdersTest, OrdersTellsTheProblemsOfTheFileItWrites)
{
    const std::string written = files.File("Turn008.txt");
    const auto run = Expect({{{"orders", written}, 0, {"Wrote " + written}}});
    EXPECT_EQ(run.err,
              written + ":10: error: STUDY: Overwriting previous month-long order.\n" + written
                  + ":11: warning: GIVE: Not in the same hex: unit 1000004 is in (0,2) this turn, not in (0,0).\n");
    EXPECT_EQ(run.out.find("error"), std::string::npos) << "problems go to standard error";
    EXPECT_NE(files.Read("Turn008.txt").find("  study combat\n"), std::string::npos) << "written all the same";
}

}  // namespace
}  // namespace korvane
