// Importing into the workspace: whether an import or a save of the database may go ahead, and a run of reports.
#include "workspace/bulk_import_run.h"

#include "core/progress.h"
#include "core/user_interaction.h"
#include "workspace/workspace.h"

namespace korvane {

bool Workspace::KnowsOwnFaction(const std::string& refusal, UserInteraction& ui) const
{
    if (Settings.FactionNo > 0)
        return true;
    ui.Error(refusal + "\r(Use menu item View/Faction Details)");
    return false;
}

bool Workspace::DatabaseRefused(const std::string& consequence, UserInteraction& ui) const
{
    const std::string file = Settings.DataPath(Settings.MapFile);
    if (!Refused.Contains(file))
        return false;
    ui.Error("The map database " + file + " could not be loaded when Korvane started, so " + consequence
             + ". Mend or move the file, then start Korvane again.");
    return true;
}

bool Workspace::CanImport(ImportKind kind, UserInteraction& ui)
{
    // What is imported and saved next must meet the units, not a map still waiting for them.
    FinishOpen(ui);
    switch (kind) {
    case ImportKind::TurnFile:
        return KnowsOwnFaction("You must provide a valid faction number before importing a turn file.", ui)
            && !DatabaseRefused("no turn file can be imported into it", ui);
    case ImportKind::TurnFiles:
        return KnowsOwnFaction("You must provide a valid faction number before importing turn files.", ui)
            && !DatabaseRefused("no turn file can be imported into it", ui);
    case ImportKind::ExchangeFile:
        return !DatabaseRefused("no exchange file can be imported into it", ui);
    }
    return false;
}

bool Workspace::CanSaveDatabase(UserInteraction& ui)
{
    FinishOpen(ui);  // the hexes the units stand in are saved with them
    return KnowsOwnFaction("Please provide a valid faction number before saving the map database.", ui)
        && !DatabaseRefused("it is not written over", ui);
}

BulkImportOutcome Workspace::ImportReports(const std::vector<std::string>& files, UserInteraction& ui,
                                           Progress* progress)
{
    BulkImportOutcome outcome;
    const auto total = static_cast<std::int64_t>(files.size());
    for (const std::string& file : files) {
        if (!ReportProgress(progress, static_cast<std::int64_t>(outcome.Imported), total)) {
            outcome.End = BulkImportEnd::Cancelled;
            return outcome;
        }
        TurnImport imported = ImportTurnReport(*this, file, ui);
        if (!imported) {
            outcome.End = BulkImportEnd::Failed;
            outcome.Failure = std::move(imported.Report);
            return outcome;
        }
        if (outcome.Unsaved && !imported.TurnFiles)
            outcome.Unsaved = std::move(imported.TurnFiles);
        ++outcome.Imported;
    }
    ReportProgress(progress, total, total);
    return outcome;
}

}  // namespace korvane
