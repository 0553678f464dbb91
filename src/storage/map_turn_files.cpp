// The map's per-turn files: "Units.dat", the hex unit file of a turn and the orders of a turn.
#include "core/atomic_file.h"
#include "core/file_names.h"
#include "core/settings.h"
#include "storage/record_text.h"
#include "storage/turn_files.h"
#include "storage/unit_file_text.h"
#include "world/map.h"

namespace korvane {

bool TMap::SaveUnits(const std::string& dir, const TrecINI& settings) const
{
    return UnitFileList.SaveToFile(QualifyFileName(settings.UnitsFile, dir), false);
}

bool TMap::LoadUnits(const std::string& dir, const TrecINI& settings)
{
    return UnitFileList.LoadFromFile(QualifyFileName(settings.UnitsFile, dir), settings.FactionNo);
}

bool TMap::SaveHexUnits(const std::string& dir, int turn, const TrecINI& settings) const
{
    // Every cell's units in grid order under one header, written as a whole: a failure
    // part-way keeps the turn's previous file rather than half of the new one.
    std::string text;
    AppendLine(text, RecordHeaderLine());
    ForEachCell([&text](const TMapCell& cell) { AppendUnitLines(cell.Units, text); });
    return AtomicWriteFile(QualifyFileName(TurnFileName(settings.UnitsStem, turn), dir), text);
}

bool TMap::LoadHexUnits(const std::string& dir, const TrecINI& settings)
{
    TUnitList found;
    if (!found.LoadFromFile(QualifyFileName(TurnFileName(settings.UnitsStem, settings.CurrentTurn), dir),
                            settings.FactionNo))
        return false;
    // Taken from the back: each cell keeps its own list in unit order whatever the order here.
    while (found.Count() > 0) {
        std::unique_ptr<TUnit> unit = found.Take(found.Count() - 1);
        if (unit->Level < 0 || unit->X < 0 || unit->Y < 0)
            continue;
        if (TMapCell* cell = EnsureCell(unit->Level, unit->X, unit->Y))
            cell->Units.Merge(std::move(unit), settings.FactionNo);
    }
    return true;
}

bool TMap::LoadTurnOrders(const std::string& dir, int turn, const TrecINI& settings)
{
    return UnitFileList.LoadOrders(QualifyFileName(TurnFileName(settings.OrdersStem, turn), dir));
}

}  // namespace korvane
