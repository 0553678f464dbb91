// A home the player never saved is not written: the next start looks for the player's world.
#include "core/settings.h"

#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(SettingsHome, SavedOnlyWhenTheFileHoldsItAndWrittenOnlyOnceSaved)
{
    testing::TempDir dir;
    testing::ScriptedInteraction ui;
    const auto read = [&] {
        TrecINI settings(dir.File("ATLANTIS.INI"));
        settings.ReadSettings();
        return settings;
    };
    TrecINI settings = read();
    EXPECT_FALSE(settings.HomeSaved) << "no file";
    settings.StartX = 12;
    ASSERT_TRUE(settings.WriteSettings(ui));
    EXPECT_EQ(dir.Read("ATLANTIS.INI").find("StartX"), std::string::npos);
    EXPECT_NE(dir.Read("ATLANTIS.INI").find("StartZoom=5"), std::string::npos) << "the rest is written";
    EXPECT_FALSE(read().HomeSaved);

    settings.HomeSaved = true;
    ASSERT_TRUE(settings.WriteSettings(ui));
    EXPECT_NE(dir.Read("ATLANTIS.INI").find("StartX=12\r\nStartY=0\r\nStartZ=0\r\n"), std::string::npos);
    EXPECT_TRUE(read().HomeSaved);

    dir.Write("ATLANTIS.INI", "[Preferences]\r\nStartX=4\r\nStartY=6\r\n");
    EXPECT_FALSE(read().HomeSaved) << "a home without its level is not one the player saved";
}

}  // namespace
}  // namespace korvane
