// The unit summary of a hex or the world: the player's units, men, silver and fighting skills.
#include "windows/frm_unit_summ.h"

#include "unit_browser_world.h"

#include <QLocale>
#include <QTableWidget>

namespace korvane {
namespace {

using Rows = std::vector<testing::Lines>;

Rows Cells(const QWidget& window, const char* name)
{
    const auto* grid = testing::Child<QTableWidget>(window, name);
    Rows rows(grid->rowCount());
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column)
            rows[row].push_back(grid->item(row, column)->text().toStdString());
    return rows;
}

/// The unit count grid: units and troops of leaders, of the others, and in all.
Rows Counts(const char* lu, const char* lt, const char* nu, const char* nt, const char* tu, const char* tt)
{
    return {{"", "Units", "Troops"}, {"Leaders", lu, lt}, {"Normal", nu, nt}, {"Total", tu, tt}};
}

using UnitSummaryWindow = testing::UnitBrowserWorld;

TEST_F(UnitSummaryWindow, CountsThePlayersUnitsOfAHexOrOfTheWorldAndNothingWithoutAFaction)
{
    // 10 men without a leader at combat level 3 add 10 to the right of that column.
    ws.Map.Cell(0, 12, 8)->Units.Find(102)->AddSkill({Skill("COMB"), 180});
    TfrmUnitSumm hex(ws, ws.Map.Cell(0, 12, 8), nullptr);
    EXPECT_EQ(Cells(hex, "grdUnitCount"), Counts("1", "2", "1", "10", "2", "12"));
    QLocale grouping;  // as the player's locale groups thousands, right-aligned in 10 characters
    grouping.setNumberOptions({});
    EXPECT_EQ(testing::Child<QLabel>(hex, "pnlSilver")->text(), grouping.toString(1350).rightJustified(10));
    // Leaders / others at each level; 95 days is level 2.
    EXPECT_EQ(Cells(hex, "grdSkills"),
              (Rows{{"LEAD/SERF", "Level 1", "Level 2", "Level 3", "Level 4", "Level 5"},
                    {"COMB", "0 / 0", "2 / 0", "0 / 10", "0 / 0", "0 / 0"},
                    {"LBOW", "0 / 0", "0 / 0", "0 / 0", "0 / 0", "0 / 0"},
                    {"XBOW", "0 / 0", "0 / 0", "0 / 0", "0 / 0", "0 / 0"}}));

    TfrmUnitSumm world(ws, nullptr, nullptr);
    EXPECT_EQ(Cells(world, "grdUnitCount"), Counts("1", "2", "2", "15", "3", "17")) << "the miners underground too";
    // No faction shows nothing, not zeros.
    ws.Settings.FactionNo = 0;
    TfrmUnitSumm none(ws, ws.Map.Cell(0, 12, 8), nullptr);
    EXPECT_EQ(Cells(none, "grdUnitCount"), Counts("", "", "", "", "", ""));
    EXPECT_EQ(testing::Child<QLabel>(none, "pnlSilver")->text(), "");
}

}  // namespace
}  // namespace korvane
