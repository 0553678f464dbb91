// Times saving and loading a map database with every position of both levels known.
#include "bench_world.h"
#include "core/user_interaction.h"
#include "storage/map_database.h"
#include "workspace/workspace.h"
#include "world/map.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

using namespace korvane;

constexpr double kGoalMs = 300.0;
constexpr int kWalks = 20;
constexpr int kSmallWorlds = 2000;

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
        bench::FillEveryCell(saved.Map);

        bool ok = false;
        const double saveMs = TimeMs([&] { return static_cast<bool>(SaveMapDatabase(saved.Map, saved.Settings, dir)); },
                                     ok);
        if (!ok)
            status = 1;

        Workspace loaded(dir);
        loaded.Settings.DataDir = dir;
        ConsoleInteraction ui;
        const double loadMs = TimeMs(
            [&] { return static_cast<bool>(LoadMapDatabase(loaded.Map, loaded.Settings, dir, ui)); }, ok);
        if (!ok || loaded.Map.CellCount() != saved.Map.CellCount())
            status = 1;

        std::error_code error;
        const auto size = std::filesystem::file_size(dir + "/Map.Dat", error);
        std::printf("cells:      %d\n", saved.Map.CellCount());
        std::printf("Map.Dat:    %llu bytes\n", static_cast<unsigned long long>(error ? 0 : size));
        std::printf("save:       %.1f ms (goal under %.0f ms)\n", saveMs, kGoalMs);
        std::printf("load:       %.1f ms (goal under %.0f ms)\n", loadMs, kGoalMs);
        std::printf("cells read: %d%s\n", loaded.Map.CellCount(), status ? "  FAILED" : "");

        // The walks over a full world, and the small worlds that imports, exports and checks
        // make, fill with a few cells, walk, clear and free many times.
        long long visited = 0;
        const double walkMs = TimeMs(
            [&] {
                for (int i = 0; i < kWalks; ++i) {
                    saved.Map.ForEachCell([&visited](const TMapCell&) { ++visited; });
                    saved.Map.ForEachCellByRows([&visited](const TMapCell&) { ++visited; });
                }
                return visited == 2LL * kWalks * saved.Map.CellCount();
            },
            ok);
        if (!ok)
            status = 1;
        const double smallMs = TimeMs(
            [&] {
                for (int i = 0; i < kSmallWorlds; ++i) {
                    TMap small;
                    for (int x = 0; x < 8; x += 2)
                        small.EnsureCell(i % 2, x, 2 * (i % 90));
                    small.ForEachCell([&visited](const TMapCell&) { ++visited; });
                    small.ForEachCellByRows([&visited](const TMapCell&) { ++visited; });
                    small.Clear();
                }
                return true;
            },
            ok);
        std::printf("full walks: %.3f ms each way\n", walkMs / (2 * kWalks));
        std::printf("small map:  %.1f us made, filled with 4 cells, walked both ways, cleared and freed\n",
                    smallMs * 1000 / kSmallWorlds);
    }

    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return status;
}
