// Entry point of the Korvane window program.
#include "app/cli/cli_interaction.h"
#include "core/program_dir.h"
#include "core/version.h"
#include "mapview/windows/frm_map.h"
#include "mapview/windows/screenshot.h"
#include "windows/qt_interaction.h"
#include "workspace/workspace.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

void PrintUsage(std::ostream& out)
{
    out << "Usage: korvane [--home DIR] [--screenshot FILE.png] [--version] [--help]\n"
           "\n"
           "Opens the Korvane map window.\n"
           "\n"
           "  --home DIR             folder of ATLANTIS.INI (default: $KORVANE_HOME, else\n"
           "                         the folder of the korvane executable)\n"
           "  --screenshot FILE.png  open the window as usual, save a picture of it once\n"
           "                         the map is drawn, and quit; no data or settings file\n"
           "                         is written, and messages go to standard error\n"
           "  --version              print the version and exit\n"
           "  --help                 print this help and exit\n"
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

/// The value after `option` ("--option VALUE" or "--option=VALUE"): empty when the option is
/// absent, `missing` set when it has no value.
std::string OptionValue(const std::vector<std::string>& args, const std::string& option, bool& missing)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == option) {
            missing = i + 1 == args.size() || args[i + 1].empty();
            return missing ? std::string() : args[i + 1];
        }
        if (args[i].starts_with(option + "=")) {
            missing = args[i].size() == option.size() + 1;
            return args[i].substr(option.size() + 1);
        }
    }
    return {};
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

/// The program's icon: the desktop's icon theme's when installed where the desktop looks,
/// else the pictures installed beside the executable's folder; none when run from the build.
QIcon ProgramIcon(const std::string& executableDir)
{
    QIcon installed;
    const QString apps = QFile::decodeName(QByteArray::fromStdString(executableDir)) + "/../share/icons/hicolor/";
    for (const char* size : {"48x48", "256x256"}) {
        const QString file = apps + size + "/apps/korvane.png";
        if (QFile::exists(file))
            installed.addFile(file);
    }
    return QIcon::fromTheme(QStringLiteral("korvane"), installed);
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace korvane;
    const std::vector<std::string> args(argv + 1, argv + argc);
    ProgramDirChoice choice = ChooseProgramDir(args, std::getenv(kHomeEnvironmentVariable), DefaultProgramDir());
    if (HasArgument(choice.rest, "--help")) {
        PrintUsage(std::cout);
        return 0;
    }
    if (HasArgument(choice.rest, "--version")) {
        std::cout << kProgramName << ' ' << kProgramVersion << '\n';
        return 0;
    }
    bool noScreenshotFile = false;
    const std::string screenshot = OptionValue(choice.rest, "--screenshot", noScreenshotFile);
    if (choice.error.empty() && noScreenshotFile)
        choice.error = "--screenshot needs the name of the picture file";
    if (!choice.error.empty()) {
        std::cerr << "korvane: " << choice.error << " (see korvane --help)\n";
        return 2;
    }
    if (const std::string missing = MissingDisplay(args); !missing.empty()) {
        std::cerr << "korvane: " << missing << "; run it on a desktop, or use korvane-cli for headless commands\n";
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(kProgramName);
    QApplication::setApplicationVersion(kProgramVersion);
    // Desktops find the launcher entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("korvane"));
    QApplication::setWindowIcon(ProgramIcon(ExecutableDir()));

    Workspace workspace(choice.dir);
    QtInteraction dialogs;
    // A screenshot runs unattended: no dialog may wait for a player who is not there.
    CliInteraction unattended(std::cerr, std::cerr);
    UserInteraction& interaction = screenshot.empty() ? static_cast<UserInteraction&>(dialogs) : unattended;
    TfrmMAP window(workspace, interaction);
    dialogs.SetParent(&window);
    window.StartUp();
    if (screenshot.empty()) {
        window.show();
        return app.exec();
    }

    // The picture shows the units too: they are taken in before the window is drawn.
    workspace.FinishOpen(interaction);
    // The window is never closed here: closing is what writes the settings and data files.
    if (window.isMinimized())
        window.showNormal();
    else
        window.show();
    CaptureAfterFirstPaint(window, screenshot, [&screenshot](bool saved) {
        if (!saved)
            std::cerr << "korvane: could not write the picture " << screenshot << '\n';
        QCoreApplication::exit(saved ? 0 : 1);
    });
    return app.exec();
}
