// korvane-cli: global options and command dispatch.
#include "app/cli/cli.h"

#include "app/cli/cli_interaction.h"
#include "app/cli/commands.h"
#include "core/program_dir.h"
#include "core/version.h"
#include "workspace/workspace.h"

#include <cstdlib>
#include <ostream>

namespace korvane {

namespace {

void PrintHelp(std::ostream& out)
{
    out << "Usage: korvane-cli [--home DIR] COMMAND [ARGUMENTS]\n"
           "       korvane-cli --help | --version\n\n"
           "The program directory (where ATLANTIS.INI lives) is DIR, else $KORVANE_HOME,\n"
           "else the folder of the executable.\n\n"
           "Commands:\n";
    for (const Command& command : Commands()) {
        const std::string synopsis = std::string(command.name) + (*command.usage ? " " : "") + command.usage;
        out << "  " << synopsis << "\n      " << command.summary << '\n';
    }
}

}  // namespace

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = {
        {"info", "", "show the program directory, every setting and the data files", RunInfoCommand},
        {"import", "[--faction N] [--objects item|troop] [--template apply|skip] FILE...",
         "import turn reports in the order given, then save the map database", RunImportCommand},
        {"import-factions", "FILE", "merge the game's faction list into the faction registry",
         RunImportFactionsCommand},
        {"hex", "X Y [--under]", "show what the database knows about one hex", RunHexCommand},
        {"units", "[--faction N]", "list every unit of the current turn", RunUnitsCommand},
        {"map", "--rect L,T,R,B --scale Z [--under] [--title TEXT] [SWITCH...] FILE",
         "write a rectangle of the map to a BMP file; switches: --coords --icons --names --gates\n"
         "      --gate-numbers --shafts --other --unconfirmed --overwrite",
         RunMapCommand},
        {"orders", "[--overwrite] FILE",
         "write the orders file for the game server from the orders kept for your units;\n"
         "      its problems go to standard error",
         RunOrdersCommand},
        {"check-orders", "FILE",
         "check an orders file as the game server does, with warnings from the map;\n"
         "      status 1 when there is an error",
         RunCheckOrdersCommand},
        {"battle", "FILE.BTL [--seed N] [--fort-left NAME] [--fort-right NAME]",
         "fight the battle of a saved set-up and print its report; fortifications: None, Tower,\n"
         "      Fort, Castle, Citadel, \"Magical Fortess\"",
         RunBattleCommand},
        {"export-kvd",
         "[--under] [--rect L,T,R,B] [--town-names] [--gates] [--gate-numbers] [--shafts] [--other] "
         "[--comments] [--overwrite] FILE.KVD",
         "write the known hexes of a rectangle (grid coordinates; the whole level when no --rect)\n"
         "      to an exchange file for other players; an existing file only with --overwrite",
         RunExportKvdCommand},
        {"import-kvd", "[--unconfirmed|--confirmed] [--override] FILE.KVD",
         "merge an exchange file into the map database, then save it; --confirmed believes the\n"
         "      file's unconfirmed marks, --override lets the file replace what is known",
         RunImportKvdCommand},
    };
    return commands;
}

bool TakeOption(std::vector<std::string>& args, const std::string& name, std::string& value, bool& missingValue)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            if (i + 1 >= args.size()) {
                missingValue = true;
                args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
                return false;
            }
            value = args[i + 1];
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                       args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            return true;
        }
        if (args[i].rfind(name + "=", 0) == 0) {
            value = args[i].substr(name.size() + 1);
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
            return true;
        }
    }
    return false;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::function<void(int)>& finished)
{
    const ProgramDirChoice choice = ChooseProgramDir(args, std::getenv(kHomeEnvironmentVariable), DefaultProgramDir());
    if (!choice.error.empty()) {
        err << "korvane-cli: " << choice.error << '\n';
        return 2;
    }
    const std::vector<std::string>& rest = choice.rest;
    if (rest.empty() || rest[0] == "--help" || rest[0] == "-h" || rest[0] == "help") {
        PrintHelp(rest.empty() ? err : out);
        return rest.empty() ? 2 : 0;
    }
    if (rest[0] == "--version") {
        out << kProgramName << ' ' << kProgramVersion << '\n';
        return 0;
    }
    for (const Command& command : Commands()) {
        if (rest[0] != command.name)
            continue;
        Workspace workspace(choice.dir);
        workspace.Settings.ReadSettings();
        CliInteraction ui(out, err);
        CliContext context{workspace, ui, out, err};
        const int status = command.run(context, std::vector<std::string>(rest.begin() + 1, rest.end()));
        if (finished)
            finished(status);
        return status;
    }
    err << "korvane-cli: unknown command \"" << rest[0] << "\" (see korvane-cli --help)\n";
    return 2;
}

}  // namespace korvane
