// Replays the fuzzing corpus and every real server file through the report reader. The test
// build runs under AddressSanitizer and UndefinedBehaviorSanitizer, so any memory fault fails it.
#include "reportimport/report_reader.h"
#include "workspace/workspace.h"

#include "support/fixtures.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

void ReplayFolder(const std::string& folder, int& replayed)
{
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        testing::TempDir home;
        Workspace ws(home.Path());
        ws.Settings.ReadSettings();
        ws.Settings.FactionNo = 3;
        testing::ScriptedInteraction ui;
        ImportTurnReport(ws, entry.path().string(), ui);
        ++replayed;
    }
}

TEST(FuzzReplay, CorpusAndServerFilesImportOrFailCleanly)
{
    int replayed = 0;
    ReplayFolder(KORVANE_FUZZ_CORPUS_DIR, replayed);
    EXPECT_GT(replayed, 0);
    if (testing::HaveFixtures())
        ReplayFolder(testing::FixturesDir(), replayed);
}

}  // namespace
}  // namespace korvane
