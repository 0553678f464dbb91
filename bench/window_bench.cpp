// Times what a player waits on in the windows: the "All Known Units" browser opening over a
// world of 40,000 units (a lookup per line through the whole world, or converting every line
// up front, takes many times what a lazy list does), and the processor time of a pause of the
// window program (an idle pause sleeps between rounds; one that spins burns all of it).
#include "core/timing.h"
#include "people/faction_list.h"
#include "windows/frm_all_units.h"
#include "windows/qt_interaction.h"
#include "workspace/player_order_vocabulary.h"
#include "workspace/workspace.h"
#include "world/vocabulary.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace korvane;

double CpuMsSince(std::clock_t start)
{
    return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

void TimeAllUnits(const std::string& home)
{
    Workspace ws(home);
    ws.Settings.DataDir = home;
    ws.Settings.FactionNo = 3;
    AddRaceTable(ws.TroopList);
    for (const auto& [number, name] : {std::pair{3, "Red Riders"}, {12, "Blue Traders"}}) {
        auto faction = std::make_unique<TFaction>();
        faction->Number = number;
        faction->Name = name;
        ws.Factions.Add(std::move(faction));
    }
    // 40,000 units, eight to a hex, each with its map record.
    for (int number = 1000; number < 41000; ++number) {
        const int hex = (number - 1000) / 8;
        TMapCell* cell = ws.Map.EnsureCell(0, 2 + hex % 54 * 2, 2 + hex / 54 * 2);
        auto unit = std::make_unique<TUnit>();
        unit->Number = number;
        unit->Faction = 3 + 9 * (number % 2);
        unit->Name = "Unit";
        unit->AddTroops({ws.TroopList.IndexOfKey("VIKI"), 10});
        ws.Map.UnitFileList.Add(std::make_unique<TUnit>(*unit));
        cell->Units.Add(std::move(unit));
    }
    const OrderVocabulary vocabulary = PlayerOrderVocabulary(ws);
    QtInteraction ui;
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpu = std::clock();
    TfrmAllUnits window(ws, vocabulary, ui, nullptr);
    window.show();
    window.findChild<QComboBox*>("lstFactions")->setCurrentIndex(3);
    window.findChild<QPushButton*>("cmdShowAll")->click();
    window.grab();  // the lines in sight drawn, crosses and squares looked up
    std::printf("All Known Units, %d units: opened, filtered, all shown and drawn in %lld ms (%.0f ms cpu); "
                "goal < 5000 ms under the sanitizers\n",
                ws.Map.UnitFileList.Count(), static_cast<long long>(clock.elapsed()), CpuMsSince(cpu));
}

void TimePause()
{
    QtInteraction ui;
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpu = std::clock();
    PauseTenths(3, ui);
    std::printf("PauseTenths(3): %lld ms wall, %.1f ms cpu; goal < 150 ms cpu\n",
                static_cast<long long>(clock.elapsed()), CpuMsSince(cpu));
}

}  // namespace

int main(int argc, char** argv)
{
    // Windows need a platform; a machine without a display gets the offscreen one.
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::filesystem::path home = std::filesystem::temp_directory_path() / "korvane-window-bench";
    std::filesystem::create_directories(home);
    TimeAllUnits(home.string());
    TimePause();
    std::filesystem::remove_all(home);
    return 0;
}
