// The display selection lists: named lists of faction or alliance numbers saying whose troops
// the map marks, with their file "UnitLsts.Dat".
#pragma once

#include "core/file_result.h"
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class LineReader;
class TrecINI;

/// One list: faction numbers, or alliance numbers, as decimal text in the order added. An
/// empty faction list marks every faction; an empty alliance list marks nothing.
struct TShowTroopsList
{
    bool AllianceBased = false;
    std::vector<std::string> Entries;
};

class TShowTroopCollection
{
public:
    /// The list made when there is no file yet.
    static constexpr const char* kGeneralList = "General List";

    /// Names are compared without their surrounding spaces.
    bool Exists(std::string_view name) const;
    /// Creates the list when missing (at the end), then gives it the flag and entries.
    void SetList(std::string_view name, bool allianceBased, std::vector<std::string> entries);
    /// The list of that name, or null.
    const TShowTroopsList* GetList(std::string_view name) const;
    /// False when the list does not exist.
    bool IsAllianceBased(std::string_view name) const;
    void DeleteList(std::string_view name);
    /// The names in collection order.
    std::vector<std::string> Names() const;
    int Count() const { return static_cast<int>(lists_.size()); }

    /// Reads "UnitLsts.Dat" from `dir`, adding its lists; a missing file gives one empty faction
    /// list, "General List". A failure, collection unchanged, when the file cannot be read.
    FileResult Load(const std::string& dir, const TrecINI& settings);
    /// As Load, from the lines of `reader`; false when a read failed.
    bool LoadFromLines(LineReader& reader);
    /// Rewrites "UnitLsts.Dat" in `dir`; on failure the old file is kept and the result says why.
    FileResult Save(const std::string& dir, const TrecINI& settings) const;

private:
    struct Named
    {
        std::string Name;
        TShowTroopsList List;
    };
    Named* Find(std::string_view name);
    const Named* Find(std::string_view name) const;

    std::vector<Named> lists_;
};

}  // namespace korvane
