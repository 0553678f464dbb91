// Centring windows: the placement arithmetic case by case, then one real window.
#include "windows/centre_window.h"

#include "support/param_names.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace korvane {
namespace {

struct CentreCase
{
    const char* name;
    std::optional<QRect> reference;  // the opener, if any
    QSize size;
    QRect screen;
    QPoint expected;
};

// The row's name says which placement it is.
void PrintTo(const CentreCase& c, std::ostream* os)
{
    *os << c.name;
}

class CentredPositionTable : public ::testing::TestWithParam<CentreCase>
{
};

TEST_P(CentredPositionTable, PlacesTheWindow)
{
    const CentreCase& c = GetParam();
    EXPECT_EQ(CentredPosition(c.reference, c.size, c.screen), c.expected);
}

const QRect kScreen(0, 0, 1280, 1024);

INSTANTIATE_TEST_SUITE_P(
    CentreWindow, CentredPositionTable,
    ::testing::Values(
        CentreCase{"OverItsOpener", QRect(100, 100, 400, 300), {200, 100}, kScreen, {200, 200}},
        // Without an opener the screen counts from (1, 1): 1 + (1024 - 200) / 2, 1 + (768 - 100) / 2.
        CentreCase{"OverTheScreen", std::nullopt, {200, 100}, QRect(0, 0, 1024, 768), {413, 335}},
        // Larger than its opener by an odd amount: -101 / 2 is -50 and -51 / 2 is -25, not -51 and -26.
        CentreCase{"HalfDifferenceTowardsZero", QRect(100, 100, 100, 100), {201, 151}, kScreen, {50, 75}},
        CentreCase{"PulledBackFromTheBottomRight", QRect(1000, 900, 200, 200), {400, 300}, kScreen, {880, 724}},
        CentreCase{"EdgesMayTouchTheScreenEdge", QRect(1080, 824, 200, 200), {200, 200}, kScreen, {1080, 824}},
        CentreCase{"PushedInsideTopLeft", QRect(0, 0, 100, 100), {300, 300}, kScreen, {1, 1}},
        // Bigger than the screen: the top-left corner wins so the title bar stays reachable.
        CentreCase{"LargerThanTheScreen", std::nullopt, {2000, 1100}, kScreen, {1, 1}},
        CentreCase{"BelowAPanel", QRect(0, 0, 100, 100), {300, 300}, QRect(0, 30, 1280, 994), {1, 31}}),
    testing::NameField());

TEST(CentreWindow, MovesTheWindowOverItsOpener)
{
    QWidget opener;
    opener.setGeometry(100, 100, 400, 300);
    QWidget window;
    window.resize(200, 100);
    CentreWindow(&opener, &window);
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(200, 200));
}

}  // namespace
}  // namespace korvane
