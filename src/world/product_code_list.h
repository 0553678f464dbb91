// ProductCodeList: item codes met in markets, each with the item's name. A hex's markets
// store positions in it, so entries are only appended.
#pragma once

#include "core/file_result.h"
#include "core/indexed_entries.h"
#include "world/product.h"

#include <string>
#include <string_view>

namespace korvane {

class LineReader;

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

    int Count() const { return entries_.Count(); }
    const Entry& operator[](int index) const { return entries_[index]; }

    /// Position of an item code, ignoring case; -1 when absent.
    int IndexOf(std::string_view code) const { return entries_.IndexOf(code); }
    int Add(std::string code, std::string name);
    void Clear() { entries_.Clear(); }

    /// Empties the list and reads "code;name" lines; blank lines and lines without ";" are
    /// skipped. A failure, list untouched, when there is no such file or it cannot be read.
    FileResult LoadFromFile(const std::string& fileName);
    /// As LoadFromFile, from the lines of `reader`; false when a read failed.
    bool LoadFromLines(LineReader& reader);
    /// One "code;name" line per entry, both trimmed.
    FileResult SaveToFile(const std::string& fileName) const;

private:
    struct CodeOf
    {
        std::string_view operator()(const Entry& entry) const { return entry.Code; }
    };
    IndexedEntries<Entry, CodeOf> entries_;
};

}  // namespace korvane
