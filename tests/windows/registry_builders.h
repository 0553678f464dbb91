// A named builder of the faction registry the window tests work on (its header brings the alliance list too).
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

}  // namespace korvane::testing
