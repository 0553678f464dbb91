// Imports a large generated turn report and prints the reading speed.
#include "core/silent_interaction.h"
#include "reportimport/report_reader.h"
#include "workspace/workspace.h"

#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// One region block, much as the game writes them, with a structure and five units.
void WriteRegion(std::ofstream& out, int x, int y, bool under, int& unit)
{
    const std::string level = under ? ",deep  underworld" : "";
    out << (under ? "cavern" : "plain") << " (" << x << "," << y << level << ") in Province" << (x % 50)
        << ", contains Town" << x << "x" << y << " [town], " << 1000 + x << " peasants\n  (high elves), $"
        << 500 + y << ".\n------------------------------------------------------------\n"
        << "  The weather was clear last month; it will be clear next month.\n"
        << "  Wages: $13.5 (Max: $1200).\n"
        << "  Wanted: 10 grain [GRAI] at $20, 5 fish [FISH] at $40, 8 jewelry\n    [JEWE] at $351.\n"
        << "  For Sale: unlimited iron [IRON] at $75, 44 vikings [VIKI] at $52, 8\n    leaders [LEAD] at $104.\n"
        << "  Entertainment available: $250.\n"
        << "  Products: 20 livestock [LIVE], 10 wood [WOOD].\n\nExits:\n";
    static const char* kDirections[] = {"North", "Northeast", "Southeast", "South", "Southwest", "Northwest"};
    for (const char* direction : kDirections)
        out << "  " << direction << " : plain (" << x << "," << (y + 2) % 190 << level << ") in Province"
            << (x % 50) << ", contains\n    Town" << x << " [town].\n";
    out << "\n+ Keep [1] : Tower, needs 3.\n";
    for (int i = 0; i < 5; ++i) {
        out << (i < 2 ? "  * " : "- ") << "Unit Number " << unit << " (" << unit << "), Faction (" << (i % 3 + 1)
            << "), avoiding, behind, revealing faction, 10 vikings [VIKI], 2 horses\n"
            << (i < 2 ? "    " : "  ") << "[HORS], 150 silver [SILV]. Weight: 240. Capacity: 0/280/340/0. Skills: combat\n"
            << (i < 2 ? "    " : "  ") << "[COMB] 2 (95), riding [RIDI] 1 (30); A unit of the bench..\n";
        ++unit;
    }
    out << "\n";
}

}  // namespace

int main()
{
    namespace fs = std::filesystem;
    const fs::path home = fs::temp_directory_path() / "korvane-import-bench";
    fs::remove_all(home);
    fs::create_directories(home);
    const std::string report = (home / "big-report.txt").string();
    {
        std::ofstream out(report, std::ios::binary);
        out << "Atlantis Report For:\nBench Faction (1) (War 1, Trade 1, Magic 1)\nMarch, Year 4\n\n";
        out << "Unclaimed silver: 100.\n\n";
        int unit = 1;
        for (int level = 0; level < 2; ++level)
            for (int x = 0; x < 160; ++x)
                for (int y = x % 2; y < 64; y += 2)
                    WriteRegion(out, x, y, level == 1, unit);
    }
    const double megabytes = static_cast<double>(fs::file_size(report)) / (1024.0 * 1024.0);

    korvane::Workspace ws(home.string());
    ws.Settings.ReadSettings();
    ws.Settings.FactionNo = 1;
    ws.LoadKeywordLists();
    korvane::SilentInteraction ui;
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    const bool imported = korvane::ImportTurnReport(ws, report, ui);
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("report: %.1f MB, %d cells, %d units, imported: %s\n", megabytes, ws.Map.CellCount(),
                ws.Map.UnitFileList.Count(), imported ? "yes" : "NO");
    // The import ends by writing the unit files, each flushed to disk before it replaces the old
    // one; on a slow disk that wait dominates, so the processor time is shown apart.
    std::printf("import: %.0f ms elapsed, %.1f MB/s\n", seconds * 1000.0, megabytes / seconds);
    std::printf("import: %.0f ms of processor time, %.1f MB/s (goal: at least 50 MB/s on one core)\n",
                cpuSeconds * 1000.0, megabytes / cpuSeconds);
    fs::remove_all(home);
    return imported ? 0 : 1;
}
