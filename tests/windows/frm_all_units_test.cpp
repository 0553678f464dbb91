// The "All Known Units" browser: every unit listed, the ways to a unit's hex, All and Mine.
#include "windows/frm_all_units.h"

#include "unit_browser_world.h"

namespace korvane {
namespace {

using testing::Lines;
using testing::LineTexts;
using Flash = std::tuple<bool, int, int, int>;  // on, x, level, y
using Place = std::tuple<int, int, int>;  // level, x, y

class AllUnitsWindow : public testing::UnitWindowTest<TfrmAllUnits>
{
protected:
    /// The browser, with the map's functions recorded.
    TfrmAllUnits& Open()
    {
        window = std::make_unique<TfrmAllUnits>(ws, Vocabulary(), ui, nullptr);
        window->setFlashHex = [this](bool on, int x, int level, int y) { flashes.emplace_back(on, x, level, y); };
        window->moveMapTo = [this](int level, int x, int y) { moves.emplace_back(level, x, y); };
        window->showHex = [this](int level, int x, int y, QWidget* parent) {
            shown.emplace_back(level, x, y);
            hexParent = parent;
        };
        return *window;
    }
    std::vector<Flash> flashes;
    std::vector<Place> moves, shown;
    QWidget* hexParent = nullptr;
};

TEST_F(AllUnitsWindow, ListsEveryUnitChoosesTheFirstLeadsToItsHexAndAllAndMineSwitch)
{
    Open();
    EXPECT_EQ(LineTexts(Units()),
              (Lines{"   101    3 Scouts                         2 LEAD     (12,8)      In 1",
                     "   102    3 Soldiers                       10 men     (12,8)     ",
                     "   201   12 Traders                        1 man      (12,8)      In 2",
                     "   301   -1 Strangers                      3 men      (12,8)     ",
                     "   103    3 Miners                         5 men      (12,8,u)   "}));
    EXPECT_EQ(std::tuple(Panel("pnlManCount"), window->SelectedUnit(), Panel("pnlSilver")),
              std::tuple("21 men ", Record(101), "300"))
        << "the map's record, with its orders";
    EXPECT_NE(QKeySequence::mnemonic(Get("cmdShowHex")->text()), QKeySequence::mnemonic(Get("cmdMoveMaptoHex")->text()))
        << "two buttons, two Alt keys";
    window->show();
    EXPECT_EQ(flashes, (std::vector<Flash>{{true, 14, 0, 8}})) << "where the chosen unit was last seen";
    // The chosen unit's hex is blinked, moved to and opened.
    Choose(103);
    EXPECT_EQ(flashes.back(), Flash(true, 14, 1, 8));
    Get("cmdMoveMaptoHex")->click();
    Get("cmdShowHex")->click();
    EXPECT_EQ(std::tuple(moves, shown, hexParent),
              std::tuple(std::vector<Place>{{1, 12, 8}}, std::vector<Place>{{1, 12, 8}}, window.get()))
        << "(12,8,u) is the underworld";
    // All and Mine switch between every unit and the player's.
    Choose(103);
    Factions()->setCurrentIndex(3);
    EXPECT_EQ(std::tuple(LineTexts(Units()).size(), window->SelectedUnit()->Number, flashes.back()),
              std::tuple(1u, 201, Flash(true, 14, 0, 8)))
        << "the first line is chosen after every change";
    Get("cmdShowMine")->click();
    EXPECT_EQ(std::tuple(Factions()->currentIndex(), testing::RowOfUnit(Units(), 101), testing::RowOfUnit(Units(), 103),
                         LineTexts(Units()).size(), Panel("pnlManCount")),
              std::tuple(2, 0, 2, 3u, "17 men "));
    Get("cmdShowAll")->click();
    EXPECT_EQ(std::tuple(Factions()->currentIndex(), LineTexts(Units()).size()), std::tuple(0, 5u));
    Get("cmdClose")->click();
    EXPECT_FALSE(std::get<0>(flashes.back())) << "closing stops the blinking";
}

TEST_F(AllUnitsWindow, ShowHexWaitsUntilTheOrderWindowsAreClosedAndWithNothingListedNothingIsChosen)
{
    Open();
    std::vector<std::function<void()>> open;
    window->openOrders = [&](std::int32_t, QWidget*, std::function<void()> closed) { open.push_back(closed); };
    window->show();  // as the opener does once it has handed in the order window
    Get("cmdOrders")->click();
    Choose(102);
    Get("cmdOrders")->click();
    EXPECT_EQ(window->OpenOrderWindows(), 2);
    for (std::size_t closing = 0; closing < 2; ++closing) {
        Get("cmdShowHex")->click();
        EXPECT_TRUE(shown.empty()) << "refused while order windows are open";
        open[closing]();
    }
    Get("cmdShowHex")->click();
    EXPECT_EQ(shown.size(), 1u);
    // An opener that finds no unit says so at once, and no window is counted.
    window->openOrders = [](std::int32_t, QWidget*, std::function<void()> closed) { closed(); };
    Get("cmdOrders")->click();
    EXPECT_EQ(window->OpenOrderWindows(), 0);

    // With nothing listed nothing is chosen, and the blinking stops.
    for (TUnitList* units : {&ws.Map.Cell(0, 12, 8)->Units, &ws.Map.Cell(1, 12, 8)->Units, &ws.Map.UnitFileList})
        units->Clear();
    Open().show();
    EXPECT_EQ(std::tuple(LineTexts(Units()), Panel("pnlManCount"), LineTexts(Factions()), window->SelectedUnit()),
              std::tuple(Lines{}, "0 men ", Lines{"All factions", "Unknown"}, nullptr));
    EXPECT_FALSE(Get("cmdShowHex")->isEnabled() || Get("cmdMoveMaptoHex")->isEnabled());
    ASSERT_FALSE(flashes.empty());
    EXPECT_FALSE(std::get<0>(flashes.back()));
}

}  // namespace
}  // namespace korvane
