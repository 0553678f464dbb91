// The map's unit files: "Units.dat", the hex unit file of a turn and the orders of a turn.
#include "storage/turn_files.h"

#include "core/atomic_file.h"
#include "core/file_names.h"
#include "core/settings.h"
#include "storage/record_text.h"
#include "storage/unit_list_files.h"
#include "world/map.h"

namespace korvane {

FileResult SaveUnits(const TMap& map, const std::string& dir, const TrecINI& settings)
{
    return SaveUnitFile(map.UnitFileList, QualifyFileName(settings.UnitsFile, dir), false);
}

FileResult LoadUnits(TMap& map, const std::string& dir, const TrecINI& settings)
{
    return LoadUnitFile(map.UnitFileList, QualifyFileName(settings.UnitsFile, dir), settings.FactionNo);
}

FileResult SaveHexUnits(const TMap& map, const std::string& dir, int turn, const TrecINI& settings)
{
    // Every cell's units in grid order under one header, written as a whole: a failure
    // part-way keeps the turn's previous file rather than half of the new one.
    std::string text;
    std::size_t units = 0;
    map.ForEachCell([&units](const TMapCell& cell) { units += static_cast<std::size_t>(cell.Units.Count()); });
    text.reserve(units * 128);  // grown once, not doubled step by step over many megabytes
    AppendLine(text, RecordHeaderLine());
    map.ForEachCell([&text](const TMapCell& cell) { AppendUnitLines(cell.Units, text); });
    return AtomicWriteFile(QualifyFileName(TurnFileName(settings.UnitsStem, turn), dir), text);
}

FileResult LoadHexUnits(TMap& map, const std::string& dir, const TrecINI& settings)
{
    TUnitList found;
    const FileResult read = LoadUnitFile(
        found, QualifyFileName(TurnFileName(settings.UnitsStem, settings.CurrentTurn), dir), settings.FactionNo);
    if (read)
        PlaceHexUnits(map, found, settings.FactionNo);
    return read;
}

void PlaceHexUnits(TMap& map, TUnitList& found, std::int32_t ownFaction)
{
    // Taken from the back: each cell keeps its own list in unit order whatever the order here.
    while (found.Count() > 0) {
        std::unique_ptr<TUnit> unit = found.Take(found.Count() - 1);
        if (unit->Level < 0 || unit->X < 0 || unit->Y < 0)
            continue;
        if (TMapCell* cell = map.EnsureCell(unit->Level, unit->X, unit->Y))
            cell->Units.Merge(std::move(unit), ownFaction);
    }
}

FileResult LoadTurnOrders(TMap& map, const std::string& dir, int turn, const TrecINI& settings)
{
    return LoadOrdersFile(map.UnitFileList, QualifyFileName(TurnFileName(settings.OrdersStem, turn), dir));
}

}  // namespace korvane
