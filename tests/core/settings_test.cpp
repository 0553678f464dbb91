// The settings file: defaults, reading rules, and writing back without losing the player's lines.
#include "core/settings.h"

#include "core/line_reader.h"

#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>

namespace korvane {
namespace {

using testing::ScriptedInteraction;
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

    std::vector<std::string> FileLines() const
    {
        std::vector<std::string> lines;
        ReadTextLines(dir.File("ATLANTIS.INI"), lines);
        return lines;
    }

    static bool Has(const std::vector<std::string>& lines, const std::string& line)
    {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    TempDir dir;
    ScriptedInteraction ui;
};

TEST_F(SettingsTest, MissingFileGivesDefaults)
{
    // The data and turn folders and the zoom: shown by the command line's info, and checked there.
    const TrecINI s = Read();
    EXPECT_EQ(s.ImportDir, dir.Path() + "/IMPORT");
    EXPECT_EQ(s.MapDir, dir.Path());
    EXPECT_EQ(s.HintDelay, 5);
    EXPECT_TRUE(s.ShowTowns && s.ShowTownNames && s.ShowGlobalMap);
    EXPECT_FALSE(s.ShowCoords || s.ShowUnconfirmed || s.ShowGates || s.ShowShafts || s.ShowOther || s.ShowUnits
                 || s.ShowHints || s.BufferDraw || s.MarkDoneHexes);
    for (int position : {s.ColourKeyPosX, s.ColourKeyPosY, s.IconKeyPosX, s.IconKeyPosY, s.TroopShowPosX,
                         s.TroopShowPosY, s.GateListPosX, s.GateListPosY, s.CityListPosX, s.CityListPosY, s.MainX,
                         s.MainY, s.MainH, s.MainW, s.MainSplitterX, s.WindowState})
        EXPECT_EQ(position, -1);
    EXPECT_EQ(s.EquipmentFile, "Equipmnt.dat");
    EXPECT_EQ(s.DataPath(s.MapFile), dir.Path() + "/DATA/Map.Dat");
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(SettingsTest, ReadingRules)
{
    dir.Write("ATLANTIS.INI",
              "[preferences]\r\n"
              "ShowTowns=yes\r\n"
              "showtownnames = True \r\n"
              "ShowCoords=tRuE\r\n"
              "StartZoom=\r\n"
              "StartX=12abc\r\n"
              "ShowDepth=2\r\n"
              "[Windows]\r\n"
              "MainX=\r\n"
              "[General]\r\n"
              "CurrentTurn=12\r\n"
              "MaxTurn=10\r\n"
              "UnitList=  My list  \r\n"
              "[Faction]\r\n"
              "FacPoints=3,2\r\n"
              "Password=  secret \r\n"
              "[Paths]\r\n"
              "TurnDir=\r\n"
              "DataDir=/elsewhere/data\r\n"
              "ImportDir=reports\r\n");
    const TrecINI s = Read();
    EXPECT_FALSE(s.ShowTowns) << "only TRUE in any case is true";
    EXPECT_TRUE(s.ShowTownNames);
    EXPECT_TRUE(s.ShowCoords);
    EXPECT_EQ(s.StartZoom, 5) << "an empty zoom reads as 5";
    EXPECT_EQ(s.StartX, 12);
    EXPECT_EQ(s.ShowDepth, 0) << "anything but 1 is the overworld";
    EXPECT_EQ(s.MainX, 0) << "an empty window position reads as 0";
    EXPECT_EQ(s.CurrentTurn, 12);
    EXPECT_EQ(s.MaxTurn, 12);
    EXPECT_EQ(s.UnitList, "My list");
    EXPECT_EQ(s.FacPoints, (std::array<std::int32_t, 3>{3, 2, 0}));
    EXPECT_EQ(s.Password, "secret");
    EXPECT_EQ(s.TurnDir, dir.Path()) << "a present but empty turn folder is the program folder";
    EXPECT_EQ(s.DataDir, "/elsewhere/data");
    EXPECT_EQ(s.ImportDir, dir.Path() + "/reports");
}

TEST_F(SettingsTest, WriteKeepsUnknownLinesAndUnchangedFoldersAndAddsNoTurnDir)
{
    dir.Write("ATLANTIS.INI",
              "; the player's own comment\n"
              "[Faction]\n"
              "FacPoints=3,2\n"
              "Mine=keep me\n"
              "\n"
              "[Plugins]\n"
              "Foo=bar\n"
              "[Paths]\n"
              "ImportDir=reports\n");
    TrecINI s = Read();
    s.FactionNo = 42;
    s.MapDir = "/maps";
    ASSERT_TRUE(s.WriteSettings(ui));
    const auto lines = FileLines();
    EXPECT_EQ(lines[0], "; the player's own comment");
    EXPECT_EQ(lines[1], "[Faction]");
    EXPECT_EQ(lines[2], "FacPoints=3,2,0");
    EXPECT_EQ(lines[3], "Mine=keep me");
    for (const char* line : {"FactionNo=42", "Foo=bar", "ImportDir=reports", "MapDir=/maps"})
        EXPECT_TRUE(Has(lines, line)) << line;
    for (const auto& line : lines)
        EXPECT_EQ(line.find("TurnDir"), std::string::npos) << line;
    EXPECT_NE(dir.Read("ATLANTIS.INI").find("\r\n"), std::string::npos);

    // Reading back gives the same values.
    const TrecINI again = Read();
    EXPECT_EQ(again.FactionNo, 42);
    EXPECT_EQ(again.FacPoints, (std::array<std::int32_t, 3>{3, 2, 0}));
    EXPECT_EQ(again.ImportDir, s.ImportDir);
}

TEST_F(SettingsTest, WriteOrderForNewFile)
{
    TrecINI s = Read();
    s.ShowUnits = true;
    s.HintDelay = 7;
    ASSERT_TRUE(s.WriteSettings(ui));
    const auto lines = FileLines();
    std::vector<std::string> sections;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(sections),
                 [](const std::string& line) { return !line.empty() && line[0] == '['; });
    EXPECT_EQ(sections, (std::vector<std::string>{"[Paths]", "[Preferences]", "[Windows]", "[General]", "[Faction]"}));
    // Default folders follow the program folder rather than being pinned to it.
    for (const char* line : {"ShowUnits=TRUE", "HintDelay=7", "ShowDepth=0", "DataDir="})
        EXPECT_TRUE(Has(lines, line)) << line;
    EXPECT_EQ(Read().DataDir, dir.Path() + "/DATA");
}

TEST_F(SettingsTest, FailedWriteReportsAndKeepsOldFile)
{
    // The settings "file" is a folder: it can be neither read nor replaced.
    std::filesystem::create_directory(dir.File("ATLANTIS.INI"));
    TrecINI s = Read();
    EXPECT_FALSE(s.WriteSettings(ui));
    EXPECT_EQ(ui.Texts(ScriptedInteraction::Kind::Error),
              std::vector<std::string>{dir.File("ATLANTIS.INI") + " could not be read, so it was not written over."});
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("ATLANTIS.INI")));
}

TEST_F(SettingsTest, BadFileReadsWithoutHarm)
{
    std::string text = "garbage without equals\r\n[Windows\r\nMainX=7\r\n=novalue\r\n";
    text += "[Preferences]\r\nStartY=" + std::string(2 * 1024 * 1024, '9') + "\r\n";
    text += "HintDelay=3\r\nHintDelay=9\r\n";  // the first of duplicate keys counts
    text += std::string("\0\xff\x01 binary\r\n", 12);
    text += "[General]\r\nCurrentTurn=" + std::string(5000, 'x') + "\r\n";
    dir.Write("ATLANTIS.INI", text);
    const TrecINI s = Read();
    EXPECT_EQ(s.MainX, 7) << "an unclosed section header still names its section";
    EXPECT_EQ(s.HintDelay, 3);
    EXPECT_EQ(s.CurrentTurn, 0);
    EXPECT_EQ(s.StartZoom, 5);
}

}  // namespace
}  // namespace korvane
