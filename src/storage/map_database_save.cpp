// Saving the map database.
#include "core/atomic_file.h"
#include "core/file_names.h"
#include "core/settings.h"
#include "storage/map_cell_line.h"
#include "storage/map_database.h"
#include "storage/record_text.h"
#include "world/map.h"

#include <utility>
#include <vector>

namespace korvane {

namespace {

std::string CellLines(const TMap& map)
{
    std::string text;
    AppendLine(text, RecordHeaderLine());
    text.reserve(static_cast<std::size_t>(map.CellCount()) * 160);  // grown once, not doubled
    map.ForEachCell([&text](const TMapCell& cell) {
        if (cell.IsBlank())
            return;
        AppendCellLine(cell, text);
        text += "\r\n";
    });
    return text;
}

}  // namespace

FileResult SaveMapDatabase(const TMap& map, const TrecINI& settings, const std::string& dir,
                           const RefusedFiles& refused)
{
    // The colour and icon lists point into nothing, and nothing points into them.
    std::vector<FileResult> failures;
    for (const auto& [name, save] : {std::pair{&settings.ColoursFile, &TMap::SaveTerrainColours},
                                     std::pair{&settings.MapIconsFile, &TMap::SaveMapIcons}}) {
        const std::string file = QualifyFileName(*name, dir);
        if (refused.Contains(file)) {
            failures.push_back(FileResult::Refused(file));
        } else if (FileResult saved = (map.*save)(dir, settings); !saved) {
            failures.push_back(std::move(saved));
        }
    }
    // Nor into the study limits.
    if (const FileWrite limits = map.StudyLimitsWrite(dir); refused.Contains(limits.File)) {
        failures.push_back(FileResult::Refused(limits.File));
    } else if (FileResult saved = limits.Write(); !saved) {
        failures.push_back(std::move(saved));
    }
    // Cells store positions in the reference lists.
    const std::string mapFile = QualifyFileName(settings.MapFile, dir);
    const FileWrite cells{mapFile, [&map, &mapFile] { return AtomicWriteFile(mapFile, CellLines(map)); }};
    for (FileResult& failure : WritePointedIntoFirst(map.ReferenceListWrites(dir, settings), cells, refused))
        failures.push_back(std::move(failure));
    return FirstToSay(failures);
}

}  // namespace korvane
