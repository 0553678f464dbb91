// Grouping a hex's units for the troop marks.
#include "mapview/render/troop_groups.h"

#include "core/text_helpers.h"
#include "people/alliance.h"
#include "people/alliance_list.h"
#include "people/faction.h"
#include "people/faction_list.h"
#include "world/map_cell.h"

#include <algorithm>
#include <map>

namespace korvane {

namespace {

std::string GroupKey(std::int32_t number)
{
    std::string key = std::to_string(number);
    if (key.size() < 5)
        key.insert(0, 5 - key.size(), '0');
    return key;
}

// The display entry a faction's units count under; -1 when none.
std::int32_t MatchingEntry(const TroopDisplay& display, std::int32_t faction, const TAllianceList& alliances)
{
    for (const std::string& entry : display.Entries) {
        const std::int32_t number = StrToIntLenient(TrimSpaces(entry));
        if (display.AllianceBased) {
            const TAlliance* alliance = alliances.Find(number);
            if (alliance && alliance->HasMember(faction))
                return number;
        } else if (number == faction) {
            return number;
        }
    }
    return -1;
}

}  // namespace

std::vector<TroopGroup> CollectTroopGroups(const TMapCell& cell, const TroopDisplay& display,
                                           const TFactionList& factions, const TAllianceList& alliances,
                                           std::int32_t currentTurn)
{
    std::vector<TroopGroup> groups;
    if (display.AllianceBased && display.Entries.empty())
        return groups;
    std::map<std::string, TroopGroup> byKey;
    for (int i = 0; i < cell.Units.Count(); ++i) {
        const TUnit& unit = *cell.Units.Items(i);
        const TFaction* faction = factions.Find(unit.Faction);
        if (!faction)
            continue;
        std::int32_t number = unit.Faction;
        if (!display.Entries.empty()) {
            number = MatchingEntry(display, unit.Faction, alliances);
            if (number < 0)
                continue;
        }
        TroopGroup& group = byKey[GroupKey(number)];
        if (group.Key.empty()) {
            group.Key = GroupKey(number);
            if (display.AllianceBased) {
                const TAlliance* alliance = alliances.Find(number);
                group.Colour = alliance ? alliance->Colour : -1;
            } else {
                group.Colour = faction->Colour;
            }
        }
        group.Men += unit.MenCount();
        group.Stale = unit.Turn >= currentTurn ? 0 : -1;
    }
    for (auto& entry : byKey)
        groups.push_back(std::move(entry.second));
    std::stable_sort(groups.begin(), groups.end(),
                     [](const TroopGroup& a, const TroopGroup& b) { return a.Men > b.Men; });
    return groups;
}

}  // namespace korvane
