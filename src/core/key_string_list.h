// TKeyStringList: the skill, troop and item keywords, in the order first met. Units store
// positions in these lists, so entries are only ever appended.
#pragma once

#include "core/case_insensitive.h"

#include "core/string_code.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {

class TKeyStringList
{
public:
    int Count() const { return static_cast<int>(entries_.size()); }
    const std::vector<TStringCode>& Entries() const { return entries_; }

    /// Adds a keyword, or, when the key (spaces trimmed, any case) is known, replaces its
    /// names with the non-empty ones given. Returns the entry's position.
    int AddKey(std::string_view key, std::string_view singular, std::string_view plural);

    /// Position of the key with spaces trimmed, ignoring case; -1 when absent.
    int IndexOfKey(std::string_view key) const;

    /// The entry's texts; `fallback` when the position is outside the list.
    std::string KeyAt(int position, std::string fallback = {}) const;
    std::string SingularAt(int position, std::string fallback = {}) const;
    std::string PluralAt(int position, std::string fallback = {}) const;

    void Clear()
    {
        entries_.clear();
        index_.clear();
    }

    /// Appends the file's records of three lines (key, singular, plural); a record cut short
    /// by the end of the file keeps empty names. A missing file changes nothing and succeeds.
    bool LoadFromFile(const std::string& fileName);
    /// Three lines per entry, in list order.
    bool SaveToFile(const std::string& fileName) const;

private:
    const TStringCode* At(int position) const;
    void Append(TStringCode entry);

    std::vector<TStringCode> entries_;
    // Key (any case) to its first position: unit lines look codes up all the time.
    std::unordered_map<std::string, int, CaseInsensitiveHash, CaseInsensitiveEqual> index_;
};

}  // namespace korvane
