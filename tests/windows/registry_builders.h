// Named builders of the faction and alliance registries the window tests work on.
#pragma once

#include "people/alliance_list.h"
#include "people/faction_list.h"

#include <memory>
#include <optional>
#include <string>

namespace korvane::testing {

inline TFaction* AddFaction(TFactionList& factions, int number, const std::string& name,
                            std::optional<std::int32_t> colour = {}, const std::string& email = "")
{
    auto faction = std::make_unique<TFaction>();
    faction->Number = number;
    faction->Name = name;
    faction->EMail = email;
    if (colour)
        faction->Colour = *colour;
    return factions.Add(std::move(faction));
}

inline TAlliance* AddAlliance(TAllianceList& alliances, const std::string& name)
{
    auto alliance = std::make_unique<TAlliance>();
    alliance->Name = name;
    return alliances.Add(std::move(alliance));
}

}  // namespace korvane::testing
