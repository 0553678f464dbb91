// The "Units in hex" browser: filters, details and views, Mine, Orders, the summary, drawing, the orders file.
#include "windows/frm_hex_units.h"

#include "unit_browser_world.h"
#include "windows/frm_give_orders.h"
#include "windows/frm_unit_summ.h"
#include "windows/order_problem_look.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QTableWidget>

#include <gmock/gmock.h>

namespace korvane {
namespace {

using testing::Lines;
using testing::LineTexts;

const std::string kScouts = "   101    3 Scouts                         2 LEAD     In structure 1";
const std::string kSoldiers = "   102    3 Soldiers                       10 men    ";
const std::string kTraders = "   201   12 Traders                        1 man      In structure 2";
const std::string kStrangers = "   301   -1 Strangers                      3 men     ";

using Rows = std::vector<Lines>;

Rows Cells(const QWidget& window, const char* name)
{
    const auto* grid = testing::Child<QTableWidget>(window, name);
    Rows rows(grid->rowCount());
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column)
            rows[row].push_back(grid->item(row, column)->text().toStdString());
    return rows;
}

/// The unit count grid of the summary: units and troops of leaders, of the others, and in all.
Rows Counts(const char* leaderUnits, const char* leaderTroops, const char* normalUnits, const char* normalTroops,
            const char* totalUnits, const char* totalTroops)
{
    return {{"", "Units", "Troops"},
            {"Leaders", leaderUnits, leaderTroops},
            {"Normal", normalUnits, normalTroops},
            {"Total", totalUnits, totalTroops}};
}

class HexUnitsWindow : public testing::UnitWindowTest<TfrmHexUnits>
{
protected:
    TfrmHexUnits& Open(int level = 0, int x = 12)
    {
        window = std::make_unique<TfrmHexUnits>(ws, Vocabulary(), level, x, 8, ui, nullptr);
        return *window;
    }
    Lines Listed() const { return LineTexts(Units()); }
    Lines Misc() const { return LineTexts(Get<QListWidget>("lstMisc")); }
    void Filter(int faction, int structure) const
    {
        Factions()->setCurrentIndex(faction);
        Get<QComboBox>("lstStructures")->setCurrentIndex(structure);
    }
    QRect LineOf(int unit) const
    {
        return Units()->visualRect(Units()->model()->index(testing::RowOfUnit(Units(), unit), 0));
    }
    /// Order windows opened as the main window opens them, `typed` put in their memo; closed at once if `shut`.
    void RealOrderWindows(const QString& typed, bool shut)
    {
        window->openOrders = [this, typed, shut](std::int32_t unit, QWidget* parent, std::function<void()> closed) {
            auto* orders = new TfrmGiveOrders(ws, Vocabulary(), parent);  // stores its memo when it closes
            orders->LoadUnit(unit);
            QObject::connect(orders, &TfrmGiveOrders::Closed, closed);
            testing::Child<QPlainTextEdit>(*orders, "txtOrders")->setPlainText(typed);
            orders->show();
            if (shut)
                orders->close();
        };
    }
};

TEST_F(HexUnitsWindow, OpensWithTheHexsFiltersAndEveryUnitNothingChosenAndTheFiltersCombine)
{
    for (const auto& [level, x, title, lines, men] :
         {std::tuple{0, 12, "Units in hex (12,8) Plain", 4, "16 men "},
          {1, 12, "Units in hex (12,8,underworld) Unknown", 1, "5 men "},
          {0, 40, "Units in hex (40,8) ", 0, "0 men "}}) {  // never seen: nothing, and no failure
        Open(level, x);
        EXPECT_EQ(std::tuple(window->windowTitle(), Listed().size(), Panel("pnlManCount")),
                  std::tuple(QString(title), std::size_t(lines), QString(men)));
    }
    Open();
    EXPECT_EQ(LineTexts(Factions()), (Lines{"All factions", "Unknown", "    3- Red Riders", "   12- Blue Traders"}));
    EXPECT_EQ(LineTexts(Get<QComboBox>("lstStructures")),
              (Lines{"None", "Outside", "    1 - Keep: Tower", "    2 - Sea Wolf: Galleon"}));
    EXPECT_EQ(std::tuple(Listed(), window->SelectedUnit()),
              std::tuple(Lines{kScouts, kSoldiers, kTraders, kStrangers}, nullptr));
    for (const char* button : {"cmdSkills", "cmdEquipment", "cmdTroops", "cmdCanStudy", "cmdOrders"})
        EXPECT_FALSE(Get(button)->isEnabled()) << button;
    // The filters combine. Faction: all, unknown, 3, 12; structure: none, outside, the Keep, the Sea Wolf.
    for (const auto& [faction, structure, lines] : {std::tuple{3, 0, Lines{kTraders}},
                                                    {1, 0, {kStrangers}},
                                                    {0, 1, {kSoldiers, kStrangers}},
                                                    {0, 2, {kScouts}},
                                                    {3, 2, {}}}) {
        Filter(faction, structure);
        EXPECT_EQ(Listed(), lines) << faction << " " << structure;
    }
    EXPECT_EQ(Panel("pnlManCount"), "0 men ");
    // Long numbers filter and choose their own units.
    testing::AddFaction(ws.Factions, 123456, "Far Folk", kBlue);
    AddStructure(*ws.Map.Cell(0, 12, 8), 1234567, "Great Hall", "TOWER");
    AddUnit(0, 12, 8, 1234567, 123456, "Wanderers", "VIKI", 4).Structure = 1234567;
    Open();
    for (const auto& [combo, line] :
         {std::pair{"lstFactions", "123456- Far Folk"}, {"lstStructures", "1234567 - Great Hall: Tower"}})
        Get<QComboBox>(combo)->setCurrentIndex(Get<QComboBox>(combo)->findText(line));
    ASSERT_EQ(Listed().size(), 1u);
    Units()->setCurrentIndex(Units()->model()->index(0, 0));
    EXPECT_EQ(window->SelectedUnit(), ws.Map.Cell(0, 12, 8)->Units.Find(1234567));
}

TEST_F(HexUnitsWindow, ChoosingAUnitShowsItsDetailsFlagsAndTheViewPressed)
{
    Open();
    Choose(101);
    ASSERT_NE(window->SelectedUnit(), nullptr);
    EXPECT_EQ(std::tuple(window->SelectedUnit()->Number, Panel("pnlSilver"), Panel("pnlCombSpell"), Panel("pnlDesc"),
                         Panel("pnlLastSeen")),
              std::tuple(101, "300", " fire", " Look out", "7"));
    const auto flags = [this] {
        QString on;
        for (const char* name : {"chkAvoiding", "chkBehind", "chkRevealUnit", "chkRevealFac", "chkOnGuard",
                                 "chkHolding", "chkNoAid", "chkTaxing"}) {
            EXPECT_FALSE(Get<QCheckBox>(name)->isEnabled()) << name << " only shows";
            on += Get<QCheckBox>(name)->isChecked() ? QString(name) + " " : "";
        }
        return on;
    };
    EXPECT_EQ(std::tuple(flags(), Get("cmdSkills")->isChecked(), Misc()),
              std::tuple("chkAvoiding chkBehind ", true, Lines{"[COMB] combat 2 (95)"}))
        << "no view was down: Skills";
    for (const auto& [view, shown] : {std::pair{"cmdEquipment", "2  swords [SWOR]"},
                                      {"cmdTroops", "2  leaders [LEAD]"},
                                      {"cmdCanStudy", "[LBOW] longbow"}}) {
        Get(view)->click();
        EXPECT_EQ(Misc(), Lines{shown}) << view;
    }
    EXPECT_FALSE(Get("cmdSkills")->isChecked()) << "one view down at a time";
    // The next unit is shown in the view that is down.
    Choose(102);
    EXPECT_EQ(std::tuple(Get("cmdCanStudy")->isChecked(), Misc(), Panel("pnlCombSpell"), flags()),
              std::tuple(true, Lines{}, " ", "chkOnGuard chkTaxing "));
    Get("cmdTroops")->click();
    EXPECT_EQ(Misc(), Lines{"10  vikings [VIKI]"});
    // Any new selection chooses no unit, and empties everything again.
    Filter(0, 1);
    EXPECT_EQ(std::tuple(window->SelectedUnit(), Panel("pnlSilver"), Misc().size(), flags()),
              std::tuple(nullptr, "", 0u, ""));
    EXPECT_FALSE(Get("cmdTroops")->isEnabled());
}

TEST_F(HexUnitsWindow, OrdersOpenOnlyForThePlayersOwnUnits)
{
    std::vector<std::pair<std::int32_t, QWidget*>> opened;  // unit, parent
    std::function<void()> close;
    Open().openOrders = [&](std::int32_t unit, QWidget* parent, std::function<void()> closed) {
        opened.push_back({unit, parent});
        close = std::move(closed);
    };
    for (int other : {201, 301}) {  // another faction's, and one of no known faction
        Choose(other);
        EXPECT_FALSE(Get("cmdOrders")->isEnabled()) << other;
        emit Units()->doubleClicked(Units()->currentIndex());
    }
    EXPECT_TRUE(opened.empty());
    Choose(101);
    Get("cmdOrders")->click();
    EXPECT_EQ(std::tuple(opened, window->OpenOrderWindows()),
              std::tuple(std::vector<std::pair<std::int32_t, QWidget*>>{{101, window.get()}}, 1));
    close();
    EXPECT_EQ(window->OpenOrderWindows(), 0);
    // A double click on a line opens its orders.
    Choose(102);
    emit Units()->doubleClicked(Units()->currentIndex());
    EXPECT_EQ(std::tuple(opened.size(), opened.back().first), std::tuple(2u, 102));
    for (int own : {0, 5}) {  // no faction, and one the hex does not list: no unit is the player's, Mine does nothing
        ws.Settings.FactionNo = own;
        Choose(101);
        Get("cmdShowMine")->click();
        EXPECT_EQ(std::tuple(Get("cmdOrders")->isEnabled(), Factions()->currentIndex()), std::tuple(false, 0)) << own;
    }
    // An order window may close after the browser: nothing to count, nothing to crash.
    window.reset();
    close();
}

TEST_F(HexUnitsWindow, SummaryCountsThisHexAndLinesCarryColoursAndACrossWhenOrdersAreDone)
{
    // The player's units of this hex. 10 men without a leader at combat level 3 add 10 to the right of that column.
    ws.Map.Cell(0, 12, 8)->Units.Find(102)->AddSkill({Skill("COMB"), 180});
    Open().show();
    QString caption, silver;
    Rows counts, skills;
    testing::WhenModalShown<TfrmUnitSumm>([&](TfrmUnitSumm* summary) {
        std::tie(caption, counts, skills) = std::tuple(summary->windowTitle(), Cells(*summary, "grdUnitCount"),
                                                       Cells(*summary, "grdSkills"));
        silver = testing::Child<QLabel>(*summary, "pnlSilver")->text();
        summary->accept();
    });
    Get("cmdSummary")->click();
    EXPECT_EQ(std::tuple(caption, counts),
              std::tuple("Unit Summary: Hex (12,8)", Counts("1", "2", "1", "10", "2", "12")));
    QLocale grouping;  // as the player's locale groups thousands, right-aligned in 10 characters
    grouping.setNumberOptions({});
    EXPECT_EQ(silver, grouping.toString(1350).rightJustified(10));
    // Leaders / others at each level; 95 days is level 2.
    EXPECT_EQ(skills,
              (Rows{{"LEAD/SERF", "Level 1", "Level 2", "Level 3", "Level 4", "Level 5"},
                    {"COMB", "0 / 0", "2 / 0", "0 / 10", "0 / 0", "0 / 0"},
                    {"LBOW", "0 / 0", "0 / 0", "0 / 0", "0 / 0", "0 / 0"},
                    {"XBOW", "0 / 0", "0 / 0", "0 / 0", "0 / 0", "0 / 0"}}));
    const QImage image = Units()->viewport()->grab().toImage();
    const QColor grey(128, 128, 128);
    // 102 and 201 have complete orders: a blue cross on the red square, a red one on the blue.
    for (const auto& [unit, fill, diagonal] : {std::tuple<int, QColor, QColor>{101, Qt::red, Qt::red},
                                               {102, Qt::red, Qt::blue},
                                               {201, Qt::blue, Qt::red},
                                               {301, grey, grey}}) {
        const QRect line = LineOf(unit);
        ASSERT_GE(line.height(), 14);
        const int middle = line.top() + 2 + (line.height() - 7) / 2;
        // On the diagonal, off both diagonals inside the outline, and on the outline.
        EXPECT_EQ(image.pixelColor(line.left() + middle - line.top(), middle), diagonal) << unit;
        EXPECT_EQ(image.pixelColor(line.left() + 3, middle), fill) << unit;
        EXPECT_EQ(image.pixelColor(line.left() + 2, middle), QColor(Qt::black)) << unit;
    }
    EXPECT_EQ(Cells(TfrmUnitSumm(ws, nullptr, nullptr), "grdUnitCount"), Counts("1", "2", "2", "15", "3", "17"))
        << "the world's, with the miners underground";
    ws.Settings.FactionNo = 0;  // no faction shows nothing, not zeros
    TfrmUnitSumm none(ws, ws.Map.Cell(0, 12, 8), nullptr);
    EXPECT_EQ(std::tuple(Cells(none, "grdUnitCount"), testing::Child<QLabel>(none, "pnlSilver")->text()),
              std::tuple(Counts("", "", "", "", "", ""), QString()));
}

TEST_F(HexUnitsWindow, ThePlayersUnitsWhoseOrdersHaveAnErrorAreMarkedUntilMended)
{
    Record(101)->Orders = {"work", "wrok"};
    Record(102)->Orders = {"work"};
    Record(201)->Orders = {"wrok"};  // another faction's orders are not the player's to check
    Open().show();
    RealOrderWindows("work", true);
    // The mark sits in its own column after the faction's square, a red badge.
    const auto marked = [this] {
        std::vector<int> units;
        for (int unit : {101, 102, 201, 301}) {
            const int h = LineOf(unit).height();
            if (testing::LinePixel(Units(), testing::RowOfUnit(Units(), unit), h + h / 2 - (h - 4) / 4)
                == ProblemColour(OrderSeverity::Error))
                units.push_back(unit);
        }
        return units;
    };
    EXPECT_EQ(marked(), std::vector<int>{101});
    Choose(101);
    EXPECT_THAT(Units()->currentIndex().data(Qt::ToolTipRole).toString().toStdString(),
                ::testing::StartsWith("Orders, line 2: "));
    Get("cmdOrders")->click();
    EXPECT_EQ(std::tuple(Record(101)->Orders, marked()), std::tuple(Lines{"work"}, std::vector<int>{}));
}

TEST_F(HexUnitsWindow, ClosingClosesTheOrderWindowsThenWritesTheTurnsOrdersFile)
{
    Record(101)->Orders = {"MOVE N", "STUDY COMB"};
    Open().show();
    RealOrderWindows("TAX", false);
    Choose(102);
    Get("cmdOrders")->click();
    Get("cmdClose")->click();
    EXPECT_EQ(std::tuple(window->OpenOrderWindows(), window->result(), ui.shown.size()),
              std::tuple(0, int(QDialog::Accepted), 0UL));
    for (const char* line : {"MOVE N", "STUDY COMB", "TAX"})
        EXPECT_NE(home.Read("Ords0007.dat").find(line), std::string::npos) << line;
    // A data folder that is a file cannot be made, nor written in: that is said.
    ws.Settings.DataDir = home.Write("blocked", "a file");
    Open().accept();
    EXPECT_EQ(ui.Texts(testing::ScriptedInteraction::Kind::Error),
              (Lines{"Unable to write to " + home.File("blocked") + "/Ords0007.dat"}));
    // A file that could not be read when the session began is not written over, and was named then.
    ui.shown.clear();
    ws.Settings.DataDir = home.Path();
    ws.Refused.Add(home.Write("Ords0007.dat", "unreadable, as far as this session knows"));
    Open().accept();
    EXPECT_EQ(std::tuple(home.Read("Ords0007.dat"), ui.shown.size()),
              std::tuple(std::string("unreadable, as far as this session knows"), 0UL));
}

}  // namespace
}  // namespace korvane
