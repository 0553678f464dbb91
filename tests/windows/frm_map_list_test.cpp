// The gate and city list window: sorting, Goto, closing and placement.
#include "windows/frm_map_list.h"

#include "core/settings.h"
#include "windows/window_test_helpers.h"

namespace korvane {
namespace {

using XY = std::pair<int, int>;
using testing::Lines;

class MapListWindow : public ::testing::Test
{
protected:
    /// The window over `items`, placed as the settings say, going to a place through `centred`.
    std::unique_ptr<TfrmMapList> Make(MapListMode mode, const Lines& items, QWidget* opener = nullptr)
    {
        const auto centreOn = [this](int x, int y) { centred.emplace_back(x, y); };
        return std::make_unique<TfrmMapList>(mode, "List", items, settings, centreOn, opener);
    }
    /// Opens the window modally, as the map window does, and runs `act` inside it.
    void Run(MapListMode mode, const Lines& items, std::function<void(TfrmMapList*)> act)
    {
        const auto window = Make(mode, items);
        testing::WhenModalShown<TfrmMapList>(std::move(act));
        window->exec();
    }
    static QListWidget* List(const TfrmMapList* w) { return testing::Child<QListWidget>(*w, "lstItems"); }

    TrecINI settings{"/nonexistent/ATLANTIS.INI"};
    std::vector<XY> centred;
};

TEST_F(MapListWindow, SortsAndGotoCentresOnTheSelectedPlaceAndStaysOpen)
{
    const auto gates = Make(MapListMode::Gates, {"  7  (12,34)", "123  (0,0)", " 45  (12,2)"});
    EXPECT_EQ(testing::LineTexts(List(gates.get())), (Lines{"  7  (12,34)", " 45  (12,2)", "123  (0,0)"}));
    bool stayedOpen = false;
    Run(MapListMode::Cities, {"newport  (20,10)", "Deep Port  (6,4,underground)", "bay  (1,1)"}, [&](TfrmMapList* w) {
        EXPECT_EQ(testing::LineTexts(List(w)),
                  (Lines{"bay  (1,1)", "Deep Port  (6,4,underground)", "newport  (20,10)"}))
            << "cities ignoring case";
        EXPECT_FALSE(testing::Child(*w, "cmdGoto")->isEnabled()) << "nothing is selected yet";
        List(w)->setCurrentRow(1);
        QTest::mouseClick(testing::Child(*w, "cmdGoto"), Qt::LeftButton);
        List(w)->setCurrentRow(2);
        QTest::keyClick(List(w), Qt::Key_Return);
        stayedOpen = w->isVisible();
        List(w)->clearSelection();
        EXPECT_FALSE(testing::Child(*w, "cmdGoto")->isEnabled());
        QTest::mouseClick(testing::Child(*w, "cmdClose"), Qt::LeftButton);
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(centred, (std::vector<XY>{{6, 4}, {20, 10}}));
    // An empty list: Enter neither goes anywhere nor closes the window.
    Run(MapListMode::Gates, {}, [](TfrmMapList* w) {
        QTest::keyClick(List(w), Qt::Key_Down);
        QTest::keyClick(w, Qt::Key_Return);
        EXPECT_TRUE(!testing::Child(*w, "cmdGoto")->isEnabled() && w->isVisible());
        w->reject();
    });
    EXPECT_EQ(centred.size(), 2u);
}

TEST_F(MapListWindow, EachModeReopensWhereItWasClosedOrWithoutOneOverTheMapWindow)
{
    Run(MapListMode::Gates, {"  1  (2,2)"}, [](TfrmMapList* w) {
        w->move(40, 50);
        QTest::mouseClick(testing::Child(*w, "cmdClose"), Qt::LeftButton);
    });
    Run(MapListMode::Cities, {}, [](TfrmMapList* w) {
        w->move(41, 51);
        QTest::keyClick(w, Qt::Key_Escape);
    });
    EXPECT_EQ(std::pair(Make(MapListMode::Gates, {})->pos(), Make(MapListMode::Cities, {})->pos()),
              std::pair(QPoint(40, 50), QPoint(41, 51)));
    // Half a position is none, one on a screen since removed is out of reach: it opens over the map window.
    QWidget opener;
    opener.setGeometry(100, 100, 600, 500);
    for (const XY& kept : {XY(30, -1), XY(30000, 30000)}) {
        settings.GateListPosX = kept.first;
        settings.GateListPosY = kept.second;
        EXPECT_EQ(Make(MapListMode::Gates, {}, &opener)->frameGeometry().center(), opener.frameGeometry().center())
            << kept.first;
    }
}

}  // namespace
}  // namespace korvane
