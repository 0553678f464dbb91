// "import": turn reports into the map database, as the bulk import window does.
#include "app/cli/cli_interaction.h"
#include "app/cli/commands.h"

#include "core/progress.h"
#include "core/text_helpers.h"
#include "workspace/workspace.h"

#include <ostream>

namespace korvane {

namespace {

struct ImportOptions
{
    std::int32_t faction = 0;
    std::vector<std::string> files;
};

// Reads the options into `options` and the interaction's policies; false after a usage message.
bool ReadImportOptions(CliContext& context, std::vector<std::string> args, ImportOptions& options)
{
    bool missing = false;
    std::string value;
    if (TakeOption(args, "--faction", value, missing)) {
        options.faction = StrToIntLenient(value);
        if (options.faction <= 0) {
            context.err << "korvane-cli: --faction needs a faction number above 0\n";
            return false;
        }
    }
    if (TakeOption(args, "--objects", value, missing)) {
        if (value != "item" && value != "troop") {
            context.err << "korvane-cli: --objects is item or troop\n";
            return false;
        }
        context.ui.identifyAsTroop = value == "troop";
    }
    if (TakeOption(args, "--template", value, missing)) {
        if (value != "apply" && value != "skip") {
            context.err << "korvane-cli: --template is apply or skip\n";
            return false;
        }
        context.ui.yesNoAnswer = value == "apply";
    }
    for (const auto& arg : args) {
        if (arg.rfind("--", 0) == 0) {
            context.err << "korvane-cli: import does not know " << arg << '\n';
            return false;
        }
    }
    if (missing || args.empty()) {
        context.err
            << "korvane-cli: usage: import [--faction N] [--objects item|troop] [--template apply|skip] FILE...\n";
        return false;
    }
    options.files = std::move(args);
    return true;
}

}  // namespace

int RunImportCommand(CliContext& context, const std::vector<std::string>& args)
{
    ImportOptions options;
    if (!ReadImportOptions(context, args, options))
        return 2;
    Workspace& ws = context.workspace;
    if (!ws.Open(context.ui)) {
        context.err << "korvane-cli: the map database was not loaded; nothing imported\n";
        return 1;
    }
    if (options.faction > 0) {
        ws.Settings.FactionNo = options.faction;
        // A refused settings file was named at Open; the number still serves this run.
        const bool refused = ws.Refused.Contains(ws.Settings.FileName());
        if (const FileResult saved = refused ? FileResult::Done() : ws.Settings.WriteSettings(); !saved) {
            context.ui.Error("Unable to write to " + saved.File);
            return 1;
        }
    }
    if (!ws.CanImport(ImportKind::TurnFiles, context.ui)) {
        if (ws.Settings.FactionNo <= 0)
            context.err << "korvane-cli: give your faction number with --faction N\n";
        return 1;
    }

    ProgressFunction progress([&](std::int64_t done, std::int64_t) {
        if (done > 0)
            context.out << "Imported " << options.files[static_cast<std::size_t>(done) - 1] << " (turn "
                        << ws.Settings.CurrentTurn << ")\n";
        return true;
    });
    const BulkImportOutcome run = ws.ImportReports(options.files, context.ui, &progress);
    const std::size_t imported = run.Imported;
    if (run.End == BulkImportEnd::Failed) {
        context.ui.Warning("Error importing turn file. Bulk import stopped.");
        context.err << "korvane-cli: error importing file " << run.Failure.Text() << '\n';
    }
    if (imported == 0)
        return 1;

    const FileResult databaseSaved = ws.SaveDatabase();
    if (!databaseSaved)
        context.ui.Error(DatabaseNotSavedMessage(databaseSaved));
    const bool saved = ws.SaveOnExit(context.ui) && databaseSaved;
    context.out << "Imported " << imported << " of " << options.files.size() << " files"
                << (saved ? "; the map database is saved.\n" : "; saving failed.\n");
    // An import that could not write one of its files (a turn's units, say) said so: not a success.
    return (saved && imported == options.files.size() && run.Unsaved) ? 0 : 1;
}

int RunImportFactionsCommand(CliContext& context, const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        context.err << "korvane-cli: usage: import-factions FILE\n";
        return 2;
    }
    Workspace& ws = context.workspace;
    if (!ws.Factions.LoadFromFile(ws.Settings)) {
        // Merging into an empty registry would write it over the player's.
        ws.Refuse(ws.Settings.DataPath(ws.Settings.FactionsFile), context.ui);
        context.ui.Info("Import failed.");
        return 1;
    }
    if (const FileResult imported = ws.Factions.ImportFactionList(args[0]); !imported) {
        context.ui.Warning(FactionListImportWarning(imported));
        context.ui.Info("Import failed.");
        return 1;
    }
    if (const FileResult saved = ws.Factions.SaveToFile(ws.Settings); !saved) {
        context.ui.Error("Unable to write to " + saved.File);
        return 1;
    }
    context.ui.Info("Import completed successfully.");
    return 0;
}

}  // namespace korvane
