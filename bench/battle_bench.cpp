// Times one battle of 50,000 men a side with every kind of weapon, armour and horse, then the
// largest battle a set-up may field, and prints the peak memory.
#include "combat/battle.h"
#include "core/silent_interaction.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace korvane;

constexpr double kGoalSeconds = 1.0;

TCombatUnit Unit(std::int32_t men, std::int32_t combat, bool behind)
{
    TCombatUnit unit;
    unit.Quantity = men;
    unit.SkillCOMB = combat;
    unit.Behind = behind;
    return unit;
}

// `men` a side, in tenths: 6 in front with swords, armour and some horses; 4 bowmen behind.
std::vector<TCombatUnit> Army(std::int32_t combat, std::int32_t men)
{
    const std::int32_t tenth = men / 10;
    TCombatUnit fighters = Unit(6 * tenth, combat, false);
    fighters.ItemSWOR = 4 * tenth;
    fighters.ItemMSWO = 4 * tenth / 10;
    fighters.ItemCHAI = 3 * tenth;
    fighters.ItemPLAT = tenth;
    fighters.ItemMARM = tenth / 5;
    fighters.ItemHORS = 8 * tenth / 5;
    fighters.SkillRIDI = 2;
    TCombatUnit crossbowmen = Unit(2 * tenth, 1, true);
    crossbowmen.SkillXBOW = combat;
    crossbowmen.ItemXBOW = 2 * tenth;
    crossbowmen.ItemCHAI = 2 * tenth;
    TCombatUnit archers = Unit(2 * tenth, 1, true);
    archers.SkillLBOW = combat;
    archers.ItemLBOW = 8 * tenth / 5;
    archers.ItemDBOW = tenth / 5;
    archers.Hits = 2;
    return {fighters, crossbowmen, archers};
}

// Peak resident memory in MB, from /proc (ru_maxrss where /proc is missing).
double PeakMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

bool Fight(std::int32_t men)
{
    std::vector<std::string> report;
    SilentInteraction ui;
    const auto start = std::chrono::steady_clock::now();
    const bool fought = RunBattle(Army(3, men), Army(2, men), 0, 100, TCombatSide::Left, true, report, ui, 1u);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("men:      %d a side\n", men);
    std::printf("report:   %zu lines\n", report.size());
    for (std::size_t i = report.size() >= 3 ? report.size() - 3 : 0; i < report.size(); ++i)
        std::printf("          %s\n", report[i].c_str());
    std::printf("battle:   %.3f s\n", seconds);
    return fought;
}

}  // namespace

int main()
{
    bool fought = Fight(50000);
    std::printf("goal:     under %.0f s\n", kGoalSeconds);
    // The largest a set-up may field: what its memory and time come to at worst.
    fought = Fight(static_cast<std::int32_t>(TBattleLimits{}.Men)) && fought;
    std::printf("peak:     %.1f MB\n", PeakMegabytes());
    return fought ? 0 : 1;
}
