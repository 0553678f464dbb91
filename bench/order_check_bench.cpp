// Times the orders check on a 100,000-line orders file, and on one unit's lines as the order
// window checks them at every key the player types.
#include "orders/order_check.h"
#include "orders/order_vocabulary.h"

#include "orders/order_check_sample.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

using namespace korvane;
using Clock = std::chrono::steady_clock;

constexpr double kFileGoalSeconds = 0.25;  // "well under a second"
constexpr double kTypingGoalSeconds = 0.001;  // one key's check, far below a frame

template <typename F>
double Seconds(F&& run)
{
    const auto start = Clock::now();
    run();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main()
{
    const OrderVocabulary vocabulary = OrderVocabulary::Standard();
    testing::SampleOrders sample(7);
    const std::string file = sample.File(100000);
    std::size_t problems = 0;
    const double fileSeconds = Seconds([&] { problems = CheckOrders(file, vocabulary).size(); });
    std::printf("file:     100000 lines, %zu problems, %.3f s (goal under %.2f s)\n", problems, fileSeconds,
                kFileGoalSeconds);

    std::string unit;
    for (int i = 0; i < 30; ++i)
        unit += sample.Order() + "\n";
    constexpr int kKeys = 1000;
    const double typingSeconds = Seconds([&] {
                                     for (int i = 0; i < kKeys; ++i)
                                         problems += CheckUnitOrders(unit, vocabulary).size();
                                 })
        / kKeys;
    std::printf("typing:   30 lines a key, %.6f s a key (goal under %.3f s)\n", typingSeconds, kTypingGoalSeconds);
    return fileSeconds < kFileGoalSeconds && typingSeconds < kTypingGoalSeconds ? 0 : 1;
}
