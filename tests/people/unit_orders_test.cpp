// Whether edited orders differ from a unit's in what the game reads.
#include "people/unit.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct OrdersCase
{
    const char* name;
    std::vector<std::string> stored;
    std::vector<std::string> edited;
    bool changed;
};

class OrdersChangedTest : public ::testing::TestWithParam<OrdersCase>
{
};

TEST_P(OrdersChangedTest, ComparesOnlyWhatTheGameReads)
{
    TUnit unit;
    unit.SetOrders(GetParam().stored);
    EXPECT_EQ(unit.OrdersChanged(GetParam().edited), GetParam().changed);
}

const std::vector<std::string> kOrders{"work", "give 31 10 silver"};

INSTANTIATE_TEST_SUITE_P(
    Unit, OrdersChangedTest,
    ::testing::Values(OrdersCase{"Same", kOrders, kOrders, false},
                      OrdersCase{"CaseOnly", kOrders, {"WORK", "Give 31 10 Silver"}, false},
                      OrdersCase{"EndSpacesOnly", kOrders, {"  work", "give 31 10 silver   "}, false},
                      OrdersCase{"CommentAdded", kOrders, {"; first the silver", "work", "give 31 10 silver"}, false},
                      OrdersCase{"CommentChanged", {"work", "; old"}, {"work", ";new"}, false},
                      OrdersCase{"BlankLinesAdded", kOrders, {"", "work", "   ", "give 31 10 silver", ""}, false},
                      OrdersCase{"BothEmpty", {}, {"", "; nothing yet"}, false},
                      OrdersCase{"LineAdded", kOrders, {"work", "give 31 10 silver", "study combat"}, true},
                      OrdersCase{"LineRemoved", kOrders, {"work"}, true}, OrdersCase{"FirstOrders", {}, {"work"}, true},
                      OrdersCase{"AllRemoved", kOrders, {"; later"}, true},
                      OrdersCase{"InnerSpacing", kOrders, {"work", "give 31  10 silver"}, true},
                      OrdersCase{"Reordered", kOrders, {"give 31 10 silver", "work"}, true},
                      OrdersCase{"CommentedOut", kOrders, {"work", ";give 31 10 silver"}, true}),
    [](const ::testing::TestParamInfo<OrdersCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korvane
