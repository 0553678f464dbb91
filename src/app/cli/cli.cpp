// korvane-cli: global options and command dispatch.
#include "app/cli/cli.h"

#include "app/cli/commands.h"
#include "core/program_dir.h"
#include "core/version.h"
#include "core/workspace.h"

#include <cstdlib>
#include <iomanip>
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
        out << "  " << std::left << std::setw(28) << synopsis << command.summary << '\n';
    }
}

}  // namespace

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = {
        {"info", "", "show the program directory, every setting and the data files", RunInfoCommand},
    };
    return commands;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const ProgramDirChoice choice = ChooseProgramDir(args, std::getenv(kHomeEnvironmentVariable), ExecutableDir());
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
        CliContext context{workspace, out, err};
        return command.run(context, std::vector<std::string>(rest.begin() + 1, rest.end()));
    }
    err << "korvane-cli: unknown command \"" << rest[0] << "\" (see korvane-cli --help)\n";
    return 2;
}

}  // namespace korvane
