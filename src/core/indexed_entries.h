// IndexedEntries: an append-only list whose entries are found by a name without regard to
// ASCII case. Cells and units store positions in such lists, so entries never move.
#pragma once

#include "core/case_insensitive.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {

/// `KeyOf` gives the name an entry is found by: `std::string_view operator()(const Entry&)`.
template <typename Entry, typename KeyOf>
class IndexedEntries
{
public:
    int Count() const { return static_cast<int>(entries_.size()); }
    const Entry& operator[](int position) const { return entries_[static_cast<std::size_t>(position)]; }
    Entry& operator[](int position) { return entries_[static_cast<std::size_t>(position)]; }
    const std::vector<Entry>& Entries() const { return entries_; }
    bool Contains(int position) const { return position >= 0 && position < Count(); }

    /// Position of the first entry appended under `key`, any case; -1 when there is none.
    int IndexOf(std::string_view key) const
    {
        const auto found = index_.find(key);
        return found == index_.end() ? -1 : found->second;
    }

    /// Appends an entry and returns its position. A name already listed keeps finding its
    /// first entry.
    int Append(Entry entry)
    {
        entries_.push_back(std::move(entry));
        index_.emplace(std::string(KeyOf{}(entries_.back())), Count() - 1);
        return Count() - 1;
    }

    void Clear()
    {
        entries_.clear();
        index_.clear();
    }

private:
    std::vector<Entry> entries_;
    // Looked up for every name of every report line, so hashed, and without copying the name.
    std::unordered_map<std::string, int, CaseInsensitiveHash, CaseInsensitiveEqual> index_;
};

}  // namespace korvane
