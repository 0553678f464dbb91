// KeyedList: key order through every change, and n log n work for records out of order.
#include "core/keyed_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

namespace korvane {
namespace {

std::string Key(int number)
{
    std::string digits = std::to_string(number);
    return std::string(10 - digits.size(), '0') + digits;
}

// Counts every key comparison the list makes.
struct CountingLess
{
    using is_transparent = void;
    inline static long long comparisons = 0;
    bool operator()(std::string_view a, std::string_view b) const
    {
        ++comparisons;
        return a < b;
    }
};

TEST(KeyedList, PositionsFollowKeyOrderThroughEveryChange)
{
    KeyedList<int> list;
    std::map<std::string, int> expected;
    std::mt19937 random(7);
    for (int step = 0; step < 3000; ++step) {
        const int number = static_cast<int>(random() % 500);
        switch (random() % 4) {
        case 0:  // remove from the middle, or from the back as lists emptied one by one are
        case 1:
            if (!expected.empty()) {
                const int index = random() % 2 ? list.Count() - 1 : static_cast<int>(random() % list.Count());
                const std::unique_ptr<int> taken = list.Take(index);
                auto it = std::next(expected.begin(), index);
                ASSERT_EQ(*taken, it->second);
                expected.erase(it);
            }
            break;
        default:  // add, or replace what is held under the key
            list.Put(Key(number), std::make_unique<int>(step));
            expected[Key(number)] = step;
        }
        if (step % 97 == 0 || step > 2900) {
            ASSERT_EQ(list.Count(), static_cast<int>(expected.size()));
            for (int index = 0; const auto& [key, value] : expected) {
                ASSERT_EQ(std::tuple(list.KeyAt(index), *list.Items(index), list.IndexOf(key)),
                          std::tuple(key, value, index));
                ++index;
            }
        }
    }
    EXPECT_EQ(std::tuple(list.Items(-1), list.Items(list.Count()), list.IndexOf("absent")),
              std::tuple(nullptr, nullptr, -1));
    EXPECT_EQ(list.Take(list.Count()), nullptr);
}

TEST(KeyedList, RecordsArrivingOutOfOrderCostLogNAndArePutInOrderOnce)
{
    // About log n comparisons per record, and one reordering however they are looked up.
    constexpr int kCount = 1 << 15;
    KeyedList<int, CountingLess> list;
    for (int i = 0; i < kCount; i += 2)
        list.Put(Key(i), std::make_unique<int>(i));
    CountingLess::comparisons = 0;
    const long long rebuilds = list.PositionRebuilds();
    for (int i = kCount - 1; i > 0; i -= 2) {  // in reverse, each between two held ones
        list.Put(Key(i), std::make_unique<int>(i));
        ASSERT_EQ(*list.Find(Key(i - 1)), i - 1);
    }
    for (int index = 0; index < kCount; ++index)
        ASSERT_EQ(*list.Items(index), index);
    EXPECT_LT(CountingLess::comparisons, 4.0 * kCount * std::log2(kCount));
    EXPECT_EQ(list.PositionRebuilds() - rebuilds, 1);
}

}  // namespace
}  // namespace korvane
