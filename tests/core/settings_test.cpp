// The settings file: defaults, reading rules, and writing back without losing the player's lines.
#include "core/settings.h"

#include "core/line_reader.h"

#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>

namespace korvane {
namespace {

using testing::TempDir;

class SettingsTest : public ::testing::Test
{
protected:
    TrecINI Read()
    {
        TrecINI settings(dir.File("ATLANTIS.INI"));
        settings.ReadSettings();
        return settings;
    }

    TempDir dir;
};

TEST_F(SettingsTest, MissingFileGivesDefaultsWrittenInSectionOrderAndAHomeOnlyOnceSaved)
{
    TrecINI s = Read();
    EXPECT_FALSE(s.HomeSaved);
    EXPECT_EQ(std::tuple(s.ImportDir, s.MapDir, s.HintDelay), std::tuple(dir.Path() + "/IMPORT", dir.Path(), 5));
    EXPECT_TRUE(s.ShowTowns && s.ShowTownNames && s.ShowGlobalMap);
    EXPECT_FALSE(s.ShowCoords || s.ShowUnconfirmed || s.ShowGates || s.ShowShafts || s.ShowOther || s.ShowUnits
                 || s.ShowHints || s.BufferDraw || s.MarkDoneHexes);

    s.ShowUnits = true;
    s.HintDelay = 7;
    s.StartX = 12;
    ASSERT_TRUE(s.WriteSettings());
    const auto lines = SplitLines(dir.Read("ATLANTIS.INI"));
    std::vector<std::string> sections;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(sections),
                 [](const std::string& line) { return !line.empty() && line[0] == '['; });
    EXPECT_EQ(sections, (std::vector<std::string>{"[Paths]", "[Preferences]", "[Windows]", "[General]", "[Faction]"}));
    // Default folders follow the program folder rather than being pinned to it.
    for (const char* line : {"ShowUnits=TRUE", "HintDelay=7", "ShowDepth=0", "DataDir=", "StartZoom=5"})
        EXPECT_THAT(lines, ::testing::Contains(line));
    // A home the player never saved is not written: the next start looks for the player's world.
    EXPECT_THAT(lines, ::testing::Each(::testing::Not(::testing::HasSubstr("StartX"))));
    EXPECT_EQ(std::tuple(Read().DataDir, Read().HomeSaved), std::tuple(dir.Path() + "/DATA", false));

    s.HomeSaved = true;
    ASSERT_TRUE(s.WriteSettings());
    EXPECT_NE(dir.Read("ATLANTIS.INI").find("StartX=12\r\nStartY=0\r\nStartZ=0\r\n"), std::string::npos);
    EXPECT_TRUE(Read().HomeSaved);
    dir.Write("ATLANTIS.INI", "[Preferences]\r\nStartX=4\r\nStartY=6\r\n");
    EXPECT_FALSE(Read().HomeSaved) << "a home without its level is not one the player saved";
}

TEST_F(SettingsTest, ReadingRulesAndABadFileReadWithoutHarm)
{
    dir.Write("ATLANTIS.INI",
              "[preferences]\r\nShowTowns=yes\r\nshowtownnames = True \r\nShowCoords=tRuE\r\nStartZoom=\r\n"
              "StartX=12abc\r\nShowDepth=2\r\n[Windows]\r\nMainX=\r\n[General]\r\nCurrentTurn=12\r\nMaxTurn=10"
              "\r\nUnitList=  My list  \r\n[Faction]\r\nFacPoints=3,2\r\nPassword=  secret \r\n[Paths]\r\n"
              "TurnDir=\r\nDataDir=/elsewhere/data\r\nImportDir=reports\r\n");
    const TrecINI s = Read();
    // Only TRUE in any case is true; empty zoom 5, position 0; depth not 1 is 0; empty TurnDir the program's.
    EXPECT_EQ(std::tuple(s.ShowTowns, s.ShowTownNames, s.ShowCoords, s.StartZoom, s.StartX, s.ShowDepth, s.MainX),
              std::tuple(false, true, true, 5, 12, 0, 0));
    EXPECT_EQ(std::tuple(s.CurrentTurn, s.MaxTurn, s.UnitList, s.FacPoints, s.Password),
              std::tuple(12, 12, "My list", std::array<std::int32_t, 3>{3, 2, 0}, "secret"));
    EXPECT_EQ(std::tuple(s.TurnDir, s.DataDir, s.ImportDir),
              std::tuple(dir.Path(), "/elsewhere/data", dir.Path() + "/reports"));

    // The first of duplicate keys counts.
    dir.Write("ATLANTIS.INI",
              "garbage without equals\r\n[Windows\r\nMainX=7\r\n=novalue\r\n[Preferences]\r\nStartY="
                  + std::string(2 * 1024 * 1024, '9') + "\r\nHintDelay=3\r\nHintDelay=9\r\n"
                  + std::string("\0\xff\x01 binary\r\n", 12) + "[General]\r\nCurrentTurn=" + std::string(5000, 'x')
                  + "\r\n");
    const TrecINI bad = Read();  // an unclosed section header still names its section
    EXPECT_EQ(std::tuple(bad.MainX, bad.HintDelay, bad.CurrentTurn, bad.StartZoom), std::tuple(7, 3, 0, 5));
}

TEST_F(SettingsTest, WriteKeepsUnknownLinesAndUnchangedFoldersAndAddsNoTurnDir)
{
    dir.Write("ATLANTIS.INI",
              "; the player's own comment\n[Faction]\nFacPoints=3,2\nMine=keep me\n\n[Plugins]\nFoo=bar\n[Paths]\n"
              "ImportDir=reports\n");
    TrecINI s = Read();
    s.FactionNo = 42;
    s.MapDir = "/maps";
    ASSERT_TRUE(s.WriteSettings());
    const auto lines = SplitLines(dir.Read("ATLANTIS.INI"));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(std::vector(lines.begin(), lines.begin() + 4),
              (std::vector<std::string>{"; the player's own comment", "[Faction]", "FacPoints=3,2,0", "Mine=keep me"}));
    for (const char* line : {"FactionNo=42", "Foo=bar", "ImportDir=reports", "MapDir=/maps"})
        EXPECT_THAT(lines, ::testing::Contains(line));
    EXPECT_THAT(lines, ::testing::Each(::testing::Not(::testing::HasSubstr("TurnDir"))));

    const TrecINI again = Read();
    EXPECT_EQ(std::tuple(again.FactionNo, again.FacPoints, again.ImportDir),
              std::tuple(42, std::array<std::int32_t, 3>{3, 2, 0}, s.ImportDir));
}

TEST_F(SettingsTest, FailedWriteReportsAndKeepsOldFile)
{
    std::filesystem::create_directory(dir.File("ATLANTIS.INI"));  // can be neither read nor replaced
    TrecINI s = Read();
    EXPECT_EQ(s.WriteSettings().Text(),
              dir.File("ATLANTIS.INI") + ": it could not be read, so it was not written over");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("ATLANTIS.INI")));
}

}  // namespace
}  // namespace korvane
