// Choosing the program directory.
#include "core/program_dir.h"

#include "core/file_names.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace korvane {

namespace {

std::string Absolute(const std::string& dir)
{
    std::error_code error;
    const auto absolute = std::filesystem::absolute(dir, error);
    if (error)
        return dir;
    std::string text = absolute.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

}  // namespace

ProgramDirChoice ChooseProgramDir(const std::vector<std::string>& args, const char* homeVariable,
                                  const std::string& executableDir)
{
    ProgramDirChoice choice;
    std::string home;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--home") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                choice.error = "--home needs a folder";
                break;
            }
            home = args[++i];
        } else if (arg.rfind("--home=", 0) == 0) {
            home = arg.substr(7);
            if (home.empty())
                choice.error = "--home needs a folder";
        } else {
            choice.rest.push_back(arg);
        }
    }
    if (home.empty() && homeVariable && *homeVariable)
        home = homeVariable;
    choice.dir = Absolute(home.empty() ? executableDir : home);
    return choice;
}

std::string ExecutableDir()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return Absolute(".");
    return exe.parent_path().string();
}

std::string DefaultProgramDir(const std::string& executableDir, const char* dataHome, const char* userHome)
{
    std::error_code error;
    if (std::filesystem::exists(SettingsFileIn(executableDir), error) || access(executableDir.c_str(), W_OK) == 0)
        return executableDir;
    if (dataHome && *dataHome == '/')
        return Absolute(std::string(dataHome) + "/korvane");
    if (userHome && *userHome)
        return Absolute(std::string(userHome) + "/.local/share/korvane");
    return executableDir;
}

std::string DefaultProgramDir()
{
    return DefaultProgramDir(ExecutableDir(), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::string SettingsFileIn(const std::string& programDir)
{
    return QualifyFileName(kSettingsFileName, programDir);
}

}  // namespace korvane
