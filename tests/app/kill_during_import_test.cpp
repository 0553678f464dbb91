// A killed korvane-cli import leaves each data file old or new, pointing only at entries it has.
#include "workspace/workspace.h"

#include "support/cli_run.h"
#include "support/generated_report.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <map>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace korvane {
namespace {

namespace fs = std::filesystem;
using Snapshot = std::map<std::string, std::string>;  // file relative to the folder: its bytes

/// Every file below `folder` of `work` but the temporaries of unfinished saves.
Snapshot Take(const testing::TempDir& work, const std::string& folder)
{
    Snapshot files;
    for (const auto& entry : fs::recursive_directory_iterator(work.File(folder))) {
        const std::string name = entry.path().lexically_relative(work.File(folder)).generic_string();
        if (entry.is_regular_file() && name.find(".tmp") == std::string::npos)
            files[name] = work.Read(folder + "/" + name);
    }
    return files;
}

/// Runs korvane-cli import of `report` into `home` with its output thrown away; returns its id.
pid_t StartImport(const std::string& home, const std::string& report)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execl(KORVANE_CLI_PATH, KORVANE_CLI_PATH, "--home", home.c_str(), "import", report.c_str(), nullptr);
        ::_exit(127);
    }
    return child;
}

int Wait(pid_t child)
{
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

/// Loads the folder as a session would, without a message, and checks every stored index has its entry.
void ExpectLoadsWhole(const std::string& home, const std::string& when)
{
    Workspace ws(home);
    testing::ScriptedInteraction ui;
    ASSERT_TRUE(ws.Open(ui)) << when;
    EXPECT_TRUE(ui.shown.empty()) << when << ": " << (ui.shown.empty() ? "" : ui.shown.front().text);
    const TMap& map = ws.Map;
    auto unitsPointHome = [&](const TUnit& unit) {
        for (const auto& group : unit.Troops)
            EXPECT_LT(group.Index, ws.TroopList.Count()) << when << ": unit " << unit.Number;
        for (const auto& item : unit.Equipment)
            EXPECT_LT(item.Index, ws.EquipmentList.Count()) << when << ": unit " << unit.Number;
        for (const auto& skill : unit.Skills)
            EXPECT_LT(skill.Index, ws.SkillList.Count()) << when << ": unit " << unit.Number;
    };
    map.UnitFileList.ForEach(unitsPointHome);
    map.ForEachCell([&](const TMapCell& cell) {
        EXPECT_LT(cell.Terrain, map.TerrainList.Count()) << when;
        EXPECT_LT(cell.Region, map.RegionList.Count()) << when;
        EXPECT_LT(cell.Race, map.RaceList.Count()) << when;
        for (const auto* market : {&cell.Wanted, &cell.ForSale, &cell.Products})
            for (const auto& entry : *market)
                EXPECT_LT(entry.Item, map.ProductList.Count()) << when;
        cell.Units.ForEach(unitsPointHome);
    });
}

TEST(SavesSurviveAKill, EveryFileIsOldOrNewAndTheFolderLoads)
{
    testing::TempDir work;
    const std::string before = work.File("before"), after = work.File("after"), killed = work.File("killed");
    // A small report, then a bigger one a turn later with new regions and codes, so every file changes.
    const std::string first = work.Write("first.txt", testing::GenerateReport({.columns = 4, .codeSuffix = "A"}));
    const std::string next = work.Write("next.txt",
                                        testing::GenerateReport({.month = 2, .columns = 16, .codeSuffix = "B"}));
    ASSERT_EQ(testing::RunCliCapture({"--home", before, "import", "--faction", "1", first}).status, 0);
    const Snapshot old = Take(work, "before");

    fs::copy(before, after, fs::copy_options::recursive);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Wait(StartImport(after, next)), 0);
    const auto whole = std::chrono::steady_clock::now() - start;
    const Snapshot done = Take(work, "after");
    ASSERT_NE(done.at("DATA/Units.dat"), old.at("DATA/Units.dat"));

    constexpr int kKills = 20;
    int interrupted = 0;
    for (int i = 0; i < kKills && !::testing::Test::HasFailure(); ++i) {
        const std::string when = "kill " + std::to_string(i + 1) + " of " + std::to_string(kKills);
        fs::remove_all(killed);
        fs::copy(before, killed, fs::copy_options::recursive);
        const pid_t child = StartImport(killed, next);
        // Spread over the whole run and a little past it, the saves at its end included.
        std::this_thread::sleep_for(whole * (i + 1) / (kKills - 2));
        ::kill(child, SIGKILL);
        interrupted += WIFSIGNALED(Wait(child)) ? 1 : 0;

        const Snapshot now = Take(work, "killed");
        for (const auto& [file, bytes] : old)
            EXPECT_TRUE(now.count(file)) << when << ": " << file << " is gone";
        for (const auto& [file, bytes] : now)
            EXPECT_TRUE((old.count(file) && old.at(file) == bytes) || (done.count(file) && done.at(file) == bytes))
                << when << ": " << file << " is neither the old nor the new file";
        ExpectLoadsWhole(killed, when);
        // What a killed save leaves is never read, and the next run goes through with it there.
        if (i % 4 == 3 && !::testing::Test::HasFailure()) {
            ASSERT_EQ(Wait(StartImport(killed, next)), 0) << when;
            EXPECT_TRUE(Take(work, "killed") == done) << when << ": the import after the kill";
        }
    }
    EXPECT_GE(interrupted, kKills / 4) << "the kills should land while the import runs";
}

}  // namespace
}  // namespace korvane
