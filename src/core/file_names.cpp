// Joining data file names to directories.
#include "core/file_names.h"

#include "core/text_helpers.h"

#include <filesystem>
#include <system_error>

namespace korvane {

namespace {

bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}

}  // namespace

bool IsAbsolutePath(std::string_view name)
{
    return !name.empty() && name.front() == '/';
}

std::string QualifyFileName(std::string_view name, std::string_view dir)
{
    if (name.empty() || IsAbsolutePath(name) || TrimSpaces(dir).empty())
        return std::string(name);
    if (IsSeparator(dir.back()))
        dir.remove_suffix(1);
    if (name.front() == '\\')
        name.remove_prefix(1);
    std::string result(dir);
    result += kPathSeparator;
    result += name;
    return result;
}

std::string DirectoryOf(std::string_view path)
{
    const auto cut = path.find_last_of("/\\");
    if (cut == std::string_view::npos)
        return {};
    if (cut == 0)
        return "/";
    return std::string(path.substr(0, cut));
}

bool FileExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

}  // namespace korvane
