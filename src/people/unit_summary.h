// What the unit summary counts of a unit list for the player's faction: units and men with and
// without leaders, their silver, and the men at each level of the three fighting skills.
#pragma once

#include "people/unit_list.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace korvane {

class TKeyStringList;

/// The skills of the summary's skill grid, in its row order.
inline constexpr std::array<const char*, 3> kSummarySkills = {"COMB", "LBOW", "XBOW"};

struct UnitSummary
{
    /// Units and men of the player's faction; none when no faction is the player's.
    std::optional<ForceCounts> Forces;
    /// Their silver; none when no faction is the player's.
    std::optional<std::int64_t> Silver;
    /// Row per skill of kSummarySkills, column per level 1 to 5: "leader men / other men".
    std::array<std::array<std::string, 5>, kSummarySkills.size()> SkillMen;
};

/// Counts `units` for `ownFaction`. Units and silver only for a faction above 0; the skill
/// grid over the units whose faction is `ownFaction` whatever it is.
UnitSummary SummariseUnits(const TUnitList& units, std::int32_t ownFaction, const TKeyStringList& skills,
                           const TKeyStringList& troops);

}  // namespace korvane
