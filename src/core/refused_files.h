// RefusedFiles: the files of one run that exist but could not be read, or were refused, and
// so must not be written over before the program starts again.
#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace korvane {

class RefusedFiles
{
public:
    /// Adds a file; true when it was not held yet, so that the caller says so only once.
    bool Add(const std::string& fileName) { return names_.insert(Normal(fileName)).second; }

    bool Contains(const std::string& fileName) const { return names_.count(Normal(fileName)) > 0; }
    bool Empty() const { return names_.empty(); }

private:
    // "DATA/Units.dat" and "DATA//Units.dat" name the same file; callers build names both ways.
    static std::string Normal(const std::string& fileName)
    {
        return std::filesystem::path(fileName).lexically_normal().string();
    }

    std::set<std::string> names_;
};

}  // namespace korvane
