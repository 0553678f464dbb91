// Entry point of the Korvane window program.
#include "core/program_dir.h"
#include "core/version.h"
#include "mapview/windows/frm_map.h"
#include "windows/qt_interaction.h"
#include "workspace/workspace.h"

#include <QApplication>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

void PrintUsage(std::ostream& out)
{
    out << "Usage: korvane [--home DIR] [--version] [--help]\n"
           "\n"
           "Opens the Korvane map window.\n"
           "\n"
           "  --home DIR   folder of ATLANTIS.INI (default: $KORVANE_HOME, else the\n"
           "               folder of the korvane executable)\n"
           "  --version    print the version and exit\n"
           "  --help       print this help and exit\n"
           "\n"
           "Needs a desktop (X11 or Wayland). For headless work, such as importing\n"
           "turn reports on a server, use korvane-cli.\n";
}

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

bool HasArgument(const std::vector<std::string>& args, const std::string& wanted)
{
    return std::find(args.begin(), args.end(), wanted) != args.end();
}

/// What is wrong when Qt could not open any window, or empty when a display can be had.
/// Without this check Qt aborts with a long message about platform plugins.
std::string MissingDisplay(const std::vector<std::string>& args)
{
    if (IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY"))
        return {};
    // Qt's own "-platform NAME" option chooses a display just as the variable does.
    if (HasArgument(args, "-platform") || HasArgument(args, "--platform"))
        return {};
    return "no display available (DISPLAY is not set)";
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace korvane;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ProgramDirChoice choice = ChooseProgramDir(args, std::getenv(kHomeEnvironmentVariable), ExecutableDir());
    if (HasArgument(choice.rest, "--help")) {
        PrintUsage(std::cout);
        return 0;
    }
    if (HasArgument(choice.rest, "--version")) {
        std::cout << kProgramName << ' ' << kProgramVersion << '\n';
        return 0;
    }
    if (!choice.error.empty()) {
        std::cerr << "korvane: " << choice.error << " (see korvane --help)\n";
        return 2;
    }
    if (const std::string missing = MissingDisplay(args); !missing.empty()) {
        std::cerr << "korvane: " << missing
                  << "; run it on a desktop, or use korvane-cli for headless commands\n";
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(kProgramName);
    QApplication::setApplicationVersion(kProgramVersion);

    Workspace workspace(choice.dir);
    QtInteraction interaction;
    TfrmMAP window(workspace, interaction);
    interaction.SetParent(&window);
    window.StartUp();
    window.show();
    return app.exec();
}
