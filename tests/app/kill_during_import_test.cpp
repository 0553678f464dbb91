// A korvane-cli import killed at any moment leaves every data file as it was or as the import
// would have left it, never one that points at entries its lists lack, and a folder that loads.
#include "workspace/workspace.h"

#include "support/cli_run.h"
#include "support/generated_report.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace korvane {
namespace {

namespace fs = std::filesystem;
using Snapshot = std::map<std::string, std::string>;  // file relative to the folder: its bytes

std::string ReadFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool IsTemporary(const std::string& name)
{
    static const std::regex kTemporary(R"(.*\.tmp[0-9]+)");
    return std::regex_match(name, kTemporary);
}

/// Every file below `folder` but the temporaries of unfinished saves, which `temporaries` gets.
Snapshot Take(const fs::path& folder, std::vector<std::string>* temporaries = nullptr)
{
    Snapshot files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        const std::string relative = entry.path().lexically_relative(folder).generic_string();
        if (IsTemporary(relative)) {
            if (temporaries)
                temporaries->push_back(relative);
            continue;
        }
        files[relative] = ReadFile(entry.path());
    }
    return files;
}

/// The files that are not the same, byte for byte, in both.
std::vector<std::string> Differing(const Snapshot& a, const Snapshot& b)
{
    std::vector<std::string> names;
    for (const auto& [file, bytes] : a)
        if (!b.count(file) || b.at(file) != bytes)
            names.push_back(file);
    for (const auto& [file, bytes] : b)
        if (!a.count(file))
            names.push_back(file);
    return names;
}

void CopyFolder(const fs::path& from, const fs::path& to)
{
    fs::remove_all(to);
    fs::copy(from, to, fs::copy_options::recursive);
}

/// Starts korvane-cli on `home` with its output thrown away.
pid_t StartImport(const fs::path& home, const std::string& report)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        const std::string homeText = home.string();
        ::execl(KORVANE_CLI_PATH, KORVANE_CLI_PATH, "--home", homeText.c_str(), "import", report.c_str(),
                static_cast<char*>(nullptr));
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

/// Loads the folder as a session would and checks that every stored index has its entry.
void ExpectLoadsWhole(const fs::path& home, const std::string& when)
{
    Workspace ws(home.string());
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
    const fs::path before = fs::path(work.Path()) / "before";
    const fs::path after = fs::path(work.Path()) / "after";
    const fs::path killed = fs::path(work.Path()) / "killed";

    // The player's folder before: one small report imported. The next report is bigger, a turn
    // later, with new regions and new skill and item codes, so that every file changes.
    const std::string first = work.Write("first.txt", testing::GenerateReport({.columns = 4, .codeSuffix = "A"}));
    const std::string next = work.Write("next.txt",
                                        testing::GenerateReport({.month = 2, .columns = 16, .codeSuffix = "B"}));
    ASSERT_EQ(testing::RunCliCapture({"--home", before.string(), "import", "--faction", "1", first}).status, 0);
    const Snapshot old = Take(before);

    CopyFolder(before, after);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Wait(StartImport(after, next)), 0);
    const auto whole = std::chrono::steady_clock::now() - start;
    const Snapshot done = Take(after);
    ASSERT_NE(done.at("DATA/Units.dat"), old.at("DATA/Units.dat"));

    constexpr int kKills = 20;
    int interrupted = 0;
    for (int i = 0; i < kKills; ++i) {
        const std::string when = "kill " + std::to_string(i + 1) + " of " + std::to_string(kKills);
        CopyFolder(before, killed);
        const pid_t child = StartImport(killed, next);
        // Spread over the whole run and a little past it, the saves at its end included.
        std::this_thread::sleep_for(whole * (i + 1) / (kKills - 2));
        ::kill(child, SIGKILL);
        const int status = Wait(child);
        interrupted += WIFSIGNALED(status) ? 1 : 0;

        std::vector<std::string> temporaries;
        const Snapshot now = Take(killed, &temporaries);
        for (const auto& [file, bytes] : old)
            EXPECT_TRUE(now.count(file)) << when << ": " << file << " is gone";
        for (const auto& [file, bytes] : now) {
            const bool isOld = old.count(file) && old.at(file) == bytes;
            const bool isNew = done.count(file) && done.at(file) == bytes;
            EXPECT_TRUE(isOld || isNew) << when << ": " << file << " is neither the old nor the new file";
        }
        ExpectLoadsWhole(killed, when);
        if (::testing::Test::HasFailure())
            break;

        // What a killed save leaves is never read, and the next run goes through with it there.
        if (i % 4 != 3)
            continue;
        ASSERT_EQ(Wait(StartImport(killed, next)), 0) << when << " with " << temporaries.size() << " temporaries left";
        EXPECT_EQ(Differing(Take(killed), done), std::vector<std::string>{}) << when << ": the import after the kill";
    }
    EXPECT_GE(interrupted, kKills / 4) << "the kills should land while the import runs";
}

}  // namespace
}  // namespace korvane
