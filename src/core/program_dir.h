// Where ATLANTIS.INI lives: chosen by "--home DIR", else KORVANE_HOME, else the executable's folder.
#pragma once

#include <string>
#include <vector>

namespace korvane {

inline constexpr const char* kSettingsFileName = "ATLANTIS.INI";
inline constexpr const char* kHomeEnvironmentVariable = "KORVANE_HOME";

struct ProgramDirChoice
{
    std::string dir;                // the program directory, absolute
    std::vector<std::string> rest;  // the arguments without "--home DIR"
    std::string error;              // set when "--home" has no folder after it
};

/// Picks the program directory from the arguments (without the program name), the value of
/// KORVANE_HOME (null when unset) and the executable's folder; "--home=DIR" works too.
ProgramDirChoice ChooseProgramDir(const std::vector<std::string>& args, const char* homeVariable,
                                  const std::string& executableDir);

/// The folder of the running executable.
std::string ExecutableDir();

/// The full name of the settings file in a program directory.
std::string SettingsFileIn(const std::string& programDir);

}  // namespace korvane
