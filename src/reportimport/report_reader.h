// Importing one turn report into the world.
#pragma once

#include "core/file_result.h"

#include <string>
#include <string_view>

namespace korvane {

class LineReader;
class UserInteraction;
struct ImportTarget;

/// What reading a report learnt that the step after it needs.
struct TurnReportRead
{
    int Turn = -1;  // the report's turn; -1 when its date could not be read
    bool TemplateApplied = false;  // the orders template replaced the units' orders
};

/// What importing one turn report came to.
struct TurnImport
{
    /// Whether the report was read into the world: fails, naming the report and why, when it is
    /// missing, cannot be read, or ends before its regions (the world is then as it was).
    FileResult Report;
    /// The first per-turn file that could not be written (already said); success when every one
    /// was written.
    FileResult TurnFiles;

    explicit operator bool() const { return static_cast<bool>(Report); }
};

/// Reads a turn report into the map: regions into cells, units into the cells and the map's
/// unit list, new keywords into the keyword lists, and (when chosen) the orders template into
/// the units' orders; then writes the unit file, keyword files and the turn's hex unit and
/// orders files, saying each one that could not be written. The map database itself is not
/// saved.
TurnImport ImportTurnReport(const ImportTarget& target, const std::string& fileName, UserInteraction& ui);

/// The first step of ImportTurnReport: reads the report from `lines` into the map, the units,
/// the keyword lists, the registry and the settings, writing no file. False when the reader is
/// not open or the report ends before its regions; the world, the settings and the registry are
/// then as they were.
bool ReadTurnReport(const ImportTarget& target, LineReader& lines, UserInteraction& ui, TurnReportRead& read);

/// The step after a report was read: writes the unit file, the keyword files and the turn's hex
/// unit and orders files, moves the settings to the report's turn, and settles the units the
/// report no longer showed. Every file that could not be written is said; the first of them is
/// returned (marked as said).
FileResult FinishTurnReport(const ImportTarget& target, const TurnReportRead& read, UserInteraction& ui);

/// The turn a report's date line ("March, Year 2") stands for: 12 turns a year, the first
/// January turn 1. -1 when the line holds no readable date.
int TurnOfDateLine(std::string_view dateLine);

/// True when `line` is the first line of a turn report.
bool IsReportHeading(std::string_view line);

/// 1 to 12 for a month name or its three-letter form, any case; -1 otherwise.
int MonthNumber(std::string_view name);

}  // namespace korvane
