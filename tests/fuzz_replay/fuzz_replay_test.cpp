// Every fuzzing corpus and real report replayed under the sanitizers of the test build.
#include "fuzz_readers.h"
#include "reportimport/report_reader.h"
#include "workspace/workspace.h"

#include "support/fixtures.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace korvane {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> FilesIn(const fs::path& folder)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    return files;
}

std::string Contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using CorpusReplay = ::testing::TestWithParam<fuzz::Reader>;

TEST_P(CorpusReplay, EveryInputReadsCleanly)
{
    const fuzz::Reader reader = GetParam();
    const auto files = FilesIn(fs::path(KORVANE_FUZZ_CORPUS_DIR) / reader.Name);
    ASSERT_FALSE(files.empty()) << "no corpus for " << reader.Name;
    for (const auto& file : files) {
        SCOPED_TRACE(file.string());
        reader.Read(Contents(file));
    }
}

INSTANTIATE_TEST_SUITE_P(FuzzReplay, CorpusReplay, ::testing::ValuesIn(fuzz::Readers()),
                         [](const auto& info) { return std::string(info.param.Name); });

// A corpus folder no reader takes would never be replayed, nor fuzzed.
TEST(FuzzReplay, EveryCorpusFolderHasItsReader)
{
    std::set<std::string> names;
    for (const auto& reader : fuzz::Readers())
        names.insert(reader.Name);
    for (const auto& entry : fs::directory_iterator(KORVANE_FUZZ_CORPUS_DIR))
        EXPECT_TRUE(names.count(entry.path().filename().string())) << entry.path();
}

// The whole import, saves included, of the report corpus and the real reports, which fuzzing never saves.
TEST(FuzzReplay, ReportsImportOrFailCleanly)
{
    std::vector<fs::path> reports = FilesIn(fs::path(KORVANE_FUZZ_CORPUS_DIR) / "report_reader");
    for (const auto& file : testing::HaveFixtures() ? FilesIn(testing::FixturesDir()) : std::vector<fs::path>{}) {
        fuzz::ReadReport(Contents(file));
        reports.push_back(file);
    }
    ASSERT_FALSE(reports.empty());
    for (const auto& file : reports) {
        SCOPED_TRACE(file.string());
        testing::TempDir home;
        Workspace ws(home.Path());
        ws.Settings.ReadSettings();
        ws.Settings.FactionNo = 3;
        testing::ScriptedInteraction ui;
        ImportTurnReport(ws, file.string(), ui);
    }
}

}  // namespace
}  // namespace korvane
