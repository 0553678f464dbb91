// NameList: an unsorted list of names whose positions are the codes that cells store.
#pragma once

#include "core/case_insensitive.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {

class NameList
{
public:
    NameList() = default;
    NameList(std::initializer_list<const char*> names);

    int Count() const { return static_cast<int>(names_.size()); }
    const std::string& operator[](int index) const { return names_[static_cast<std::size_t>(index)]; }
    const std::vector<std::string>& Names() const { return names_; }

    /// Position of `name`, ignoring case; -1 when absent.
    int IndexOf(std::string_view name) const;
    /// Appends `name` and returns its position; entries are never reordered or removed.
    int Add(std::string name);
    void Clear()
    {
        names_.clear();
        index_.clear();
    }

    /// Replaces the list with the file's lines, blank ones included and nothing trimmed.
    /// False, list untouched, when the file cannot be read.
    bool LoadFromFile(const std::string& fileName);
    /// One name per line, in list order.
    bool SaveToFile(const std::string& fileName) const;

private:
    void Index(int position);

    std::vector<std::string> names_;
    // Name (any case) to its first position: reports look names up once per line.
    std::unordered_map<std::string, int, CaseInsensitiveHash, CaseInsensitiveEqual> index_;
};

}  // namespace korvane
