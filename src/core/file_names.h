// Joining data file names to directories, with both "/" and "\" taken as separators.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

inline constexpr char kPathSeparator = '/';

/// True for a name that stands on its own: it starts with "/".
bool IsAbsolutePath(std::string_view name);

/// Places `name` under `dir`: an absolute name, an empty name or a directory of only spaces
/// leave the name unchanged; one trailing separator of the directory is dropped, and a name
/// that starts with "\" is still placed under the directory.
std::string QualifyFileName(std::string_view name, std::string_view dir);

/// The directory part of a path, without its trailing separator ("" when there is none).
std::string DirectoryOf(std::string_view path);

/// True when a file (or anything else) exists at `path`.
bool FileExists(const std::string& path);

}  // namespace korvane
