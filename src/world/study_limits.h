// TStudyLimits: how far each race may study, as the reports say when the faction first meets
// the race. Said only once, so kept in a file of its own.
#pragma once

#include "core/case_insensitive.h"
#include "core/file_result.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

/// The file the limits are kept in, in the data folder.
inline constexpr const char* kStudyLimitsFile = "StudyLimits.dat";

/// Orders keys as the keyword lists compare them: without regard to ASCII case.
struct StudyKeyLess
{
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept;
};

class TStudyLimits
{
public:
    /// What one race may study: its specialised skills to their levels, all others to `Others`.
    struct Race
    {
        int Others = 0;
        std::map<std::string, int, StudyKeyLess> Skills;

        bool operator==(const Race&) const = default;
    };

    /// Replaces the race's entry.
    void Set(std::string_view raceKey, Race race);
    /// Every race of `later` replaces its entry here.
    void Merge(const TStudyLimits& later);
    /// The race's entry; null when unknown.
    const Race* Find(std::string_view raceKey) const;
    bool Empty() const { return races_.empty(); }
    int Count() const { return static_cast<int>(races_.size()); }

    /// The highest level a unit of the race may reach in the skill; empty when the race is unknown.
    std::optional<int> Limit(std::string_view raceKey, std::string_view skillKey) const;

    /// Takes the limits of a race's paragraph of the reports ("viking [VIKI], weight 10, ...
    /// This race may study ... to level 3 and all other skills to level 2."), its lines joined.
    /// False, nothing changed, for a paragraph that says no limits this table can read.
    bool ReadParagraph(std::string_view paragraph);

    /// One race per line: its key, the level of all other skills, then pairs of skill key and
    /// level. Lines that cannot be read are passed over. A failure, table untouched, when there is
    /// no such file or it cannot be read.
    FileResult LoadFromFile(const std::string& fileName);
    FileResult SaveToFile(const std::string& fileName) const;

    bool operator==(const TStudyLimits&) const = default;

private:
    std::map<std::string, Race, StudyKeyLess> races_;
};

}  // namespace korvane
