// Members of one alliance and their list lines.
#include "people/alliance.h"

#include "core/text_helpers.h"
#include "people/faction.h"
#include "people/faction_list.h"

#include <algorithm>

namespace korvane {

void TAlliance::AddMember(std::int32_t faction)
{
    AddMemberKey(FactionKey(faction));
}

void TAlliance::AddMemberKey(std::string key)
{
    if (key.empty())
        return;
    const auto it = std::lower_bound(Members.begin(), Members.end(), key);
    if (it == Members.end() || *it != key)
        Members.insert(it, std::move(key));
}

void TAlliance::RemoveMember(std::int32_t faction)
{
    const std::string key = FactionKey(faction);
    const auto it = std::lower_bound(Members.begin(), Members.end(), key);
    if (it != Members.end() && *it == key)
        Members.erase(it);
}

bool TAlliance::HasMember(std::int32_t faction) const
{
    return std::binary_search(Members.begin(), Members.end(), FactionKey(faction));
}

std::vector<std::string> TAlliance::ListMembers(const TFactionList& factions) const
{
    std::vector<std::string> lines;
    for (const auto& key : Members) {
        const TFaction* faction = factions.Find(StrToIntLenient(key));
        if (!faction)
            continue;
        const std::string number = IntToStr(faction->Number);
        // The window reads the number back from the first 5 characters: a fifth digit must
        // push the text along rather than be cut off.
        const std::string padded = number.size() >= 4 ? number : PadLeft(number, ' ', 4);
        lines.push_back(padded + " " + TrimSpaces(faction->Name));
    }
    return lines;
}

}  // namespace korvane
