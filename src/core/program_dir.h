// Where ATLANTIS.INI lives: chosen by "--home DIR", else KORVANE_HOME, else the executable's folder.
#pragma once

#include <string>
#include <vector>

namespace korvane {

inline constexpr const char* kSettingsFileName = "ATLANTIS.INI";
inline constexpr const char* kHomeEnvironmentVariable = "KORVANE_HOME";

struct ProgramDirChoice
{
    std::string dir;  // the program directory, absolute
    std::vector<std::string> rest;  // the arguments without "--home DIR"
    std::string error;  // set when "--home" has no folder after it
};

/// Picks the program directory from the arguments (without the program name), the value of
/// KORVANE_HOME (null when unset) and the executable's folder; "--home=DIR" works too.
ProgramDirChoice ChooseProgramDir(const std::vector<std::string>& args, const char* homeVariable,
                                  const std::string& executableDir);

/// The folder of the running executable.
std::string ExecutableDir();

/// The program directory to use when none is given: the executable's folder when it holds the
/// settings file or may be written, else (an installed program in a system folder) the user's
/// own data folder, `dataHome`/korvane or `userHome`/.local/share/korvane. Settings written
/// into a folder that refuses them would be lost at every exit.
std::string DefaultProgramDir(const std::string& executableDir, const char* dataHome, const char* userHome);
/// DefaultProgramDir of this process: its executable and the user's environment.
std::string DefaultProgramDir();

/// The full name of the settings file in a program directory.
std::string SettingsFileIn(const std::string& programDir);

}  // namespace korvane
