// Battle files: written byte for byte, read back alike, and damaged files read as far as they go.
#include "combat/battle_file.h"
#include "core/line_reader.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace korvane {
namespace {

constexpr const char* kTwoSides = "VERSION,2.31\r\n"
                                  "L,N\r\n"
                                  "2\r\n"
                                  "12,Heavy Cavalry,25,Y,3,0,0,2,1,1,24,0,0,0,0,25,0,25,0,1,1\r\n"
                                  "-1,Longbow men,10,N,0,4,0,0,0,0,0,10,0,0,0,0,10,0,0,2,3\r\n"
                                  "1\r\n"
                                  "7,Monsters,1,N,5,0,0,0,0,0,0,0,0,0,0,0,0,0,0,50,8\r\n";

/// What the reader makes of the text: the set-up and the problems it tells.
std::pair<BattleSetup, std::vector<BattleFileProblem>> ReadText(std::string_view text)
{
    std::pair<BattleSetup, std::vector<BattleFileProblem>> read;
    LineReader reader(TextInMemory{text});
    EXPECT_TRUE(ReadBattleFile(reader, read.first, read.second));
    return read;
}

TEST(BattleFileTest, SavedFileReadsBackAndSavesAgainByteForByte)
{
    testing::TempDir dir;
    const std::string original = dir.Write("first.btl", kTwoSides);
    BattleSetup setup;
    std::vector<BattleFileProblem> problems;
    ASSERT_TRUE(LoadBattleFile(original, setup, problems));
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(std::tuple(setup.Left.size(), setup.Right.size()), std::tuple(2ul, 1ul));
    const TCombatUnit& c = setup.Left[0];
    EXPECT_EQ(
        std::tuple(c.UnitID, c.Description, c.Behind, c.SkillRIDI, c.SkillHEAL, c.ItemSWOR, c.ItemHORS, c.ItemHERB),
        std::tuple(12, "Heavy Cavalry", true, 2, 1, 24, 25, 0));
    EXPECT_EQ(std::tuple(setup.Left[1].UnitID, setup.Left[1].Attacks, setup.Right[0].Hits), std::tuple(-1, 3, 50));
    EXPECT_EQ(std::tuple(setup.TacticalAdvantage, setup.HorseTerrain), std::tuple(TCombatSide::Left, false));

    ASSERT_TRUE(SaveBattleFile(dir.File("again.btl"), setup));
    EXPECT_EQ(dir.Read("again.btl"), kTwoSides);

    // A path through a plain file can be neither read nor written: the set-up is left alone.
    EXPECT_FALSE(LoadBattleFile(original + "/none.btl", setup, problems));
    EXPECT_EQ(std::tuple(setup.Left.size(), problems.size()), std::tuple(2ul, 0ul));
    const FileResult saved = SaveBattleFile(original + "/none.btl", setup);
    EXPECT_FALSE(saved.Ok || saved.Reason.empty());

    // A unit line cannot be broken by its description.
    const TCombatUnit unit{.Description = "  Pikes, \"long\"\r\n ", .Quantity = 3};
    EXPECT_EQ(unit.ToLine(), "-1,Pikes \"long\",3,N,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1");
    TCombatUnit back;
    EXPECT_EQ(back.FromLine(unit.ToLine()), 21);
    EXPECT_EQ(std::tuple(back.Description, back.Quantity, back.Behind), std::tuple("Pikes \"long\"", 3, false));
}

// Each message says what the reader made of the line: the count it took, the lines it left.
TEST(BattleFileTest, DamagedFilesLoadWhatIsReadableAndSayWhatIsNot)
{
    const std::string unit = "1,A,1,N,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1\n";
    using Problems = std::vector<std::tuple<long, std::string>>;
    using File = std::tuple<std::string, std::size_t, std::size_t>;  // its text, and the units read on each side
    const std::pair<File, Problems> table[] = {
        {{"VERSION,2.31\nN,N\n1abc\n" + unit + "0\n", 1, 0},
         {{3, "the number of Left units, \"1abc\", is not a whole number; 1 is taken"}}},
        {{"VERSION,2.31\nN,N\n0\nnone at all, and more words than fit\n", 0, 0},
         {{4, "the number of Right units, \"none at all, and mor...\", is not a whole number; 0 is taken"}}},
        {{"VERSION,2.31\nN,N\n0\n4294967297\n" + unit, 0, 1},
         {{4, "the number of Right units, \"4294967297\", is out of range; 1 is taken"}}},
        {{"VERSION,2.31\n r , y \n0\n0\n\n  \r\n\n", 0, 0}, {}},
        {{"VERSION,2.31\nN,N\n0\n0\n\n" + unit + "\nmore\n\n", 0, 0},
         {{6, "2 lines after the last Right unit are ignored: the unit counts end the set-up before them"}}},
        {{"VERSION,2.31\nN,N\n1\n5,Fighters,20\n0\n", 1, 0}, {{4, "the Left unit line has 3 fields instead of 21"}}},
        {{"VERSION,2.31\nN,N\n1\n" + unit + "4\n" + unit, 1, 1}, {{7, "the file ends where a Right unit should be"}}},
        {{"N,Y\nN,Y\nx\n1\n" + unit + "extra\n\n", 0, 1},
         {{1, "the first line is not a version line; it is skipped"},
          {3, "the number of Left units, \"x\", is not a whole number; 0 is taken"},
          {6, "1 line after the last Right unit is ignored: the unit counts end the set-up before it"}}},
        {{"", 0, 0}, {{1, "the file ends where the version line should be"}}},
        {{"VERSION,2.31\nN,N\n2147483647\n", 0, 0}, {{4, "the file ends where a Left unit should be"}}},
    };
    for (const auto& [file, expected] : table) {
        const auto& [text, left, right] = file;
        SCOPED_TRACE(text);
        const auto [setup, problems] = ReadText(text);
        Problems got;
        for (const auto& p : problems)
            got.emplace_back(p.LineNumber, p.Text);
        EXPECT_EQ(std::tuple(setup.Left.size(), setup.Right.size(), got), std::tuple(left, right, expected));
    }
    // A short unit line keeps the starting values of the fields it lacks; blanks around the letters are read past.
    const BattleSetup shortLine = ReadText("VERSION,2.31\nN,N\n1\n5,Fighters,20\n0\n").first;
    EXPECT_EQ(std::tuple(shortLine.Left.at(0).Quantity, shortLine.Left.at(0).Hits), std::tuple(20, 1));
    EXPECT_EQ(BattleFileLines(ReadText("VERSION,2.31\n r , y \n0\n0\n").first),
              (std::vector<std::string>{"VERSION,2.31", "R,Y", "0", "0"}));
}

}  // namespace
}  // namespace korvane
