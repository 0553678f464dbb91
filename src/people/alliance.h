// TAlliance: an alliance the player defines between factions, with its member factions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

class TFactionList;

class TAlliance
{
public:
    /// Given by the alliance list when the alliance is added; -1 until then.
    std::int32_t Number = -1;
    std::string Name = "Unknown";
    std::string Comments;
    std::int32_t Colour = 0xFF0000;
    /// Member factions as 5-digit keys, in ascending order, each once.
    std::vector<std::string> Members;

    void AddMember(std::int32_t faction);
    void RemoveMember(std::int32_t faction);
    /// Adds a member key as read from a file; empty keys and duplicates are ignored.
    void AddMemberKey(std::string key);
    bool HasMember(std::int32_t faction) const;
    int MemberCount() const { return static_cast<int>(Members.size()); }

    /// One line per member the registry knows, in key order: the faction number right-aligned
    /// in 4 characters (longer numbers whole), a space and the trimmed faction name.
    std::vector<std::string> ListMembers(const TFactionList& factions) const;
};

}  // namespace korvane
