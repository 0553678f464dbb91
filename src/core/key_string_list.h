// TKeyStringList: the skill, troop and item keywords, in the order first met. Units store
// positions in these lists, so entries are only ever appended.
#pragma once

#include "core/file_result.h"
#include "core/indexed_entries.h"
#include "core/string_code.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class TKeyStringList
{
public:
    int Count() const { return entries_.Count(); }
    const std::vector<TStringCode>& Entries() const { return entries_.Entries(); }

    /// Adds a keyword, or, when the key (spaces trimmed, any case) is known, replaces its
    /// names with the non-empty ones given. Returns the entry's position.
    int AddKey(std::string_view key, std::string_view singular, std::string_view plural);

    /// Position of the key with spaces trimmed, ignoring case; -1 when absent.
    int IndexOfKey(std::string_view key) const;

    /// The entry's texts; `fallback` when the position is outside the list.
    std::string KeyAt(int position, std::string fallback = {}) const;
    std::string SingularAt(int position, std::string fallback = {}) const;
    std::string PluralAt(int position, std::string fallback = {}) const;

    void Clear() { entries_.Clear(); }

    /// Appends the file's records of three lines (key, singular, plural); a record cut short
    /// by the end of the file keeps empty names. A missing file changes nothing and succeeds.
    /// A file that exists but cannot be opened or read to its end changes nothing and gives
    /// a failure: units point into the list by position, so a part of it is no list at all.
    FileResult LoadFromFile(const std::string& fileName);
    /// Three lines per entry, in list order.
    FileResult SaveToFile(const std::string& fileName) const;

private:
    struct KeyOf
    {
        std::string_view operator()(const TStringCode& entry) const { return entry.Key; }
    };

    const TStringCode* At(int position) const;

    IndexedEntries<TStringCode, KeyOf> entries_;
};

}  // namespace korvane
