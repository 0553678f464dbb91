// The unit summary of one hex and of the whole world: the player's units, men and silver, and
// the men at each level of the fighting skills.
#include "windows/frm_unit_summ.h"

#include "support/fixtures.h"
#include "support/qt_printers.h"
#include "unit_browser_world.h"

#include <QLocale>
#include <QTableWidget>

namespace korvane {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows Cells(const TfrmUnitSumm& window, const char* name)
{
    const auto* grid = window.findChild<QTableWidget*>(name);
    Rows rows;
    if (!grid)
        return rows;
    for (int row = 0; row < grid->rowCount(); ++row) {
        rows.emplace_back();
        for (int column = 0; column < grid->columnCount(); ++column)
            rows.back().push_back(grid->item(row, column)->text().toStdString());
    }
    return rows;
}

QString Silver(const TfrmUnitSumm& window)
{
    return window.findChild<QLabel*>("pnlSilver")->text();
}

/// A sum as the player's locale groups it, right-aligned in 10 characters.
QString Grouped(qlonglong value)
{
    QLocale locale;
    locale.setNumberOptions({});
    return locale.toString(value).rightJustified(10);
}

Rows SkillRows(std::vector<std::string> comb, std::vector<std::string> lbow, std::vector<std::string> xbow)
{
    const std::vector<std::string> none(5, "0 / 0");
    Rows rows{{"LEAD/SERF", "Level 1", "Level 2", "Level 3", "Level 4", "Level 5"}};
    for (auto [name, levels] : {std::pair{"COMB", comb}, {"LBOW", lbow}, {"XBOW", xbow}}) {
        rows.push_back({name});
        const auto& shown = levels.empty() ? none : levels;
        rows.back().insert(rows.back().end(), shown.begin(), shown.end());
    }
    return rows;
}

using UnitSummaryWindow = testing::UnitBrowserWorld;

TEST_F(UnitSummaryWindow, HexSummaryCountsThePlayersUnitsThere)
{
    // A unit of 10 men without a leader at combat level 3 adds 10 to the right of that column.
    ws.Map.Cell(0, 12, 8)->Units.Find(102)->AddSkill({ws.SkillList.IndexOfKey("COMB"), 180});
    TfrmUnitSumm window(ws, ws.Map.Cell(0, 12, 8), nullptr);
    EXPECT_EQ(Cells(window, "grdUnitCount"),
              (Rows{{"", "Units", "Troops"}, {"Leaders", "1", "2"}, {"Normal", "1", "10"}, {"Total", "2", "12"}}));
    EXPECT_EQ(Silver(window), Grouped(1350));
    EXPECT_EQ(Cells(window, "grdSkills"), SkillRows({"0 / 0", "2 / 0", "0 / 10", "0 / 0", "0 / 0"}, {}, {}))
        << "the scouts' 95 days are level 2";
}

TEST_F(UnitSummaryWindow, FullSummaryCountsEveryRecordOfTheWorld)
{
    TfrmUnitSumm window(ws, nullptr, nullptr);
    EXPECT_EQ(Cells(window, "grdUnitCount"),
              (Rows{{"", "Units", "Troops"}, {"Leaders", "1", "2"}, {"Normal", "2", "15"}, {"Total", "3", "17"}}))
        << "the miners underground count too";
    EXPECT_EQ(Silver(window), Grouped(1350));
}

TEST_F(UnitSummaryWindow, AHexWithoutThePlayersUnitsShowsZerosAndNoFactionShowsNothing)
{
    ws.Settings.FactionNo = 12;
    TfrmUnitSumm underground(ws, ws.Map.Cell(1, 12, 8), nullptr);
    EXPECT_EQ(Cells(underground, "grdUnitCount"),
              (Rows{{"", "Units", "Troops"}, {"Leaders", "0", "0"}, {"Normal", "0", "0"}, {"Total", "0", "0"}}));
    EXPECT_EQ(Silver(underground), "         0");

    ws.Settings.FactionNo = 0;
    TfrmUnitSumm none(ws, ws.Map.Cell(0, 12, 8), nullptr);
    EXPECT_EQ(Cells(none, "grdUnitCount"),
              (Rows{{"", "Units", "Troops"}, {"Leaders", "", ""}, {"Normal", "", ""}, {"Total", "", ""}}));
    EXPECT_EQ(Silver(none), "");
    EXPECT_EQ(Cells(none, "grdSkills"), SkillRows({}, {}, {}));
}

TEST_F(UnitSummaryWindow, ARealWorldAfterNineTurns)
{
    KORVANE_REQUIRE_FIXTURES();
    testing::TempDir other;
    Workspace real(other.Path());
    testing::ImportFixtureTurns(real, ui);

    // Turn 9 lists four units of the Red Riders: the captain (a leader, 64 silver), the
    // builders (6 vikings, 707), the spearmen (6 vikings at combat 1, 1578) and the scouts
    // (3 vikings, 332). Those of earlier turns that it does not list are gone.
    TfrmUnitSumm world(real, nullptr, nullptr);
    EXPECT_EQ(Cells(world, "grdUnitCount"),
              (Rows{{"", "Units", "Troops"}, {"Leaders", "1", "1"}, {"Normal", "3", "15"}, {"Total", "4", "16"}}));
    EXPECT_EQ(Silver(world), Grouped(2681));
    EXPECT_EQ(Cells(world, "grdSkills"), SkillRows({"0 / 6", "0 / 0", "0 / 0", "0 / 0", "0 / 0"}, {}, {}));

    // Glorforgost: the captain and the builders in the Red Keep, beside the city guard.
    TfrmUnitSumm city(real, real.Map.Cell(0, 0, 16), nullptr);
    EXPECT_EQ(city.windowTitle(), "Unit Summary: Hex (0,16)");
    EXPECT_EQ(Cells(city, "grdUnitCount"),
              (Rows{{"", "Units", "Troops"}, {"Leaders", "1", "1"}, {"Normal", "1", "6"}, {"Total", "2", "7"}}));
    EXPECT_EQ(Silver(city), Grouped(771));
}

}  // namespace
}  // namespace korvane
