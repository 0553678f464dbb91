// Golden folders storage-*/: input/ loaded and saved must give expected/ (warnings.txt: warnings, <dir> the folder).
#include "core/line_reader.h"
#include "storage/map_database.h"
#include "workspace/workspace.h"

#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace korvane {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedInteraction;
using testing::TempDir;

std::vector<std::string> GoldenCases()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(KORVANE_TEST_DATA_DIR)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory() && name.rfind("storage-", 0) == 0)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

/// Empty when equal; otherwise each differing line with both versions.
std::string LineDiff(const std::vector<std::string>& expected, const std::vector<std::string>& actual)
{
    std::ostringstream diff;
    for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        const std::string* want = i < expected.size() ? &expected[i] : nullptr;
        const std::string* got = i < actual.size() ? &actual[i] : nullptr;
        if (want && got && *want == *got)
            continue;
        diff << "line " << i + 1 << "\n  expected: " << (want ? *want : "<none>")
             << "\n  actual:   " << (got ? *got : "<none>") << "\n";
    }
    return diff.str();
}

class MapDatabaseGolden : public ::testing::TestWithParam<std::string>
{
};

TEST_P(MapDatabaseGolden, LoadThenSaveGivesTheExpectedFiles)
{
    const fs::path folder = fs::path(KORVANE_TEST_DATA_DIR) / GetParam();
    TempDir in, out;
    for (const auto& entry : fs::directory_iterator(folder / "input"))
        fs::copy_file(entry.path(), fs::path(in.Path()) / entry.path().filename());

    Workspace ws(in.Path());
    ws.Settings.DataDir = in.Path();
    ScriptedInteraction ui;
    ASSERT_TRUE(LoadMapDatabase(ws.Map, ws.Settings, in.Path(), ui));
    ASSERT_TRUE(SaveMapDatabase(ws.Map, ws.Settings, out.Path()));

    std::vector<std::string> shown = ui.Texts(ScriptedInteraction::Kind::Warning);
    for (auto& text : shown) {
        if (const auto at = text.find(in.Path()); at != std::string::npos)
            text.replace(at, in.Path().size(), "<dir>");
    }
    std::vector<std::string> expectedWarnings;
    ReadTextLines((folder / "expected" / "warnings.txt").string(), expectedWarnings);
    if (const std::string diff = LineDiff(expectedWarnings, shown); !diff.empty())
        ADD_FAILURE() << "warnings differ:\n" << diff;

    for (const auto& entry : fs::directory_iterator(folder / "expected")) {
        const std::string name = entry.path().filename().string();
        if (name == "warnings.txt")
            continue;
        std::vector<std::string> expected;
        ReadTextLines(entry.path().string(), expected);
        const std::string written = out.Read(name);
        std::vector<std::string> actual = SplitLines(written);
        if (const std::string diff = LineDiff(expected, actual); !diff.empty())
            ADD_FAILURE() << name << " differs:\n" << diff;
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), std::count(written.begin(), written.end(), '\r'))
            << name << ": every line ends in CR LF";
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, MapDatabaseGolden, ::testing::ValuesIn(GoldenCases()), [](const auto& info) {
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

}  // namespace
}  // namespace korvane
