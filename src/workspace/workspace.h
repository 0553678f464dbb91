// Workspace: the one owner of the process-wide state (map, settings, registries, keyword
// lists), created once by each front end and passed by reference to everything that needs it.
#pragma once

#include "core/file_result.h"
#include "core/key_string_list.h"
#include "core/refused_files.h"
#include "core/settings.h"
#include "people/alliance_list.h"
#include "people/faction_list.h"
#include "people/show_troop_collection.h"
#include "reportimport/import_target.h"
#include "reportimport/report_reader.h"
#include "storage/unit_files_ahead.h"
#include "workspace/bulk_import_run.h"
#include "world/map.h"

#include <memory>
#include <string>
#include <vector>

namespace korvane {
class Progress;
class UserInteraction;
}  // namespace korvane

namespace korvane {

/// What is brought into the map, for the refusal that names it.
enum class ImportKind { TurnFile, TurnFiles, ExchangeFile };

class Workspace
{
public:
    /// `programDir` is the folder of ATLANTIS.INI. Nothing is read yet.
    explicit Workspace(const std::string& programDir);
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    const std::string& ProgramDir() const { return Settings.ProgramDir(); }

    /// Reads everything a session starts from, in start-up order: the settings, the faction
    /// and alliance registries, the keyword lists, the map database, the display selection
    /// lists, the unit file and the current turn's units and orders. Missing files leave their
    /// parts empty. False when the map
    /// database was refused (e.g. written by a newer version): saving over it would lose it.
    /// Every other file that exists but could not be read, or was refused, goes into Refused,
    /// said once, and the session goes on without it.
    bool Open(UserInteraction& ui);
    /// Open in two halves, for a window that draws the map before the units are in. The first
    /// reads what the map is drawn from (the settings, registries, keyword lists, the map
    /// database and the display selection lists), then the unit files start being read on a
    /// thread of their own; the cells hold no units yet. False as Open.
    bool BeginOpen(UserInteraction& ui);
    /// The second half, in Open's order: "Units.dat", then the current turn's units and orders,
    /// each refused as Open refuses it. Everything that saves, imports, steps or reloads runs it
    /// first; nothing when the units are in already.
    void FinishOpen(UserInteraction& ui);
    /// True between BeginOpen and FinishOpen.
    bool UnitsPending() const { return unitsAhead_ != nullptr; }
    /// True while the units are pending but their files have been read: FinishOpen then only
    /// takes them in, without waiting.
    bool UnitsRead() const { return unitsAhead_ && unitsAhead_->Done(); }
    /// Writes what a session leaves behind: the settings, the registries, the display selection
    /// lists, the keyword lists, then the unit file that points into them, and the map's colour
    /// and icon lists. Every file is attempted, also when an earlier one failed, and each that
    /// failed is named. Refused files are left as they are, and so is the unit file when a
    /// keyword list was not written. The map database is not written here. False when something
    /// failed or was left unwritten.
    bool SaveOnExit(UserInteraction& ui);

    /// Whether `kind` may be imported now; when not, says why. Units still being read are taken
    /// in first. Turn reports need the player's
    /// faction number, which tells the player's units from the others; nothing is imported into
    /// a map database that could not be loaded, as the world in memory could never be saved.
    bool CanImport(ImportKind kind, UserInteraction& ui);
    /// Imports turn reports in their order, stopping at the first that fails: the last report
    /// imported wins for wages, settlements and the turn shown, so one skipped could only be
    /// put back by importing it after newer ones. `progress` hears before each report how many
    /// are done, and at the end; when it answers false the run stops between two whole reports.
    /// The map database is not saved.
    BulkImportOutcome ImportReports(const std::vector<std::string>& files, UserInteraction& ui,
                                    Progress* progress = nullptr);

    /// Whether the map database may be saved now; when not, says why: without the player's
    /// faction number, or over a file that could not be loaded. Units still being read are
    /// taken in first.
    bool CanSaveDatabase(UserInteraction& ui);
    /// Writes the map database and the lists it points into, in the data folder, leaving the
    /// refused files as they are. A failure names the file and why; so does a save asked for
    /// while the units are still being read, which writes nothing.
    FileResult SaveDatabase() const;
    /// Reads the map database again, with the lists it points into. A database that is refused
    /// (or can no longer be read) leaves the map as it is and joins the refused files, as at
    /// start-up; false then.
    bool ReloadDatabase(UserInteraction& ui);

    /// Loads the skill, troop and item keywords from the data folder and adds the race table,
    /// whose names win over those of the troop file. Returns the files that could not be read.
    std::vector<std::string> LoadKeywordLists();

    /// Adds a file that exists but could not be read, or was refused, to Refused, saying so
    /// the first time.
    void Refuse(const std::string& fileName, UserInteraction& ui);

    /// Shows the units of `turn` (the turn buttons, the start of a session); `CurrentTurn` is
    /// the caller's to set.
    void StepToTurn(int turn, UserInteraction& ui);

    /// The parts a turn report is read into.
    ImportTarget ForImport();

    // Declared in the order the process builds them.
    TMap Map;
    TrecINI Settings;
    TFactionList Factions;
    TAllianceList Alliances;
    TKeyStringList SkillList;
    TKeyStringList TroopList;
    TKeyStringList EquipmentList;
    /// The display selection lists: whose troops the map marks.
    TShowTroopCollection TroopViews;
    /// The files that nothing may write over before the program starts again.
    RefusedFiles Refused;

private:
    /// The unit files being read between BeginOpen and FinishOpen.
    std::unique_ptr<UnitFilesAhead> unitsAhead_;

    bool KnowsOwnFaction(const std::string& refusal, UserInteraction& ui) const;
    bool DatabaseRefused(const std::string& consequence, UserInteraction& ui) const;
};

/// What the player is told when the map database could not be saved.
std::string DatabaseNotSavedMessage(const FileResult& failure);

/// Reads a turn report into the workspace (the map, settings, registry and keyword lists)
/// and writes the per-turn files; the map database itself is not saved.
TurnImport ImportTurnReport(Workspace& workspace, const std::string& fileName, UserInteraction& ui);

}  // namespace korvane
