// Saving the map database.
#include "core/atomic_file.h"
#include "core/file_names.h"
#include "core/settings.h"
#include "storage/map_cell_line.h"
#include "storage/map_database.h"
#include "storage/record_text.h"
#include "world/map.h"

namespace korvane {

bool SaveMapDatabase(const TMap& map, const TrecINI& settings, const std::string& dir, const RefusedFiles& refused)
{
    const bool terrainColoursSaved =
        !refused.Contains(QualifyFileName(settings.ColoursFile, dir)) && map.SaveTerrainColours(dir, settings);
    const bool iconsSaved =
        !refused.Contains(QualifyFileName(settings.MapIconsFile, dir)) && map.SaveMapIcons(dir, settings);
    const bool coloursSaved = terrainColoursSaved && iconsSaved;
    const bool listsSaved = map.SaveReferenceLists(dir, settings, refused);

    // Cells store positions in the reference lists: with a list left unwritten, cells written
    // now would point at other names in the file that stays.
    const std::string mapFile = QualifyFileName(settings.MapFile, dir);
    bool leaveMap = refused.Contains(mapFile);
    for (const auto* name : {&settings.TerrainFile, &settings.RegionsFile, &settings.RacesFile,
                             &settings.WeatherFile, &settings.ProductsFile})
        leaveMap = leaveMap || refused.Contains(QualifyFileName(*name, dir));
    if (leaveMap)
        return false;

    std::string text;
    AppendLine(text, RecordHeaderLine());
    text.reserve(static_cast<std::size_t>(map.CellCount()) * 160);  // grown once, not doubled
    map.ForEachCell([&text](const TMapCell& cell) {
        if (cell.IsBlank())
            return;
        AppendCellLine(cell, text);
        text += "\r\n";
    });
    const bool mapSaved = AtomicWriteFile(mapFile, text);
    return mapSaved && listsSaved && coloursSaved;
}

}  // namespace korvane
