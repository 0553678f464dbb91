// The gate and city list window driven as a player would: sorting, Goto, closing and placement.
#include "windows/frm_map_list.h"

#include "core/settings.h"
#include "windows/window_test_helpers.h"

#include <tuple>

namespace korvane {
namespace {

using XY = std::pair<int, int>;

using testing::Lines;

QListWidget* List(TfrmMapList* w)
{
    return testing::Child<QListWidget>(*w, "lstItems");
}
QAbstractButton* Button(TfrmMapList* w, const char* name)
{
    return testing::Child(*w, name);
}
Lines Texts(TfrmMapList* w)
{
    return testing::LineTexts(*List(w));
}

class MapListWindow : public ::testing::Test
{
protected:
    /// Opens the window modally, as the map window does, and runs `act` inside it.
    void Run(MapListMode mode, const std::vector<std::string>& items, std::function<void(TfrmMapList*)> act)
    {
        const auto centreOn = [this](int x, int y) { centred.emplace_back(x, y); };
        TfrmMapList window(mode, "List", items, settings, centreOn, nullptr);
        testing::WhenModalShown<TfrmMapList>(std::move(act));
        window.exec();
    }

    TrecINI settings{"/nonexistent/ATLANTIS.INI"};
    std::vector<XY> centred;
};

TEST_F(MapListWindow, SortsGatesByNumberAndCitiesIgnoringCase)
{
    TfrmMapList gates(MapListMode::Gates, "Gate List", {"  7  (12,34)", "123  (0,0)", " 45  (12,2)"}, settings, {},
                      nullptr);
    EXPECT_EQ(Texts(&gates), (Lines{"  7  (12,34)", " 45  (12,2)", "123  (0,0)"}));
    EXPECT_FALSE(Button(&gates, "cmdGoto")->isEnabled()) << "nothing is selected yet";

    TfrmMapList cities(MapListMode::Cities, "City Search: a", {"newport  (2,2)", "Zed  (4,4)", "bay  (1,1)"}, settings,
                       {}, nullptr);
    EXPECT_EQ(Texts(&cities), (Lines{"bay  (1,1)", "newport  (2,2)", "Zed  (4,4)"}));
}

TEST_F(MapListWindow, GotoCentresOnTheSelectedPlaceAndStaysOpen)
{
    bool stayedOpen = false;
    Run(MapListMode::Cities, {"Newport  (20,10)", "Deep Port  (6,4,underground)"}, [&](TfrmMapList* w) {
        List(w)->setCurrentRow(0);
        QTest::mouseClick(Button(w, "cmdGoto"), Qt::LeftButton);
        List(w)->setCurrentRow(1);
        QTest::keyClick(List(w), Qt::Key_Return);
        stayedOpen = w->isVisible();
        List(w)->clearSelection();
        EXPECT_FALSE(Button(w, "cmdGoto")->isEnabled());
        QTest::mouseClick(Button(w, "cmdClose"), Qt::LeftButton);
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(centred, (std::vector<XY>{{6, 4}, {20, 10}}));

    // An empty list: Enter neither goes anywhere nor closes the window.
    Run(MapListMode::Gates, {}, [](TfrmMapList* w) {
        QTest::keyClick(List(w), Qt::Key_Down);
        QTest::keyClick(w, Qt::Key_Return);
        EXPECT_FALSE(Button(w, "cmdGoto")->isEnabled());
        EXPECT_TRUE(w->isVisible());
        w->reject();
    });
    EXPECT_EQ(centred.size(), 2u);
}

TEST_F(MapListWindow, EachModeReopensWhereItWasClosedHowever)
{
    using Leave = std::function<void(TfrmMapList*)>;
    const Leave closeButton = [](TfrmMapList* w) { QTest::mouseClick(Button(w, "cmdClose"), Qt::LeftButton); };
    const Leave escape = [](TfrmMapList* w) { QTest::keyClick(w, Qt::Key_Escape); };
    const Leave frameButton = [](TfrmMapList* w) { w->close(); };
    int step = 0;
    for (const auto& [mode, leave] : {std::pair{MapListMode::Gates, closeButton},
                                      {MapListMode::Cities, escape},
                                      {MapListMode::Gates, frameButton}}) {
        const QPoint where = QPoint(40, 50) + QPoint(step, step);
        ++step;
        Run(mode, {"  1  (2,2)"}, [&](TfrmMapList* w) {
            w->move(where);
            leave(w);
        });
        EXPECT_EQ(TfrmMapList(mode, "again", {}, settings, {}, nullptr).pos(), where) << step;
    }
    EXPECT_EQ(XY(settings.GateListPosX, settings.GateListPosY), XY(42, 52));
    EXPECT_EQ(XY(settings.CityListPosX, settings.CityListPosY), XY(41, 51));
}

TEST_F(MapListWindow, WithoutAReachableKeptPositionItOpensOverTheMapWindow)
{
    QWidget opener;
    opener.setGeometry(100, 100, 600, 500);
    // Half a position is none; one on a screen since removed would leave the window out of reach.
    for (const XY& kept : {XY(30, -1), XY(30000, 30000)}) {
        std::tie(settings.GateListPosX, settings.GateListPosY) = kept;
        TfrmMapList window(MapListMode::Gates, "Gate List", {}, settings, {}, &opener);
        EXPECT_EQ(window.frameGeometry().center(), opener.frameGeometry().center()) << kept.first;
    }
}

}  // namespace
}  // namespace korvane
