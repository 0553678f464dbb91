// The "Units in hex" browser driven as a player would: filters, details and views, Mine,
// Orders, the summary, the drawn lines and the orders file written on closing.
#include "windows/frm_hex_units.h"

#include "windows/frm_unit_summ.h"
#include "windows/window_test_helpers.h"

#include "support/qt_printers.h"
#include "unit_browser_world.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QImage>
#include <QTest>

namespace korvane {
namespace {

using testing::ChooseLine;
using testing::Lines;
using testing::LineTexts;
using testing::RowOfUnit;

const std::string kScouts = "   101    3 Scouts                         2 LEAD     In structure 1";
const std::string kSoldiers = "   102    3 Soldiers                       10 men    ";
const std::string kTraders = "   201   12 Traders                        1 man      In structure 2";
const std::string kStrangers = "   301   -1 Strangers                      3 men     ";

class HexUnitsWindow : public testing::UnitBrowserWorld
{
protected:
    template <typename T>
    T* Child(QWidget* w, const char* name)
    {
        return testing::Child<T>(*w, name);
    }
    QListView* Units(QWidget* w) { return Child<QListView>(w, "lstUnits"); }
    QComboBox* Combo(QWidget* w, const char* name) { return Child<QComboBox>(w, name); }
    QPushButton* Button(QWidget* w, const char* name) { return Child<QPushButton>(w, name); }
    QString Panel(QWidget* w, const char* name) { return Child<QLabel>(w, name)->text(); }
    Lines Misc(QWidget* w) { return LineTexts(Child<QListWidget>(w, "lstMisc")); }
};

TEST_F(HexUnitsWindow, OpensWithTheHexsFiltersAndEveryUnitNothingChosen)
{
    TfrmHexUnits window(ws, 0, 12, 8, ui, nullptr);
    EXPECT_EQ(window.windowTitle(), "Units in hex (12,8) Plain");
    EXPECT_EQ(LineTexts(Combo(&window, "lstFactions")),
              (Lines{"All factions", "Unknown", "    3- Red Riders", "   12- Blue Traders"}));
    EXPECT_EQ(LineTexts(Combo(&window, "lstStructures")),
              (Lines{"None", "Outside", "    1 - Keep: Tower", "    2 - Sea Wolf: Galleon"}));
    EXPECT_EQ(LineTexts(Units(&window)), (Lines{kScouts, kSoldiers, kTraders, kStrangers}));
    EXPECT_EQ(Panel(&window, "pnlManCount"), "16 men ");
    EXPECT_EQ(window.SelectedUnit(), nullptr);
    for (const char* button : {"cmdSkills", "cmdEquipment", "cmdTroops", "cmdCanStudy", "cmdOrders"})
        EXPECT_FALSE(Button(&window, button)->isEnabled()) << button;

    TfrmHexUnits under(ws, 1, 12, 8, ui, nullptr);
    EXPECT_EQ(under.windowTitle(), "Units in hex (12,8,underworld) Unknown");
    EXPECT_EQ(LineTexts(Units(&under)).size(), 1u);
    EXPECT_EQ(Panel(&under, "pnlManCount"), "5 men ");

    // A hex that was never seen lists nothing, and does not fail.
    TfrmHexUnits nowhere(ws, 0, 40, 40, ui, nullptr);
    EXPECT_TRUE(LineTexts(Units(&nowhere)).empty());
    EXPECT_EQ(Panel(&nowhere, "pnlManCount"), "0 men ");
}

TEST_F(HexUnitsWindow, FactionAndStructureFiltersCombine)
{
    TfrmHexUnits window(ws, 0, 12, 8, ui, nullptr);
    QComboBox* factions = Combo(&window, "lstFactions");
    QComboBox* structures = Combo(&window, "lstStructures");
    ChooseLine(Units(&window), 0);
    ASSERT_NE(window.SelectedUnit(), nullptr);

    factions->setCurrentIndex(3);
    EXPECT_EQ(LineTexts(Units(&window)), (Lines{kTraders}));
    EXPECT_EQ(Panel(&window, "pnlManCount"), "1 man ");
    EXPECT_EQ(window.SelectedUnit(), nullptr) << "a new selection clears the details";

    factions->setCurrentIndex(1);
    EXPECT_EQ(LineTexts(Units(&window)), (Lines{kStrangers}));

    factions->setCurrentIndex(0);
    structures->setCurrentIndex(1);
    EXPECT_EQ(LineTexts(Units(&window)), (Lines{kSoldiers, kStrangers})) << "Outside";
    structures->setCurrentIndex(2);
    EXPECT_EQ(LineTexts(Units(&window)), (Lines{kScouts})) << "in the Keep";
    factions->setCurrentIndex(3);
    EXPECT_TRUE(LineTexts(Units(&window)).empty());
    EXPECT_EQ(Panel(&window, "pnlManCount"), "0 men ");
    structures->setCurrentIndex(0);
    EXPECT_EQ(LineTexts(Units(&window)), (Lines{kTraders})) << "None";
}

TEST_F(HexUnitsWindow, ChoosingAUnitShowsItsDetailsFlagsAndTheViewPressed)
{
    TfrmHexUnits window(ws, 0, 12, 8, ui, nullptr);
    ChooseLine(Units(&window), RowOfUnit(Units(&window), 101));
    ASSERT_NE(window.SelectedUnit(), nullptr);
    EXPECT_EQ(window.SelectedUnit()->Number, 101);
    EXPECT_EQ(Panel(&window, "pnlSilver"), "300");
    EXPECT_EQ(Panel(&window, "pnlCombSpell"), " fire");
    EXPECT_EQ(Panel(&window, "pnlDesc"), " Look out");
    EXPECT_EQ(Panel(&window, "pnlLastSeen"), "7");
    const std::vector<std::pair<const char*, bool>> flags = {
        {"chkAvoiding", true}, {"chkBehind", true},   {"chkRevealUnit", false}, {"chkRevealFac", false},
        {"chkOnGuard", false}, {"chkHolding", false}, {"chkNoAid", false},      {"chkTaxing", false}};
    for (const auto& [name, on] : flags) {
        QCheckBox* box = Child<QCheckBox>(&window, name);
        EXPECT_EQ(box->isChecked(), on) << name;
        EXPECT_FALSE(box->isEnabled()) << name << " only shows";
    }

    // No view was down: Skills is pressed.
    EXPECT_TRUE(Button(&window, "cmdSkills")->isChecked());
    EXPECT_EQ(Misc(&window), (Lines{"[COMB] combat 2 (95)"}));
    Button(&window, "cmdEquipment")->click();
    EXPECT_EQ(Misc(&window), (Lines{"2  swords [SWOR]"}));
    Button(&window, "cmdTroops")->click();
    EXPECT_EQ(Misc(&window), (Lines{"2  leaders [LEAD]"}));
    Button(&window, "cmdCanStudy")->click();
    EXPECT_EQ(Misc(&window), (Lines{"[LBOW] longbow"}));
    EXPECT_FALSE(Button(&window, "cmdSkills")->isChecked()) << "one view down at a time";

    // The next unit is shown in the view that is down.
    ChooseLine(Units(&window), RowOfUnit(Units(&window), 102));
    EXPECT_TRUE(Button(&window, "cmdCanStudy")->isChecked());
    EXPECT_TRUE(Misc(&window).empty());
    EXPECT_EQ(Panel(&window, "pnlCombSpell"), " ");
    EXPECT_TRUE(Child<QCheckBox>(&window, "chkOnGuard")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(&window, "chkTaxing")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(&window, "chkAvoiding")->isChecked());
    Button(&window, "cmdTroops")->click();
    EXPECT_EQ(Misc(&window), (Lines{"10  vikings [VIKI]"}));

    // Any new selection chooses no unit, and empties everything again.
    Combo(&window, "lstStructures")->setCurrentIndex(1);
    EXPECT_EQ(Panel(&window, "pnlSilver"), "");
    EXPECT_TRUE(Misc(&window).empty());
    EXPECT_FALSE(Child<QCheckBox>(&window, "chkOnGuard")->isChecked());
    EXPECT_FALSE(Button(&window, "cmdTroops")->isEnabled());
}

TEST_F(HexUnitsWindow, MineChoosesThePlayersFactionWhenItHasOne)
{
    TfrmHexUnits window(ws, 0, 12, 8, ui, nullptr);
    QComboBox* factions = Combo(&window, "lstFactions");
    Button(&window, "cmdShowMine")->click();
    EXPECT_EQ(factions->currentIndex(), 2);
    EXPECT_EQ(LineTexts(Units(&window)), (Lines{kScouts, kSoldiers}));

    // Chosen already: chosen again, and the details cleared as by any new selection.
    ChooseLine(Units(&window), 0);
    Button(&window, "cmdShowMine")->click();
    EXPECT_EQ(window.SelectedUnit(), nullptr);

    factions->setCurrentIndex(3);
    for (int own : {0, 5}) {  // none, and one the hex does not list
        ws.Settings.FactionNo = own;
        Button(&window, "cmdShowMine")->click();
        EXPECT_EQ(factions->currentIndex(), 3) << own;
        EXPECT_EQ(LineTexts(Units(&window)), (Lines{kTraders})) << own;
    }
}

TEST_F(HexUnitsWindow, OrdersOpenOnlyForThePlayersOwnUnits)
{
    std::vector<std::pair<std::int32_t, QWidget*>> opened;  // unit, parent
    std::function<void()> close;
    TfrmHexUnits window(ws, 0, 12, 8, ui, nullptr);
    window.openOrders = [&](std::int32_t unit, QWidget* parent, std::function<void()> closed) {
        opened.push_back({unit, parent});
        close = std::move(closed);
    };
    QPushButton* orders = Button(&window, "cmdOrders");

    ChooseLine(Units(&window), RowOfUnit(Units(&window), 201));
    EXPECT_FALSE(orders->isEnabled()) << "another faction's unit";
    ChooseLine(Units(&window), RowOfUnit(Units(&window), 301));
    EXPECT_FALSE(orders->isEnabled()) << "a unit of no known faction";
    emit Units(&window)->doubleClicked(Units(&window)->currentIndex());
    EXPECT_TRUE(opened.empty());

    ChooseLine(Units(&window), RowOfUnit(Units(&window), 101));
    ASSERT_TRUE(orders->isEnabled());
    orders->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], (std::pair<std::int32_t, QWidget*>(101, &window)));
    EXPECT_EQ(window.OpenOrderWindows(), 1);
    close();
    EXPECT_EQ(window.OpenOrderWindows(), 0);

    // A double click on a line chooses it and opens its orders.
    const QModelIndex soldiers = Units(&window)->model()->index(RowOfUnit(Units(&window), 102), 0);
    Units(&window)->setCurrentIndex(soldiers);
    emit Units(&window)->doubleClicked(soldiers);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1].first, 102);

    // With no faction of the player's own, no unit is the player's.
    ws.Settings.FactionNo = 0;
    ChooseLine(Units(&window), RowOfUnit(Units(&window), 101));
    EXPECT_FALSE(orders->isEnabled());
}

TEST_F(HexUnitsWindow, AnOrderWindowMayCloseAfterTheBrowser)
{
    std::function<void()> close;
    {
        TfrmHexUnits window(ws, 0, 12, 8, ui, nullptr);
        window.openOrders = [&](std::int32_t, QWidget*, std::function<void()> closed) { close = std::move(closed); };
        ChooseLine(Units(&window), RowOfUnit(Units(&window), 101));
        Button(&window, "cmdOrders")->click();
    }
    ASSERT_TRUE(close);
    close();  // the browser is gone: nothing to count, nothing to crash
}

TEST_F(HexUnitsWindow, LongNumbersFilterAndChooseTheirOwnUnits)
{
    AddFaction(123456, "Far Folk", kBlue);
    AddStructure(*ws.Map.Cell(0, 12, 8), 1234567, "Great Hall", "TOWER");
    AddUnit(0, 12, 8, 1234567, 123456, "Wanderers", "VIKI", 4).Structure = 1234567;
    TfrmHexUnits window(ws, 0, 12, 8, ui, nullptr);
    QComboBox* factions = Combo(&window, "lstFactions");
    factions->setCurrentIndex(factions->findText("123456- Far Folk"));
    QComboBox* structures = Combo(&window, "lstStructures");
    structures->setCurrentIndex(structures->findText("1234567 - Great Hall: Tower"));
    ASSERT_EQ(LineTexts(Units(&window)).size(), 1u);
    ChooseLine(Units(&window), 0);
    ASSERT_NE(window.SelectedUnit(), nullptr);
    EXPECT_EQ(window.SelectedUnit()->Number, 1234567);
}

TEST_F(HexUnitsWindow, SummaryCountsThisHex)
{
    TfrmHexUnits window(ws, 0, 12, 8, ui, nullptr);
    QString caption;
    testing::WhenModalShown<TfrmUnitSumm>([&](TfrmUnitSumm* summary) {
        caption = summary->windowTitle();
        summary->accept();
    });
    Button(&window, "cmdSummary")->click();
    EXPECT_EQ(caption, "Unit Summary: Hex (12,8)");
}

TEST_F(HexUnitsWindow, LinesCarryTheirFactionsColourAndACrossWhenOrdersAreDone)
{
    TfrmHexUnits window(ws, 0, 12, 8, ui, nullptr);
    window.show();
    QListView* units = Units(&window);
    const QImage image = units->viewport()->grab().toImage();
    const QColor grey(128, 128, 128);
    // 102 and 201 have complete orders: a blue cross on the red square, a red one on the blue.
    for (const auto& [unit, fill, diagonal] : {std::tuple<int, QColor, QColor>{101, Qt::red, Qt::red},
                                               {102, Qt::red, Qt::blue},
                                               {201, Qt::blue, Qt::red},
                                               {301, grey, grey}}) {
        const QRect line = units->visualRect(units->model()->index(RowOfUnit(units, unit), 0));
        ASSERT_GE(line.height(), 14);
        const int middle = (line.height() - 7) / 2;
        EXPECT_EQ(image.pixelColor(line.left() + 2 + middle, line.top() + 2 + middle), diagonal) << unit;
        // Off both diagonals, inside the outline.
        EXPECT_EQ(image.pixelColor(line.left() + 3, line.top() + 2 + middle), fill) << unit;
        EXPECT_EQ(image.pixelColor(line.left() + 2, line.top() + 2 + middle), QColor(Qt::black)) << "outline";
    }
}

TEST_F(HexUnitsWindow, ClosingWritesTheTurnsOrdersFile)
{
    Record(101)->Orders = {"MOVE N", "STUDY COMB"};
    {
        TfrmHexUnits window(ws, 0, 12, 8, ui, nullptr);
        Button(&window, "cmdClose")->click();
        EXPECT_EQ(window.result(), QDialog::Accepted);
    }
    const std::string written = home.Read("Ords0007.dat");
    EXPECT_NE(written.find("MOVE N"), std::string::npos);
    EXPECT_NE(written.find("STUDY COMB"), std::string::npos);
    EXPECT_TRUE(ui.shown.empty());

    // Escape closes it as well, and writes again.
    Record(101)->Orders = {"WORK"};
    {
        TfrmHexUnits window(ws, 0, 12, 8, ui, nullptr);
        window.reject();
    }
    EXPECT_EQ(home.Read("Ords0007.dat").find("MOVE N"), std::string::npos);
    EXPECT_NE(home.Read("Ords0007.dat").find("WORK"), std::string::npos);
}

/// An order window that stores its memo when it closes, as the real one does.
class StoringWindow : public QWidget
{
public:
    StoringWindow(QWidget* parent, std::function<void()> store)
        : QWidget(parent, Qt::Window)
        , store_(std::move(store))
    {
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        store_();
        QWidget::closeEvent(event);
    }

private:
    std::function<void()> store_;
};

TEST_F(HexUnitsWindow, OrderWindowsStillOpenAreClosedBeforeTheOrdersAreWritten)
{
    TfrmHexUnits window(ws, 0, 12, 8, ui, nullptr);
    window.openOrders = [this](std::int32_t unit, QWidget* parent, std::function<void()> closed) {
        auto* orders = new StoringWindow(parent, [this, unit, closed] {
            Record(unit)->Orders = {"TAX"};
            closed();
        });
        orders->show();
    };
    window.show();
    ChooseLine(Units(&window), RowOfUnit(Units(&window), 102));
    Button(&window, "cmdOrders")->click();
    EXPECT_EQ(window.OpenOrderWindows(), 1);
    Button(&window, "cmdClose")->click();
    EXPECT_EQ(window.OpenOrderWindows(), 0);
    EXPECT_NE(home.Read("Ords0007.dat").find("TAX"), std::string::npos) << "the edit is in the file";
}

TEST_F(HexUnitsWindow, AnOrdersFileThatCannotBeWrittenIsSaid)
{
    // A data folder that is a file cannot be made, nor written in.
    ws.Settings.DataDir = home.Write("blocked", "a file");
    {
        TfrmHexUnits window(ws, 0, 12, 8, ui, nullptr);
        window.accept();
    }
    const std::string file = home.File("blocked") + "/Ords0007.dat";
    EXPECT_EQ(ui.Texts(testing::ScriptedInteraction::Kind::Error), (Lines{"Unable to write to " + file}));

    // A file that could not be read when the session began is not written over, and was
    // named then.
    ui.shown.clear();
    ws.Settings.DataDir = home.Path();
    const std::string kept = home.Write("Ords0007.dat", "unreadable, as far as this session knows");
    ws.Refused.Add(kept);
    {
        TfrmHexUnits window(ws, 0, 12, 8, ui, nullptr);
        window.accept();
    }
    EXPECT_EQ(home.Read("Ords0007.dat"), "unreadable, as far as this session knows");
    EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace korvane
