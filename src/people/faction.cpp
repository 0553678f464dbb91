// Faction keys and alliance membership of one faction.
#include "people/faction.h"

#include <algorithm>
#include <charconv>

namespace korvane {

std::string FactionKey(std::int32_t number)
{
    if (number < 1)
        return "00000";
    // Built in place: every unit of a report looks its faction up. A sixth digit is kept, so
    // that two factions never share a key.
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    std::string key(length < 5 ? 5 - length : 0, '0');
    key.append(digits, length);
    return key;
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
