// Saving the map database.
#include "core/atomic_file.h"
#include "core/file_names.h"
#include "core/settings.h"
#include "storage/map_cell_line.h"
#include "storage/map_database.h"
#include "storage/record_text.h"
#include "world/map.h"

namespace korvane {

bool SaveMapDatabase(const TMap& map, const TrecINI& settings, const std::string& dir)
{
    const bool coloursSaved = map.SaveColourLists(dir, settings);
    const bool listsSaved = map.SaveReferenceLists(dir, settings);

    std::string text;
    AppendLine(text, RecordHeaderLine());
    map.ForEachCell([&text](const TMapCell& cell) {
        if (!cell.IsBlank())
            AppendLine(text, CellLine(cell));
    });
    const bool mapSaved = AtomicWriteFile(QualifyFileName(settings.MapFile, dir), text);
    return mapSaved && listsSaved && coloursSaved;
}

}  // namespace korvane
