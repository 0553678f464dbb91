// What a turn report is read into: the world, the settings it moves on, the faction registry
// and the keyword lists that unit records point into.
#pragma once

#include "core/refused_files.h"

namespace korvane {

class TFactionList;
class TKeyStringList;
class TMap;
class TrecINI;

struct ImportTarget
{
    TMap& Map;
    TrecINI& Settings;
    TFactionList& Factions;
    TKeyStringList& SkillList;
    TKeyStringList& TroopList;
    TKeyStringList& EquipmentList;
    /// Files of this run that must not be written over; none when null.
    const RefusedFiles* Refused = nullptr;
};

}  // namespace korvane
