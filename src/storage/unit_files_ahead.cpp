// The start's unit files, read while the map database is.
#include "storage/unit_files_ahead.h"

#include "core/settings.h"
#include "storage/turn_files.h"
#include "storage/unit_list_files.h"

#include <chrono>

namespace korvane {

namespace {

std::string UnitsFileOf(const TrecINI& settings)
{
    return settings.DataPath(settings.UnitsFile);
}

std::string HexUnitsFileOf(const TrecINI& settings)
{
    return settings.DataPath(TurnFileName(settings.UnitsStem, settings.CurrentTurn));
}

}  // namespace

UnitFilesAhead::UnitFilesAhead(const TrecINI& settings)
    : unitsFile_(UnitsFileOf(settings))
    , hexUnitsFile_(HexUnitsFileOf(settings))
    , ownFaction_(settings.FactionNo)
{
    // The thread gets copies of what it needs: it touches nothing the session holds.
    reading_ = std::async(std::launch::async, [units = unitsFile_, hexUnits = hexUnitsFile_, own = ownFaction_] {
        UnitFilesRead read;
        read.UnitsRead = LoadUnitFile(read.Units, units, own);
        read.HexUnitsRead = LoadUnitFile(read.HexUnits, hexUnits, own);
        return read;
    });
}

bool UnitFilesAhead::Fits(const TrecINI& settings) const
{
    return UnitsFileOf(settings) == unitsFile_ && HexUnitsFileOf(settings) == hexUnitsFile_
        && settings.FactionNo == ownFaction_;
}

bool UnitFilesAhead::Done() const
{
    return reading_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

UnitFilesRead UnitFilesAhead::Take()
{
    return reading_.get();
}

}  // namespace korvane
