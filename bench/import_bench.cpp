// Times `korvane-cli import` of generated whole-world turn reports at three sizes: the whole
// command (start, import, every save with its syncs, exit), its peak memory, and how the time
// per megabyte grows with the size. Each size is imported into a new data folder, then the next
// month's report into the same folder, as a player does every turn: that import updates every
// unit known and loads the map database first.
#include "support/generated_report.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kAttempts = 3;

struct Size
{
    const char* label;
    int columns;
    int rows;
    int unitsPerRegion;
};

struct Run
{
    bool ok = false;
    double seconds = 0;
    double peakMegabytes = 0;
};

// Runs korvane-cli with its output thrown away; the time is the whole command's, wall clock.
Run RunImport(const fs::path& home, const fs::path& report)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execl(KORVANE_CLI_PATH, KORVANE_CLI_PATH, "--home", home.c_str(), "import", "--faction", "1", report.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    Run run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
    return run;
}

}  // namespace

int main(int argc, char** argv)
{
    // About 4, 17 and 70 MB: every hex of both levels in the largest, units of three factions
    // interleaved in every hex as the game lists them.
    std::vector<Size> sizes = {{"small", 14, 193, 4}, {"medium", 60, 193, 4}, {"large", 280, 193, 4}};
    if (argc > 1 && std::string(argv[1]) == "--quick")
        sizes.pop_back();

    const fs::path work = fs::temp_directory_path() / ("korvane-import-bench-" + std::to_string(::getpid()));
    fs::create_directories(work);
    double firstPerMegabyte = 0, lastPerMegabyte = 0;
    bool allOk = true;
    std::printf("%-10s %6s %9s %9s %11s %9s\n", "report", "MB", "seconds", "MB/s", "peak MB", "peak/MB");
    for (const Size& size : sizes) {
        // The first month goes into a new data folder, kept as the start of the next month's runs.
        const fs::path first = work / (std::string(size.label) + "-first");
        const fs::path home = work / size.label;
        for (int month : {1, 2}) {
            const fs::path report = work / (std::string(size.label) + std::to_string(month) + ".txt");
            {
                std::ofstream out(report, std::ios::binary);
                out << korvane::testing::GenerateReport({.month = month,
                                                         .columns = size.columns,
                                                         .rows = size.rows,
                                                         .unitsPerRegion = size.unitsPerRegion,
                                                         .codeSuffix = ""});
            }
            // On disk before the runs, as a player's report is: otherwise the system writes the
            // report out while the import runs, and the import's syncs wait for it.
            ::sync();
            const double megabytes = static_cast<double>(fs::file_size(report)) / (1024.0 * 1024.0);
            // The best of a few runs: what other work on the machine adds is not the import's.
            Run best;
            for (int attempt = 0; attempt < kAttempts; ++attempt) {
                fs::remove_all(home);
                if (month == 1)
                    fs::create_directories(home);
                else
                    fs::copy(first, home, fs::copy_options::recursive);
                const Run run = RunImport(home, report);
                allOk = allOk && run.ok;
                if (attempt == 0 || run.seconds < best.seconds)
                    best = run;
            }
            if (month == 1)
                fs::rename(home, first);
            const std::string label = std::string(size.label) + (month == 1 ? "" : " +1");
            std::printf("%-10s %6.1f %9.2f %9.1f %11.0f %9.1f%s\n", label.c_str(), megabytes, best.seconds,
                        megabytes / best.seconds, best.peakMegabytes, best.peakMegabytes / megabytes,
                        best.ok ? "" : "  FAILED");
            if (month == 1) {
                const double perMegabyte = best.seconds / megabytes;
                if (firstPerMegabyte == 0)
                    firstPerMegabyte = perMegabyte;
                lastPerMegabyte = perMegabyte;
            }
            fs::remove(report);
        }
        fs::remove_all(home);
        fs::remove_all(first);
    }
    std::printf("(best of %d runs each; +1: the next month's report, into the folder that holds the first)\n",
                kAttempts);
    std::printf("time per MB, largest over smallest: %.2f (goal: under 1.3)\n", lastPerMegabyte / firstPerMegabyte);
    std::printf("goals: at least 100 MB/s for the largest; peak memory at most 4 times the report\n");
    fs::remove_all(work);
    return allOk ? 0 : 1;
}
