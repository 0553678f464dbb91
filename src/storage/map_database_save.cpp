// Saving the map database.
#include "core/atomic_file.h"
#include "core/file_names.h"
#include "core/workspace.h"
#include "storage/map_cell_line.h"
#include "storage/map_database.h"
#include "storage/record_text.h"

namespace korvane {

bool SaveMapDatabase(const Workspace& ws, const std::string& dir)
{
    const TMap& map = ws.Map;
    const bool coloursSaved = map.SaveColourLists(dir, ws.Settings);
    const bool listsSaved = map.SaveReferenceLists(dir, ws.Settings);

    std::string text;
    AppendLine(text, RecordHeaderLine());
    map.ForEachCell([&text](const TMapCell& cell) {
        if (!cell.IsBlank())
            AppendLine(text, CellLine(cell));
    });
    const bool mapSaved = AtomicWriteFile(QualifyFileName(ws.Settings.MapFile, dir), text);
    return mapSaved && listsSaved && coloursSaved;
}

}  // namespace korvane
