// Alliance membership, removal, typed texts and the registry kept for going back.
#include "people/alliance_editing.h"

#include "people/alliance_list.h"
#include "people/faction.h"
#include "people/faction_list.h"
#include "people/registry_fields.h"

#include <algorithm>
#include <memory>

namespace korvane {

void JoinAlliance(TAlliance& alliance, TFaction& faction)
{
    faction.AddAlliance(alliance.Number);
    alliance.AddMember(faction.Number);
}

void LeaveAlliance(TAlliance& alliance, TFaction& faction)
{
    faction.RemoveAlliance(alliance.Number);
    alliance.RemoveMember(faction.Number);
}

void DeleteAlliance(TAllianceList& alliances, int index, TFactionList& factions)
{
    const TAlliance* alliance = alliances.Items(index);
    if (!alliance)
        return;
    const std::int32_t number = alliance->Number;
    for (int i = 0; i < factions.Count(); ++i)
        factions.Items(i)->RemoveAlliance(number);
    alliances.Delete(index);
}

std::string AllianceText(std::string_view typed)
{
    const auto blankOrControl = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!typed.empty() && blankOrControl(typed.front()))
        typed.remove_prefix(1);
    while (!typed.empty() && blankOrControl(typed.back()))
        typed.remove_suffix(1);
    return StorableText(typed);
}

TAllianceRegistrySnapshot::TAllianceRegistrySnapshot(const TAllianceList& alliances, const TFactionList& factions)
{
    alliances_.reserve(static_cast<std::size_t>(alliances.Count()));
    for (int i = 0; i < alliances.Count(); ++i)
        alliances_.push_back(*alliances.Items(i));
    allianceKeys_.reserve(static_cast<std::size_t>(factions.Count()));
    for (int i = 0; i < factions.Count(); ++i) {
        const TFaction* faction = factions.Items(i);
        allianceKeys_.emplace_back(faction->Number, faction->AllianceKeys);
    }
    // Keys order six-digit numbers apart from their value: sorted by number for the look-up.
    std::sort(allianceKeys_.begin(), allianceKeys_.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
}

void TAllianceRegistrySnapshot::Restore(TAllianceList& alliances, TFactionList& factions) const
{
    alliances.Clear();
    for (const TAlliance& alliance : alliances_)
        alliances.Add(std::make_unique<TAlliance>(alliance));
    for (int i = 0; i < factions.Count(); ++i) {
        TFaction* faction = factions.Items(i);
        const auto kept = std::lower_bound(allianceKeys_.begin(), allianceKeys_.end(), faction->Number,
                                           [](const auto& entry, std::int32_t number) { return entry.first < number; });
        if (kept != allianceKeys_.end() && kept->first == faction->Number)
            faction->AllianceKeys = kept->second;
        else
            faction->AllianceKeys.clear();
    }
}

}  // namespace korvane
