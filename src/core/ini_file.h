// A sectioned "key=value" settings file, read and written the way the settings always were:
// section and key names ignore case, values are trimmed, and everything the program does not
// know (other sections, other keys, comments, odd lines) is kept untouched and in place.
#pragma once

#include "core/file_result.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class LineReader;

class IniFile
{
public:
    /// Longest value handed back by ReadString.
    static constexpr std::size_t kMaxValueLength = 1023;

    explicit IniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    /// Reads the file as it is on disk now; a missing file reads as empty. A failure, and empty,
    /// when the file exists but could not be read: saving then would lose what it holds.
    FileResult Load();
    /// Reads the lines of `reader` in place of the file's (the in-memory half of Load); false,
    /// and empty, when a read failed.
    bool Load(LineReader& reader);

    /// The value of `key` in `section`, trimmed and cut to 1023 characters, or `defaultValue`
    /// when the section or key is absent. A key present with no value gives "".
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;

    bool HasKey(std::string_view section, std::string_view key) const;

    /// Sets a value in memory: the key's line is replaced in place, a new key goes at the end
    /// of its section, a new section at the end of the file. Line breaks in `value` become spaces.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    /// Writes the file (CR LF lines) as one atomic replacement; on failure the old file is kept.
    FileResult Save() const;

private:
    int FindSection(std::string_view section) const;
    int FindKey(int sectionLine, std::string_view key) const;

    std::string fileName_;
    std::vector<std::string> lines_;
};

}  // namespace korvane
