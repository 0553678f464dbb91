// Dropped files told apart by what they hold, and the order they are taken in.
#include "workspace/dropped_files.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

std::string Report(const char* date)
{
    return std::string("Atlantis Report For:\r\nRed Riders (3) (War 1, Trade 1, Magic 1)\r\n") + date + "\r\n\r\n";
}

TEST(DroppedFiles, AreToldApartByContentNotByNameAndReportsComeFirstInTurnOrder)
{
    testing::TempDir dir;
    const std::pair<std::string, DroppedKind> cases[] = {
        // A mailer's blank lines before the heading do not hide a report.
        {dir.Write("a.kvd", "\n\n" + Report("March, Year 2")), DroppedKind::TurnReport},
        {dir.Write("battle.txt", "VERSION,2.31\r\nN,Y\r\n1\r\n12,Cavalry,25,N,3\r\n0\r\n"), DroppedKind::BattleFile},
        {dir.Write("map.btl", "VERSION,2.31\r\n0,10,12,Plain,,Ilt,0,0\r\n"), DroppedKind::ExchangeFile},
        {dir.Write("old.dat", "0,10,12\n1,3,4\n"), DroppedKind::ExchangeFile},
        {dir.Write("players", "The Guardsmen (1), nobody@example.org\n  and more\nRiders (3), x@y\n"),
         DroppedKind::FactionList},
        {dir.Write("notes.txt", "Remember the gate at 10,12 (north), next turn\n"), DroppedKind::Unknown},
        {dir.Write("empty.txt", "\n\n"), DroppedKind::Unknown},
        {dir.Path(), DroppedKind::Unknown},
        {dir.File("missing.txt"), DroppedKind::Unknown},
    };
    for (const auto& [file, kind] : cases)
        EXPECT_EQ(ClassifyDroppedFile(file).Kind, kind) << file;
    EXPECT_EQ(ClassifyDroppedFile(cases[0].first).Turn, 15);

    // Reports come first, in turn order.
    const std::string later = dir.Write("r1.txt", Report("February, Year 1"));
    const std::string other = dir.Write("x.txt", "hello\n");
    const std::string undated = dir.Write("r2.txt", Report("Someday"));
    const std::string earlier = dir.Write("r3.txt", Report("January, Year 1"));
    std::vector<std::string> order;
    for (const DroppedFile& file : ClassifyDroppedFiles({later, other, undated, earlier}))
        order.push_back(file.FileName);
    EXPECT_EQ(order, (std::vector{earlier, later, undated, other}));
}

}  // namespace
}  // namespace korvane
