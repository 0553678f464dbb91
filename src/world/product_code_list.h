// ProductCodeList: item codes met in markets, each with the item's name. A hex's markets
// store positions in it, so entries are only appended.
#pragma once

#include "core/case_insensitive.h"

#include "world/product.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {

class ProductCodeList
{
public:
    /// Longest item name kept from "Products.dat".
    static constexpr std::size_t kMaxNameLength = 250;

    struct Entry
    {
        std::string Code;
        TProductEntry Product;
    };

    int Count() const { return static_cast<int>(entries_.size()); }
    const Entry& operator[](int index) const { return entries_[static_cast<std::size_t>(index)]; }

    /// Position of an item code, ignoring case; -1 when absent.
    int IndexOf(std::string_view code) const;
    int Add(std::string code, std::string name);
    void Clear()
    {
        entries_.clear();
        index_.clear();
    }

    /// Empties the list and reads "code;name" lines; blank lines and lines without ";" are
    /// skipped. False, list untouched, when the file cannot be read.
    bool LoadFromFile(const std::string& fileName);
    /// One "code;name" line per entry, both trimmed.
    bool SaveToFile(const std::string& fileName) const;

private:
    std::vector<Entry> entries_;
    std::unordered_map<std::string, int, CaseInsensitiveHash, CaseInsensitiveEqual> index_;  // code (any case) to its first position
};

}  // namespace korvane
