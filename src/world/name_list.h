// NameList: an unsorted list of names whose positions are the codes that cells store.
#pragma once

#include "core/file_result.h"
#include "core/indexed_entries.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class LineReader;

class NameList
{
public:
    NameList() = default;
    NameList(std::initializer_list<const char*> names);

    int Count() const { return names_.Count(); }
    const std::string& operator[](int index) const { return names_[index]; }
    const std::vector<std::string>& Names() const { return names_.Entries(); }

    /// Position of `name`, ignoring case; -1 when absent.
    int IndexOf(std::string_view name) const { return names_.IndexOf(name); }
    /// Appends `name` and returns its position; entries are never reordered or removed.
    int Add(std::string name);
    void Clear() { names_.Clear(); }

    /// Replaces the list with the file's lines, blank ones included and nothing trimmed.
    /// A failure, list untouched, when there is no such file or it cannot be read.
    FileResult LoadFromFile(const std::string& fileName);
    /// As LoadFromFile, from the lines of `reader`; false when a read failed.
    bool LoadFromLines(LineReader& reader);
    /// One name per line, in list order.
    FileResult SaveToFile(const std::string& fileName) const;

private:
    struct Itself
    {
        std::string_view operator()(const std::string& name) const { return name; }
    };
    IndexedEntries<std::string, Itself> names_;
};

}  // namespace korvane
