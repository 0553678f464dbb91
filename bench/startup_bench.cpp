// Times the start of a session on the largest world: every hex of both levels known, and the
// units of the import benchmark's largest report (about 139,000, three factions, with men,
// items and skills) in `Units.dat` and the turn's hex unit file. The world is saved the way a
// session saves it, then read back two ways: `Workspace::Open` alone, step by step, in a child
// process of its own (its peak memory is the load's), and the window program as a player
// starts it (`korvane --screenshot`, offscreen): the time until the picture of the first
// paint is written, the time until it has quit, and its peak memory. An empty program folder
// gives the window's own start and memory, the base the goals are measured from.
#include "bench_world.h"
#include "core/user_interaction.h"
#include "mapview/windows/frm_map.h"
#include "storage/map_database.h"
#include "storage/turn_files.h"
#include "storage/turn_stepping.h"
#include "support/generated_report.h"
#include "workspace/workspace.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include <QApplication>
#include <QTimer>

#include <fcntl.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace korvane;
using Clock = std::chrono::steady_clock;

constexpr int kAttempts = 3;
constexpr double kFirstPaintGoalSeconds = 0.5;
constexpr double kMemoryGoalPerDataByte = 3.0;

class QuietInteraction : public UserInteraction
{
public:
    void Info(const std::string&) override { }
    void Warning(const std::string& text) override { std::fprintf(stderr, "warning: %s\n", text.c_str()); }
    void Error(const std::string& text) override { std::fprintf(stderr, "error: %s\n", text.c_str()); }
    bool AskYesNo(const std::string&) override { return false; }
    Answer AskYesNoCancel(const std::string&) override { return Answer::Cancel; }
    // Vikings are men; horses and charms are items.
    bool Identify(const std::string& objectText) override { return objectText.find("VIKI") != std::string::npos; }
};

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A figure of the process's memory from /proc/self/status, in megabytes: "VmHWM:" the peak
// so far, "VmRSS:" what it holds now.
double StatusMegabytes(const std::string& field = "VmHWM:")
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field, 0) == 0)
            return std::strtod(line.c_str() + field.size(), nullptr) / 1024.0;
    }
    return 0;
}

// Every hex of both levels, then the largest report imported over it, saved as at the end of
// a session: the database, then everything exit writes (keyword lists before `Units.dat`).
bool MakeWorld(const fs::path& home)
{
    const fs::path report = home / "report.txt";
    {
        std::ofstream out(report, std::ios::binary);
        out << testing::GenerateReport({.month = 1, .columns = 280, .rows = 193, .unitsPerRegion = 4});
    }
    QuietInteraction ui;
    Workspace workspace(home.string());
    fs::create_directories(workspace.Settings.DataDir);
    workspace.Settings.FactionNo = 1;
    bench::FillEveryCell(workspace.Map);
    const bool imported = bool(ImportTurnReport(workspace, report.string(), ui));
    // A player's home, kept from an earlier session: the first view is then drawn from it.
    std::tie(workspace.Settings.StartX, workspace.Settings.StartY, workspace.Settings.HomeSaved) = std::tuple(40, 40,
                                                                                                              true);
    fs::remove(report);
    return imported && workspace.SaveDatabase() && workspace.SaveOnExit(ui);
}

std::uintmax_t DataBytes(const fs::path& dataDir)
{
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::directory_iterator(dataDir))
        if (entry.is_regular_file())
            bytes += entry.file_size();
    return bytes;
}

struct Figure
{
    bool ok = false;
    double seconds = 0;  // first paint, or the whole load
    double totalSeconds = 0;
    double peakMegabytes = 0;
};

// Runs `work` in a child process, which writes what it measured through a pipe: the figures
// of one load are then not mixed with the making of the world or an earlier load.
Figure InChild(const std::function<Figure()>& work)
{
    std::fflush(stdout);  // else the child would print what is buffered once more
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        const Figure figure = work();
        [[maybe_unused]] const auto written = ::write(pipeEnds[1], &figure, sizeof figure);
        std::fflush(stdout);
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    Figure figure;
    if (::read(pipeEnds[0], &figure, sizeof figure) != sizeof figure)
        figure.ok = false;
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return figure;
}

// `Workspace::Open`, or its steps one by one, printed as they go (the unit files then read on
// the one thread, after the database).
Figure TimeOpen(const fs::path& home, bool printSteps)
{
    return InChild([home, printSteps] {
        Figure figure;
        QuietInteraction ui;
        const double before = StatusMegabytes();
        const auto start = Clock::now();
        if (!printSteps) {
            Workspace workspace(home.string());
            figure.ok = workspace.Open(ui) && workspace.Refused.Empty();
            figure.seconds = SecondsSince(start);
            figure.peakMegabytes = StatusMegabytes() - before;
            return figure;
        }
        Workspace steps(home.string());
        TrecINI& settings = steps.Settings;
        auto step = [](const char* name, auto&& work) {
            const auto at = Clock::now();
            work();
            const struct mallinfo2 heap = ::mallinfo2();
            std::printf("  %-34s %7.0f ms %7.0f MB held %7.0f MB peak %7.0f MB in use\n", name, SecondsSince(at) * 1000,
                        StatusMegabytes("VmRSS:"), StatusMegabytes(),
                        static_cast<double>(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0));
        };
        step("settings, registries, keywords", [&] {
            settings.ReadSettings();
            steps.Factions.LoadFromFile(settings);
            steps.Alliances.LoadFromFile(settings.DataDir, settings);
            steps.LoadKeywordLists();
        });
        step("map database and its lists", [&] { LoadMapDatabase(steps.Map, settings, settings.DataDir, ui, false); });
        step("Units.dat", [&] { LoadUnits(steps.Map, settings.DataDir, settings); });
        step("hex unit file, orders (turn step)",
             [&] { StepToTurn(steps.Map, settings, steps.Factions, steps.SkillList, settings.CurrentTurn, ui); });
        Workspace halves(home.string());
        step("first half (units read alongside)", [&] { halves.BeginOpen(ui); });
        step("second half (units taken in)", [&] { halves.FinishOpen(ui); });
        return figure;
    });
}

// The window program on `home`: seconds until the picture of its first paint is on disk
// (looked for every millisecond), until it has quit, and its peak memory.
Figure TimeWindow(const fs::path& home, const fs::path& picture)
{
    fs::remove(picture);
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execl(KORVANE_PATH, KORVANE_PATH, "--home", home.c_str(), "--screenshot", picture.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    Figure figure;
    int status = 0;
    rusage usage{};
    while (::wait4(child, &status, WNOHANG, &usage) == 0) {
        std::error_code error;
        if (figure.seconds == 0 && fs::exists(picture, error))
            figure.seconds = SecondsSince(start);
        ::usleep(1000);
    }
    figure.totalSeconds = SecondsSince(start);
    if (figure.seconds == 0)
        figure.seconds = figure.totalSeconds;
    figure.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && fs::exists(picture);
    figure.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
    return figure;
}

// In a process of its own (`startup_bench --window DIR`): the main window as `korvane` opens
// it, offscreen. Prints the clock at its first paint and once its units are in, and its peak
// memory; quits without closing the window, so nothing is written.
int RunWindow(int argc, char** argv, const std::string& home)
{
    QApplication app(argc, argv);
    Workspace workspace(home);
    QuietInteraction ui;
    TfrmMAP window(workspace, ui);
    long long paintedAt = 0;
    QObject::connect(&window, &TfrmMAP::MapPainted, &window, [&paintedAt] {
        if (paintedAt == 0)
            paintedAt = Clock::now().time_since_epoch().count();
    });
    const long long startUpBegan = Clock::now().time_since_epoch().count();
    window.StartUp();
    const long long startUpDone = Clock::now().time_since_epoch().count();
    std::fprintf(stderr, "start-up %lld ms, from %lld\n", (startUpDone - startUpBegan) / 1000000, startUpBegan);
    window.show();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &window, [&] {
        if (paintedAt == 0 || workspace.UnitsPending())
            return;
        std::printf("%lld %lld %.1f\n", paintedAt, static_cast<long long>(Clock::now().time_since_epoch().count()),
                    StatusMegabytes());
        std::fflush(stdout);
        std::_Exit(0);
    });
    poll.start(2);
    return app.exec();
}

// The window of `RunWindow` on `home`, timed from before its process starts: the first paint,
// the units in, and the peak memory.
Figure TimeWindowInProcess(const char* self, const fs::path& home)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {};
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::dup2(pipeEnds[1], 1);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 2);
        ::execl(self, self, "--window", home.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    char text[256] = {};
    std::size_t got = 0;
    for (ssize_t n = 0; got + 1 < sizeof text && (n = ::read(pipeEnds[0], text + got, sizeof text - 1 - got)) > 0;)
        got += static_cast<std::size_t>(n);
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    long long painted = 0, unitsIn = 0;
    Figure figure;
    figure.ok = std::sscanf(text, "%lld %lld %lf", &painted, &unitsIn, &figure.peakMegabytes) == 3;
    const long long from = start.time_since_epoch().count();
    figure.seconds = static_cast<double>(painted - from) / 1e9;
    figure.totalSeconds = static_cast<double>(unitsIn - from) / 1e9;
    return figure;
}

template <typename Measure>
Figure Best(Measure&& measure)
{
    Figure best;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const Figure figure = measure();
        if (attempt == 0 || (figure.ok && figure.seconds < best.seconds))
            best = figure;
        if (!figure.ok)
            best.ok = false;
    }
    return best;
}

}  // namespace

int main(int argc, char** argv)
{
    // `--window DIR` is the process TimeWindowInProcess starts.
    // `--make DIR` only makes the world in DIR and keeps it, for a profiler to start from.
    if (argc == 3 && std::string(argv[1]) == "--make") {
        fs::create_directories(argv[2]);
        return MakeWorld(argv[2]) ? 0 : 1;
    }
    if (argc == 3 && std::string(argv[1]) == "--window")
        return RunWindow(argc, argv, argv[2]);
    // `--steps DIR` times the steps of the start on a folder made before.
    if (argc == 3 && std::string(argv[1]) == "--steps") {
        TimeOpen(argv[2], true);
        return 0;
    }
    const fs::path work = fs::temp_directory_path() / ("korvane-startup-bench-" + std::to_string(::getpid()));
    const fs::path empty = work / "empty";
    const fs::path home = work / "world";
    fs::create_directories(empty);
    fs::create_directories(home);

    const auto making = Clock::now();
    const bool made = InChild([&home] { return Figure{MakeWorld(home)}; }).ok;
    const fs::path dataDir = home / "DATA";
    if (!made || !fs::exists(dataDir)) {
        std::printf("the world could not be made\n");
        fs::remove_all(work);
        return 1;
    }
    ::sync();
    const double dataMegabytes = static_cast<double>(DataBytes(dataDir)) / (1024.0 * 1024.0);
    std::printf("world made and saved in %.1f s; its data files:\n", SecondsSince(making));
    for (const auto& entry : fs::directory_iterator(dataDir))
        if (entry.is_regular_file() && entry.file_size() > 1024 * 1024)
            std::printf("  %-34s %7.1f MB\n", entry.path().filename().c_str(),
                        static_cast<double>(entry.file_size()) / (1024.0 * 1024.0));
    std::printf("  %-34s %7.1f MB\n", "all", dataMegabytes);

    std::printf("Workspace::Open, step by step:\n");
    TimeOpen(home, true);
    const Figure open = Best([&home] { return TimeOpen(home, false); });
    const Figure bare = Best([&] { return TimeWindow(empty, work / "empty.png"); });
    const Figure window = Best([&] { return TimeWindow(home, work / "world.png"); });
    const Figure inProcess = Best([&] { return TimeWindowInProcess(argv[0], home); });

    const double memoryGoal = bare.peakMegabytes + kMemoryGoalPerDataByte * dataMegabytes;
    std::printf("\n%-34s %9s %9s %9s\n", "", "seconds", "total s", "peak MB");
    std::printf("%-34s %9.3f %9s %9.0f%s\n", "Workspace::Open (load alone)", open.seconds, "", open.peakMegabytes,
                open.ok ? "" : "  FAILED");
    std::printf("%-34s %9.3f %9.3f %9.0f%s\n", "korvane --screenshot, no data", bare.seconds, bare.totalSeconds,
                bare.peakMegabytes, bare.ok ? "" : "  FAILED");
    std::printf("%-34s %9.3f %9.3f %9.0f%s\n", "korvane --screenshot, the world", window.seconds, window.totalSeconds,
                window.peakMegabytes, window.ok ? "" : "  FAILED");
    std::printf("%-34s %9.3f %9.3f %9.0f%s\n", "main window, the world", inProcess.seconds, inProcess.totalSeconds,
                inProcess.peakMegabytes, inProcess.ok ? "" : "  FAILED");
    std::printf("(best of %d; seconds: first paint, for korvane until its picture is written; total s: until korvane "
                "has quit, or the main window's units are in)\n",
                kAttempts);
    std::printf("goals: first paint at most %.1f s; peak memory at most %.0f MB (%.0f MB empty + %.0f x %.1f MB of "
                "data)\n",
                kFirstPaintGoalSeconds, memoryGoal, bare.peakMegabytes, kMemoryGoalPerDataByte, dataMegabytes);
    const bool met = inProcess.seconds <= kFirstPaintGoalSeconds && window.peakMegabytes <= memoryGoal;
    std::printf("%s\n", met ? "goals met" : "goals NOT met");
    fs::remove_all(work);
    return open.ok && bare.ok && window.ok && inProcess.ok ? 0 : 1;
}
