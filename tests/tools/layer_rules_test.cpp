// The layer rule: every include of src/ points down, and each kind of breach is named.
#include "layers/layer_rules.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace korvane::layers {
namespace {

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
    testing::TempDir dir;
    dir.Write("core/text.h", "#pragma once\n#include \"core/other.h\"\n#include \"world/map.h\"\n");
    // A bare layer name is no path into that layer.
    dir.Write("storage/save.cpp",
              "#include \"people/unit.h\"\r\n#include \"app\"\r\n  #  include  \"workspace/workspace.h\"\r\n");
    dir.Write(
        "reportimport/reader.cpp",
        "#include <orders/x.h>\n// #include \"app/cli.h\" is only a comment\n#include \"orders/orders_file.h\"\n");
    dir.Write("mapview/windows/frm_map.cpp",
              "#include \"windows/dialog.h\"\n#include \"mapview/render/draw.h\"\n#include \"moc_frm_map.cpp\"\n");
    dir.Write("windows/dialog.cpp", "#include \"mapview/windows/frm_map.h\"\n");
    for (const char* stray : {"stray/loose.cpp", "mapview/loose.cpp", "corelike/x.cpp"})
        dir.Write(stray, "");
    dir.Write("notes.txt", "#include \"app/anything.h\"\n");

    const std::string noLayer = "stands in no layer; put it in one of the layer folders";
    const std::vector<std::string> expected = {
        "core/text.h:3: includes \"world/map.h\": world is a layer above core",
        "corelike/x.cpp:0: " + noLayer,
        "mapview/loose.cpp:0: " + noLayer,
        "reportimport/reader.cpp:3: includes \"orders/orders_file.h\": orders is a sibling of reportimport; "
        "pass what is needed in from the layer above both",
        "storage/save.cpp:3: includes \"workspace/workspace.h\": workspace is a layer above storage",
        "stray/loose.cpp:0: " + noLayer,
        "windows/dialog.cpp:1: includes \"mapview/windows/frm_map.h\": mapview/windows is a layer above windows",
    };
    EXPECT_EQ(Described(FindViolations(dir.Path())), expected);
}

}  // namespace
}  // namespace korvane::layers
