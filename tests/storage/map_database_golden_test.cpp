// Golden folders storage-*/: input/ loaded and saved must give expected/ (warnings.txt: warnings, <dir> the folder).
#include "core/line_reader.h"
#include "storage/map_database.h"
#include "workspace/workspace.h"

#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

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

using MapDatabaseGolden = ::testing::TestWithParam<std::string>;

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
    EXPECT_EQ(shown, expectedWarnings);
    for (const auto& entry : fs::directory_iterator(folder / "expected")) {
        std::vector<std::string> lines;
        ReadTextLines(entry.path().string(), lines);
        std::string text;  // each line ended by CR LF, as the program writes them
        for (const std::string& line : lines)
            text += line + "\r\n";
        if (const std::string name = entry.path().filename().string(); name != "warnings.txt") {
            EXPECT_EQ(out.Read(name), text) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, MapDatabaseGolden, ::testing::ValuesIn(GoldenCases()), [](const auto& info) {
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

}  // namespace
}  // namespace korvane
