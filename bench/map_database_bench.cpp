// Times saving and loading a map database with every position of both levels known.
#include "core/user_interaction.h"
#include "core/workspace.h"
#include "storage/map_database.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

using namespace korvane;

constexpr double kGoalMs = 300.0;

// Whatever the load has to say is printed; the bench asks no questions.
class ConsoleInteraction : public UserInteraction
{
public:
    void Info(const std::string& text) override { std::printf("info: %s\n", text.c_str()); }
    void Warning(const std::string& text) override { std::printf("warning: %s\n", text.c_str()); }
    void Error(const std::string& text) override { std::printf("error: %s\n", text.c_str()); }
    bool AskYesNo(const std::string&) override { return false; }
    Answer AskYesNoCancel(const std::string&) override { return Answer::Cancel; }
    bool Identify(const std::string&) override { return false; }
};

void FillEveryCell(TMap& map)
{
    for (int level = 0; level < TMap::kLevels; ++level) {
        for (int x = 0; x <= TMap::kMaxX; ++x) {
            for (int y = x % 2; y <= TMap::kMaxY; y += 2) {
                TMapCell& cell = *map.EnsureCell(level, x, y);
                const int seed = x * 7 + y * 13 + level;
                cell.Terrain = 1 + seed % 12;
                cell.Region = 1 + seed % 40;
                cell.Silver = seed % 5000;
                cell.Wages = 10 + seed % 6;
                cell.MaxWages = seed % 900;
                cell.Entertainment = seed % 120;
                cell.Race = seed % 9;
                cell.Population = 100 + seed % 9000;
                cell.WeatherWas = seed % 4;
                cell.WeatherNext = (seed + 1) % 4;
                cell.LastUpdate = 1 + seed % 60;
                cell.Unconfirmed = seed % 3 == 0;
                if (seed % 5 == 0) {
                    cell.PopCenter = "Town " + std::to_string(seed);
                    cell.PopCenterType = 1 + seed % 3;
                }
                cell.Comments = seed % 11 == 0 ? "seen from the ridge" : "";
                cell.Wanted = {{seed % 30, 20 + seed % 50, 30 + seed % 90}, {(seed + 3) % 30, -1, 12}};
                cell.ForSale = {{(seed + 7) % 30, 5 + seed % 20, 60 + seed % 200}, {(seed + 9) % 30, 10, 45}};
                cell.Products = {{(seed + 11) % 30, 20 + seed % 40, 0}};
                cell.AddStructure(std::make_unique<TStructure>(
                    TStructure{1 + seed % 500, seed % 20, "Building " + std::to_string(seed), "stone walls"}));
            }
        }
    }
}

template <typename F>
double TimeMs(F&& f, bool& ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "korvane-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::perror("cannot make a temporary folder");
        return 1;
    }
    const std::string dir = pattern;

    int status = 0;
    {
        Workspace saved(dir);
        saved.Settings.DataDir = dir;
        FillEveryCell(saved.Map);

        bool ok = false;
        const double saveMs = TimeMs([&] { return SaveMapDatabase(saved, dir); }, ok);
        if (!ok)
            status = 1;

        Workspace loaded(dir);
        loaded.Settings.DataDir = dir;
        ConsoleInteraction ui;
        const double loadMs = TimeMs([&] { return LoadMapDatabase(loaded, dir, ui); }, ok);
        if (!ok || loaded.Map.CellCount() != saved.Map.CellCount())
            status = 1;

        std::error_code error;
        const auto size = std::filesystem::file_size(dir + "/Map.Dat", error);
        std::printf("cells:      %d\n", saved.Map.CellCount());
        std::printf("Map.Dat:    %llu bytes\n", static_cast<unsigned long long>(error ? 0 : size));
        std::printf("save:       %.1f ms (goal under %.0f ms)\n", saveMs, kGoalMs);
        std::printf("load:       %.1f ms (goal under %.0f ms)\n", loadMs, kGoalMs);
        std::printf("cells read: %d%s\n", loaded.Map.CellCount(), status ? "  FAILED" : "");
    }

    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return status;
}
