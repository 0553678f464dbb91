// korvane-cli orders: the same bytes as the window's "Generate Turn File", an existing file
// kept without --overwrite, and failures that say why.
#include "core/silent_interaction.h"
#include "orders/orders_file.h"
#include "workspace/workspace.h"

#include "support/cli_run.h"
#include "support/fixtures.h"
#include "support/generated_report.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace korvane {
namespace {

namespace fs = std::filesystem;
using testing::CliResult;

/// Every file under a folder with its bytes and time of writing.
std::map<std::string, std::pair<std::string, fs::file_time_type>> Snapshot(const testing::TempDir& dir)
{
    std::map<std::string, std::pair<std::string, fs::file_time_type>> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir.Path())) {
        if (!entry.is_regular_file())
            continue;
        const std::string name = fs::relative(entry.path(), dir.Path()).string();
        files[name] = {dir.Read(name), entry.last_write_time()};
    }
    return files;
}

class CliOrdersTest : public ::testing::Test
{
protected:
    CliResult Cli(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--home", home.Path()});
        return testing::RunCliCapture(args);
    }

    /// Imports a made-up report of faction 1 whose orders template gives unit 1000002 orders.
    void ImportWorld()
    {
        testing::ReportShape shape;
        shape.columns = 4;
        shape.rows = 4;
        shape.unitsPerRegion = 3;
        shape.factions = 2;
        shape.month = 7;
        const std::string report = testing::GenerateReport(shape)
            + "Orders Template (Long Format):\n\n#atlantis 1 \"pw\"\n\nunit 1000002\nwork\n"
              "give 1000004 20 silver\n\nunit 1000004\n\n#end\n";
        const CliResult import = Cli(
            {"import", "--faction", "1", "--template", "apply", out.Write("report.txt", report)});
        ASSERT_EQ(import.status, 0) << import.err;
    }

    /// The file the function writes for the same program folder.
    std::string Expected()
    {
        Workspace ws(home.Path());
        SilentInteraction silent;
        EXPECT_TRUE(ws.Open(silent));
        EXPECT_TRUE(WriteOrdersFile(ws.Map, ws.Settings, out.File("expected.txt")));
        return out.Read("expected.txt");
    }

    testing::TempDir home;
    testing::TempDir out;
};

TEST_F(CliOrdersTest, WritesWhatTheWindowWritesAndNothingElse)
{
    ImportWorld();
    const auto before = Snapshot(home);
    const CliResult run = Cli({"orders", out.File("Turn008.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Wrote " + out.File("Turn008.txt")), std::string::npos) << run.out;

    const std::string written = out.Read("Turn008.txt");
    EXPECT_EQ(written, Expected());
    EXPECT_EQ(written.rfind("#atlantis 1 \"pw\"\n\n; Orders file for Turn 8\n", 0), 0u) << written;
    EXPECT_NE(written.find("\n; Plain (0,0)\n\nunit 1000002\n  work\n  give 1000004 20 silver\n\n; Plain (2,0)\n"),
              std::string::npos)
        << written;
    EXPECT_NE(written.find("\n; Cavern (0,2,underworld)\n"), std::string::npos);
    EXPECT_EQ(written.find("unit 2000001"), std::string::npos) << "another faction's unit";
    EXPECT_EQ(written.find('\r'), std::string::npos);
    EXPECT_EQ(Snapshot(home), before) << "nothing in the program folder is written";
}

TEST_F(CliOrdersTest, RelativeNameFromTheCurrentFolderAndAnExistingFileKept)
{
    ImportWorld();
    const fs::path previous = fs::current_path();
    fs::current_path(out.Path());
    const CliResult first = Cli({"orders", "Turn008.txt"});
    const std::string made = out.Read("Turn008.txt");
    out.Write("Turn008.txt", "the player's own text");
    const CliResult kept = Cli({"orders", "Turn008.txt"});
    const std::string afterKept = out.Read("Turn008.txt");
    const CliResult replaced = Cli({"orders", "--overwrite", "Turn008.txt"});
    fs::current_path(previous);

    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_NE(made.find("unit 1000002\n"), std::string::npos);
    EXPECT_EQ(kept.status, 1);
    EXPECT_NE(kept.err.find("Turn008.txt is kept; give --overwrite to replace it"), std::string::npos) << kept.err;
    EXPECT_EQ(afterKept, "the player's own text");
    ASSERT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_NE(replaced.err.find("File exists. Do you wish to replace Turn008.txt ? -> yes"), std::string::npos);
    EXPECT_EQ(out.Read("Turn008.txt"), made);
}

TEST_F(CliOrdersTest, FailuresSayWhyAndExitWithOne)
{
    ImportWorld();
    out.Write("plain", "a file, not a folder");
    const CliResult unwritable = Cli({"orders", out.File("plain/Turn008.txt")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("Unable to write the orders file " + out.File("plain/Turn008.txt")),
              std::string::npos)
        << unwritable.err;
    EXPECT_EQ(unwritable.out, "");

    std::string map = home.Read("DATA/Map.Dat");
    map.replace(0, map.find('\n') + 1, "VERSION,9.99\r\n");  // as a newer version would write it
    home.Write("DATA/Map.Dat", map);
    const CliResult refused = Cli({"orders", out.File("Turn008.txt")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("no orders file written"), std::string::npos) << refused.err;
    EXPECT_FALSE(fs::exists(out.File("Turn008.txt")));

    EXPECT_EQ(Cli({"orders"}).status, 2);
    EXPECT_EQ(Cli({"orders", "a.txt", "b.txt"}).status, 2);
    EXPECT_EQ(Cli({"orders", "--force", "a.txt"}).status, 2);
}

// A real report with the player's template: the file the server takes.
TEST_F(CliOrdersTest, RealReportWithItsTemplate)
{
    KORVANE_REQUIRE_FIXTURES();
    const std::string report = testing::FixturesDir() + "/report-with-template-f3-t1.txt";
    const CliResult import = Cli({"import", "--faction", "3", "--template", "apply", report});
    ASSERT_EQ(import.status, 0) << import.err;
    ASSERT_EQ(Cli({"orders", out.File("Turn002.txt")}).status, 0);
    EXPECT_EQ(out.Read("Turn002.txt"),
              "#atlantis 3 \"redpw\"\n\n; Orders file for Turn 2\n; Generated by Korvane  Version 2.31\n\n"
              "; Forest (0,16)\n\nunit 74\n\n\n#END\n");
}

}  // namespace
}  // namespace korvane
