// TAllianceList: the alliances in the order they were made, with their file "Alliance.dat".
#pragma once

#include "core/file_result.h"
#include "people/alliance.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace korvane {

class LineReader;
class TrecINI;

class TAllianceList
{
public:
    int Count() const { return static_cast<int>(alliances_.size()); }
    /// The alliance at a position; null outside 0..Count-1.
    TAlliance* Items(int index) const;
    /// The alliance with that number, or null.
    TAlliance* Find(std::int32_t number) const;

    /// One more than the largest alliance number held; 1 for an empty list.
    std::int32_t NextNumber() const;

    /// Takes an alliance; one whose number is below 0 first gets NextNumber(). An alliance
    /// already held under the same number is freed and replaced in its place; otherwise the
    /// new one goes at the end. Returns the alliance stored (null when given none).
    TAlliance* Add(std::unique_ptr<TAlliance> alliance);

    /// Frees the alliance at a position; ignored outside the list.
    void Delete(int index);

    /// Every alliance name, in list order.
    std::vector<std::string> ListNames() const;

    void Clear() { alliances_.clear(); }

    /// Adds the alliances of "Alliance.dat" in `dir` to the list (which is not emptied first).
    /// A missing file succeeds and changes nothing; a failure when it cannot be read.
    FileResult LoadFromFile(const std::string& dir, const TrecINI& settings);
    /// As LoadFromFile, from the lines of `reader`; false when a read failed.
    bool LoadFromLines(LineReader& reader);

    /// Rewrites "Alliance.dat" in `dir`; on failure the old file is kept and the result says why.
    FileResult SaveToFile(const std::string& dir, const TrecINI& settings) const;

private:
    int IndexOf(std::int32_t number) const;

    std::vector<std::unique_ptr<TAlliance>> alliances_;
};

}  // namespace korvane
