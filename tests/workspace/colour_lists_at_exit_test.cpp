// The colour and icon lists at the end of a session: written with the registries, and never
// replaced by the built-in entries when the database was refused.
#include "workspace/workspace.h"

#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedInteraction;
using testing::TempDir;
using Kind = ScriptedInteraction::Kind;

class ColourListsAtExit : public ::testing::Test
{
protected:
    ColourListsAtExit()
        : ws(dir.Path())
    {
        fs::create_directory(Data(""));
    }

    std::string Data(const std::string& name) const { return dir.File("DATA/" + name); }

    TempDir dir;
    Workspace ws;
    ScriptedInteraction ui;
};

TEST_F(ColourListsAtExit, RefusedDatabaseKeepsThePlayersFiles)
{
    const std::string colours = "1\r\n2\r\n";
    const std::string icons = "3,4\r\n";
    dir.Write("DATA/Map.Dat", "VERSION,9.99\r\n");
    dir.Write("DATA/Colours.dat", colours);
    dir.Write("DATA/MapIcons.dat", icons);

    EXPECT_FALSE(ws.Open(ui));
    EXPECT_EQ(ws.Map.TerrainColour(1), 2);
    ASSERT_TRUE(ws.SaveOnExit(ui));
    EXPECT_EQ(dir.Read("DATA/Colours.dat"), colours);
    EXPECT_EQ(dir.Read("DATA/MapIcons.dat"), icons);
}

TEST_F(ColourListsAtExit, WrittenWithTheRegistriesAndFailuresNamed)
{
    ASSERT_TRUE(ws.Open(ui));
    ws.Map.SetIconColour(kIconOther, 7);
    ASSERT_TRUE(ws.SaveOnExit(ui));
    EXPECT_EQ(dir.Read("DATA/MapIcons.dat"), "9,255\r\n7,255\r\n6,255\r\n2,16711680\r\n6,0\r\n10,7\r\n");
    EXPECT_TRUE(fs::exists(Data("Colours.dat")));
    EXPECT_FALSE(fs::exists(Data("Map.Dat"))) << "the database itself is not written at exit";

    fs::remove(Data("Colours.dat"));
    fs::create_directories(Data("Colours.dat/inside"));
    EXPECT_FALSE(ws.SaveOnExit(ui));
    EXPECT_EQ(ui.Texts(Kind::Error), (std::vector<std::string>{"Unable to write to " + Data("Colours.dat")}));
}

}  // namespace
}  // namespace korvane
