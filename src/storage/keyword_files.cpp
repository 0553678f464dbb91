// Loading and saving the keyword lists in the data folder.
#include "storage/keyword_files.h"

#include "core/key_string_list.h"
#include "core/settings.h"
#include "world/vocabulary.h"

namespace korvane {

void LoadKeywordLists(const TrecINI& settings, TKeyStringList& skills, TKeyStringList& troops,
                      TKeyStringList& equipment)
{
    skills.Clear();
    troops.Clear();
    equipment.Clear();
    skills.LoadFromFile(settings.DataPath(settings.SkillsFile));
    troops.LoadFromFile(settings.DataPath(settings.TroopsFile));
    AddRaceTable(troops);
    equipment.LoadFromFile(settings.DataPath(settings.EquipmentFile));
}

bool SaveKeywordLists(const TrecINI& settings, const TKeyStringList& skills, const TKeyStringList& troops,
                      const TKeyStringList& equipment)
{
    bool saved = skills.SaveToFile(settings.DataPath(settings.SkillsFile));
    saved = troops.SaveToFile(settings.DataPath(settings.TroopsFile)) && saved;
    return equipment.SaveToFile(settings.DataPath(settings.EquipmentFile)) && saved;
}

}  // namespace korvane
