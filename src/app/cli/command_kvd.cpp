// "export-kvd" and "import-kvd": exchange files, as the export and import dialogs write and read them.
#include "app/cli/cli_interaction.h"
#include "app/cli/commands.h"

#include "core/file_names.h"
#include "core/text_helpers.h"
#include "storage/exchange_file.h"
#include "storage/map_database.h"
#include "workspace/workspace.h"

#include <ostream>
#include <utility>

namespace korvane {

namespace {

constexpr const char* kExportUsage =
    "korvane-cli: usage: export-kvd [--under] [--rect L,T,R,B] [--town-names] [--gates] [--gate-numbers]\n"
    "                               [--shafts] [--other] [--comments] [--overwrite] FILE.KVD\n";
constexpr const char* kImportUsage =
    "korvane-cli: usage: import-kvd [--unconfirmed|--confirmed] [--override] FILE.KVD\n";

// "L,T,R,B" as four whole numbers (an optional minus and one to nine digits each).
bool ReadRect(const std::string& text, ExchangeExportOptions& options)
{
    int* corners[] = {&options.Left, &options.Top, &options.Right, &options.Bottom};
    std::size_t start = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t comma = text.find(',', start);
        if ((comma == std::string::npos) != (i == 3))
            return false;
        const std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const std::size_t digits = part.size() - (part.rfind('-', 0) == 0 ? 1 : 0);
        if (digits < 1 || digits > 9 || part.find_first_not_of("0123456789", part.size() - digits) != std::string::npos)
            return false;
        *corners[i] = StrToIntLenient(part);
        start = comma + 1;
    }
    return true;
}

/// Takes the switches of `table` out of `args`, setting their flags; false, after a message,
/// for any other option. What remains is left in `args`.
template <std::size_t N>
bool TakeSwitches(CliContext& context, const char* command, const std::pair<const char*, bool*> (&table)[N],
                  std::vector<std::string>& args)
{
    std::vector<std::string> rest;
    for (const auto& arg : args) {
        bool known = false;
        for (const auto& [name, flag] : table) {
            if (arg == name)
                known = *flag = true;
        }
        if (known)
            continue;
        if (arg.rfind("--", 0) == 0) {
            context.err << "korvane-cli: " << command << " does not know " << arg << '\n';
            return false;
        }
        rest.push_back(arg);
    }
    args = std::move(rest);
    return true;
}

bool ReadExportOptions(CliContext& context, std::vector<std::string> args, ExchangeExportOptions& options,
                       std::string& fileName, bool& overwrite)
{
    bool missing = false;
    std::string rect;
    if (TakeOption(args, "--rect", rect, missing) && !ReadRect(rect, options)) {
        context.err << "korvane-cli: --rect is four whole numbers Left,Top,Right,Bottom, such as 0,0,60,40\n";
        return false;
    }
    bool under = false, towns = false, gates = false, gateNumbers = false, shafts = false, other = false,
         comments = false;
    const std::pair<const char*, bool*> switches[] = {
        {"--under", &under},   {"--town-names", &towns}, {"--gates", &gates},       {"--gate-numbers", &gateNumbers},
        {"--shafts", &shafts}, {"--other", &other},      {"--comments", &comments}, {"--overwrite", &overwrite},
    };
    if (!TakeSwitches(context, "export-kvd", switches, args))
        return false;
    if (missing || args.size() != 1) {
        context.err << kExportUsage;
        return false;
    }
    options.Level = under ? TMap::kUnderworld : TMap::kOverworld;
    const std::pair<bool, ExchangeExportBit> bits[] = {
        {towns, kExportTownNames}, {gates, kExportGates}, {gateNumbers, kExportGateNumbers},
        {shafts, kExportShafts},   {other, kExportOther}, {comments, kExportComments},
    };
    for (const auto& [chosen, bit] : bits) {
        if (chosen)
            options.Options |= bit;
    }
    // As in the dialog: gates with their numbers are gates.
    if (gateNumbers)
        options.Options |= kExportGates;
    fileName = args[0];
    return true;
}

bool ReadImportOptions(CliContext& context, std::vector<std::string> args, ExchangeImportOptions& options,
                       std::string& fileName)
{
    bool unconfirmed = false, confirmed = false;
    const std::pair<const char*, bool*> switches[] = {
        {"--unconfirmed", &unconfirmed}, {"--confirmed", &confirmed}, {"--override", &options.Override}};
    if (!TakeSwitches(context, "import-kvd", switches, args))
        return false;
    if ((unconfirmed && confirmed) || args.size() != 1) {
        context.err << kImportUsage;
        return false;
    }
    // The dialog starts with "Regard all imported data as unconfirmed" ticked.
    options.Confirmed = confirmed;
    fileName = args[0];
    return true;
}

}  // namespace

int RunExportKvdCommand(CliContext& context, const std::vector<std::string>& args)
{
    ExchangeExportOptions options;
    std::string fileName;
    bool overwrite = false;
    if (!ReadExportOptions(context, args, options, fileName, overwrite))
        return 2;
    Workspace& ws = context.workspace;
    if (!ws.Open(context.ui)) {
        context.err << "korvane-cli: the map database was not loaded; nothing exported\n";
        return 1;
    }
    if (!CheckExportRectangle(options, context.ui))
        return 1;
    context.ui.yesNoAnswer = overwrite;
    if (FileExists(fileName) && !context.ui.AskYesNo("File exist. Do you wish to overwrite it ?")) {
        context.err << "korvane-cli: " << fileName << " is kept; give --overwrite to replace it\n";
        return 1;
    }
    const ExchangeExportResult result = ExportExchange(ws.Map, fileName, options, context.ui);
    if (!result.File) {
        context.ui.Error("Export not completed successfully. " + result.File.Reason);
        return 1;
    }
    context.out << "Wrote " << fileName << " (" << result.Hexes << " hexes)\n";
    return 0;
}

int RunImportKvdCommand(CliContext& context, const std::vector<std::string>& args)
{
    ExchangeImportOptions options;
    std::string fileName;
    if (!ReadImportOptions(context, args, options, fileName))
        return 2;
    Workspace& ws = context.workspace;
    if (!ws.Open(context.ui)) {
        context.err << "korvane-cli: the map database was not loaded; nothing imported\n";
        return 1;
    }
    const ExchangeImportResult result = ImportExchange(ws.Map, fileName, options, context.ui);
    if (!result.Imported)
        return 1;
    if (const FileResult saved = ws.SaveDatabase(); !saved) {
        context.ui.Error(DatabaseNotSavedMessage(saved));
        return 1;
    }
    context.out << "Imported " << result.Hexes << " hexes from " << fileName << "; the map database is saved.\n";
    // Damaged lines were skipped: the file did not come across whole.
    return result.ShortLines + result.BadPositions == 0 ? 0 : 1;
}

}  // namespace korvane
