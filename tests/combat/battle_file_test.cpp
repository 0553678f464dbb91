// Battle files: written byte for byte, read back alike, and damaged files read as far as they go.
#include "combat/battle_file.h"
#include "combat/fort_list.h"
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

struct Read
{
    bool ok = false;
    BattleSetup setup;
    std::vector<BattleFileProblem> problems;
};

Read ReadText(std::string_view text)
{
    Read read;
    LineReader reader(TextInMemory{text});
    read.ok = ReadBattleFile(reader, read.setup, read.problems);
    return read;
}

std::vector<long> ProblemLines(const Read& read)
{
    std::vector<long> lines;
    for (const auto& problem : read.problems)
        lines.push_back(problem.LineNumber);
    return lines;
}

TEST(BattleFileTest, SavedFileReadsBackAndSavesAgainByteForByte)
{
    testing::TempDir dir;
    const std::string original = dir.Write("first.btl", kTwoSides);
    Read read;
    ASSERT_TRUE(LoadBattleFile(original, read.setup, read.problems));
    EXPECT_TRUE(read.problems.empty());
    ASSERT_EQ(std::tuple(read.setup.Left.size(), read.setup.Right.size()), std::tuple(2ul, 1ul));
    const TCombatUnit& c = read.setup.Left[0];
    EXPECT_EQ(
        std::tuple(c.UnitID, c.Description, c.Behind, c.SkillRIDI, c.SkillHEAL, c.ItemSWOR, c.ItemHORS, c.ItemHERB),
        std::tuple(12, "Heavy Cavalry", true, 2, 1, 24, 25, 0));
    EXPECT_EQ(std::tuple(read.setup.Left[1].UnitID, read.setup.Left[1].Attacks, read.setup.Right[0].Hits),
              std::tuple(-1, 3, 50));
    EXPECT_EQ(std::tuple(read.setup.TacticalAdvantage, read.setup.HorseTerrain), std::tuple(TCombatSide::Left, false));

    ASSERT_TRUE(SaveBattleFile(dir.File("again.btl"), read.setup));
    EXPECT_EQ(dir.Read("again.btl"), kTwoSides);

    // A path through a plain file can be neither read nor written: the set-up is left alone.
    EXPECT_FALSE(LoadBattleFile(original + "/none.btl", read.setup, read.problems));
    EXPECT_EQ(std::tuple(read.setup.Left.size(), read.problems.size()), std::tuple(2ul, 0ul));
    const FileResult saved = SaveBattleFile(original + "/none.btl", read.setup);
    EXPECT_FALSE(saved.Ok || saved.Reason.empty());
}

TEST(BattleFileTest, ConditionsLineAndUnitLinesSurviveBlanksAndPunctuation)
{
    BattleSetup setup;
    setup.TacticalAdvantage = TCombatSide::Right;
    EXPECT_EQ(BattleFileLines(setup), (std::vector<std::string>{"VERSION,2.31", "R,N", "0", "0"}));

    const Read spaced = ReadText("VERSION,2.31\n r , y \n0\n0\n");
    EXPECT_EQ(std::tuple(spaced.setup.TacticalAdvantage, spaced.setup.HorseTerrain),
              std::tuple(TCombatSide::Right, true))
        << "blanks around the letters";
    EXPECT_TRUE(spaced.problems.empty());

    // A unit line cannot be broken by its description.
    const TCombatUnit unit{.Description = "  Pikes, \"long\"\r\n ", .Quantity = 3};
    EXPECT_EQ(unit.ToLine(), "-1,Pikes \"long\",3,N,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1");
    TCombatUnit back;
    EXPECT_EQ(back.FromLine(unit.ToLine()), 21);
    EXPECT_EQ(std::tuple(back.Description, back.Quantity, back.Behind), std::tuple("Pikes \"long\"", 3, false));
}

TEST(BattleFileTest, DamagedFilesLoadWhatIsReadableAndSayWhatIsNot)
{
    // A short unit line: its fields are read, the rest keep their starting values.
    const Read shortLine = ReadText("VERSION,2.31\nN,N\n1\n5,Fighters,20\n0\n");
    ASSERT_TRUE(shortLine.ok);
    ASSERT_EQ(shortLine.setup.Left.size(), 1u);
    EXPECT_EQ(std::tuple(shortLine.setup.Left[0].Quantity, shortLine.setup.Left[0].Hits), std::tuple(20, 1));
    EXPECT_EQ(ProblemLines(shortLine), std::vector<long>{4});

    const Read counted = ReadText("VERSION,2.31\nN,N\n1\n5,Fighters,20,N,1,0,0,0,0,0,20,0,0,0,0,0,0,0,0,1,1\n4\n"
                                  "6,Cavalry,2,N,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2,1,1");
    EXPECT_EQ(std::tuple(counted.setup.Left.size(), counted.setup.Right.size()), std::tuple(1ul, 1ul))
        << "a count beyond the lines that follow keeps the units there";
    EXPECT_EQ(ProblemLines(counted), std::vector<long>{7});

    const Read odd = ReadText("N,Y\nN,Y\nx\n1\n1,A,1,N,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1\nextra\n\n");
    EXPECT_EQ(std::tuple(odd.setup.HorseTerrain, odd.setup.Left.size(), odd.setup.Right.size()),
              std::tuple(true, 0ul, 1ul));
    EXPECT_EQ(ProblemLines(odd), (std::vector<long>{1, 3, 6})) << "no version line, no count, lines after the end";

    const Read empty = ReadText(""), huge = ReadText("VERSION,2.31\nN,N\n2147483647\n");
    EXPECT_TRUE(empty.ok);
    EXPECT_EQ(ProblemLines(empty), std::vector<long>{1});
    EXPECT_EQ(std::tuple(huge.setup.Left.size(), huge.problems.size()), std::tuple(0ul, 1ul));
}

// Each message says what the reader made of the line: the count it took, the lines it left.
TEST(BattleFileTest, MessagesSayWhatWasTakenAndBlankLinesAtTheEndAreNoProblem)
{
    const std::string unit = "1,A,1,N,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1\n";
    using Problems = std::vector<std::tuple<long, std::string>>;
    const std::pair<std::string, Problems> table[] = {
        {"VERSION,2.31\nN,N\n1abc\n" + unit + "0\n",
         {{3, "the number of Left units, \"1abc\", is not a whole number; 1 is taken"}}},
        {"VERSION,2.31\nN,N\n0\nnone at all, and more words than fit\n",
         {{4, "the number of Right units, \"none at all, and mor...\", is not a whole number; 0 is taken"}}},
        {"VERSION,2.31\nN,N\n0\n4294967297\n" + unit,
         {{4, "the number of Right units, \"4294967297\", is out of range; 1 is taken"}}},
        {"VERSION,2.31\nN,N\n0\n0\n\n  \r\n\n", {}},
        {"VERSION,2.31\nN,N\n0\n0\n\n" + unit + "\nmore\n\n",
         {{6, "2 lines after the last Right unit are ignored: the unit counts end the set-up before them"}}},
        {"VERSION,2.31\nN,N\n0\n0\n" + unit,
         {{5, "1 line after the last Right unit is ignored: the unit counts end the set-up before it"}}},
    };
    for (const auto& [text, expected] : table) {
        SCOPED_TRACE(text);
        const Read read = ReadText(text);
        ASSERT_TRUE(read.ok);
        Problems got;
        for (const auto& p : read.problems)
            got.emplace_back(p.LineNumber, p.Text);
        EXPECT_EQ(got, expected);
    }
}

TEST(FortListTest, APositionOutsideTheListHoldsNoOne)
{
    EXPECT_EQ(std::tuple(TFortList().Capacity(6), TFortList().Capacity(-1)), std::tuple(0, 0));
}

}  // namespace
}  // namespace korvane
