// Times drawing the map of a filled world: screen repaints direct and buffered, a buffered
// scroll, the overview image and (with --huge) the whole world as a bitmap at the largest scale.
#include "bench_world.h"
#include "mapview/render/draw_options.h"
#include "mapview/render/map_bitmap.h"
#include "mapview/render/map_buffer.h"
#include "mapview/render/map_drawing.h"
#include "mapview/render/map_scene.h"
#include "mapview/render/map_viewport.h"
#include "mapview/render/overview_map.h"
#include "people/alliance_list.h"
#include "people/faction_list.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

using namespace korvane;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr double kRepaintGoalMs = 33.0;
constexpr double kScrollGoalMs = 5.0;
constexpr int kOwnFaction = 1;
constexpr int kFactions = 6;
constexpr int kCurrentTurn = 20;

constexpr int kFeatures = doTownIcons | doTownNames | doGates | doGateNumbers | doShafts | doOther | doUnconfirmed;
constexpr int kWithTroops = kFeatures | doTroops | doDoneOrders;

// The screen formats timed: what a window's backing store is on most platforms, and the
// premultiplied one that some platforms give a window instead.
QImage::Format FormatNamed(const std::string& name)
{
    return name == "rgb32"   ? QImage::Format_RGB32
        : name == "argb32pm" ? QImage::Format_ARGB32_Premultiplied
                             : QImage::Format_Invalid;
}

const char* FormatName(QImage::Format format)
{
    return format == QImage::Format_RGB32 ? "RGB32" : "ARGB32PM";
}

struct Options
{
    int frames = 11;
    std::vector<int> zooms;
    std::vector<QImage::Format> formats;
    bool huge = false;
    bool keep = false;
    std::string outDir = std::filesystem::temp_directory_path().string();
    std::string snapshotDir;  // where to save the pictures timed, when wanted
};

struct World
{
    TMap map;
    TFactionList factions;
    TAllianceList alliances;
};

// On top of the shared filling: every terrain on the surface, the underworld's caverns and
// tunnels with solid rock and passages between them, gates, shafts, other objects, and the
// units of several factions (some only known from an earlier turn, the player's own with
// orders done or not) so that troop marks and done-orders crosses show. Gives the units made.
int AddFeatures(World& world)
{
    for (int number = 1; number <= kFactions; ++number) {
        auto faction = std::make_unique<TFaction>();
        faction->Number = number;
        faction->Name = "Faction " + std::to_string(number);
        faction->Colour = (0x3050F0 * number) & 0xFFFFFF;
        world.factions.Add(std::move(faction));
    }
    int unitNumber = 1;
    for (int level = 0; level < TMap::kLevels; ++level) {
        for (int x = 0; x <= TMap::kMaxX; ++x) {
            for (int y = x % 2; y <= TMap::kMaxY; y += 2) {
                TMapCell& cell = *world.map.Cell(level, x, y);
                const int seed = bench::CellSeed(level, x, y);
                const int mix = (x * 5 + y * 3 + x * y) % 97;
                if (level == TMap::kOverworld) {
                    cell.Terrain = 1 + mix % 8;  // Ocean .. Tundra
                } else if (const int kind = TMap::UnderCellKind(x, y); kind != 0) {
                    cell.Terrain = 11;  // Solid
                    cell.Pathway[static_cast<std::size_t>(kind - 1)] = mix % 3 != 0;
                    cell.PopCenter.clear();
                    continue;
                } else {
                    cell.Terrain = mix % 2 ? 9 : 10;  // Tunnels, Cavern
                }
                if (mix % 17 == 0)
                    cell.Gate = 1 + seed % 700;  // some beyond 600: number unknown
                if (mix % 19 == 1)
                    cell.Shaft = "Shaft";
                if (mix % 23 == 2)
                    cell.Other = "Monolith";
                if (mix % 3 != 1)
                    continue;
                const int units = 1 + mix % 4;
                for (int i = 0; i < units; ++i) {
                    auto unit = std::make_unique<TUnit>();
                    unit->Number = unitNumber++;
                    unit->Faction = 1 + (mix + i * 2) % kFactions;
                    unit->X = x;
                    unit->Y = y;
                    unit->Level = level;
                    unit->Turn = (mix + i) % 7 == 0 ? kCurrentTurn - 3 : kCurrentTurn;
                    unit->AddTroops({0, 1 + (mix * (i + 1)) % 60});
                    if (unit->Faction == kOwnFaction) {
                        auto record = std::make_unique<TUnit>(*unit);
                        record->OrdersDone = mix % 2 == 0;
                        world.map.UnitFileList.Add(std::move(record));
                    }
                    cell.Units.Add(std::move(unit));
                }
            }
        }
    }
    return unitNumber - 1;
}

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// CPU time of the process (Qt hands large fills to helper threads): what a frame costs,
// however busy the host is with other work.
double ProcessCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0.0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Medians of the frames timed, by the clock on the wall and by the process's CPU time.
class FrameTimes
{
public:
    template <typename F>
    void Time(F&& frame)
    {
        const double cpu = ProcessCpuMs();
        const auto start = Clock::now();
        frame();
        wall_.push_back(MsSince(start));
        cpu_.push_back(ProcessCpuMs() - cpu);
    }
    int Count() const { return static_cast<int>(wall_.size()); }
    double WallMs() const { return Median(wall_); }
    double CpuMs() const { return Median(cpu_); }

private:
    std::vector<double> wall_, cpu_;
};

// `frames` timed calls after one untimed call that loads fonts and fills caches.
template <typename F>
FrameTimes TimeFrames(int frames, F&& frame)
{
    frame();
    FrameTimes times;
    for (int i = 0; i < frames; ++i)
        times.Time(frame);
    return times;
}

// The goal is judged by CPU time, which a busy host inflates far less than the wall clock.
void PrintFigure(const char* format, int zoom, const char* options, const char* what, const FrameTimes& times,
                 double goal)
{
    std::printf("%-8s %4d  %-15s %-17s %8.2f %8.2f   < %2.0f ms  %s\n", format, zoom, options, what, times.CpuMs(),
                times.WallMs(), goal, times.CpuMs() < goal ? "met" : "NOT met");
}

// A view of the middle of the world that can scroll right by a whole buffer margin.
MapFrame ScreenFrame(int zoom, int options)
{
    MapFrame frame;
    frame.zoom = zoom;
    frame.cols = ViewColsFor(kWidth - kScreenMarginX, zoom);
    frame.rows = ViewRowsFor(kHeight - kScreenMarginY, zoom);
    frame.left = std::clamp(100, 0, std::max(0, TMap::kMaxX - frame.cols - 10));
    frame.top = std::clamp(60, 0, std::max(0, TMap::kMaxY - frame.rows));
    frame.level = TMap::kOverworld;
    frame.marginX = kScreenMarginX;
    frame.marginY = kScreenMarginY;
    frame.clip = QRect(QPoint(kScreenMarginX, kScreenMarginY), QPoint(kWidth, kHeight));
    frame.options = options;
    return frame;
}

// Buffered frames that each scroll one column right of the last, the buffer built (untimed)
// before each run of scrolls; a scroll that had to rebuild the buffer is reported, as it
// would not measure the copy.
FrameTimes TimeScroll(QPainter& painter, MapBuffer& buffer, MapScene& scene, const MapFrame& start, int frames,
                      bool& rebuilt)
{
    FrameTimes times;
    rebuilt = false;
    while (times.Count() < frames) {
        MapFrame frame = start;
        DrawMapBuffered(painter, buffer, scene, frame, true);
        const int bufLeft = buffer.left;
        const int steps = std::min(buffer.right - (frame.left + frame.cols), frames - times.Count());
        if (steps <= 0)
            break;
        for (int i = 0; i < steps; ++i) {
            ++frame.left;
            times.Time([&] { DrawMapBuffered(painter, buffer, scene, frame, false); });
            rebuilt = rebuilt || buffer.left != bufLeft;
        }
    }
    return times;
}

// The frame drawn directly and through a fresh buffer, as PNGs named `stem`-direct and
// `stem`-buffered, so that the pictures timed can be looked at and compared.
void SaveSnapshots(QImage& target, MapScene& scene, const MapFrame& frame, const std::string& stem)
{
    for (const bool buffered : {false, true}) {
        target.fill(Qt::white);
        QPainter painter(&target);
        MapBuffer buffer;
        if (buffered)
            DrawMapBuffered(painter, buffer, scene, frame, true);
        else
            DrawMap(painter, scene, frame);
        painter.end();
        target.save(QString::fromStdString(stem + (buffered ? "-buffered.png" : "-direct.png")));
    }
}

void TimeScreen(MapScene& scene, QImage::Format format, const Options& options)
{
    const char* formatName = FormatName(format);
    QImage target(kWidth, kHeight, format);
    target.fill(Qt::white);
    for (const int zoom : options.zooms) {
        for (const auto& [optionSet, optionName] :
             {std::pair{kFeatures, "features"}, {kWithTroops, "+troops,orders"}}) {
            const MapFrame frame = ScreenFrame(zoom, optionSet);
            {
                QPainter painter(&target);
                PrintFigure(formatName, zoom, optionName, "direct repaint",
                            TimeFrames(options.frames, [&] { DrawMap(painter, scene, frame); }), kRepaintGoalMs);

                MapBuffer buffer;
                PrintFigure(formatName, zoom, optionName, "buffered repaint",
                            TimeFrames(options.frames, [&] { DrawMapBuffered(painter, buffer, scene, frame, true); }),
                            kRepaintGoalMs);

                bool rebuilt = false;
                const FrameTimes scroll = TimeScroll(painter, buffer, scene, frame, options.frames, rebuilt);
                PrintFigure(formatName, zoom, optionName, "buffered scroll", scroll, kScrollGoalMs);
                if (rebuilt)
                    std::printf("         (a scroll rebuilt the buffer: the figure above is not a copy)\n");
            }
            if (!options.snapshotDir.empty())
                SaveSnapshots(target, scene, frame,
                              options.snapshotDir + "/map-" + formatName + "-z" + std::to_string(zoom) + "-"
                                  + (optionSet == kFeatures ? "features" : "troops"));
        }
    }
}

// Peak and current resident memory in MB, from /proc (ru_maxrss where /proc is missing).
struct Memory
{
    double peakMb = 0;
    double currentMb = 0;
};

Memory ResidentMemory()
{
    Memory memory;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            memory.peakMb = std::atof(line.c_str() + 6) / 1024;
        else if (line.rfind("VmRSS:", 0) == 0)
            memory.currentMb = std::atof(line.c_str() + 6) / 1024;
    }
    if (memory.peakMb == 0) {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        memory.peakMb = usage.ru_maxrss / 1024.0;
    }
    return memory;
}

// Starts the peak anew from the current size (Linux), so that the next peak is the bitmap's own.
bool ResetPeakMemory()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.close();
    return static_cast<bool>(clear);
}

std::uint32_t Read32(const unsigned char* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// Reads the file's header back: a 24-bit uncompressed BMP of the expected size.
bool CheckBmpHeader(const std::string& path, const QSize& size)
{
    unsigned char header[54] = {};
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(header), sizeof header);
    std::error_code error;
    const auto fileSize = std::filesystem::file_size(path, error);
    const std::uint32_t width = Read32(header + 18), height = Read32(header + 22);
    const int bits = header[28] | header[29] << 8;
    std::printf("header:      %c%c, size field %u (file %llu), pixels at %u, %u x %u, %d bits, compression %u\n",
                header[0], header[1], Read32(header + 2), static_cast<unsigned long long>(error ? 0 : fileSize),
                Read32(header + 10), width, height, bits, Read32(header + 30));
    return in && header[0] == 'B' && header[1] == 'M' && !error && Read32(header + 2) == fileSize
        && Read32(header + 10) == 54 && width == static_cast<std::uint32_t>(size.width())
        && height == static_cast<std::uint32_t>(size.height()) && bits == 24 && Read32(header + 30) == 0;
}

bool TimeHugeBitmap(MapScene& scene, const Options& options)
{
    // What the Generate Map window makes of 0,0 - 320,192 at scale 10, with every mark.
    MapBitmapRequest request;
    request.fileName = (std::filesystem::path(options.outDir) / "korvane-world-scale10.bmp").string();
    request.title = "The whole world";
    request.options = kFeatures | doHexCoords;
    request.scale = 10;
    request.width = TMap::kMaxX;
    request.height = TMap::kMaxY;
    const QSize size = MapBitmapSize(request);

    const Memory before = ResidentMemory();
    const bool reset = ResetPeakMemory();
    std::printf("\nWhole-world bitmap, scale 10: %d x %d pixels into %s\n", size.width(), size.height(),
                request.fileName.c_str());
    std::printf("memory before: peak %.0f MB, resident %.0f MB%s\n", before.peakMb, before.currentMb,
                reset ? " (peak then restarted from the resident size)" : "");
    FileResult made;
    FrameTimes times;
    times.Time([&] { made = MakeMapBitmap(scene, request); });
    const Memory after = ResidentMemory();
    std::printf("MakeMapBitmap: %.1f s cpu, %.1f s wall%s%s\n", times.CpuMs() / 1000, times.WallMs() / 1000,
                made ? "" : "  FAILED: ", made.Reason.c_str());
    std::printf("memory after:  peak %.0f MB, resident %.0f MB\n", after.peakMb, after.currentMb);
    const bool sound = made && CheckBmpHeader(request.fileName, size);
    if (!options.keep) {
        std::error_code ignored;
        std::filesystem::remove(request.fileName, ignored);
    }
    return sound;
}

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--huge")
            options.huge = true;
        else if (arg == "--keep")
            options.keep = true;
        else if (arg == "--out" && i + 1 < argc)
            options.outDir = argv[++i];
        else if (arg == "--frames" && i + 1 < argc)
            options.frames = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--snapshots" && i + 1 < argc)
            options.snapshotDir = argv[++i];
        else if (arg == "--zoom" && i + 1 < argc)
            options.zooms.push_back(std::clamp(std::atoi(argv[++i]), 1, 10));
        else if (arg == "--format" && i + 1 < argc && FormatNamed(argv[i + 1]) != QImage::Format_Invalid)
            options.formats.push_back(FormatNamed(argv[++i]));
        else
            return false;
    }
    if (options.zooms.empty())
        options.zooms = {1, 5, 10};
    if (options.formats.empty())
        options.formats = {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied};
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: map_render_bench [--frames N] [--zoom Z]... [--format rgb32|argb32pm]...\n"
                     "                        [--huge [--out DIR] [--keep]] [--snapshots DIR]\n"
                     "  --frames N   frames timed per figure (default 11); each figure is their median\n"
                     "  --zoom Z     time only these zooms (default 1, 5 and 10)\n"
                     "  --format F   time only these screen formats (default both)\n"
                     "  --huge       also write the whole world as a bitmap at scale 10 (about 900 MB)\n"
                     "  --out DIR    where that bitmap goes (default: the temporary folder); it is deleted\n"
                     "  --keep       leave the bitmap there\n"
                     "  --snapshots  save each zoom and option set, drawn directly and buffered, as PNGs into DIR\n");
        return 2;
    }
    // Text needs fonts, and fonts need a platform; a machine without a display gets none.
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    World world;
    const auto start = Clock::now();
    bench::FillEveryCell(world.map);
    const int units = AddFeatures(world);
    std::printf("world:  %d cells, %d units, filled in %.0f ms\n", world.map.CellCount(), units, MsSince(start));
    MapScene scene(world.map, world.factions, world.alliances);
    scene.ownFaction = kOwnFaction;
    scene.currentTurn = kCurrentTurn;

    std::printf("screen: %d x %d, median of %d frames; goals judged by CPU time\n\n", kWidth, kHeight, options.frames);
    std::printf("format   zoom  options         measurement         cpu ms  wall ms   goal\n");
    for (const QImage::Format format : options.formats)
        TimeScreen(scene, format, options);

    std::printf("\n");
    QImage overview = NewOverviewImage();
    for (int level = 0; level < TMap::kLevels; ++level) {
        const FrameTimes times = TimeFrames(
            options.frames, [&] { RefreshGlobalMap(overview, world.map, level, 0, 0, TMap::kMaxX, TMap::kMaxY); });
        std::printf("overview of level %d (RefreshGlobalMap, whole level): %.2f ms cpu, %.2f ms wall\n", level,
                    times.CpuMs(), times.WallMs());
    }

    int status = 0;
    if (options.huge && !TimeHugeBitmap(scene, options))
        status = 1;
    return status;
}
