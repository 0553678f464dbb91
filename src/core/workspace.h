// Workspace: the one owner of the process-wide state (map, settings, registries, keyword
// lists), created once by each front end and passed by reference to everything that needs it.
#pragma once

#include "core/settings.h"
#include "people/alliance_list.h"
#include "people/faction_list.h"
#include "world/key_string_list.h"
#include "world/map.h"

#include <string>

namespace korvane {

class Workspace
{
public:
    /// `programDir` is the folder of ATLANTIS.INI. Nothing is read yet.
    explicit Workspace(const std::string& programDir);
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    const std::string& ProgramDir() const { return Settings.ProgramDir(); }

    /// Loads the skill, troop and item keywords from the data folder and adds the race table,
    /// whose names win over those of the troop file.
    void LoadKeywordLists();
    /// Writes the three keyword files; false when any could not be written.
    bool SaveKeywordLists() const;

    // Declared in the order the process builds them.
    TMap Map;
    TrecINI Settings;
    TFactionList Factions;
    TAllianceList Alliances;
    TKeyStringList SkillList;
    TKeyStringList TroopList;
    TKeyStringList EquipmentList;
};

}  // namespace korvane
