// The unit summary's counts, from the unit list's own counting.
#include "people/unit_summary.h"

namespace korvane {

UnitSummary SummariseUnits(const TUnitList& units, std::int32_t ownFaction, const TKeyStringList& skills,
                           const TKeyStringList& troops)
{
    UnitSummary summary;
    if (ownFaction > 0) {
        summary.Forces = units.CountForces(ownFaction, troops);
        summary.Silver = units.SilverOfFaction(ownFaction);
    }
    for (std::size_t row = 0; row < kSummarySkills.size(); ++row) {
        const std::vector<std::string> levels = units.SkillLevelCounts(ownFaction, kSummarySkills[row], skills, troops);
        for (std::size_t level = 0; level < levels.size() && level < 5; ++level) {
            std::string text = levels[level];
            const std::size_t split = text.find(';');
            if (split != std::string::npos)
                text.replace(split, 1, " / ");
            summary.SkillMen[row][level] = std::move(text);
        }
    }
    return summary;
}

}  // namespace korvane
