// What the alliance window changes in the registry: membership on both sides, removing an
// alliance, the texts typed for an alliance, and the registry kept as it was to go back to.
#pragma once

#include "people/alliance.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvane {

class TAllianceList;
class TFaction;
class TFactionList;

/// Records the faction as a member on both sides: the faction's alliance key and the
/// alliance's member key. Already a member, nothing changes.
void JoinAlliance(TAlliance& alliance, TFaction& faction);
/// Takes the membership away on both sides.
void LeaveAlliance(TAlliance& alliance, TFaction& faction);

/// Frees the alliance at `index` and takes its number from the alliance keys of every faction,
/// member or not, so no faction is left pointing at an alliance that is gone (a later alliance
/// may be given the same number). Ignored outside the list.
void DeleteAlliance(TAllianceList& alliances, int index, TFactionList& factions);

/// A name or comment as typed, as it is kept: blanks and control characters cut from both
/// ends, and made storable in "Alliance.dat" (line breaks become spaces, a double quote that
/// would read as the field separator an apostrophe), so the window shows what the file will hold.
std::string AllianceText(std::string_view typed);

/// The alliances, and every faction's alliance keys, as they were at one moment.
class TAllianceRegistrySnapshot
{
public:
    TAllianceRegistrySnapshot(const TAllianceList& alliances, const TFactionList& factions);

    /// Puts both back exactly: the same alliances in the same order with their numbers, fields
    /// and members, and each faction's keys in their order. A faction that was not known then
    /// (imported since) belonged to no alliance. Nothing else about the factions is touched.
    void Restore(TAllianceList& alliances, TFactionList& factions) const;

private:
    std::vector<TAlliance> alliances_;
    std::vector<std::pair<std::int32_t, std::vector<std::string>>> allianceKeys_;  // by faction number
};

}  // namespace korvane
