// Faction keys and alliance membership of one faction.
#include "people/faction.h"

#include "core/text_helpers.h"

#include <algorithm>

namespace korvane {

std::string FactionKey(std::int32_t number)
{
    if (number < 1)
        return "00000";
    const std::string digits = IntToStr(number);
    // PadLeft would cut a sixth digit off and merge two factions under one key.
    return digits.size() >= 5 ? digits : PadLeft(digits, '0', 5);
}

void TFaction::AddAlliance(std::int32_t alliance)
{
    if (!InAlliance(alliance))
        AllianceKeys.push_back(AllianceKey(alliance));
}

bool TFaction::InAlliance(std::int32_t alliance) const
{
    return std::find(AllianceKeys.begin(), AllianceKeys.end(), AllianceKey(alliance)) != AllianceKeys.end();
}

void TFaction::RemoveAlliance(std::int32_t alliance)
{
    const std::string key = AllianceKey(alliance);
    AllianceKeys.erase(std::remove(AllianceKeys.begin(), AllianceKeys.end(), key), AllianceKeys.end());
}

}  // namespace korvane
