// Reading the unit files a session starts from on a thread of their own, while the map
// database is read: on a large world they are most of what a start reads.
#pragma once

#include "core/file_result.h"
#include "people/unit_list.h"

#include <cstdint>
#include <future>
#include <string>

namespace korvane {

class TrecINI;

/// "Units.dat" and the hex unit file of one turn, as LoadUnitFile reads them and what that came to.
struct UnitFilesRead
{
    TUnitList Units;
    FileResult UnitsRead;
    TUnitList HexUnits;
    FileResult HexUnitsRead;
};

class UnitFilesAhead
{
public:
    /// Starts reading the files the settings name, for the settings' current turn. Reading
    /// changes nothing but its own lists and says nothing; what was found is for Take.
    explicit UnitFilesAhead(const TrecINI& settings);
    /// Waits for the reading, when it was not taken.
    ~UnitFilesAhead() = default;
    UnitFilesAhead(const UnitFilesAhead&) = delete;
    UnitFilesAhead& operator=(const UnitFilesAhead&) = delete;

    /// Whether what is read stands for these settings: the same data folder, names, player's
    /// faction and current turn as when the reading started.
    bool Fits(const TrecINI& settings) const;
    /// Whether the reading has ended, so that Take would not wait.
    bool Done() const;
    /// Waits for the reading to end and hands over what was read; once only.
    UnitFilesRead Take();

private:
    std::string unitsFile_, hexUnitsFile_;
    std::int32_t ownFaction_ = 0;
    std::future<UnitFilesRead> reading_;
};

}  // namespace korvane
