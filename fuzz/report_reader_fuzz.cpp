// libFuzzer target: any bytes as a turn report must import or fail cleanly, never crash or hang.
#include "core/silent_interaction.h"
#include "reportimport/report_reader.h"
#include "workspace/workspace.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

std::string WorkFolder()
{
    static const std::string folder = [] {
        const auto dir = std::filesystem::temp_directory_path() / ("korvane-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return dir.string();
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string report = WorkFolder() + "/report.txt";
    if (std::FILE* file = std::fopen(report.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    korvane::Workspace ws(WorkFolder());
    ws.Settings.ReadSettings();
    ws.Settings.FactionNo = 3;
    ws.Settings.DataDir = WorkFolder() + "/DATA";
    korvane::SilentInteraction ui;
    korvane::ImportTurnReport(ws, report, ui);
    return 0;
}
