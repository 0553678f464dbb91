// Times one battle of 50,000 men a side with every kind of weapon, armour and horse, and
// prints the battle's peak memory.
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

// 30,000 in front with swords, armour and some horses; 20,000 bowmen behind.
std::vector<TCombatUnit> Army(std::int32_t combat)
{
    TCombatUnit fighters = Unit(30000, combat, false);
    fighters.ItemSWOR = 20000;
    fighters.ItemMSWO = 2000;
    fighters.ItemCHAI = 15000;
    fighters.ItemPLAT = 5000;
    fighters.ItemMARM = 1000;
    fighters.ItemHORS = 8000;
    fighters.SkillRIDI = 2;
    TCombatUnit crossbowmen = Unit(10000, 1, true);
    crossbowmen.SkillXBOW = combat;
    crossbowmen.ItemXBOW = 10000;
    crossbowmen.ItemCHAI = 10000;
    TCombatUnit archers = Unit(10000, 1, true);
    archers.SkillLBOW = combat;
    archers.ItemLBOW = 8000;
    archers.ItemDBOW = 1000;
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

}  // namespace

int main()
{
    const std::vector<TCombatUnit> left = Army(3);
    const std::vector<TCombatUnit> right = Army(2);
    std::vector<std::string> report;
    SilentInteraction ui;

    const auto start = std::chrono::steady_clock::now();
    const bool fought = RunBattle(left, right, 0, 100, TCombatSide::Left, true, report, ui, 1u);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("men:      50000 a side\n");
    std::printf("report:   %zu lines\n", report.size());
    for (std::size_t i = report.size() >= 3 ? report.size() - 3 : 0; i < report.size(); ++i)
        std::printf("          %s\n", report[i].c_str());
    std::printf("battle:   %.3f s (goal under %.0f s)\n", seconds, kGoalSeconds);
    std::printf("peak:     %.1f MB\n", PeakMegabytes());
    return fought ? 0 : 1;
}
