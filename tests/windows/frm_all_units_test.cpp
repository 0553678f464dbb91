// The "All Known Units" browser driven as a player would: every unit listed, the first chosen,
// the ways to the chosen unit's hex, All and Mine, and a world of tens of thousands of units.
#include "windows/frm_all_units.h"

#include "support/fixtures.h"
#include "support/qt_printers.h"
#include "unit_browser_world.h"

#include <QElapsedTimer>

#include <tuple>

namespace korvane {
namespace {

using testing::ChooseLine;
using testing::LineTexts;
using testing::RowOfUnit;

using Flash = std::tuple<bool, int, int, int>;  // on, x, level, y
using Place = std::tuple<int, int, int>;  // level, x, y

class AllUnitsWindow : public testing::UnitBrowserWorld
{
protected:
    /// The browser with the map's functions recorded.
    std::unique_ptr<TfrmAllUnits> Open()
    {
        auto window = std::make_unique<TfrmAllUnits>(ws, ui, nullptr);
        window->setFlashHex = [this](bool on, int x, int level, int y) { flashes.emplace_back(on, x, level, y); };
        window->moveMapTo = [this](int level, int x, int y) { moves.emplace_back(level, x, y); };
        window->showHex = [this](int level, int x, int y, QWidget* parent) {
            shown.emplace_back(level, x, y);
            hexParent = parent;
        };
        return window;
    }

    static QListView* Units(QWidget* w) { return w->findChild<QListView*>("lstUnits"); }
    static QPushButton* Button(QWidget* w, const char* name) { return w->findChild<QPushButton*>(name); }
    static QComboBox* Factions(QWidget* w) { return w->findChild<QComboBox*>("lstFactions"); }

    std::vector<Flash> flashes;
    std::vector<Place> moves, shown;
    QWidget* hexParent = nullptr;
};

TEST_F(AllUnitsWindow, ListsEveryUnitHexByHexAndChoosesTheFirst)
{
    auto window = Open();
    EXPECT_EQ(LineTexts(Units(window.get())),
              (std::vector<std::string>{"   101    3 Scouts                         2 LEAD     (12,8)      In 1",
                                        "   102    3 Soldiers                       10 men     (12,8)     ",
                                        "   201   12 Traders                        1 man      (12,8)      In 2",
                                        "   301   -1 Strangers                      3 men      (12,8)     ",
                                        "   103    3 Miners                         5 men      (12,8,u)   "}));
    EXPECT_EQ(window->findChild<QLabel*>("pnlManCount")->text(), "21 men ");
    EXPECT_EQ(LineTexts(Factions(window.get())),
              (std::vector<std::string>{"All factions", "Unknown", "    3- Red Riders", "   12- Blue Traders"}));
    ASSERT_NE(window->SelectedUnit(), nullptr);
    EXPECT_EQ(window->SelectedUnit(), ws.Map.UnitFileList.Find(101)) << "the map's record, with its orders";
    EXPECT_EQ(window->findChild<QLabel*>("pnlSilver")->text(), "300");
    // Two buttons, two different Alt keys.
    EXPECT_EQ(Button(window.get(), "cmdShowHex")->text(), "Show He&x");
    EXPECT_EQ(Button(window.get(), "cmdMoveMaptoHex")->text(), "Map to &Hex");

    // Shown, the map blinks where the chosen unit was last seen.
    window->show();
    EXPECT_EQ(flashes, (std::vector<Flash>{{true, 14, 0, 8}}));
}

TEST_F(AllUnitsWindow, TheChosenUnitsHexIsBlinkedMovedToAndOpened)
{
    auto window = Open();
    ChooseLine(Units(window.get()), RowOfUnit(Units(window.get()), 103));
    EXPECT_EQ(flashes.back(), Flash(true, 14, 1, 8));
    Button(window.get(), "cmdMoveMaptoHex")->click();
    Button(window.get(), "cmdShowHex")->click();
    EXPECT_EQ(moves, (std::vector<Place>{{1, 12, 8}}));
    EXPECT_EQ(shown, (std::vector<Place>{{1, 12, 8}})) << "(12,8,u) is the underworld";
    EXPECT_EQ(hexParent, window.get());

    ChooseLine(Units(window.get()), RowOfUnit(Units(window.get()), 201));
    Button(window.get(), "cmdShowHex")->click();
    EXPECT_EQ(shown.back(), Place(0, 12, 8));
}

TEST_F(AllUnitsWindow, LongNumbersLeadToTheirOwnFactionUnitAndHex)
{
    // Faction 12345 is what the first five characters of 123456's line would name.
    AddFaction(12345, "Near Folk", kRed);
    AddFaction(123456, "Far Folk", kBlue);
    AddUnit(0, 40, 20, 1234567, 123456, "Wanderers", "VIKI", 4);
    ws.Map.UnitFileList.Add(std::make_unique<TUnit>(*ws.Map.Cell(0, 40, 20)->Units.Find(1234567)));
    auto window = Open();
    window->show();
    QComboBox* factions = Factions(window.get());
    factions->setCurrentIndex(factions->findText("123456- Far Folk"));
    ASSERT_EQ(LineTexts(Units(window.get())).size(), 1u);
    EXPECT_EQ(window->SelectedUnit(), Record(1234567));
    QListView* units = Units(window.get());
    const QRect line = units->visualRect(units->model()->index(0, 0));
    EXPECT_EQ(units->viewport()->grab().toImage().pixelColor(line.left() + 3, line.center().y()), QColor(Qt::blue));
    Button(window.get(), "cmdShowHex")->click();
    EXPECT_EQ(shown, (std::vector<Place>{{0, 40, 20}}));
}

TEST_F(AllUnitsWindow, ShowHexWaitsUntilTheOrderWindowsAreClosed)
{
    auto window = Open();
    std::vector<std::function<void()>> open;
    window->openOrders = [&](std::int32_t, QWidget*, std::function<void()> closed) { open.push_back(closed); };
    window->show();  // as the opener does once it has handed in the order window
    QPushButton* orders = Button(window.get(), "cmdOrders");
    ASSERT_TRUE(orders->isEnabled()) << "the first line is the player's own";
    orders->click();
    ChooseLine(Units(window.get()), RowOfUnit(Units(window.get()), 102));
    orders->click();
    EXPECT_EQ(window->OpenOrderWindows(), 2);
    Button(window.get(), "cmdShowHex")->click();
    EXPECT_TRUE(shown.empty()) << "refused while order windows are open";

    open[0]();
    Button(window.get(), "cmdShowHex")->click();
    EXPECT_TRUE(shown.empty());
    open[1]();
    EXPECT_EQ(window->OpenOrderWindows(), 0);
    Button(window.get(), "cmdShowHex")->click();
    EXPECT_EQ(shown.size(), 1u);

    // An opener that finds no unit says so at once, and no window is counted.
    window->openOrders = [](std::int32_t, QWidget*, std::function<void()> closed) { closed(); };
    orders->click();
    EXPECT_EQ(window->OpenOrderWindows(), 0);
}

TEST_F(AllUnitsWindow, AllAndMineSwitchBetweenEveryUnitAndThePlayersAndClosingWritesTheOrders)
{
    Record(103)->Orders = {"MOVE IN"};
    auto window = Open();
    window->show();
    QComboBox* factions = Factions(window.get());
    factions->setCurrentIndex(3);
    EXPECT_EQ(LineTexts(Units(window.get())).size(), 1u);
    EXPECT_EQ(window->SelectedUnit()->Number, 201) << "the first line is chosen after every change";
    EXPECT_EQ(flashes.back(), Flash(true, 14, 0, 8));

    Button(window.get(), "cmdShowMine")->click();
    EXPECT_EQ(factions->currentIndex(), 2);
    std::vector<int> numbers;
    for (const std::string& line : LineTexts(Units(window.get())))
        numbers.push_back(std::stoi(line.substr(0, 6)));
    EXPECT_EQ(numbers, (std::vector<int>{101, 102, 103}));
    EXPECT_EQ(window->findChild<QLabel*>("pnlManCount")->text(), "17 men ");

    Button(window.get(), "cmdShowAll")->click();
    EXPECT_EQ(factions->currentIndex(), 0);
    EXPECT_EQ(LineTexts(Units(window.get())).size(), 5u);

    Button(window.get(), "cmdClose")->click();
    EXPECT_FALSE(std::get<0>(flashes.back())) << "closing stops the blinking";
    EXPECT_NE(home.Read("Ords0007.dat").find("MOVE IN"), std::string::npos);
}

TEST_F(AllUnitsWindow, WithNothingListedNothingIsChosenAndTheBlinkingStops)
{
    for (TUnitList* units : {&ws.Map.Cell(0, 12, 8)->Units, &ws.Map.Cell(1, 12, 8)->Units, &ws.Map.UnitFileList})
        units->Clear();
    auto window = Open();
    window->show();
    EXPECT_TRUE(LineTexts(Units(window.get())).empty());
    EXPECT_EQ(window->findChild<QLabel*>("pnlManCount")->text(), "0 men ");
    EXPECT_EQ(LineTexts(Factions(window.get())), (std::vector<std::string>{"All factions", "Unknown"}));
    EXPECT_EQ(window->SelectedUnit(), nullptr);
    EXPECT_FALSE(Button(window.get(), "cmdShowHex")->isEnabled());
    EXPECT_FALSE(Button(window.get(), "cmdMoveMaptoHex")->isEnabled());
    ASSERT_FALSE(flashes.empty());
    EXPECT_FALSE(std::get<0>(flashes.back()));
}

TEST_F(AllUnitsWindow, AWorldOfTensOfThousandsOfUnitsOpensQuickly)
{
    // 40,000 units, eight to a hex, each with its map record.
    int number = 1000;
    for (int y = 2; y < 190; y += 2) {
        for (int x = 2; x < 110 && number < 41000; x += 2) {
            TMapCell* cell = ws.Map.EnsureCell(0, x, y);
            for (int i = 0; i < 8; ++i, ++number) {
                auto unit = std::make_unique<TUnit>();
                std::tie(unit->Number, unit->Faction, unit->Name) = std::tuple(number, 3 + 9 * (i % 2), "Unit");
                unit->AddTroops({ws.TroopList.IndexOfKey("VIKI"), 10});
                ws.Map.UnitFileList.Add(std::make_unique<TUnit>(*unit));
                cell->Units.Add(std::move(unit));
            }
        }
    }
    ASSERT_GE(ws.Map.UnitFileList.Count(), 40000);
    QElapsedTimer clock;
    clock.start();
    auto window = Open();
    window->show();
    Factions(window.get())->setCurrentIndex(3);
    Button(window.get(), "cmdShowAll")->click();
    window->grab();  // the lines in sight drawn, crosses and squares looked up
    // Generous for a loaded machine under the sanitizers; a lookup per line through the whole
    // world, or converting every line up front, takes many times this.
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(LineTexts(Units(window.get())).size(), static_cast<std::size_t>(ws.Map.UnitFileList.Count()));
}

TEST_F(AllUnitsWindow, EveryLineOfARealWorldLeadsToTheHexThatShowsItsUnit)
{
    KORVANE_REQUIRE_FIXTURES();
    testing::TempDir other;
    Workspace real(other.Path());
    testing::ImportFixtureTurns(real, ui);
    TfrmAllUnits window(real, ui, nullptr);
    window.showHex = [this](int level, int x, int y, QWidget*) { shown.emplace_back(level, x, y); };
    const std::vector<std::string> lines = LineTexts(Units(&window));
    ASSERT_GT(lines.size(), 10u);
    for (std::size_t row = 0; row < lines.size(); ++row) {
        ChooseLine(Units(&window), static_cast<int>(row));
        Button(&window, "cmdShowHex")->click();
        ASSERT_EQ(shown.size(), row + 1) << lines[row];
        const auto [level, x, y] = shown.back();
        const TMapCell* cell = real.Map.Cell(level, x, y);
        ASSERT_NE(cell, nullptr) << lines[row];
        ASSERT_NE(window.SelectedUnit(), nullptr) << lines[row];
        EXPECT_NE(cell->Units.Find(window.SelectedUnit()->Number), nullptr) << lines[row];
    }
    Button(&window, "cmdShowMine")->click();
    ASSERT_GT(Units(&window)->model()->rowCount(), 0);
    EXPECT_EQ(window.SelectedUnit()->Faction, 3);
}

}  // namespace
}  // namespace korvane
