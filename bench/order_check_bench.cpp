// Times the orders check on a 100,000-line orders file, and on one unit's lines as the order
// window checks them at every key the player types: the server's checks alone, and with the
// map's warnings on a world that fills both levels.
#include "orders/order_check.h"
#include "orders/order_vocabulary.h"
#include "orders/orders_in_world.h"

#include "bench_world.h"
#include "core/settings.h"
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

// Every position of both levels known, and a unit of the player's for each number the sample
// file gives orders to, spread over the hexes, shown in the current turn.
void FillWorld(TMap& map, int units)
{
    bench::FillEveryCell(map);
    for (int number = 101; number < 101 + units; ++number) {
        const int x = number * 7 % (TMap::kMaxX + 1), y = x % 2 + number * 2 % TMap::kMaxY / 2 * 2;
        auto record = std::make_unique<TUnit>();
        record->Number = number;
        record->Faction = 3;
        record->Level = 0;
        record->X = x;
        record->Y = y;
        record->Silver = 500;
        record->AddTroops({0, 10});
        auto shown = std::make_unique<TUnit>(*record);
        map.UnitFileList.Add(std::move(record));
        map.Cell(0, x, y)->Units.Add(std::move(shown));
    }
}

bool Time(const char* what, const std::string& file, const std::string& unit, bool world)
{
    const OrderVocabulary vocabulary = OrderVocabulary::Standard();
    TMap map;
    TrecINI settings("");
    settings.FactionNo = 3;
    if (world)
        FillWorld(map, 25000);
    std::size_t problems = 0;
    const double fileSeconds = Seconds([&] {
        problems = world ? CheckOrdersInWorld(file, map, settings, vocabulary).size()
                         : CheckOrders(file, vocabulary).size();
    });
    std::printf("%s file:   100000 lines, %zu problems, %.3f s (goal under %.2f s)\n", what, problems, fileSeconds,
                kFileGoalSeconds);
    constexpr int kKeys = 1000;
    const double typingSeconds = Seconds([&] {
                                     for (int i = 0; i < kKeys; ++i)
                                         problems += world
                                             ? CheckUnitOrdersInWorld(unit, 101, map, settings, vocabulary).size()
                                             : CheckUnitOrders(unit, vocabulary).size();
                                 })
        / kKeys;
    std::printf("%s typing: 30 lines a key, %.6f s a key (goal under %.3f s)\n", what, typingSeconds,
                kTypingGoalSeconds);
    return fileSeconds < kFileGoalSeconds && typingSeconds < kTypingGoalSeconds;
}

}  // namespace

int main()
{
    testing::SampleOrders sample(7);
    const std::string file = sample.File(100000);
    std::string unit;
    for (int i = 0; i < 30; ++i)
        unit += sample.Order() + "\n";
    const bool server = Time("server checks", file, unit, false);
    const bool world = Time("with the map ", file, unit, true);
    return server && world ? 0 : 1;
}
