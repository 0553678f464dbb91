// The layer rule: every include of src/ points down, and each kind of breach is named.
#include "layers/layer_rules.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace korvane::layers {
namespace {

using testing::TempDir;

void WriteSource(const TempDir& dir, const std::string& relative, const std::string& text)
{
    const std::filesystem::path file = std::filesystem::path(dir.Path()) / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

std::vector<std::string> Described(const std::vector<Violation>& violations)
{
    std::vector<std::string> lines;
    for (const auto& violation : violations)
        lines.push_back(Describe(violation));
    return lines;
}

TEST(IncludeLayers, EveryIncludeOfTheProjectPointsDown)
{
    const std::vector<std::string> found = Described(FindViolations(KORVANE_SOURCE_DIR));
    EXPECT_TRUE(found.empty()) << ::testing::PrintToString(found);
}

TEST(IncludeLayers, NamesFileAndLineOfEveryBrokenRule)
{
    TempDir dir;
    WriteSource(dir, "core/text.h", "#pragma once\n#include \"core/other.h\"\n#include \"world/map.h\"\n");
    WriteSource(
        dir, "storage/save.cpp",
        "#include \"people/unit.h\"\r\n#include \"world/map.h\"\r\n  #  include  \"workspace/workspace.h\"\r\n");
    WriteSource(dir, "reportimport/reader.cpp",
                "#include <orders/x.h>\n// #include \"app/cli.h\" is only a comment\n"
                "#include \"orders/orders_file.h\"\n");
    WriteSource(dir, "mapview/windows/frm_map.cpp",
                "#include \"windows/dialog.h\"\n#include \"mapview/render/draw.h\"\n"
                "#include \"moc_frm_map.cpp\"\n");
    WriteSource(dir, "windows/dialog.cpp", "#include \"mapview/windows/frm_map.h\"\n");
    WriteSource(dir, "stray/loose.cpp", "");
    WriteSource(dir, "notes.txt", "#include \"app/anything.h\"\n");

    const std::vector<std::string> expected = {
        "core/text.h:3: includes \"world/map.h\": world is a layer above core",
        "reportimport/reader.cpp:3: includes \"orders/orders_file.h\": orders is a sibling of reportimport; "
        "pass what is needed in from the layer above both",
        "storage/save.cpp:3: includes \"workspace/workspace.h\": workspace is a layer above storage",
        "stray/loose.cpp:0: stands in no layer; put it in one of the layer folders",
        "windows/dialog.cpp:1: includes \"mapview/windows/frm_map.h\": mapview/windows is a layer above windows",
    };
    EXPECT_EQ(Described(FindViolations(dir.Path())), expected);
}

TEST(IncludeLayers, LayersOfPaths)
{
    EXPECT_EQ(LayerOfPath("mapview/render/hex_painter.h")->Name, "mapview/render");
    EXPECT_EQ(LayerOfPath("app/cli/cli.cpp")->Name, "app");
    EXPECT_FALSE(LayerOfPath("mapview/loose.h"));
    EXPECT_FALSE(LayerOfPath("core"));
    EXPECT_FALSE(LayerOfPath("corelike/x.h"));
}

}  // namespace
}  // namespace korvane::layers
